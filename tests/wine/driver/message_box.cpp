// Reading and answering the launcher's message boxes from outside.
//
// The icon: another process's icon handle tells us nothing here (under Wine LoadIcon(NULL, IDI_...)
// gives each process its own handle, and GetIconInfo on a foreign icon fails), so the icon is read
// from the screen: the box's SS_ICON static is copied and compared with this process's own
// rendering of each system icon at the static's size. Only the icon's opaque pixels are compared
// (those that come out the same drawn over black and over white), so the background does not matter.
#include "driver/ui_driver.h"
#include "driver/screen_capture.h"

#include <gtest/gtest.h>

namespace uidriver {

namespace {

// Draws `icon` at width x height over a solid background; pixels as 0x00RRGGBB.
std::vector<uint32_t> RenderIcon(HICON icon, int width, int height, COLORREF background) {
    ScreenPixels pixels;
    DrawPixels(
        width, height,
        [&](HDC memory, HDC) {
            RECT all = {0, 0, width, height};
            HBRUSH brush = CreateSolidBrush(background);
            FillRect(memory, &all, brush);
            DeleteObject(brush);
            DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
            return true;
        },
        pixels);
    return pixels.bgra;
}

bool ShowsIcon(const ScreenPixels& shown, HICON icon) {
    std::vector<uint32_t> overBlack = RenderIcon(icon, shown.width, shown.height, RGB(0, 0, 0));
    std::vector<uint32_t> overWhite = RenderIcon(icon, shown.width, shown.height, RGB(255, 255, 255));
    if (overBlack.size() != shown.bgra.size() || overWhite.size() != shown.bgra.size())
        return false;
    int opaque = 0;
    for (size_t i = 0; i < shown.bgra.size(); ++i) {
        if ((overBlack[i] & 0xFFFFFF) != (overWhite[i] & 0xFFFFFF))
            continue; // transparent here
        ++opaque;
        if ((overBlack[i] & 0xFFFFFF) != (shown.bgra[i] & 0xFFFFFF))
            return false;
    }
    return opaque > 0;
}

HWND IconStatic(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[32] = {};
        GetClassNameA(child, kind, sizeof kind);
        if (_stricmp(kind, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return child;
    }
    return nullptr;
}

// None when the box shows no icon; Unknown when the picture matches no system icon (yet).
IconKind ShownIcon(HWND box) {
    HWND iconStatic = IconStatic(box);
    // Wine keeps the icon static of a box without icon visible, but empty.
    if (!iconStatic || !IsWindowVisible(iconStatic) || !SendMessageW(iconStatic, STM_GETICON, 0, 0))
        return IconKind::None;
    RECT area;
    GetClientRect(iconStatic, &area);
    MapWindowPoints(iconStatic, nullptr, reinterpret_cast<POINT*>(&area), 2);
    ScreenPixels shown;
    if (!CaptureScreen(area, shown))
        return IconKind::Unknown;
    const struct {
        LPCTSTR resource;
        IconKind kind;
    } candidates[] = {{IDI_ASTERISK, IconKind::Information},
                      {IDI_EXCLAMATION, IconKind::Exclamation},
                      {IDI_QUESTION, IconKind::Question},
                      {IDI_HAND, IconKind::Error}};
    for (const auto& candidate : candidates)
        if (ShowsIcon(shown, LoadIcon(nullptr, candidate.resource)))
            return candidate.kind;
    return IconKind::Unknown;
}

} // namespace

const char* IconKindName(IconKind kind) {
    switch (kind) {
    case IconKind::None:
        return "none";
    case IconKind::Information:
        return "information";
    case IconKind::Exclamation:
        return "exclamation";
    case IconKind::Question:
        return "question";
    case IconKind::Error:
        return "error";
    case IconKind::Unknown:
        break;
    }
    return "unknown";
}

MessageBoxInfo ReadMessageBox(HWND box, DWORD ms) {
    MessageBoxInfo info;
    DialogWindow window(box);
    info.hwnd = box;
    info.title = window.Title();
    info.text = window.Text(0xFFFF);
    info.buttons = window.Buttons();
    // The icon is read once the box has painted it.
    WaitUntil([&] { return (info.icon = ShownIcon(box)) != IconKind::Unknown; }, ms);
    return info;
}

bool Answer(HWND box, int buttonId, DWORD ms) {
    DialogWindow window(box);
    if (!window.Click(buttonId, ms))
        return false;
    bool closed = WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, ms);
    if (!closed)
        ADD_FAILURE() << "the box \"" << window.Title() << "\" did not close after button " << buttonId;
    return closed;
}

MessageBoxInfo WaitForOkBox(Launcher& launcher, const std::string& text, IconKind icon) {
    MessageBoxInfo box = launcher.WaitForMessageBox();
    if (!box) {
        ADD_FAILURE() << "no message box \"" << text << "\" appeared";
        return box;
    }
    EXPECT_EQ(box.title, kAppTitle);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, icon) << IconKindName(box.icon);
    EXPECT_EQ(box.buttons.size(), 1u);
    EXPECT_TRUE(!box.buttons.empty() && box.buttons[0].id == IDOK);
    return box;
}

HWND StartExpectingFileError(Launcher& launcher, DialogWindow& dialog, const std::string& text) {
    if (!dialog.Click(IDOK)) {
        ADD_FAILURE() << "\"Start\" could not be pressed";
        return nullptr;
    }
    MessageBoxInfo error = WaitForOkBox(launcher, text, IconKind::Exclamation);
    if (!error || !Answer(error.hwnd, IDOK))
        return nullptr;
    MessageBoxInfo question = launcher.WaitForMessageBox();
    EXPECT_EQ(question.title, kAppTitle);
    EXPECT_EQ(question.text, kSaveQuestion);
    EXPECT_EQ(question.icon, IconKind::Question) << IconKindName(question.icon);
    EXPECT_EQ(question.buttons.size(), 2u);
    return question.hwnd;
}

} // namespace uidriver
