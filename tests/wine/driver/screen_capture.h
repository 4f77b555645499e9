// Pixels copied from the screen, shared by the screenshot and the message-box icon reader.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace uidriver {

struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> bgra; // top-down rows, 0x00RRGGBB
    COLORREF At(int x, int y) const {
        uint32_t pixel = bgra[y * width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
};

// Lets `draw` paint a width x height 32-bit picture (a memory DC, and the screen DC for copying from);
// fills `pixels` when the drawing succeeded. False when the picture could not be made or drawn.
bool DrawPixels(int width, int height, const std::function<bool(HDC memory, HDC screen)>& draw,
                ScreenPixels& pixels);

// Copies a rectangle of screen coordinates.
bool CaptureScreen(const RECT& area, ScreenPixels& pixels);

} // namespace uidriver
