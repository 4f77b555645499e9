// The banner and the logo of the main dialog, fitted to their frames at the display's scale.
#include <windows.h>

#include <cstring>

#include "framework/application.h"
#include "res/resource.h"
#include "ui/launcher_dialog.h"
#include "ui/picture_scaling.h"

namespace {

// Where the template places the pictures: x, y, width and height in dialog units.
constexpr int BannerFrame[] = {SKV_FRAME_BANNER}, LogoFrame[] = {SKV_FRAME_LOGO};

// The large drawing `art` resampled to `size`, as a 32-bit picture; null when the drawing can't be read.
HBITMAP DrawnAtSize(UINT art, SIZE size) {
    BitmapHandle large(static_cast<HBITMAP>(
        LoadImageA(Application::Current().Instance(), MAKEINTRESOURCEA(art), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP drawn{};
    if (!large || !GetObjectA(large.Get(), sizeof drawn, &drawn))
        return nullptr;
    BITMAPINFO format{};
    format.bmiHeader = {
        sizeof format.bmiHeader, drawn.bmWidth, -drawn.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Pixels pixels(static_cast<size_t>(drawn.bmWidth) * drawn.bmHeight);
    WindowDC screen(nullptr);
    if (!GetDIBits(screen.Get(), large.Get(), 0, drawn.bmHeight, pixels.data(), &format, DIB_RGB_COLORS))
        return nullptr;
    const Pixels scaled = ScalePixels(pixels, drawn.bmWidth, drawn.bmHeight, size.cx, size.cy);
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen.Get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (picture)
        std::memcpy(bits, scaled.data(), scaled.size() * sizeof scaled[0]);
    return picture;
}

} // namespace

// At the scale the bitmaps were drawn for they fill their frames, less the border the template gives them,
// as they are. At any other, the drawings made twice as large are resampled to that size, and the control,
// which takes the size of its picture, fills its frame again.
void LauncherDialog::FitPicturesToFrames() {
    const struct {
        HWND Control;
        const int* Frame;
        UINT Art;
        BitmapHandle& Kept;
    } pictures[] = {
        {GetWindow(Handle(), GW_CHILD), BannerFrame, SKV_BMP_BANNER_LARGE,
         bannerPicture_}, // the first control
        {Item(SKV_ID_LOGO), LogoFrame, SKV_BMP_LOGO_LARGE, logoPicture_},
    };
    for (const auto& picture : pictures) {
        RECT frame{0, 0, picture.Frame[2], picture.Frame[3]};
        MapDialogRect(Handle(), &frame);
        const SIZE size{frame.right - 2 * GetSystemMetrics(SM_CXBORDER),
                        frame.bottom - 2 * GetSystemMetrics(SM_CYBORDER)};
        BITMAP shown{};
        GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(picture.Control, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                   sizeof shown, &shown);
        if (shown.bmWidth == size.cx && shown.bmHeight == size.cy)
            continue;
        picture.Kept.Reset(DrawnAtSize(picture.Art, size));
        // The control hands back the picture it loaded from the template, which nothing else holds.
        if (picture.Kept)
            DeleteObject(reinterpret_cast<HGDIOBJ>(SendMessageA(
                picture.Control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.Kept.Get()))));
    }
}
