// A setup program is often started from a Downloads folder where anyone may
// have left a DLL: libraries come from the system directory only.
#pragma once

#include <windows.h>

// Drops the executable's folder and the current directory from the DLL
// search path, as far as this Windows offers that.
void AfxRestrictDllSearch();

// Loads a library by name from the system directory; null when it fails.
HMODULE AfxLoadSystemLibrary(const char* fileName);
