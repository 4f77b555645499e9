#include "ui/scaled_pictures.h"

#include <cstring>

#include "ui/picture_scaling.h"

namespace {

// The large drawing `art` resampled to `size`, as a 32-bit picture; null when the drawing can't be read.
BitmapHandle DrawnAtSize(HINSTANCE instance, UINT art, SIZE size) {
    BitmapHandle large(
        static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(art), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP drawn{};
    if (!large || !GetObjectA(large.Get(), sizeof drawn, &drawn))
        return BitmapHandle();
    BITMAPINFO format{};
    format.bmiHeader = {
        sizeof format.bmiHeader, drawn.bmWidth, -drawn.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Pixels pixels(static_cast<size_t>(drawn.bmWidth) * drawn.bmHeight);
    WindowDC screen(nullptr);
    if (!GetDIBits(screen.Get(), large.Get(), 0, drawn.bmHeight, pixels.data(), &format, DIB_RGB_COLORS))
        return BitmapHandle();
    const Pixels scaled = ScalePixels(pixels, drawn.bmWidth, drawn.bmHeight, size.cx, size.cy);
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy;
    void* bits = nullptr;
    BitmapHandle picture(CreateDIBSection(screen.Get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (picture)
        std::memcpy(bits, scaled.data(), scaled.size() * sizeof scaled[0]);
    return picture;
}

} // namespace

BitmapHandle FitPictureToFrame(HINSTANCE instance, HWND dialog, HWND control, PictureFrame frame, UINT art) {
    RECT area{0, 0, frame.Width, frame.Height};
    MapDialogRect(dialog, &area);
    const SIZE size{area.right - 2 * GetSystemMetrics(SM_CXBORDER),
                    area.bottom - 2 * GetSystemMetrics(SM_CYBORDER)};
    BITMAP shown{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof shown,
               &shown);
    if (shown.bmWidth == size.cx && shown.bmHeight == size.cy)
        return BitmapHandle();
    BitmapHandle picture = DrawnAtSize(instance, art, size);
    // The control hands back the picture it loaded from the template, which nothing else holds.
    if (picture)
        DeleteObject(reinterpret_cast<HGDIOBJ>(
            SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.Get()))));
    return picture;
}
