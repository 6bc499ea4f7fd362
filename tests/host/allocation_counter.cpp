#include "allocation_counter.h"

#include <stdlib.h>

#include <new>

namespace {

bool g_counting = false;
size_t g_largest = 0;

} // namespace

void AllocationCounter::Start()
{
    g_largest = 0;
    g_counting = true;
}

void AllocationCounter::Stop()
{
    g_counting = false;
}

size_t AllocationCounter::LargestBlock()
{
    return g_largest;
}

void* operator new(size_t bytes)
{
    if (g_counting && bytes > g_largest)
        g_largest = bytes;
    void* block = malloc(bytes != 0 ? bytes : 1);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void operator delete(void* block) noexcept
{
    free(block);
}

void operator delete(void* block, size_t) noexcept
{
    free(block);
}
