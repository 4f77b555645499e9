// What the screen shows: screenshots and pixel colours of the launcher's windows, read with GDI.
// Another process's window DC is not readable under Wine, so everything is copied from the screen.
#include "driver/ui_driver.h"
#include "driver/screen_capture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace uidriver {

bool DrawPixels(int width, int height, const std::function<bool(HDC memory, HDC screen)>& draw,
                ScreenPixels& pixels) {
    pixels.width = width;
    pixels.height = height;
    pixels.bgra.clear();
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool drawn = false;
    if (memory && bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        drawn = draw(memory, screen);
        GdiFlush();
        if (drawn) {
            const uint32_t* first = static_cast<const uint32_t*>(bits);
            pixels.bgra.assign(first, first + width * height);
        }
        SelectObject(memory, old);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memory)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return drawn;
}

bool CaptureScreen(const RECT& area, ScreenPixels& pixels) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    return DrawPixels(
        width, height,
        [&](HDC memory, HDC screen) {
            return BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != 0;
        },
        pixels);
}

bool SaveScreenshot(HWND window, const std::string& bmpPath) {
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window && !GetWindowRect(window, &area))
        return false;
    ScreenPixels pixels;
    if (!CaptureScreen(area, pixels))
        return false;

    // 24-bit bottom-up BMP, rows padded to four bytes.
    const int rowSize = (pixels.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = pixels.width;
    header.biHeight = pixels.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = rowSize * pixels.height;
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;

    std::ofstream out(bmpPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    std::string row(rowSize, '\0');
    for (int y = pixels.height - 1; y >= 0; --y) {
        for (int x = 0; x < pixels.width; ++x) {
            uint32_t pixel = pixels.bgra[y * pixels.width + x];
            row[x * 3] = static_cast<char>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
        out.write(row.data(), rowSize);
    }
    return static_cast<bool>(out);
}

COLORREF PixelAt(HWND window, int x, int y) {
    POINT point = {x, y};
    if (!ClientToScreen(window, &point)) {
        ADD_FAILURE() << "no such window " << window;
        return CLR_INVALID;
    }
    RECT area = {point.x, point.y, point.x + 1, point.y + 1};
    ScreenPixels pixels;
    if (!CaptureScreen(area, pixels)) {
        ADD_FAILURE() << "cannot read the screen at " << point.x << "," << point.y;
        return CLR_INVALID;
    }
    return pixels.At(0, 0);
}

} // namespace uidriver
