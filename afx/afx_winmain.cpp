#include "afxwin.h"

namespace {

HINSTANCE g_instance = nullptr;
HINSTANCE g_resources = nullptr;

} // namespace

HINSTANCE AfxGetInstanceHandle()
{
    return g_instance;
}

HINSTANCE AfxGetResourceHandle()
{
    // No language satellite: resources always come from the executable.
    return g_resources;
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Neither the critical-error box nor the box for a file that cannot be
    // opened may interrupt an unattended setup.
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    g_instance = instance;
    g_resources = instance;

    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_appTitle = app->m_appName != nullptr ? CStringA(app->m_appName) : AfxDeriveAppTitle(instance);

    // This framework has no message loop: an application does its whole job
    // in InitInstance, and the run ends with ExitInstance either way.
    app->InitInstance();
    return app->ExitInstance();
}
