// Resource ids, shared by the resource script and the launcher's code.
#pragma once

#define IDR_CAMPAIGN_TAG 10
#define IDR_PACKAGE_X64 128
#define IDR_PACKAGE_X86 129
#define IDI_LAUNCHER 130
#define IDS_OUTLOOK_NOT_FOUND 135
#define IDS_OUTLOOK_TRIAL 138
