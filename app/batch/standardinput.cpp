// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch/standardinput.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace batch {

StandardInput::int_type StandardInput::underflow()
{
    ssize_t size = 0;
    do {
        size = ::read(STDIN_FILENO, buffer.data(), buffer.size());
    } while (size < 0 && errno == EINTR);
    if (size < 0) {
        throw std::system_error(errno, std::generic_category());
    }
    if (size == 0) {
        return traits_type::eof();
    }
    setg(buffer.data(), buffer.data(), buffer.data() + size);
    return traits_type::to_int_type(buffer[0]);
}

} // namespace batch
