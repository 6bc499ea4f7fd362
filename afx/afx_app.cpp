#include "afxwin.h"

namespace {

CWinApp* g_application = nullptr;

} // namespace

CWinApp::CWinApp(const char* appName) : m_appName(appName)
{
    g_application = this;
}

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

const AfxMessageMap* CWinApp::GetThisMessageMap()
{
    static const AfxMessageMapEntry entries[] = {{0}};
    static const AfxMessageMap map = {nullptr, entries};
    return &map;
}

const AfxMessageMap* CWinApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    // No profile settings to save, and no message pump ever ran, so the
    // last message's parameter is 0.
    return 0;
}

CWinApp* AfxGetApp()
{
    return g_application;
}
