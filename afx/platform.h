// The Windows declarations the framework and the launcher use: the real
// headers on Windows, our stand-in for the native test build.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <msi.h>
#include <shellapi.h>
#else
#include "win32_stand_in.h"
#endif
