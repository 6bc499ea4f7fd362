#pragma once

#include <stddef.h>

// Watches every operator new of the test program between Start and Stop.
namespace AllocationCounter {
void Start();
void Stop();
size_t LargestBlock();
} // namespace AllocationCounter
