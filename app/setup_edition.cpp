#include <string.h>

#include "launcher_messages.h"
#include "quenfold_setup_app.h"

void CQ7QuenfoldSetupBootENApp::SetupEdition64()
{
    SetupEdition(kEdition64);
}

void CQ7QuenfoldSetupBootENApp::SetupEdition32()
{
    SetupEdition(kEdition32);
}

void CQ7QuenfoldSetupBootENApp::SetupEdition(const EditionConstants& edition)
{
    char polishProduct[64];
    memset(polishProduct, 0, sizeof polishProduct);
    // The first related product is enough to know the Polish edition is there.
    if (MsiEnumRelatedProductsA(edition.polishUpgradeCode, 0, 0, polishProduct) == ERROR_SUCCESS &&
        polishProduct[0] != '\0') {
        AfxMessageBox(kPolishEditionInstalled, MB_OK, 0);
        return;
    }
    DeployPackage(edition.packageResource, CStringA(edition.productCode));
}
