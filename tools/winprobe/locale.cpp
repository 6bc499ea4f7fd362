#include <windows.h>

#include <cstdio>

#include "commands.h"

// The languages Windows gives a program started like this one.
int ShowLocale(const std::vector<std::string>&)
{
    std::printf("user %04x system %04x ui %04x\n", GetUserDefaultLangID(), GetSystemDefaultLangID(),
                GetUserDefaultUILanguage());
    return 0;
}
