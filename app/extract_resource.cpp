#include "extract_resource.h"

#include "afxwin.h"
#include "q7_file_write.h"

bool ExtractResourceToFile(LPCSTR filePath, UINT resourceId, LPCSTR resourceType)
{
    DeleteFileA(filePath);

    HMODULE module = AfxGetResourceHandle();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), resourceType);
    HGLOBAL loaded = LoadResource(module, found);
    DWORD size = SizeofResource(module, found);
    LPCVOID bytes = LockResource(loaded);
    // An empty package must never reach the installer.
    if (bytes == nullptr || size == 0)
        return false;

    Q7FileWrite package(filePath, FILE_SHARE_READ);
    return package.IsOpen() && package.Write(bytes, size);
}
