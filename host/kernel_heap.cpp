// HeapAlloc and HeapFree over malloc, counted so that tests can tell how
// much memory a deployment takes.
#include <stdlib.h>

#include "stand_in_state.h"

namespace standin {

namespace {

HeapFigures g_figures = {};
size_t g_blockLimit = ~static_cast<size_t>(0);

// Each block carries its size in front, for the figures at free.
const size_t kHeader = 16;

} // namespace

void ResetHeap()
{
    g_figures = HeapFigures{};
    g_blockLimit = ~static_cast<size_t>(0);
}

HeapFigures Heap()
{
    return g_figures;
}

void SetHeapBlockLimit(size_t bytes)
{
    g_blockLimit = bytes;
}

} // namespace standin

using namespace standin;

HANDLE GetProcessHeap()
{
    static int heap;
    return &heap;
}

LPVOID HeapAlloc(HANDLE, DWORD, size_t bytes)
{
    if (bytes > g_blockLimit)
        return nullptr;
    char* block = static_cast<char*>(malloc(bytes + kHeader));
    if (block == nullptr)
        return nullptr;
    *reinterpret_cast<size_t*>(block) = bytes;
    ++g_figures.allocations;
    g_figures.currentBytes += bytes;
    if (g_figures.currentBytes > g_figures.peakBytes)
        g_figures.peakBytes = g_figures.currentBytes;
    if (bytes > g_figures.largestBlock)
        g_figures.largestBlock = bytes;
    return block + kHeader;
}

BOOL HeapFree(HANDLE, DWORD, LPVOID block)
{
    if (block == nullptr)
        return FALSE;
    char* start = static_cast<char*>(block) - kHeader;
    size_t bytes = *reinterpret_cast<size_t*>(start);
    // Blocks from before a Reset leave the figures alone.
    g_figures.currentBytes -= bytes <= g_figures.currentBytes ? bytes : g_figures.currentBytes;
    free(start);
    return TRUE;
}
