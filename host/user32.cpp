#include <string.h>

#include "stand_in_state.h"

using namespace standin;

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    Record("MessageBoxA(" + std::string(owner == nullptr ? "null" : "owner") + ", " + Quote(text) + ", " +
           Quote(caption) + ", " + Hex(type) + ")");
    return IDOK;
}

int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int bufferMax)
{
    Record("LoadStringA(" + std::string(module == Module() ? "module" : "other") + ", " + std::to_string(id) + ")");
    auto found = TheMachine().strings.find(id);
    if (module != Module() || found == TheMachine().strings.end() || bufferMax <= 0)
        return 0;
    // Like Windows: cut to the buffer, always terminated.
    size_t copied = found->second.size() < static_cast<size_t>(bufferMax) ? found->second.size() : bufferMax - 1;
    memcpy(buffer, found->second.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

LPSTR CharNextA(LPCSTR text)
{
    return const_cast<LPSTR>(*text != '\0' ? text + 1 : text);
}
