// Process-heap allocation for the framework's own objects. Running out of
// memory ends the process, as an uncaught memory exception would.
#pragma once

#include <stddef.h>

[[noreturn]] void AfxThrowMemoryException();
void* AfxAllocate(size_t bytes);
void AfxFree(void* block);
