#pragma once

// What kind of Outlook the machine has; a plain signed integer.
typedef int OutlookProbeResult;

enum : OutlookProbeResult
{
    Outlook32 = 0,
    Outlook64 = 1,
    OutlookMissing = 2,
    OutlookTrial = 3,
};
