#include "AllocationCount.h"

#include <cstdlib>
#include <new>

namespace {
long s_allocations = 0;
}

long AllocationCount()
{
    return s_allocations;
}

void* operator new(std::size_t size)
{
    ++s_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
