// msi.dll is no known system DLL, so it is not imported: the Windows
// Installer functions the application calls by name are forwarded here to
// the system directory's msi.dll, loaded on first use.
#include <windows.h>
#include <msi.h>

#include "dll_search.h"

namespace {

HMODULE g_msi = nullptr;
bool g_msiLoadTried = false;

FARPROC MsiFunction(const char* name)
{
    if (!g_msiLoadTried) {
        g_msiLoadTried = true;
        g_msi = AfxLoadSystemLibrary("msi.dll");
    }
    return g_msi != nullptr ? GetProcAddress(g_msi, name) : nullptr;
}

template <class Function> Function* Lookup(Function*& cache, const char* name)
{
    if (cache == nullptr)
        cache = reinterpret_cast<Function*>(reinterpret_cast<void*>(MsiFunction(name)));
    return cache;
}

typedef INSTALLSTATE(WINAPI LocateComponentFn)(LPCSTR, LPSTR, DWORD*);
typedef UINT(WINAPI EnumRelatedProductsFn)(LPCSTR, DWORD, DWORD, LPSTR);
typedef UINT(WINAPI EnumProductsFn)(DWORD, LPSTR);

LocateComponentFn* g_locateComponent = nullptr;
EnumRelatedProductsFn* g_enumRelatedProducts = nullptr;
EnumProductsFn* g_enumProducts = nullptr;

} // namespace

// Without Windows Installer, no component is known and no product is found.
extern "C" INSTALLSTATE WINAPI MsiLocateComponentA(LPCSTR component, LPSTR pathBuffer, DWORD* pathLength)
{
    LocateComponentFn* call = Lookup(g_locateComponent, "MsiLocateComponentA");
    return call != nullptr ? call(component, pathBuffer, pathLength) : INSTALLSTATE_UNKNOWN;
}

extern "C" UINT WINAPI MsiEnumRelatedProductsA(LPCSTR upgradeCode, DWORD reserved, DWORD index, LPSTR productBuffer)
{
    EnumRelatedProductsFn* call = Lookup(g_enumRelatedProducts, "MsiEnumRelatedProductsA");
    return call != nullptr ? call(upgradeCode, reserved, index, productBuffer) : ERROR_MOD_NOT_FOUND;
}

extern "C" UINT WINAPI MsiEnumProductsA(DWORD index, LPSTR productBuffer)
{
    EnumProductsFn* call = Lookup(g_enumProducts, "MsiEnumProductsA");
    return call != nullptr ? call(index, productBuffer) : ERROR_MOD_NOT_FOUND;
}
