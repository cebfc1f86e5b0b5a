// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <streambuf>

namespace batch {

// The process's standard input, read from its file descriptor. A read the
// system refuses (a closed descriptor, a folder) throws std::system_error
// with its errno, which a stream whose exceptions() hold badbit passes on:
// std::cin would end there as if the input were empty.
class StandardInput : public std::streambuf {
protected:
    int_type underflow() override;

private:
    std::array<char, 1 << 16> buffer{};
};

} // namespace batch
