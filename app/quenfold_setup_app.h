// The launcher: one application object whose InitInstance is the whole run.
#pragma once

#include "afxwin.h"
#include "editions.h"
#include "outlook_probe_result.h"

class CQ7QuenfoldSetupBootENApp : public CWinApp
{
public:
    CQ7QuenfoldSetupBootENApp();
    ~CQ7QuenfoldSetupBootENApp() override;

    DECLARE_MESSAGE_MAP()

public:
    BOOL InitInstance() override;

    OutlookProbeResult ProbeOutlook();
    // Sets up the edition that fits the probe's result, or tells the user
    // why none does.
    void ActOnProbeResult(OutlookProbeResult result);

    void SetupEdition64();
    void SetupEdition32();
    void DeployPackage(UINT resourceId, CStringA productCode);

private:
    void SetupEdition(const EditionConstants& edition);
};
