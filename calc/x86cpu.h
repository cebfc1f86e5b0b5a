// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an x86-64 processor offers the sample loop, asked once. Compiled only
// into an x86-64 build, with the AVX2 lanes.

namespace calc {

// The AVX2 lanes need both.
bool hasAvx2AndFma();

// The scalar loop is legacy SSE code, and libm's cos, sin and exp are VEX
// code on a processor with AVX. When a caller left the upper halves of the
// vector registers in use, Intel processors make such code pay on every
// instruction (Skylake on) or on every switch between the two encodings
// (earlier ones). This clears that state where there is AVX; without AVX
// nothing can leave it in use. Every thread runs it for itself.
void clearUpperHalves();

} // namespace calc
