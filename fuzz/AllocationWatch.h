#pragma once
// The largest single allocation made while watched, through replacements of the global operator
// new and delete. Every form that is not aligned is replaced, each on malloc and free, so that a
// sanitizer sees matching pairs whichever form allocates and whichever frees. Include it in one
// file of a program only: it defines the program's operators.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>

namespace allocation_watch {

inline bool watching = false;
inline std::size_t largest = 0;
// Larger requests fail as if the memory could not be had.
inline std::size_t refusedAbove = std::numeric_limits<std::size_t>::max();

inline void* Allocate(std::size_t size) noexcept
{
    if (watching) {
        if (size > refusedAbove)
            return nullptr;
        largest = std::max(largest, size);
    }
    return std::malloc(size ? size : 1);
}

}

void* operator new(std::size_t size)
{
    if (void* memory = allocation_watch::Allocate(size))
        return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, std::nothrow_t const&) noexcept { return allocation_watch::Allocate(size); }
void* operator new[](std::size_t size, std::nothrow_t const&) noexcept { return allocation_watch::Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::nothrow_t const&) noexcept { std::free(memory); }
void operator delete[](void* memory, std::nothrow_t const&) noexcept { std::free(memory); }
