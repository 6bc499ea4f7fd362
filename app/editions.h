// The two editions the launcher sets up. The build checks each package it
// embeds against the product code paired with its resource id here, so a
// package and its constant change together.
#pragma once

#include "platform.h"
#include "resource.h"

struct EditionConstants
{
    UINT packageResource;
    const char* productCode;
    const char* polishUpgradeCode; // the Polish edition's, which this launcher must not touch
};

const EditionConstants kEdition64 = {IDR_PACKAGE_X64, "{00D5F9CA-4DB7-4868-BC51-CA2E6891350E}",
                                     "{2BBA2169-98B3-406E-95B9-EAF144491BA3}"};
const EditionConstants kEdition32 = {IDR_PACKAGE_X86, "{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}",
                                     "{6A4C3761-03B9-4F19-8527-7D9BFDA725AB}"};
