#include <windows.h>
#include <msi.h>

#include <cstdio>

#include "commands.h"

int ListProducts(const std::vector<std::string>&)
{
    char code[39];
    for (DWORD index = 0; MsiEnumProductsA(index, code) == ERROR_SUCCESS; ++index)
        std::printf("%s\n", code);
    return 0;
}

int LocateComponent(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return 2;
    char path[1024] = {};
    DWORD length = sizeof path - 1;
    std::printf("%d\n", static_cast<int>(MsiLocateComponentA(args[0].c_str(), path, &length)));
    return 0;
}

int RelatedProducts(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return 2;
    char code[39];
    for (DWORD index = 0; MsiEnumRelatedProductsA(args[0].c_str(), 0, index, code) == ERROR_SUCCESS; ++index)
        std::printf("%s\n", code);
    return 0;
}
