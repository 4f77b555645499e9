// The main dialog seen from inside its own process, for what another process cannot read under Wine:
// its window menu, the group boxes' font, the cursor over the logo, the caption colours and the icon.
// The real dialog runs modally and is checked from inside its message loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_harness.h"
#include "framework/file_errors.h"
#include "test_support.h"

namespace {

using MainDialogInProcess = FreshMainDialog;

struct MenuItem {
    UINT type = 0;
    UINT id = 0;
    std::string text;
};

MenuItem ItemAt(HMENU menu, int position) {
    char text[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE | MIIM_ID;
    info.dwTypeData = text;
    info.cch = sizeof text;
    EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info)) << "item " << position;
    return {info.fType, info.wID, (info.fType & MFT_SEPARATOR) ? "" : text};
}

LOGFONTA FontOf(HWND window) {
    LOGFONTA description{};
    auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    EXPECT_NE(font, nullptr);
    EXPECT_EQ(GetObjectA(font, sizeof description, &description), static_cast<int>(sizeof description));
    return description;
}

constexpr int GroupBoxes[] = {
    SKV_ID_GROUP_COMMANDLINE, SKV_ID_GROUP_RENDERING, SKV_ID_GROUP_GENERAL, SKV_ID_GROUP_MOTIONTRACKER,
    SKV_ID_GROUP_SCALING,     SKV_ID_GROUP_CHEATING,  SKV_ID_GROUP_SKY};

TEST_F(MainDialogInProcess, WindowMenuEndsWithASeparatorAndAbout) {
    RunDialog([](LauncherDialog& dialog) {
        HMENU menu = GetSystemMenu(dialog.Handle(), FALSE);
        ASSERT_NE(menu, nullptr);
        int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 3);
        MenuItem last = ItemAt(menu, count - 1);
        EXPECT_EQ(last.text, "&About...");
        EXPECT_EQ(last.id, static_cast<UINT>(SKV_SYSCMD_ABOUT));
        EXPECT_EQ(last.type & MFT_SEPARATOR, 0u);
        EXPECT_NE(ItemAt(menu, count - 2).type & MFT_SEPARATOR, 0u);
        // The system's own items are still there before ours (Close among them).
        EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    });
}

TEST_F(MainDialogInProcess, GroupBoxesUseABoldCopyOfTheGuiFontAndNothingElseDoes) {
    RunDialog([](LauncherDialog& dialog) {
        LOGFONTA gui{};
        ASSERT_NE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui), 0);
        for (int id : GroupBoxes) {
            SCOPED_TRACE(id);
            LOGFONTA font = FontOf(dialog.Item(id));
            EXPECT_EQ(font.lfWeight, 700);
            EXPECT_STREQ(font.lfFaceName, gui.lfFaceName);
            EXPECT_EQ(font.lfHeight, gui.lfHeight);
        }
        // Check boxes and labels keep the dialog's own font.
        for (int id : {SKV_ID_DEBUG, SKV_ID_VERBOSE_TEXT, SKV_ID_SKY_RED_LABEL, IDOK}) {
            SCOPED_TRACE(id);
            EXPECT_NE(FontOf(dialog.Item(id)).lfWeight, 700);
        }
        LOGFONTA dialogFont = FontOf(dialog.Handle());
        EXPECT_STREQ(dialogFont.lfFaceName, "MS Sans Serif");
    });
}

TEST_F(MainDialogInProcess, PointerOverTheLogoIsTheLinkCursorAndElsewhereNot) {
    RunDialog([](LauncherDialog& dialog) {
        HCURSOR link = LoadCursorA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK));
        ASSERT_NE(link, nullptr);
        HWND logo = dialog.Item(SKV_ID_LOGO);
        ASSERT_NE(logo, nullptr);
        struct Case {
            UINT hitTest;
            UINT mouseMessage;
        };
        // Whatever the hit-test code and the mouse message, the logo gets the hand.
        for (Case c : {Case{HTCLIENT, WM_MOUSEMOVE}, Case{HTCLIENT, WM_LBUTTONDOWN}, Case{HTBORDER, 0}}) {
            SetCursor(LoadCursorA(nullptr, IDC_ARROW));
            LRESULT handled = SendMessageA(dialog.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(logo),
                                           MAKELPARAM(c.hitTest, c.mouseMessage));
            EXPECT_TRUE(handled) << c.hitTest << "/" << c.mouseMessage;
            EXPECT_EQ(GetCursor(), link) << c.hitTest << "/" << c.mouseMessage;
        }
        // Elsewhere: the usual pointer.
        for (int id : {IDOK, SKV_ID_LOCATION, SKV_ID_GROUP_SKY}) {
            SetCursor(link);
            SendMessageA(dialog.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.Item(id)),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW)) << id;
        }
    });
}

TEST_F(MainDialogInProcess, GroupBoxCaptionsAreNavyAndOtherControlsKeepTheirColour) {
    RunDialog([](LauncherDialog& dialog) {
        HDC dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc, nullptr);
        auto colourFor = [&](UINT message, int id) {
            SetTextColor(dc, RGB(1, 2, 3));
            SendMessageA(dialog.Handle(), message, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(dialog.Item(id)));
            return GetTextColor(dc);
        };
        for (int id : GroupBoxes) {
            EXPECT_EQ(colourFor(WM_CTLCOLORSTATIC, id), RGB(0, 0, 128)) << id;
            EXPECT_EQ(colourFor(WM_CTLCOLORBTN, id), RGB(0, 0, 128)) << id;
        }
        for (int id : {SKV_ID_DEBUG, SKV_ID_SKY_RED_LABEL, SKV_ID_LOCATION})
            EXPECT_NE(colourFor(WM_CTLCOLORSTATIC, id), RGB(0, 0, 128)) << id;
        EXPECT_NE(colourFor(WM_CTLCOLOREDIT, SKV_ID_VOLUME_EDIT), RGB(0, 0, 128));
        DeleteDC(dc);
    });
}

TEST_F(MainDialogInProcess, WindowAndDragIconAreTheProgramIcon) {
    RunDialog([](LauncherDialog& dialog) {
        HICON icon = LoadIconA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_ICON_APP));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(dialog.WindowIcon, icon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog.Handle(), WM_GETICON, ICON_BIG, 0)), icon);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog.Handle(), WM_QUERYDRAGICON, 0, 0)), icon);
    });
}

// Watches the dialog's messages from outside its message map.
struct PaintSpy {
    static WNDPROC original;
    static int iconErases;
    static bool iconEraseHadDc;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ICONERASEBKGND) {
            ++iconErases;
            iconEraseHadDc = wParam != 0;
        }
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
};
WNDPROC PaintSpy::original = nullptr;
int PaintSpy::iconErases = 0;
bool PaintSpy::iconEraseHadDc = false;

TEST_F(MainDialogInProcess, MinimisedPaintingErasesTheIconBackgroundAndNormalPaintingDoesNot) {
    RunDialog([](LauncherDialog& dialog) {
        HWND window = dialog.Handle();
        PaintSpy::original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PaintSpy::Proc)));
        ASSERT_NE(PaintSpy::original, nullptr);

        PaintSpy::iconErases = 0;
        SendMessageA(window, WM_PAINT, 0, 0);
        EXPECT_EQ(PaintSpy::iconErases, 0) << "normal painting";

        // A minimised window has no client area left to invalidate here, so the paint request is sent.
        ShowWindow(window, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(window));
        PaintSpy::iconErases = 0;
        PaintSpy::iconEraseHadDc = false;
        SendMessageA(window, WM_PAINT, 0, 0);
        EXPECT_GE(PaintSpy::iconErases, 1) << "minimised painting";
        EXPECT_TRUE(PaintSpy::iconEraseHadDc);

        ShowWindow(window, SW_RESTORE);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PaintSpy::original));
    });
}

TEST_F(MainDialogInProcess, OpeningTheDialogMakesItTheMainWindowUntilItIsGone) {
    RunDialog(
        [](LauncherDialog& dialog) { EXPECT_EQ(Application::Current().MainWindow(), dialog.Handle()); });
    EXPECT_EQ(Application::Current().MainWindow(), nullptr);
    // A message box after the dialog has gone still opens (an owner that is gone would stop it).
    test_support::MessageBoxAnswerer answerer;
    ReportFileError(FileErrorCause::DiskFull, "later.cfg");
    ASSERT_EQ(answerer.Boxes.size(), 1u);
    EXPECT_EQ(answerer.Boxes[0].Text, "Disk full while accessing later.cfg.");
}

} // namespace
