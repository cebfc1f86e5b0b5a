#include "calc/samplememory.h"

#include <sys/mman.h>

#include <cstdint>

namespace calc {

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;
// Below this a mapping of its own would waste more than it saves.
constexpr std::size_t Mapped = 2 * HugePage;

std::size_t roundUp(std::size_t bytes)
{
    return (bytes + HugePage - 1) / HugePage * HugePage;
}

} // namespace

void* allocateSampleMemory(std::size_t bytes)
{
    if (bytes < Mapped) {
        return ::operator new(bytes);
    }
    const std::size_t size = roundUp(bytes);
    if (size < bytes || size + HugePage < size) {
        throw std::bad_alloc();
    }
    // One huge page more than needed, then the unaligned ends given back.
    void* raw = mmap(nullptr, size + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto misalignment = reinterpret_cast<std::uintptr_t>(raw) % HugePage;
    const std::size_t head = misalignment == 0 ? 0 : HugePage - misalignment;
    if (head > 0) {
        munmap(raw, head);
    }
    char* p = static_cast<char*>(raw) + head;
    munmap(p + size, HugePage - head);
    // Only advice: without huge pages the arrays work the same, more slowly.
    madvise(p, size, MADV_HUGEPAGE);
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
