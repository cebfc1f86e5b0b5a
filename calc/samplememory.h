// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Memory for the sample arrays. A large array is a mapping of its own, given
// back whole when it is freed. It does not ask for transparent huge pages:
// with them a first press at the largest N stalls for seconds while the
// kernel compacts memory, and a typical press gains nothing (README,
// "Performance"). Elements are left unwritten, since the sample loop writes
// every one of them and zeroing first would double the memory traffic.

#include <cstddef>
#include <new>
#include <utility>

namespace calc {

// Throws std::bad_alloc when the memory cannot be allocated.
void* allocateSampleMemory(std::size_t bytes);
void releaseSampleMemory(void* p, std::size_t bytes) noexcept;

template <class T>
struct SampleAllocator {
    using value_type = T;

    SampleAllocator() = default;
    template <class U>
    explicit SampleAllocator(const SampleAllocator<U>& /*other*/) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) {
            throw std::bad_alloc();
        }
        return static_cast<T*>(allocateSampleMemory(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { releaseSampleMemory(p, n * sizeof(T)); }

    template <class U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const SampleAllocator<U>& /*other*/) const noexcept
    {
        return true;
    }
};

} // namespace calc
