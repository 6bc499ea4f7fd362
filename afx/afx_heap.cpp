#include "afx_heap.h"

#include <stdlib.h>

#include "platform.h"

void AfxThrowMemoryException()
{
    // Nothing in the application catches a memory exception, so the run
    // time would terminate the process: end it the same way.
    abort();
}

void* AfxAllocate(size_t bytes)
{
    void* block = HeapAlloc(GetProcessHeap(), 0, bytes);
    if (block == nullptr)
        AfxThrowMemoryException();
    return block;
}

void AfxFree(void* block)
{
    if (block != nullptr)
        HeapFree(GetProcessHeap(), 0, block);
}
