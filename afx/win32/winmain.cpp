#include "../afxwin.h"
#include "dll_search.h"

extern "C" int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand)
{
    AfxRestrictDllSearch();
    return AfxWinMain(instance, previousInstance, commandLine, showCommand);
}
