// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/wholefile.h"

#include "graphs/messages.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace graphs {

namespace {

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends on, which need not exist yet; a
// relative link is read from the directory the link stands in.
std::string linkTarget(std::string path, int& error)
{
    char target[PATH_MAX];
    for (int links = 0;; ++links) {
        const ssize_t n = readlink(path.c_str(), target, sizeof target);
        if (n < 0) {
            error = errno == EINVAL || errno == ENOENT ? 0 : errno;
            return path;
        }
        if (links == 40 || n == sizeof target) {
            error = links == 40 ? ELOOP : ENAMETOOLONG;
            return path;
        }
        std::string next(target, static_cast<std::size_t>(n));
        if (next.front() != '/') {
            next.insert(0, directoryOf(path).append(1, '/'));
        }
        path = std::move(next);
    }
}

// A new file beside target, named so that no other program's file is taken;
// created with 0666, which the umask reduces as for any new file.
int createTemporary(const std::string& target, std::string& name)
{
    std::random_device random;
    for (int tries = 0; tries < 100; ++tries) {
        name = directoryOf(target) + "/.raddrizzatore-" + std::to_string(random());
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno != EINTR) {
            return errno;
        }
        if (n == 0) { // no progress and no reason: a regular file never does this
            return EIO;
        }
        bytes.remove_prefix(n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    return 0;
}

// The temporary file takes the replaced file's owner, group and mode. Only
// root may give a file away; a group the user belongs to is kept all the same.
int takeOver(int fd, const struct stat& old)
{
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Failing the group too, the file is the user's, in the user's group, as a copy would be.
        [[maybe_unused]] const int groupKept = fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    return fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

// Writes the temporary file in full and puts it in target's place. Returns 0
// or the errno of the step that failed, having removed the temporary file.
int replace(const std::string& target, const struct stat* old, std::string_view bytes)
{
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return errno;
    }
    int error = writeAll(fd, bytes);
    if (error == 0 && old != nullptr) {
        error = takeOver(fd, *old);
    }
    if (error == 0 && fsync(fd) != 0) {
        error = errno;
    }
    if (close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary.c_str());
    }
    return error;
}

// The rename is done and cannot be taken back, so a directory that fails to
// sync leaves the new file in place all the same; the sync only hastens it.
void syncDirectory(const std::string& target)
{
    const int fd = open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes)
{
    int error = 0;
    const std::string target = linkTarget(path, error);
    struct stat old {};
    const bool exists = error == 0 && stat(target.c_str(), &old) == 0;
    if (error == 0 && !exists && errno != ENOENT) {
        error = errno;
    }
    if (error == 0 && exists && !S_ISREG(old.st_mode)) {
        return S_ISDIR(old.st_mode) ? std::strerror(EISDIR) : NotARegularFile;
    }
    if (error == 0 && exists && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        error = errno;
    }
    if (error == 0) {
        error = replace(target, exists ? &old : nullptr, bytes);
    }
    if (error != 0) {
        return std::strerror(error);
    }
    syncDirectory(target);
    return std::nullopt;
}

} // namespace graphs
