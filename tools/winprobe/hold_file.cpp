#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "commands.h"

// Opens a file for reading without write or delete sharing, as a running
// installer holds its package, says so, and keeps it open for a while.
int HoldFile(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return 2;
    HANDLE file = CreateFileA(args[0].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("failed %lu\n", GetLastError());
        return 1;
    }
    std::printf("holding\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atoi(args[1].c_str()) * 1000));
    CloseHandle(file);
    return 0;
}
