#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "commands.h"
#include "json_text.h"
#include "screen_pixels.h"
#include "window_picture.h"

namespace {

struct Child
{
    std::string className;
    std::string text;
    int id;
    LONG style;
    HWND window;
};

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, &text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK FindForeignDialog(HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() && IsWindowVisible(window) && ClassName(window) == "#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM children)
{
    reinterpret_cast<std::vector<Child>*>(children)->push_back(
        Child{ClassName(window), WindowText(window), GetDlgCtrlID(window), GetWindowLongA(window, GWL_STYLE), window});
    return TRUE;
}

std::vector<DWORD> Rendered(HICON icon, int size, COLORREF background)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, size, size};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    std::vector<DWORD> pixels = Pixels(memory, 0, 0, size, size);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Icons live in the process that loaded them, so the box's icon is told by
// its pixels on the screen against the system icons drawn here.
std::string IconName(HWND iconControl)
{
    const int size = GetSystemMetrics(SM_CXICON);
    RECT rect;
    GetWindowRect(iconControl, &rect);
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> shown = Pixels(screen, rect.left, rect.top, size, size);
    ReleaseDC(nullptr, screen);

    struct Candidate
    {
        const char* name;
        LPCSTR id;
    } candidates[] = {
        {"hand", IDI_HAND}, {"question", IDI_QUESTION}, {"exclamation", IDI_EXCLAMATION}, {"asterisk", IDI_ASTERISK}};
    std::string best = "unknown";
    size_t bestMismatch = static_cast<size_t>(size) * size / 20; // at most 5% of the pixels
    for (const Candidate& candidate : candidates) {
        HICON icon = LoadIconA(nullptr, candidate.id);
        std::vector<DWORD> onBlack = Rendered(icon, size, RGB(0, 0, 0));
        std::vector<DWORD> onWhite = Rendered(icon, size, RGB(255, 255, 255));
        size_t mismatch = 0;
        for (size_t i = 0; i < shown.size(); ++i)
            if ((onBlack[i] & 0xFFFFFF) == (onWhite[i] & 0xFFFFFF) && (onBlack[i] & 0xFFFFFF) != (shown[i] & 0xFFFFFF))
                ++mismatch;
        if (mismatch < bestMismatch) {
            bestMismatch = mismatch;
            best = candidate.name;
        }
    }
    return best;
}

} // namespace

int ReadMessageBox(const std::vector<std::string>& args)
{
    double seconds = args.empty() ? 20.0 : std::atof(args[0].c_str());
    // --save FILE: a picture of the box before it is answered.
    std::string picture = args.size() > 2 && args[1] == "--save" ? args[2] : std::string();
    HWND dialog = nullptr;
    for (DWORD waited = 0; dialog == nullptr && waited < seconds * 1000; waited += 100) {
        EnumWindows(FindForeignDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr)
            Sleep(100);
    }
    if (dialog == nullptr) {
        std::printf("{\"found\": false}\n");
        return 1;
    }
    Sleep(300); // let the box paint itself before its icon is read
    std::vector<Child> children;
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));

    std::string text, icon = "none", buttons;
    HWND ok = nullptr;
    for (const Child& child : children) {
        if (child.className == "Static" && (child.style & SS_TYPEMASK) == SS_ICON)
            icon = IconName(child.window);
        else if (child.className == "Static" && child.id == 0xFFFF)
            text = child.text;
        else if (child.className == "Button" && IsWindowVisible(child.window)) {
            buttons += (buttons.empty() ? "" : ", ") + JsonText(child.text);
            if (child.id == IDOK)
                ok = child.window;
        }
    }
    RECT frame;
    GetWindowRect(dialog, &frame);
    std::printf("{\"found\": true, \"caption\": %s, \"text\": %s, \"icon\": %s, \"buttons\": [%s], \"owner\": %s, "
                "\"rect\": [%ld, %ld, %ld, %ld]}\n",
                JsonText(WindowText(dialog)).c_str(), JsonText(text).c_str(), JsonText(icon).c_str(), buttons.c_str(),
                GetWindow(dialog, GW_OWNER) != nullptr ? "true" : "false", frame.left, frame.top, frame.right,
                frame.bottom);
    std::fflush(stdout);
    bool saved = picture.empty() || SaveWindowPicture(dialog, picture);
    // Posted, not sent: a launcher busy writing a trace must not hold us up.
    if (ok != nullptr)
        PostMessageA(ok, BM_CLICK, 0, 0);
    else
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return saved ? 0 : 1;
}
