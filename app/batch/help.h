// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace batch {

// The text of --help, its columns and sizes taken from where they are defined.
std::string usage();

} // namespace batch
