#include "quenfold_setup_app.h"

BEGIN_MESSAGE_MAP(CQ7QuenfoldSetupBootENApp, CWinApp)
END_MESSAGE_MAP()

CQ7QuenfoldSetupBootENApp::CQ7QuenfoldSetupBootENApp() : CWinApp(nullptr)
{
}

CQ7QuenfoldSetupBootENApp::~CQ7QuenfoldSetupBootENApp()
{
}

BOOL CQ7QuenfoldSetupBootENApp::InitInstance()
{
    ActOnProbeResult(ProbeOutlook());
    // No message loop: the run ends here whatever happened.
    return FALSE;
}

void CQ7QuenfoldSetupBootENApp::ActOnProbeResult(OutlookProbeResult result)
{
    switch (result) {
    case Outlook32:
        SetupEdition32();
        break;
    case Outlook64:
        SetupEdition64();
        break;
    case OutlookTrial:
        AfxMessageBox(IDS_OUTLOOK_TRIAL, MB_OK | MB_ICONEXCLAMATION, static_cast<UINT>(-1));
        break;
    default:
        AfxMessageBox(IDS_OUTLOOK_NOT_FOUND, MB_OK | MB_ICONEXCLAMATION, static_cast<UINT>(-1));
        break;
    }
}

CQ7QuenfoldSetupBootENApp theApp;
