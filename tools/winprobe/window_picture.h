#pragma once

#include <windows.h>

#include <string>

// Saves what the screen shows of a window, frame included, as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path);
