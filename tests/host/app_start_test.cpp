#include <string>
#include <vector>

#include "launcher_fixture.h"

namespace {

std::vector<std::string> SevenLookups()
{
    std::vector<std::string> lines;
    for (const char* code :
         {marker::k64, marker::k32[0], marker::k32[1], marker::k32[2], marker::k32[3], marker::k32[4], marker::kTrial})
        lines.push_back("MsiLocateComponentA(\"" + std::string(code) + "\", zeroed, 1023)");
    return lines;
}

} // namespace

TEST_F(LauncherTest, NoOutlookRunsStartUpProbeAndOneBoxThenExitsZero)
{
    SetErrorMode(0x4);
    standin::ClearLog();
    EXPECT_EQ(0, RunLauncher());

    std::vector<std::string> expected = {"SetErrorMode(0x0)", "SetErrorMode(0x8005)", "LoadStringA(module, 57344)",
                                         "GetModuleFileNameA(module)"};
    for (const std::string& line : SevenLookups())
        expected.push_back(line);
    expected.push_back("LoadStringA(module, 135)");
    expected.push_back(MessageBoxLine(kNotFoundText, "Q7QuenfoldSetupBootEN", 0x30));
    EXPECT_EQ(expected, standin::Log());
}

TEST_F(LauncherTest, TrialOutlookShowsTheTrialMessage)
{
    standin::SetComponentState(marker::kTrial, INSTALLSTATE_LOCAL);
    EXPECT_EQ(0, RunLauncher());
    EXPECT_EQ((std::vector<std::string>{"LoadStringA(module, 138)",
                                        MessageBoxLine(kTrialText, "Q7QuenfoldSetupBootEN", 0x30)}),
              LogFrom("LoadStringA(module, 138)"));
}

TEST_F(LauncherTest, CommandLineArgumentsChangeNothing)
{
    EXPECT_EQ(0, RunLauncher());
    std::vector<std::string> plain = standin::Log();
    standin::ClearLog();
    EXPECT_EQ(0, RunLauncher("/qn /x {00D5F9CA-4DB7-4868-BC51-CA2E6891350E} REINSTALL=ALL \"C:\\x y\""));
    EXPECT_EQ(plain, standin::Log());
}

TEST_F(LauncherTest, BothBitnessesRegisteredSetUpThe64BitEdition)
{
    standin::SetComponentState(marker::k64, INSTALLSTATE_LOCAL);
    standin::SetComponentState(marker::k32[0], INSTALLSTATE_LOCAL);
    EXPECT_EQ(0, RunLauncher());
    EXPECT_EQ("MsiEnumRelatedProductsA(\"{2BBA2169-98B3-406E-95B9-EAF144491BA3}\", 0, 0, zeroed)",
              LogFrom("MsiEnumRelatedProductsA").at(0));
}

struct DispatchCase
{
    friend void PrintTo(const DispatchCase& c, std::ostream* out) { *out << c.result; }
    OutlookProbeResult result;
    std::string firstCall; // after the probe
};

class DispatchTest : public LauncherTest, public ::testing::WithParamInterface<DispatchCase>
{
};

TEST_P(DispatchTest, ActsOnTheProbeResult)
{
    RunLauncher(); // derives the title
    standin::ClearLog();
    App().ActOnProbeResult(GetParam().result);
    ASSERT_FALSE(standin::Log().empty());
    EXPECT_EQ(GetParam().firstCall, standin::Log().front());
}

INSTANTIATE_TEST_SUITE_P(
    AllResults, DispatchTest,
    ::testing::Values(
        DispatchCase{Outlook32, "MsiEnumRelatedProductsA(\"{6A4C3761-03B9-4F19-8527-7D9BFDA725AB}\", 0, 0, zeroed)"},
        DispatchCase{Outlook64, "MsiEnumRelatedProductsA(\"{2BBA2169-98B3-406E-95B9-EAF144491BA3}\", 0, 0, zeroed)"},
        DispatchCase{OutlookMissing, "LoadStringA(module, 135)"},
        DispatchCase{OutlookTrial, "LoadStringA(module, 138)"}, DispatchCase{7, "LoadStringA(module, 135)"},
        DispatchCase{-1, "LoadStringA(module, 135)"}));

struct TitleCase
{
    friend void PrintTo(const TitleCase& c, std::ostream* out) { *out << c.moduleFileName; }
    std::string moduleFileName;
    std::string title;
};

class TitleTest : public LauncherTest, public ::testing::WithParamInterface<TitleCase>
{
};

TEST_P(TitleTest, CaptionIsTheFileNameWithoutDirectoryAndExtension)
{
    standin::SetModuleFileName(GetParam().moduleFileName);
    EXPECT_EQ(0, RunLauncher());
    EXPECT_EQ(MessageBoxLine(kNotFoundText, GetParam().title, 0x30), standin::Log().back());
}

INSTANTIATE_TEST_SUITE_P(Names, TitleTest,
                         ::testing::Values(TitleCase{"C:\\Downloads\\Setup.exe", "Setup"},
                                           TitleCase{"C:\\Downloads\\my.setup.exe", "my.setup"},
                                           TitleCase{"D:\\Installer.exe", "Installer"},
                                           TitleCase{"C:\\a.b\\NoExtension", "NoExtension"},
                                           TitleCase{"\\\\server\\share\\Q7.EXE", "Q7"},
                                           TitleCase{"C:\\" + std::string(700, 'd') + "\\Long.exe", "Long"}));

TEST_F(LauncherTest, StringE000WinsOverTheFileName)
{
    standin::AddString(0xE000, "Quenfold Setup");
    EXPECT_EQ(0, RunLauncher());
    EXPECT_EQ(MessageBoxLine(kNotFoundText, "Quenfold Setup", 0x30), standin::Log().back());
}

struct BoxTypeCase
{
    friend void PrintTo(const BoxTypeCase& c, std::ostream* out) { *out << c.given; }
    UINT given;
    UINT shown;
};

class MessageBoxTypeTest : public LauncherTest, public ::testing::WithParamInterface<BoxTypeCase>
{
};

TEST_P(MessageBoxTypeTest, ExclamationIsAddedOnlyToIconlessOkBoxes)
{
    RunLauncher();
    AfxMessageBox("text", GetParam().given, 0);
    EXPECT_EQ(MessageBoxLine("text", "Q7QuenfoldSetupBootEN", GetParam().shown), standin::Log().back());
}

INSTANTIATE_TEST_SUITE_P(Types, MessageBoxTypeTest,
                         ::testing::Values(BoxTypeCase{MB_OK, 0x30}, BoxTypeCase{MB_OKCANCEL, 0x31},
                                           BoxTypeCase{MB_YESNO, 0x4}, BoxTypeCase{MB_OK | MB_ICONHAND, 0x10},
                                           BoxTypeCase{MB_OKCANCEL | MB_ICONASTERISK, 0x41},
                                           BoxTypeCase{MB_OK | MB_ICONEXCLAMATION, 0x30}));

TEST_F(LauncherTest, BaseExitInstanceReturnsZero)
{
    CWinApp& base = App();
    EXPECT_EQ(0, base.CWinApp::ExitInstance());
    EXPECT_FALSE(App().InitInstance());
}
