// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/batch/exitstatus.h"
#include "app/batch/messages.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string_view>

namespace batch {

// Tells `err` that the output could not be written, for the system's reason
// `error` (an errno), and returns Unwritable. A stream that failed without
// setting errno reports an input/output error rather than "Success".
inline int reportUnwritable(std::ostream& err, int error)
{
    err << messages::unwritable(std::strerror(error != 0 ? error : EIO)) << '\n';
    return Unwritable;
}

// Writes `bytes` to `out` and flushes it: Computed, or Unwritable told on
// `err` with the reason of this write, never one an earlier call left.
inline int writeOut(std::ostream& out, std::ostream& err, std::string_view bytes)
{
    errno = 0;
    return out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush() ? Computed
                                                                                       : reportUnwritable(err, errno);
}

} // namespace batch
