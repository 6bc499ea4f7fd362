// The script and the call log of the host stand-in, for tests.
#pragma once

#include <stddef.h>

#include <string>
#include <vector>

#include "win32_stand_in.h"

namespace standin {

// The module handle that tests pass to AfxWinMain; logged as "module".
HINSTANCE Module();

// Back to a machine with nothing registered, no resources, an empty log.
void Reset();

// Every call made since the last Reset or ClearLog, one line each.
const std::vector<std::string>& Log();
void ClearLog();

// kernel32
void SetModuleFileName(const std::string& path);
void SetTempPath(const std::string& directory);
void AddResource(const std::string& type, unsigned id, const void* data, size_t size);
void RemoveResource(const std::string& type, unsigned id);
void AddString(unsigned id, const std::string& text);
void FailWrites(bool fail);
// Each write stores at most `bytes` and still reports success, as a full
// disk may under Wine.
void LimitWrites(size_t bytes);
int OpenFileCount();

// Heap figures since the last Reset; blocks above the limit fail.
struct HeapFigures
{
    size_t largestBlock;
    size_t currentBytes;
    size_t peakBytes;
    size_t allocations;
};
HeapFigures Heap();
void SetHeapBlockLimit(size_t bytes);

// msi
void SetComponentState(const std::string& componentCode, INSTALLSTATE state);
void SetInstalledProducts(const std::vector<std::string>& productCodes);
void FailProductEnumerationAt(DWORD index, UINT status);
void SetRelatedProduct(const std::string& upgradeCode, UINT status, const std::string& productCode);

// shell32
void SetShellExecuteResult(INT_PTR result);

} // namespace standin
