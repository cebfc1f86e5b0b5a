// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace graphs {

// Writes bytes as the whole content of the file at path, or leaves it as it
// was. The path is taken as the bytes the system knows it by, whatever the
// locale. The bytes go into a temporary file beside the target, synced to the
// disk, which then replaces the target by rename; the directory is synced too,
// so that a crash leaves the old file or the new one, never an empty one.
// - A symbolic link is followed: its target is replaced, the link stays.
// - A replaced file keeps its mode, and its owner and group where the user may
//   give them; a new one gets 0666 less the umask, like any program's.
// - A file its user may not write is refused with the system's reason, as cp
//   refuses it (root writes it, as with cp).
// - Anything but a regular file (a directory, a device such as /dev/full or
//   /dev/stdout) is refused: it cannot be replaced whole by rename, and a
//   write into it cannot be taken back.
// Not QSaveFile: run as root it renames its temporary file over a device
// such as /dev/null, which then is a regular file; it keeps neither a replaced
// file's owner and group nor the directory's sync; and it words its failures
// in its own texts rather than with the system's reason.
// Returns why the file was not written, in the user's language (the system's
// reason, as strerror words it), or nothing when it was.
std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes);

} // namespace graphs
