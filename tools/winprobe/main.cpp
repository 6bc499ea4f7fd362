#include <windows.h>

#include <cstdio>
#include <cstring>

#include "commands.h"

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        char narrow[4096];
        WideCharToMultiByte(CP_ACP, 0, argv[i], -1, narrow, sizeof narrow, nullptr, nullptr);
        args.push_back(narrow);
    }
    if (args.empty()) {
        std::fprintf(stderr, "usage: winprobe box|products|component|related|locale|hold ...\n");
        return 2;
    }
    std::string command = args.front();
    args.erase(args.begin());
    if (command == "box")
        return ReadMessageBox(args);
    if (command == "products")
        return ListProducts(args);
    if (command == "component")
        return LocateComponent(args);
    if (command == "related")
        return RelatedProducts(args);
    if (command == "locale")
        return ShowLocale(args);
    if (command == "hold")
        return HoldFile(args);
    std::fprintf(stderr, "winprobe: unknown command %s\n", command.c_str());
    return 2;
}
