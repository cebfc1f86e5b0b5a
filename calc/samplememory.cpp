// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/samplememory.h"

#include <sys/mman.h>

namespace calc {

namespace {

constexpr std::size_t Page = 4096;
// Below this a mapping of its own would waste more than it saves.
constexpr std::size_t Mapped = std::size_t{4} << 20;

std::size_t roundUp(std::size_t bytes)
{
    return (bytes + Page - 1) / Page * Page;
}

} // namespace

void* allocateSampleMemory(std::size_t bytes)
{
    if (bytes < Mapped) {
        return ::operator new(bytes);
    }
    const std::size_t size = roundUp(bytes);
    if (size < bytes) {
        throw std::bad_alloc();
    }
    void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
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
    munmap(p, roundUp(bytes));
}

} // namespace calc
