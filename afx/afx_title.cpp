#include "afxwin.h"

namespace {

const UINT kAppTitleStringId = 0xE000;

// The module's full file name, however long.
CStringA ModuleFileName(HINSTANCE module)
{
    CStringA name;
    for (DWORD room = 260;; room *= 2) {
        DWORD length = GetModuleFileNameA(module, name.GetBuffer(static_cast<int>(room)), room);
        if (length < room) {
            name.ReleaseBuffer(static_cast<int>(length));
            return name;
        }
    }
}

} // namespace

CStringA AfxLoadString(UINT id)
{
    CStringA text;
    for (int room = 256;; room *= 2) {
        int length = LoadStringA(AfxGetResourceHandle(), id, text.GetBuffer(room), room + 1);
        if (length < room) {
            text.ReleaseBuffer(length > 0 ? length : 0);
            return text;
        }
    }
}

CStringA AfxDeriveAppTitle(HINSTANCE module)
{
    CStringA title = AfxLoadString(kAppTitleStringId);
    if (!title.IsEmpty())
        return title;

    CStringA path = ModuleFileName(module);
    const char* name = path.GetString();
    const char* extension = nullptr;
    for (const char* p = path.GetString(); *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            name = p + 1;
            extension = nullptr;
        } else if (*p == '.') {
            extension = p;
        }
    }
    CStringA result(name);
    if (extension != nullptr)
        result.ReleaseBuffer(static_cast<int>(extension - name));
    return result;
}
