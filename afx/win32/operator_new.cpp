// The C++ run time's allocator would pull in its exception machinery; the
// framework's objects come from the process heap instead.
#include <stddef.h>

#include "../afx_heap.h"

void* operator new(size_t bytes)
{
    return AfxAllocate(bytes);
}

void operator delete(void* block) noexcept
{
    AfxFree(block);
}

void operator delete(void* block, size_t) noexcept
{
    AfxFree(block);
}
