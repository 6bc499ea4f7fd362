// Windows Installer, answering from the script.
#include <string.h>

#include "stand_in_state.h"

namespace standin {

void SetComponentState(const std::string& componentCode, INSTALLSTATE state)
{
    TheMachine().components[componentCode] = state;
}

void SetInstalledProducts(const std::vector<std::string>& productCodes)
{
    TheMachine().products = productCodes;
}

void FailProductEnumerationAt(DWORD index, UINT status)
{
    TheMachine().productFailureIndex = index;
    TheMachine().productFailureStatus = status;
}

void SetRelatedProduct(const std::string& upgradeCode, UINT status, const std::string& productCode)
{
    TheMachine().related[upgradeCode] = RelatedAnswer{status, productCode};
}

} // namespace standin

using namespace standin;

namespace {

// Room for a product code and its NUL, the least a caller must offer.
const size_t kCodeBuffer = 39;

const char kComponentPath[] = "C:\\Program Files\\Microsoft Office\\OUTLOOK.EXE";

} // namespace

INSTALLSTATE MsiLocateComponentA(LPCSTR component, LPSTR pathBuffer, DWORD* pathLength)
{
    Record("MsiLocateComponentA(" + Quote(component) + ", " + BufferState(pathBuffer, *pathLength + 1) + ", " +
           std::to_string(*pathLength) + ")");
    auto found = TheMachine().components.find(component);
    INSTALLSTATE state = found != TheMachine().components.end() ? found->second : INSTALLSTATE_UNKNOWN;
    if (state != INSTALLSTATE_UNKNOWN) {
        // Leave a path behind, as Windows Installer does, so that a caller
        // that does not clear the buffer shows in the log.
        size_t copied = strlen(kComponentPath) < *pathLength ? strlen(kComponentPath) : *pathLength - 1;
        memcpy(pathBuffer, kComponentPath, copied);
        pathBuffer[copied] = '\0';
        *pathLength = static_cast<DWORD>(copied);
    }
    return state;
}

UINT MsiEnumRelatedProductsA(LPCSTR upgradeCode, DWORD reserved, DWORD productIndex, LPSTR productBuffer)
{
    Record("MsiEnumRelatedProductsA(" + Quote(upgradeCode) + ", " + std::to_string(reserved) + ", " +
           std::to_string(productIndex) + ", " + BufferState(productBuffer, 64) + ")");
    auto found = TheMachine().related.find(upgradeCode);
    if (found == TheMachine().related.end() || productIndex != 0)
        return ERROR_NO_MORE_ITEMS;
    strncpy(productBuffer, found->second.productCode.c_str(), kCodeBuffer);
    productBuffer[kCodeBuffer - 1] = '\0';
    return found->second.status;
}

UINT MsiEnumProductsA(DWORD productIndex, LPSTR productBuffer)
{
    Record("MsiEnumProductsA(" + std::to_string(productIndex) + ")");
    const Machine& machine = TheMachine();
    if (productIndex == machine.productFailureIndex)
        return machine.productFailureStatus;
    if (productIndex >= machine.products.size())
        return ERROR_NO_MORE_ITEMS;
    strncpy(productBuffer, machine.products[productIndex].c_str(), kCodeBuffer);
    productBuffer[kCodeBuffer - 1] = '\0';
    return ERROR_SUCCESS;
}
