#include <functional>
#include <string>
#include <vector>

#include "launcher_fixture.h"
#include "launcher_messages.h"
#include "resource.h"
#include "scratch_dir.h"

namespace {

const char kCaption[] = "Q7QuenfoldSetupBootEN";
const char kPolishText[] = "There is already polish version of Brellix Quenfold installed on this system. Please use "
                           "polish version of a setup program to update the product.";
const char kProduct64[] = "{00D5F9CA-4DB7-4868-BC51-CA2E6891350E}";
const char kProduct32[] = "{19FC2D4B-65FE-4250-A0A5-768E4AA7D22D}";
const char kPolish64[] = "{2BBA2169-98B3-406E-95B9-EAF144491BA3}";
const char kPolish32[] = "{6A4C3761-03B9-4F19-8527-7D9BFDA725AB}";
const char kOtherProduct[] = "{11111111-2222-3333-4444-555555555555}";
const char kOlderProduct32[] = "{19FC2D4B-65FE-4250-A0A5-768E4AA7D22E}";

const std::string kPackage64 = std::string("64-bit package\0with a NUL", 25);
const std::string kPackage32 = "32-bit package, a little longer";

std::string Formatted(const char* pattern, const std::string& path)
{
    CStringA text;
    text.Format(pattern, path.c_str());
    return text.GetString();
}

} // namespace

// One row: what the machine has, and the calls expected from the Polish
// check on. In the expectations $PATH stands for the package path, $SIZE for
// the package's size and $RES for its resource id.
struct DeployCase
{
    friend void PrintTo(const DeployCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    int bitness;
    std::function<void(const std::string& dir)> script;
    std::vector<std::string> expected;
    const char* tempSuffix = "/"; // what follows the scratch directory in the temp path
};

class DeployTest : public LauncherTest, public ::testing::WithParamInterface<DeployCase>
{
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        standin::AddResource("MSI", IDR_PACKAGE_X64, kPackage64.data(), kPackage64.size());
        standin::AddResource("MSI", IDR_PACKAGE_X86, kPackage32.data(), kPackage32.size());
    }

    void RegisterOutlook(int bitness)
    {
        standin::SetComponentState(bitness == 64 ? marker::k64 : marker::k32[2], INSTALLSTATE_LOCAL);
    }

    std::vector<std::string> Expand(const std::vector<std::string>& lines, const std::string& path,
                                    const std::string& size, const std::string& resource)
    {
        std::vector<std::string> out;
        for (std::string line : lines) {
            for (auto [key, value] :
                 {std::pair<std::string, std::string>{"$PATH", path}, {"$SIZE", size}, {"$RES", resource}})
                for (size_t at; (at = line.find(key)) != std::string::npos;)
                    line.replace(at, key.size(), value);
            out.push_back(line);
        }
        return out;
    }

    ScratchDir m_dir;
};

TEST_P(DeployTest, MakesExactlyTheseCalls)
{
    const DeployCase& c = GetParam();
    RegisterOutlook(c.bitness);
    standin::SetTempPath(m_dir.Path() + c.tempSuffix);
    c.script(m_dir.Path());
    std::string temp = m_dir.Path() + c.tempSuffix;
    std::string path = temp + (temp.back() == '/' ? "" : "\\") + "QuenfoldSetup.msi";
    const std::string& package = c.bitness == 64 ? kPackage64 : kPackage32;

    EXPECT_EQ(0, RunLauncher());
    EXPECT_EQ(Expand(c.expected, path, std::to_string(package.size()), c.bitness == 64 ? "128" : "129"),
              LogFrom("MsiEnumRelatedProductsA"));
    EXPECT_EQ(0, standin::OpenFileCount());
}

namespace {

std::string Related(const char* upgradeCode)
{
    return "MsiEnumRelatedProductsA(\"" + std::string(upgradeCode) + "\", 0, 0, zeroed)";
}

std::vector<std::string> Lines(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<std::string> kExtract = {
    "GetTempPathA(1023)",
    "DeleteFileA(\"$PATH\")",
    "FindResourceA(module, #$RES, \"MSI\") -> found",
    "LoadResource(module, found)",
    "SizeofResource(module, found) -> $SIZE",
    "LockResource(found)",
    "CreateFileA(\"$PATH\", 0x40000000, 0x1, null, 2, 0x80, null) -> file#1",
    "WriteFile(file#1, $SIZE bytes, null)",
    "CloseHandle(file#1)",
};
const std::vector<std::string> kFreshLaunch = {"ShellExecuteA(null, \"open\", \"$PATH\", \"\", \"\", 5) open files 0"};
const std::vector<std::string> kReinstallLaunch = {
    "ShellExecuteA(null, \"open\", \"msiexec.exe\", \"/i \\\"$PATH\\\" REINSTALL=ALL REINSTALLMODE=vomus\", \"\", 5) "
    "open files 0"};
const std::vector<std::string> kWalk0 = {"MsiEnumProductsA(0)"};
const std::vector<std::string> kWalk012 = {"MsiEnumProductsA(0)", "MsiEnumProductsA(1)", "MsiEnumProductsA(2)"};

void Nothing(const std::string&)
{
}

std::string NotWritten()
{
    std::string escaped;
    for (char ch : std::string(kPackageNotWritten))
        escaped += ch == '\n' ? std::string("\\n") : std::string(1, ch);
    size_t at = escaped.find("%s");
    return "MessageBoxA(null, \"" + escaped.replace(at, 2, "$PATH") + "\", \"" + kCaption + "\", 0x30)";
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, DeployTest,
    ::testing::Values(
        DeployCase{"Fresh32", 32, Nothing, Lines({{Related(kPolish32)}, kWalk0, kExtract, kFreshLaunch})},
        DeployCase{"Fresh64", 64, Nothing, Lines({{Related(kPolish64)}, kWalk0, kExtract, kFreshLaunch})},
        DeployCase{"ReinstallAtIndex0", 32,
                   [](const std::string&) {
                       standin::SetInstalledProducts({kProduct32, kOtherProduct});
                   },
                   Lines({{Related(kPolish32)}, kWalk0, kExtract, kReinstallLaunch})},
        DeployCase{"ReinstallAtIndex2NeverAsksFurther", 64,
                   [](const std::string&) {
                       standin::SetInstalledProducts({kOtherProduct, kProduct32, kProduct64, kOtherProduct});
                   },
                   Lines({{Related(kPolish64)}, kWalk012, kExtract, kReinstallLaunch})},
        DeployCase{"PolishOfThisEditionBeforeAnything",
                   32,
                   [](const std::string&) {
                       standin::SetRelatedProduct(kPolish32, ERROR_SUCCESS, kOtherProduct);
                       standin::SetInstalledProducts({kProduct32});
                   },
                   {Related(kPolish32), MessageBoxLine(kPolishText, kCaption, 0x30)}},
        DeployCase{"PolishOfTheOtherEditionIgnored", 32,
                   [](const std::string&) { standin::SetRelatedProduct(kPolish64, ERROR_SUCCESS, kOtherProduct); },
                   Lines({{Related(kPolish32)}, kWalk0, kExtract, kFreshLaunch})},
        DeployCase{"RelatedSuccessWithEmptyTextIgnored", 64,
                   [](const std::string&) { standin::SetRelatedProduct(kPolish64, ERROR_SUCCESS, ""); },
                   Lines({{Related(kPolish64)}, kWalk0, kExtract, kFreshLaunch})},
        DeployCase{
            "RelatedQueryFailing", 32,
            [](const std::string&) { standin::SetRelatedProduct(kPolish32, ERROR_BAD_CONFIGURATION, kOtherProduct); },
            Lines({{Related(kPolish32)}, kWalk0, kExtract, kFreshLaunch})},
        DeployCase{"WalkEndingOnAnErrorIsFresh", 32,
                   [](const std::string&) {
                       standin::SetInstalledProducts({kOtherProduct, kOtherProduct, kProduct32});
                       standin::FailProductEnumerationAt(2, ERROR_BAD_CONFIGURATION);
                   },
                   Lines({{Related(kPolish32)}, kWalk012, kExtract, kFreshLaunch})},
        DeployCase{
            "AnotherVersionOfTheEditionIsFresh", 32,
            [](const std::string&) { standin::SetInstalledProducts({kOlderProduct32}); },
            Lines({{Related(kPolish32)}, {"MsiEnumProductsA(0)", "MsiEnumProductsA(1)"}, kExtract, kFreshLaunch})},
        DeployCase{"TempWithoutTrailingSeparator", 32, Nothing,
                   Lines({{Related(kPolish32)}, kWalk0, kExtract, kFreshLaunch}), "/t"},
        DeployCase{"TempTooLongWritesNothing",
                   32,
                   [](const std::string&) { standin::SetTempPath(std::string(1023, 'T')); },
                   {Related(kPolish32), "MsiEnumProductsA(0)", "GetTempPathA(1023)",
                    MessageBoxLine(kTempFolderNotFound, kCaption, 0x30)}},
        DeployCase{"TempEmpty",
                   64,
                   [](const std::string&) { standin::SetTempPath(""); },
                   {Related(kPolish64), "MsiEnumProductsA(0)", "GetTempPathA(1023)",
                    MessageBoxLine(kTempFolderNotFound, kCaption, 0x30)}},
        DeployCase{"ResourceMissing", 32, [](const std::string&) { standin::RemoveResource("MSI", IDR_PACKAGE_X86); },
                   Lines({{Related(kPolish32)},
                          kWalk0,
                          {"GetTempPathA(1023)", "DeleteFileA(\"$PATH\")",
                           "FindResourceA(module, #$RES, \"MSI\") -> null", "LoadResource(module, null)",
                           "SizeofResource(module, null) -> 0", "LockResource(null)", NotWritten()}})},
        DeployCase{"ResourceEmpty", 64, [](const std::string&) { standin::AddResource("MSI", IDR_PACKAGE_X64, "", 0); },
                   Lines({{Related(kPolish64)},
                          kWalk0,
                          {"GetTempPathA(1023)", "DeleteFileA(\"$PATH\")",
                           "FindResourceA(module, #$RES, \"MSI\") -> found", "LoadResource(module, found)",
                           "SizeofResource(module, found) -> 0", "LockResource(found)", NotWritten()}})},
        DeployCase{
            "CreateFails", 32, Nothing,
            Lines({{Related(kPolish32)},
                   kWalk0,
                   {"GetTempPathA(1023)", "DeleteFileA(\"$PATH\")", "FindResourceA(module, #$RES, \"MSI\") -> found",
                    "LoadResource(module, found)", "SizeofResource(module, found) -> $SIZE", "LockResource(found)",
                    "CreateFileA(\"$PATH\", 0x40000000, 0x1, null, 2, 0x80, null) -> INVALID_HANDLE_VALUE",
                    NotWritten()}}),
            "/missing/"},
        DeployCase{"WriteFails", 64, [](const std::string&) { standin::FailWrites(true); },
                   Lines({{Related(kPolish64)}, kWalk0, kExtract, {NotWritten()}})},
        DeployCase{"ShortWriteReportedAsSuccess", 32, [](const std::string&) { standin::LimitWrites(4); },
                   Lines({{Related(kPolish32)}, kWalk0, kExtract, {NotWritten()}})},
        DeployCase{"LaunchFails", 32, [](const std::string&) { standin::SetShellExecuteResult(2); },
                   Lines({{Related(kPolish32)},
                          kWalk0,
                          kExtract,
                          kFreshLaunch,
                          {MessageBoxLine(Formatted(kInstallerNotStarted, "$PATH"), kCaption, 0x30)}})}),
    [](const ::testing::TestParamInfo<DeployCase>& info) { return std::string(info.param.name); });

TEST_F(DeployTest, PackageFileHoldsExactlyTheResourceReplacingALongerOne)
{
    std::string path = m_dir.File("QuenfoldSetup.msi");
    WriteFile(path, std::string(4096, 'o'));
    standin::SetTempPath(m_dir.Path() + "/");
    RegisterOutlook(64);
    EXPECT_EQ(0, RunLauncher());
    EXPECT_EQ(kPackage64, ReadFile(path));

    standin::SetComponentState(marker::k64, INSTALLSTATE_UNKNOWN);
    RegisterOutlook(32);
    EXPECT_EQ(0, RunLauncher());
    EXPECT_EQ(kPackage32, ReadFile(path));
}

TEST_F(DeployTest, NoPackageIsLeftWhenTheResourceIsMissing)
{
    standin::SetTempPath(m_dir.Path() + "/");
    WriteFile(m_dir.File("QuenfoldSetup.msi"), "stale package of an earlier run");
    standin::AddResource("MSI", IDR_PACKAGE_X86, "", 0);
    RegisterOutlook(32);
    EXPECT_EQ(0, RunLauncher());
    EXPECT_FALSE(FileExists(m_dir.File("QuenfoldSetup.msi")));
}
