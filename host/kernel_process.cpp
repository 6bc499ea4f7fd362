// Process-wide answers: error mode, module name, temporary directory.
#include <string.h>

#include "stand_in_state.h"

namespace standin {

void SetModuleFileName(const std::string& path)
{
    TheMachine().moduleFileName = path;
}

void SetTempPath(const std::string& directory)
{
    TheMachine().tempPath = directory;
}

} // namespace standin

using namespace standin;

UINT SetErrorMode(UINT mode)
{
    Record("SetErrorMode(" + Hex(mode) + ")");
    UINT previous = TheMachine().errorMode;
    TheMachine().errorMode = mode;
    return previous;
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size)
{
    Record("GetModuleFileNameA(" + std::string(module == Module() ? "module" : "other") + ")");
    const std::string& name = TheMachine().moduleFileName;
    if (size == 0)
        return 0;
    // Like Windows: a name that does not fit is cut and the size returned.
    DWORD copied = name.size() < size ? static_cast<DWORD>(name.size()) : size - 1;
    memcpy(fileName, name.data(), copied);
    fileName[copied] = '\0';
    return name.size() < size ? copied : size;
}

DWORD GetTempPathA(DWORD bufferLength, LPSTR buffer)
{
    Record("GetTempPathA(" + std::to_string(bufferLength) + ")");
    const std::string& path = TheMachine().tempPath;
    // A directory that does not fit writes nothing and asks for more room.
    if (path.size() + 1 > bufferLength)
        return static_cast<DWORD>(path.size() + 1);
    memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}
