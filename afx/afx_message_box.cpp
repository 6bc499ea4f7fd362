#include "afxwin.h"

namespace {

UINT WithDefaultIcon(UINT type)
{
    UINT buttons = type & MB_TYPEMASK;
    if ((type & MB_ICONMASK) == 0 && (buttons == MB_OK || buttons == MB_OKCANCEL))
        type |= MB_ICONEXCLAMATION;
    return type;
}

} // namespace

int AfxMessageBox(const char* text, UINT type, UINT)
{
    CWinApp* app = AfxGetApp();
    const char* caption = app != nullptr ? app->GetAppTitle() : nullptr;
    // No owner: the launcher has no window of its own.
    return MessageBoxA(nullptr, text, caption, WithDefaultIcon(type));
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId)
{
    CStringA prompt = AfxLoadString(promptId);
    return AfxMessageBox(prompt.GetString(), type, helpId);
}
