#include <string.h>

#include "quenfold_setup_app.h"

namespace {

const char kOutlook64Marker[] = "{ECCC8A38-7855-46CA-88FB-3BAA7CD95E56}";
const char* const kOutlook32Markers[] = {
    "{CC29EA4B-7BC2-11D1-A921-00A0C91E2AA2}", "{3CE26368-6322-4ABF-B11B-458F5C450D0F}",
    "{0638C49D-BB8B-4CD1-B191-055E8F325736}", "{DE6A97CD-93BF-455C-A45F-7694344B686F}",
    "{CFF13DD8-6EF2-49EB-B265-E3BFC6501C1D}",
};
const char kOutlookTrialMarker[] = "{643B286C-4F1A-4E42-94A9-B076BF4288E9}";

// Error answers count as registered; only "unknown" and "absent" do not.
bool IsRegistered(const char* componentCode)
{
    char path[1024];
    memset(path, 0, sizeof path);
    DWORD length = sizeof path - 1;
    INSTALLSTATE state = MsiLocateComponentA(componentCode, path, &length);
    return state != INSTALLSTATE_UNKNOWN && state != INSTALLSTATE_ABSENT;
}

} // namespace

OutlookProbeResult CQ7QuenfoldSetupBootENApp::ProbeOutlook()
{
    if (IsRegistered(kOutlook64Marker))
        return Outlook64;
    for (const char* marker : kOutlook32Markers)
        if (IsRegistered(marker))
            return Outlook32;
    return IsRegistered(kOutlookTrialMarker) ? OutlookTrial : OutlookMissing;
}
