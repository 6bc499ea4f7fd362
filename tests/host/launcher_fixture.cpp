#include "launcher_fixture.h"

#include "resource.h"

const char kNotFoundText[] = "Microsoft Outlook not detected. This application requires Microsoft Outlook 2000, XP, "
                             "2003, 2007 or 2010 for proper operation.\n\nInstall Microsoft Outlook and retry.";
const char kTrialText[] = "The Installer detected Microsoft Outlook Trial version. This application requires Microsoft "
                          "Outlook 2000, XP, 2003, 2007 or 2010 full version for proper operation.\n\nInstall "
                          "Microsoft Outlook full version and retry.";

void LauncherTest::SetUp()
{
    standin::Reset();
    standin::AddString(IDS_OUTLOOK_NOT_FOUND, kNotFoundText);
    standin::AddString(IDS_OUTLOOK_TRIAL, kTrialText);
}

int LauncherTest::RunLauncher(const char* commandLine)
{
    return AfxWinMain(standin::Module(), nullptr, const_cast<LPSTR>(commandLine), SW_SHOW);
}

CQ7QuenfoldSetupBootENApp& LauncherTest::App()
{
    return *static_cast<CQ7QuenfoldSetupBootENApp*>(AfxGetApp());
}

std::vector<std::string> LauncherTest::LogFrom(const std::string& prefix) const
{
    const std::vector<std::string>& log = standin::Log();
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].compare(0, prefix.size(), prefix) == 0)
            return std::vector<std::string>(log.begin() + static_cast<long>(i), log.end());
    return {};
}

std::string MessageBoxLine(const std::string& text, const std::string& caption, unsigned type)
{
    std::string escaped;
    for (char ch : text)
        escaped += ch == '\n' ? std::string("\\n") : std::string(1, ch);
    char hex[16];
    snprintf(hex, sizeof hex, "0x%X", type);
    return "MessageBoxA(null, \"" + escaped + "\", \"" + caption + "\", " + hex + ")";
}
