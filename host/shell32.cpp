#include "stand_in_state.h"

namespace standin {

void SetShellExecuteResult(INT_PTR result)
{
    TheMachine().shellExecuteResult = result;
}

} // namespace standin

using namespace standin;

HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int showCommand)
{
    Record("ShellExecuteA(" + std::string(owner == nullptr ? "null" : "owner") + ", " + Quote(verb) + ", " +
           Quote(file) + ", " + Quote(parameters) + ", " + Quote(directory) + ", " + std::to_string(showCommand) +
           ") open files " + std::to_string(OpenFileCount()));
    return reinterpret_cast<HINSTANCE>(TheMachine().shellExecuteResult);
}
