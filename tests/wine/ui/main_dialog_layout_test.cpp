// The main dialog as the running launcher shows it: every control in template order with its
// class, caption, styles and rectangle, the window's caption, styles and place on the screen.
//
// Dialog units: MapDialogRect only works inside the dialog's own process, so the base units are
// computed here the way the dialog manager does for the template's font ("MS Sans Serif" 8 pt:
// average width of the 52 letters rounded, and the font height), and every rectangle, the client
// size included, is checked with them. A launcher with another font fails the client-size check.
#include "driver/ui_driver.h"
#include "res/resource.h"
#include "tests/main_dialog_controls.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace uidriver;

namespace {

struct BaseUnits {
    int x = 0;
    int y = 0;
};

BaseUnits DialogFontBaseUnits() {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontA(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                             FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(screen, &metrics);
    SIZE letters = {};
    GetTextExtentPoint32A(screen, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

// Dialog units to pixels, rounded as the dialog manager does.
RECT ToPixels(const BaseUnits& units, int x, int y, int width, int height) {
    // Position and size are converted separately, as the dialog manager does.
    const int left = MulDiv(x, units.x, 4);
    const int top = MulDiv(y, units.y, 8);
    RECT rect = {left, top, left + MulDiv(width, units.x, 4), top + MulDiv(height, units.y, 8)};
    return rect;
}

std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " - " + std::to_string(rect.right) +
           "," + std::to_string(rect.bottom);
}

enum Kind { Button, ImageStatic, TextStatic, Combo, Edit, UpDown, Trackbar };

Kind KindOf(const DialogControl& row) {
    const std::string cls = row.cls;
    if (cls == "static")
        return (row.style & SS_TYPEMASK) == SS_BITMAP ? ImageStatic : TextStatic;
    if (cls == "combobox")
        return Combo;
    if (cls == "edit")
        return Edit;
    if (cls == "msctls_updown32")
        return UpDown;
    if (cls == "msctls_trackbar32")
        return Trackbar;
    return Button;
}

// The class name the running control reports.
const char* ClassOf(Kind kind) {
    switch (kind) {
    case ImageStatic:
    case TextStatic:
        return "Static";
    case Combo:
        return "ComboBox";
    case Edit:
        return "Edit";
    case UpDown:
        return "msctls_updown32";
    case Trackbar:
        return "msctls_trackbar32";
    default:
        return "Button";
    }
}

// The text the user reads once the dialog is up, or nullptr where none is checked: pictures, the
// edit boxes and the list hold no template text, and the sky labels show their slider's value.
const char* ShownText(const DialogControl& row) {
    switch (KindOf(row)) {
    case ImageStatic:
    case Edit:
    case Combo:
        return nullptr;
    default:
        break;
    }
    switch (row.id) {
    case SKV_ID_SKY_RED_LABEL:
    case SKV_ID_SKY_GREEN_LABEL:
        return "50";
    case SKV_ID_SKY_BLUE_LABEL:
        return "60";
    default:
        return row.text;
    }
}

// The style bits that must read back as the template sets them, for each kind of control.
DWORD StyleMask(Kind kind) {
    const DWORD common = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | WS_BORDER;
    switch (kind) {
    case Button:
        return common | BS_TYPEMASK;
    case ImageStatic:
        // The border is checked apart, as for edit boxes.
        return (common & ~WS_BORDER) | SS_TYPEMASK | SS_NOTIFY | SS_RIGHTJUST | SS_CENTERIMAGE |
               SS_REALSIZECONTROL;
    case TextStatic:
        return common | SS_TYPEMASK | SS_NOTIFY | SS_NOPREFIX;
    case Combo:
        // WS_VSCROLL passes on to the dropped list (checked apart).
        return common | 0xF | CBS_SORT | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE;
    case Edit:
        // The border is checked apart: the dialog manager may turn it into a sunken edge.
        return (common & ~WS_BORDER) | ES_AUTOHSCROLL | ES_NUMBER | ES_MULTILINE | ES_READONLY | ES_PASSWORD;
    case UpDown:
        return common | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ALIGNLEFT | UDS_AUTOBUDDY |
               UDS_ARROWKEYS | UDS_HORZ | UDS_NOTHOUSANDS;
    case Trackbar:
        return common | TBS_VERT | TBS_TOP | TBS_BOTH | TBS_NOTICKS | TBS_AUTOTICKS | TBS_ENABLESELRANGE;
    }
    return 0;
}

struct ListSearch {
    DWORD processId;
    HWND list;
};

BOOL CALLBACK FindComboList(HWND window, LPARAM data) {
    ListSearch& search = *reinterpret_cast<ListSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char kind[32] = {};
    GetClassNameA(window, kind, sizeof kind);
    if (owner == search.processId && strcmp(kind, "ComboLBox") == 0)
        search.list = window;
    return search.list == nullptr;
}

// The dropped list of the dialog's only combo box: a hidden top-level "ComboLBox" of the launcher.
HWND DroppedList(DWORD processId) {
    ListSearch search{processId, nullptr};
    EnumWindows(FindComboList, reinterpret_cast<LPARAM>(&search));
    return search.list;
}

std::string Hex(DWORD value) {
    char text[16];
    snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(value));
    return text;
}

class MainDialogLayout : public LauncherOnGameTest {
  protected:
    void SetUp() override {
        LauncherOnGameTest::SetUp();
        units = DialogFontBaseUnits();
    }

    // A child's rectangle in the dialog's client coordinates.
    RECT ClientRect(HWND child) const {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    BaseUnits units;
};

TEST_F(MainDialogLayout, WindowHasItsCaptionStylesSizeAndStandsCentred) {
    EXPECT_EQ(dialog.Title(), "Skarnvale Launcher (BETA 2)");

    const DWORD style = GetWindowLongA(dialog, GWL_STYLE);
    const DWORD wanted = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK |
                         DS_SETFONT | DS_SETFOREGROUND | DS_CONTEXTHELP;
    const DWORD unwanted =
        WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN;
    EXPECT_EQ(style & wanted, wanted) << Hex(style);
    EXPECT_EQ(style & unwanted, 0u) << Hex(style);

    const DWORD exStyle = GetWindowLongA(dialog, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW) << Hex(exStyle);
    EXPECT_TRUE(exStyle & WS_EX_CONTEXTHELP) << Hex(exStyle);
    EXPECT_FALSE(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) << Hex(exStyle);

    RECT client;
    GetClientRect(dialog, &client);
    const RECT size = ToPixels(units, 0, 0, 390, 245);
    EXPECT_EQ(client.right, size.right)
        << "client width of 390 dialog units (base units " << units.x << "x" << units.y << ")";
    EXPECT_EQ(client.bottom, size.bottom) << "client height of 245 dialog units";

    // The template says 0, 0; the launcher centres the window on the screen's work area.
    RECT window;
    GetWindowRect(dialog, &window);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int expectedLeft = work.left + (work.right - work.left - (window.right - window.left)) / 2;
    const int expectedTop = work.top + (work.bottom - work.top - (window.bottom - window.top)) / 2;
    EXPECT_LE(std::abs(window.left - expectedLeft), 1) << Describe(window) << " in " << Describe(work);
    EXPECT_LE(std::abs(window.top - expectedTop), 1) << Describe(window) << " in " << Describe(work);
}

TEST_F(MainDialogLayout, HoldsTheFiftyEightControlsInTemplateOrder) {
    const std::vector<HWND> children = dialog.Children();
    ASSERT_EQ(children.size(), std::size(MainDialogControls));
    for (size_t i = 0; i < children.size(); ++i) {
        const DialogControl& row = MainDialogControls[i];
        const Kind kind = KindOf(row);
        HWND child = children[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " id " + std::to_string(row.id));
        EXPECT_EQ(GetDlgCtrlID(child), int(row.id));
        char className[64] = {};
        GetClassNameA(child, className, sizeof className);
        EXPECT_STREQ(className, ClassOf(kind));
        EXPECT_TRUE(IsWindowVisible(child));

        if (const char* caption = ShownText(row)) {
            // WM_GETTEXT through the driver: texts of another process's controls are not cached.
            DialogWindow one(dialog);
            std::string text;
            if (row.id != kNoId) {
                text = one.Text(row.id);
            } else {
                wchar_t buffer[256] = {};
                DWORD_PTR copied = 0;
                SendMessageTimeoutW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL,
                                    5000, &copied);
                char narrow[256] = {};
                WideCharToMultiByte(CP_ACP, 0, buffer, -1, narrow, sizeof narrow, nullptr, nullptr);
                text = narrow;
            }
            EXPECT_EQ(text, caption);
        }

        const DWORD mask = StyleMask(kind);
        const DWORD style = GetWindowLongA(child, GWL_STYLE);
        EXPECT_EQ(style & mask, row.style & mask)
            << "style " << Hex(style) << ", bits that matter " << Hex(mask) << ", extended style "
            << Hex(GetWindowLongA(child, GWL_EXSTYLE));
        if (kind == Edit || kind == ImageStatic) {
            // The dialog manager turns WS_BORDER into a sunken client edge (measured under Wine).
            EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
                << "no border";
        }
        // WS_VSCROLL of the combo box cannot be read back: the combo hands it to its list, and the
        // list clears the bit while its four items need no scroll bar (measured under Wine).
        if (kind == Combo) {
            EXPECT_TRUE(DroppedList(launcher->ProcessId())) << "no list window of the combo box";
        }
    }
}

TEST_F(MainDialogLayout, ControlsStandAtTheirTemplateRectangles) {
    const std::vector<HWND> children = dialog.Children();
    ASSERT_EQ(children.size(), std::size(MainDialogControls));
    for (size_t i = 0; i < children.size(); ++i) {
        const DialogControl& row = MainDialogControls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " id " + std::to_string(row.id));
        const RECT shown = ClientRect(children[i]);
        RECT expected = ToPixels(units, row.x, row.y, row.cx, row.cy);
        switch (KindOf(row)) {
        case ImageStatic: {
            // An image static takes the size of its bitmap (measured under Wine: exactly the bitmap,
            // its sunken edge drawn inside; a frame around it is accepted too). A right-justified one
            // keeps its lower right corner (Wine keeps the upper left one: both accepted).
            const SIZE bitmap = row.id == SKV_ID_LOGO ? SIZE{81, 24} : SIZE{468, 60};
            const int width = shown.right - shown.left;
            const int height = shown.bottom - shown.top;
            const int frame = 2 * GetSystemMetrics(SM_CXEDGE);
            EXPECT_TRUE(width == bitmap.cx || width == bitmap.cx + frame) << "width " << width;
            EXPECT_TRUE(height == bitmap.cy || height == bitmap.cy + frame) << "height " << height;
            const bool keepsUpperLeft = shown.left == expected.left && shown.top == expected.top;
            const bool keepsLowerRight = shown.right == expected.right && shown.bottom == expected.bottom;
            const bool keepsItsCorner =
                (row.style & SS_RIGHTJUST) ? keepsLowerRight || keepsUpperLeft : keepsUpperLeft;
            EXPECT_TRUE(keepsItsCorner) << Describe(shown) << " from " << Describe(expected);
            continue;
        }
        case Combo: {
            // A drop-down list shows its selection field only; the template height is the field
            // plus the dropped list.
            RECT dropped = {};
            DWORD_PTR ok = 0;
            ASSERT_TRUE(SendMessageTimeoutW(children[i], CB_GETDROPPEDCONTROLRECT, 0,
                                            reinterpret_cast<LPARAM>(&dropped), SMTO_NORMAL, 5000, &ok));
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&dropped), 2);
            // Wine reports a dropped height of its own (80 pixels here, not the 104 of 64 dialog
            // units), so only the list's reach below the field is checked.
            EXPECT_EQ(dropped.left, expected.left);
            EXPECT_EQ(dropped.top, expected.top);
            EXPECT_EQ(dropped.right, expected.right);
            EXPECT_GT(dropped.bottom, shown.bottom) << "the list drops below the field";
            EXPECT_LE(dropped.bottom, expected.bottom) << "the list is no longer than the template's height";
            expected.bottom = shown.bottom;
            break;
        }
        case Edit: {
            // The up-down after it (UDS_ALIGNRIGHT) moves onto the box's right edge, overlapping
            // the box's border (up to 2 pixels), and the box narrows to make room.
            const RECT spin = ClientRect(children[i + 1]);
            EXPECT_LE(spin.right, expected.right) << "the up-down stays inside the edit box's template";
            EXPECT_GE(spin.right, expected.right - 2) << "the up-down sits at the edit box's right edge";
            EXPECT_LE(shown.right, spin.left + 2) << "the edit box gives way to its up-down";
            EXPECT_GE(shown.right, spin.left) << "the edit box gives way to its up-down";
            expected.right = shown.right;
            break;
        }
        case UpDown: {
            // Placed and sized by its buddy (see Edit): same height, a sensible arrow width.
            const RECT buddy = ClientRect(children[i - 1]);
            EXPECT_EQ(shown.top, buddy.top);
            EXPECT_EQ(shown.bottom, buddy.bottom);
            EXPECT_GE(shown.right - shown.left, 8);
            EXPECT_LE(shown.right - shown.left, expected.right - expected.left);
            continue;
        }
        default:
            break;
        }
        EXPECT_EQ(Describe(shown), Describe(expected))
            << "template " << row.x << ", " << row.y << ", " << row.cx << ", " << row.cy << " in base units "
            << units.x << "x" << units.y;
    }
}

TEST_F(MainDialogLayout, TextureListHoldsItsFourItemsUnsorted) {
    EXPECT_EQ(dialog.ComboItems(SKV_ID_WIREFRAME),
              (std::vector<std::string>{"Full textures", "Only objects", "Only environment", "No textures"}));
    EXPECT_EQ(dialog.CurSel(SKV_ID_WIREFRAME), 0);
}

} // namespace
