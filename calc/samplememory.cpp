// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/samplememory.h"

#include <sys/mman.h>

namespace calc {

namespace {

// Below this a mapping of its own would waste more than it saves.
constexpr std::size_t Mapped = std::size_t{4} << 20;

} // namespace

void* allocateSampleMemory(std::size_t bytes)
{
    if (bytes < Mapped) {
        return ::operator new(bytes);
    }
    // The kernel maps and unmaps whole pages, whatever their size on this
    // machine (4 KiB, or 16 or 64 KiB on some arm64 kernels).
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) {
        throw std::bad_alloc();
    }
    return p;
}

void releaseSampleMemory(void* p, std::size_t bytes) noexcept
{
    if (bytes < Mapped) {
        ::operator delete(p);
        return;
    }
    munmap(p, bytes);
}

} // namespace calc
