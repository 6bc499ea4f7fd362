#pragma once

#include <windows.h>

#include <vector>

// The 32-bit pixels (0x00RRGGBB) of an area of a device context, rows from the top.
std::vector<DWORD> Pixels(HDC source, int x, int y, int width, int height);
