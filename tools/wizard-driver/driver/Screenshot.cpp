#include "Screenshot.h"

#include "DriverError.h"

#include <fstream>
#include <vector>

namespace wizard_driver {

namespace {

struct ScreenCopy {
    int width = 0;
    int height = 0;
    std::vector<char> rows; // bottom-up, each padded to 4 bytes
};

ScreenCopy copyScreen(const RECT& area) {
    ScreenCopy copy;
    copy.width = area.right - area.left;
    copy.height = area.bottom - area.top;
    if (copy.width <= 0 || copy.height <= 0)
        throw DriverError("the window has no area to capture");

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, copy.width, copy.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const BOOL copied = BitBlt(memory, 0, 0, copy.width, copy.height, screen, area.left, area.top,
                               SRCCOPY | CAPTUREBLT);
    SelectObject(memory, previous);

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = copy.width;
    format.bmiHeader.biHeight = copy.height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(copy.width) * 3 + 3) & ~std::size_t{3};
    copy.rows.resize(stride * static_cast<std::size_t>(copy.height));
    const int lines = copied ? GetDIBits(memory, bitmap, 0, copy.height, copy.rows.data(), &format,
                                         DIB_RGB_COLORS)
                             : 0;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (lines != copy.height)
        throw DriverError("cannot copy the screen");
    return copy;
}

void writeBmp(const ScreenCopy& copy, const std::wstring& path) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = copy.width;
    info.biHeight = copy.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(copy.rows.size());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;

    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(copy.rows.data(), static_cast<std::streamsize>(copy.rows.size()));
    if (!out)
        throw DriverError("cannot write the picture");
}

} // namespace

std::string captureWindowArea(HWND window, const std::wstring& bmpPath) {
    RECT area{};
    if (!GetWindowRect(window, &area))
        throw DriverError("the window is gone");
    const ScreenCopy copy = copyScreen(area);
    writeBmp(copy, bmpPath);
    return std::to_string(copy.width) + "x" + std::to_string(copy.height);
}

} // namespace wizard_driver
