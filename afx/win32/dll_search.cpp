#include <windows.h>

#include "../afx_string.h"
#include "dll_search.h"

void AfxRestrictDllSearch()
{
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
    // Windows 8, or Windows 7 and Vista with the loader update: system
    // directory only. Older systems: at least not the current directory.
    FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    if (found == nullptr ||
        !reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(found))(LOAD_LIBRARY_SEARCH_SYSTEM32))
        SetDllDirectoryA("");
}

HMODULE AfxLoadSystemLibrary(const char* fileName)
{
    CStringA path;
    for (UINT room = 260;; room *= 2) {
        UINT length = GetSystemDirectoryA(path.GetBuffer(static_cast<int>(room)), room);
        if (length == 0)
            return nullptr;
        if (length < room) {
            path.ReleaseBuffer(static_cast<int>(length));
            break;
        }
    }
    path.AppendChar('\\');
    path.Append(fileName);
    // The library's own dependencies are looked for beside it, in the
    // system directory, too.
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
