#include <string.h>

#include "extract_resource.h"
#include "launcher_messages.h"
#include "q7_fs_path.h"
#include "quenfold_setup_app.h"

namespace {

const char kPackageFileName[] = "QuenfoldSetup.msi";
// The path is quoted: a temporary directory may contain blanks.
const char kReinstallParameters[] = "/i \"%s\" REINSTALL=ALL REINSTALLMODE=vomus";

void ReportFailure(const char* pattern, const char* packagePath)
{
    CStringA message;
    message.Format(pattern, packagePath);
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION, 0);
}

bool IsInstalled(const CStringA& productCode)
{
    char product[64];
    memset(product, 0, sizeof product);
    for (DWORD index = 0; MsiEnumProductsA(index, product) == ERROR_SUCCESS; ++index)
        if (productCode == product)
            return true;
    return false;
}

} // namespace

void CQ7QuenfoldSetupBootENApp::DeployPackage(UINT resourceId, CStringA productCode)
{
    bool installed = IsInstalled(productCode);

    CStringA directory;
    DWORD length = GetTempPathA(1023, directory.GetBuffer(1024));
    directory.ReleaseBuffer();
    // Without a temporary directory the package would land in the current
    // directory of an elevated process, often the system folder.
    if (length == 0 || length > 1022) {
        AfxMessageBox(kTempFolderNotFound, MB_OK | MB_ICONEXCLAMATION, 0);
        return;
    }

    CStringA packagePath = Q7FsPathT<Traits::Q7FsPathStrTraitA>(directory).Join(kPackageFileName);
    if (!ExtractResourceToFile(packagePath, resourceId, "MSI")) {
        ReportFailure(kPackageNotWritten, packagePath);
        return;
    }

    CStringA parameters;
    const char* file = packagePath;
    if (installed) {
        parameters.Format(kReinstallParameters, packagePath.GetString());
        file = "msiexec.exe";
    }
    HINSTANCE started = ShellExecuteA(nullptr, "open", file, parameters, "", SW_SHOW);
    if (reinterpret_cast<INT_PTR>(started) <= 32)
        ReportFailure(kInstallerNotStarted, packagePath);
}
