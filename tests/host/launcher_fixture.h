// A scripted machine for the launcher and the means to run it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quenfold_setup_app.h"
#include "stand_in.h"

namespace marker {
const char k64[] = "{ECCC8A38-7855-46CA-88FB-3BAA7CD95E56}";
const char* const k32[] = {"{CC29EA4B-7BC2-11D1-A921-00A0C91E2AA2}", "{3CE26368-6322-4ABF-B11B-458F5C450D0F}",
                           "{0638C49D-BB8B-4CD1-B191-055E8F325736}", "{DE6A97CD-93BF-455C-A45F-7694344B686F}",
                           "{CFF13DD8-6EF2-49EB-B265-E3BFC6501C1D}"};
const char kTrial[] = "{643B286C-4F1A-4E42-94A9-B076BF4288E9}";
} // namespace marker

extern const char kNotFoundText[];
extern const char kTrialText[];

class LauncherTest : public ::testing::Test
{
protected:
    void SetUp() override;

    // The whole run, as Windows starts it; returns the exit code.
    int RunLauncher(const char* commandLine = "");
    CQ7QuenfoldSetupBootENApp& App();

    // The log from the first line that starts with `prefix` on.
    std::vector<std::string> LogFrom(const std::string& prefix) const;
};

// A message box line as the stand-in logs it.
std::string MessageBoxLine(const std::string& text, const std::string& caption, unsigned type);
