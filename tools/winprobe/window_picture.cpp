#include "window_picture.h"

#include <cstdio>
#include <vector>

#include "screen_pixels.h"

namespace {

void PutLittleEndian(std::vector<unsigned char>& out, unsigned long value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

} // namespace

bool SaveWindowPicture(HWND window, const std::string& path)
{
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> pixels = Pixels(screen, frame.left, frame.top, width, height);
    ReleaseDC(nullptr, screen);

    const unsigned long rowBytes = (static_cast<unsigned long>(width) * 3 + 3) & ~3UL;
    const unsigned long headerBytes = 14 + 40, imageBytes = rowBytes * height;
    std::vector<unsigned char> file;
    file.push_back('B');
    file.push_back('M');
    PutLittleEndian(file, headerBytes + imageBytes, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, headerBytes, 4);
    PutLittleEndian(file, 40, 4);
    PutLittleEndian(file, width, 4);
    PutLittleEndian(file, static_cast<unsigned long>(-height), 4); // rows from the top
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, 24, 2);
    for (int field = 0; field < 6; ++field) // no compression, sizes and palette left to the reader
        PutLittleEndian(file, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            PutLittleEndian(file, pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF, 3);
        file.resize(file.size() + rowBytes - static_cast<unsigned long>(width) * 3, 0);
    }

    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}
