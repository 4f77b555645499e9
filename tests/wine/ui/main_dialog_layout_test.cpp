// The main dialog as the running launcher shows it: every control in template order with its
// class, caption, styles and rectangle, the window's caption, styles and place on the screen.
//
// Dialog units: MapDialogRect only works inside the dialog's own process, so the base units are
// computed here the way the dialog manager does for the template's font ("MS Sans Serif" 8 pt:
// average width of the 52 letters rounded, and the font height), and every rectangle, the client
// size included, is checked with them. A launcher with another font fails the client-size check.
#include "driver/ui_driver.h"
#include "res/resource.h"

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

enum Kind {
    PushButton,
    DefPushButton,
    GroupBox,
    CheckBox,
    ImageStatic,
    TextStatic,
    Combo,
    Edit,
    UpDown,
    Trackbar
};

constexpr DWORD G = WS_GROUP;

struct ControlRow {
    int id;
    Kind kind;
    const char* caption; // nullptr: not a text the user reads (bitmaps)
    DWORD extra;         // WS_GROUP and the image statics' SS_NOTIFY / SS_RIGHTJUST / WS_BORDER
    int x, y, width, height;
};

// The template, in order.
const ControlRow kControls[] = {
    {-1, ImageStatic, nullptr, SS_NOTIFY | WS_BORDER | G, 7, 7, 313, 38},
    {IDOK, DefPushButton, "Start", G, 328, 7, 55, 16},
    {IDCANCEL, PushButton, "Close", 0, 328, 26, 55, 16},
    {SKV_ID_RESET, PushButton, "Reset", 0, 328, 45, 55, 16},
    {SKV_ID_LEVEL, PushButton, "<--  Level", 0, 328, 64, 55, 16},
    {SKV_ID_DISPLAY, PushButton, "Display...", 0, 328, 83, 55, 16},
    {SKV_ID_LOCATION, PushButton, "Location...", 0, 328, 102, 55, 16},
    {SKV_ID_ABOUT, PushButton, "About...", 0, 328, 121, 55, 16},
    {SKV_ID_BUG_REPORT, PushButton, "Bug report...", 0, 328, 200, 55, 16},
    {SKV_ID_LOGO, ImageStatic, nullptr, SS_NOTIFY | SS_RIGHTJUST | WS_BORDER | G, 327, 221, 55, 16},
    {SKV_ID_GROUP_COMMANDLINE, GroupBox, "Commandline", G, 7, 50, 100, 128},
    {SKV_ID_DEBUG, CheckBox, " Debug mode ", G, 14, 62, 61, 10},
    {SKV_ID_LOAD_BOTS, CheckBox, " Pre-load Bots: ", 0, 14, 76, 64, 10},
    {SKV_ID_LOAD_GRAX, CheckBox, " Grax ", 0, 26, 90, 35, 10},
    {SKV_ID_LOAD_TOLMEN, CheckBox, " Tolmen ", 0, 26, 102, 42, 10},
    {SKV_ID_LOAD_VASTOR, CheckBox, " Vastor ", 0, 26, 114, 41, 10},
    {SKV_ID_LOAD_HUROK, CheckBox, " Hurok ", 0, 26, 126, 47, 10},
    {SKV_ID_LOAD_HURGRAX, CheckBox, " Hurgrax ", 0, 26, 138, 49, 10},
    {SKV_ID_LOAD_KOLVANE, CheckBox, " Kolvane ", 0, 26, 150, 52, 10},
    {SKV_ID_LOAD_ZIMMIT, CheckBox, " Zimmit ", 0, 26, 162, 51, 10},
    {SKV_ID_GROUP_RENDERING, GroupBox, "Rendering", G, 114, 50, 100, 72},
    {SKV_ID_SHOW_FPS, CheckBox, " Show Frames/sec. ", G, 121, 62, 79, 10},
    {SKV_ID_SHOW_POLYCOUNT, CheckBox, " Show Polygon count ", 0, 121, 76, 85, 10},
    {-1, TextStatic, "Texture drawing: ", G, 121, 91, 56, 10},
    {SKV_ID_WIREFRAME, Combo, nullptr, 0, 121, 102, 86, 64},
    {SKV_ID_GROUP_GENERAL, GroupBox, "General", G, 220, 50, 100, 72},
    {SKV_ID_VERBOSE_TEXT, CheckBox, " Verbose text reports ", G, 227, 62, 83, 10},
    {SKV_ID_CROUCHMODE, CheckBox, " Toggle crouch ", 0, 227, 76, 66, 10},
    {SKV_ID_EXTRAPOLATION, CheckBox, " Extrapolation ", 0, 227, 90, 61, 10},
    {SKV_ID_DOPPLERSHIFT, CheckBox, " Dopplershift ", 0, 227, 104, 57, 10},
    {SKV_ID_GROUP_MOTIONTRACKER, GroupBox, "Motiontracker", G, 114, 126, 100, 52},
    {-1, TextStatic, "Volume: ", G, 121, 140, 32, 10},
    {SKV_ID_VOLUME_EDIT, Edit, nullptr, 0, 156, 138, 48, 14},
    {SKV_ID_VOLUME_SPIN, UpDown, "Spin3", 0, 202, 138, 12, 14},
    {-1, TextStatic, "Speed: ", G, 121, 160, 32, 10},
    {SKV_ID_SPEED_EDIT, Edit, nullptr, 0, 156, 158, 48, 14},
    {SKV_ID_SPEED_SPIN, UpDown, "Spin4", 0, 202, 158, 12, 14},
    {SKV_ID_GROUP_SCALING, GroupBox, "Scaling", G, 220, 126, 100, 52},
    {-1, TextStatic, "Time: ", G, 227, 140, 32, 10},
    {SKV_ID_TIME_EDIT, Edit, nullptr, 0, 262, 138, 48, 14},
    {SKV_ID_TIME_SPIN, UpDown, "Spin1", 0, 308, 138, 12, 14},
    {-1, TextStatic, "Lean: ", G, 227, 160, 32, 10},
    {SKV_ID_LEAN_EDIT, Edit, nullptr, 0, 262, 158, 48, 14},
    {SKV_ID_LEAN_SPIN, UpDown, "Spin2", 0, 308, 158, 12, 14},
    {SKV_ID_GROUP_CHEATING, GroupBox, "Cheating", G, 7, 182, 100, 56},
    {SKV_ID_ALL_WEAPONS, CheckBox, " All weapons ", G, 14, 194, 58, 10},
    {SKV_ID_GOD_MODE, CheckBox, " God-mode ", 0, 14, 208, 53, 10},
    {SKV_ID_ADD_LIGHT, CheckBox, " Add light ", 0, 14, 222, 47, 10},
    {SKV_ID_GROUP_SKY, GroupBox, "Sky coloring", G, 114, 182, 206, 56},
    {-1, TextStatic, "Red: ", G, 121, 194, 32, 10},
    {SKV_ID_SKY_RED, Trackbar, "Slider1", 0, 156, 194, 120, 10},
    {SKV_ID_SKY_RED_LABEL, TextStatic, "50", G, 282, 194, 32, 10},
    {-1, TextStatic, "Green: ", G, 121, 208, 32, 10},
    {SKV_ID_SKY_GREEN, Trackbar, "Slider2", 0, 156, 208, 120, 10},
    {SKV_ID_SKY_GREEN_LABEL, TextStatic, "50", G, 282, 208, 32, 10},
    {-1, TextStatic, "Blue: ", G, 121, 222, 32, 10},
    {SKV_ID_SKY_BLUE, Trackbar, "Slider3", 0, 156, 222, 120, 10},
    {SKV_ID_SKY_BLUE_LABEL, TextStatic, "60", G, 282, 222, 32, 10},
};

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

// The bits that matter for each kind of control, and the value they must have.
struct StyleRule {
    DWORD mask;
    DWORD value;
};

StyleRule RuleFor(const ControlRow& row) {
    const DWORD common = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | WS_BORDER;
    const DWORD group = row.extra & WS_GROUP;
    switch (row.kind) {
    case PushButton:
        return {common | BS_TYPEMASK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | group | BS_PUSHBUTTON};
    case DefPushButton:
        return {common | BS_TYPEMASK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | group | BS_DEFPUSHBUTTON};
    case GroupBox:
        return {common | BS_TYPEMASK, WS_CHILD | WS_VISIBLE | group | BS_GROUPBOX};
    case CheckBox:
        return {common | BS_TYPEMASK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | group | BS_AUTOCHECKBOX};
    case ImageStatic:
        // The border is checked apart, as for edit boxes.
        return {(common & ~WS_BORDER) | SS_TYPEMASK | SS_NOTIFY | SS_RIGHTJUST | SS_CENTERIMAGE |
                    SS_REALSIZECONTROL,
                WS_CHILD | WS_VISIBLE | SS_BITMAP | (row.extra & ~WS_BORDER)};
    case TextStatic:
        return {common | SS_TYPEMASK | SS_NOTIFY | SS_NOPREFIX, WS_CHILD | WS_VISIBLE | group | SS_LEFT};
    case Combo:
        // WS_VSCROLL passes on to the dropped list (checked apart).
        return {common | 0xF | CBS_SORT | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST};
    case Edit:
        // The border is checked apart: the dialog manager may turn it into a sunken edge.
        return {(common & ~WS_BORDER) | ES_AUTOHSCROLL | ES_NUMBER | ES_MULTILINE | ES_READONLY | ES_PASSWORD,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL};
    case UpDown:
        return {common | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ALIGNLEFT | UDS_AUTOBUDDY |
                    UDS_ARROWKEYS | UDS_HORZ | UDS_NOTHOUSANDS,
                WS_CHILD | WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS};
    case Trackbar:
        return {common | TBS_VERT | TBS_TOP | TBS_BOTH | TBS_NOTICKS | TBS_AUTOTICKS | TBS_ENABLESELRANGE,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS};
    }
    return {0, 0};
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

class MainDialogLayout : public testing::Test {
  protected:
    void SetUp() override {
        SetGamePathEntry(game.PathWithoutSeparator());
        launcher = std::make_unique<Launcher>(LaunchOptions::ForGame(game));
        dialog = launcher->WaitForMainWindow();
        ASSERT_TRUE(dialog.IsOpen());
        units = DialogFontBaseUnits();
    }

    // A child's rectangle in the dialog's client coordinates.
    RECT ClientRect(HWND child) const {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    CleanRegistry registry;
    GameFolder game;
    std::unique_ptr<Launcher> launcher;
    DialogWindow dialog;
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
    ASSERT_EQ(children.size(), std::size(kControls));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kControls[i];
        HWND child = children[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " id " + std::to_string(row.id));
        EXPECT_EQ(GetDlgCtrlID(child), row.id & 0xFFFF); // -1 reads back as a 16-bit id
        char kind[64] = {};
        GetClassNameA(child, kind, sizeof kind);
        EXPECT_STREQ(kind, ClassOf(row.kind));
        EXPECT_TRUE(IsWindowVisible(child));

        if (row.caption) {
            // WM_GETTEXT through the driver: texts of another process's controls are not cached.
            DialogWindow one(dialog);
            std::string text;
            if (row.id != -1) {
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
            EXPECT_EQ(text, row.caption);
        }

        const StyleRule rule = RuleFor(row);
        const DWORD style = GetWindowLongA(child, GWL_STYLE);
        EXPECT_EQ(style & rule.mask, rule.value)
            << "style " << Hex(style) << ", bits that matter " << Hex(rule.mask) << ", extended style "
            << Hex(GetWindowLongA(child, GWL_EXSTYLE));
        if (row.kind == Edit || row.kind == ImageStatic) {
            // The dialog manager turns WS_BORDER into a sunken client edge (measured under Wine).
            EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
                << "no border";
        }
        // WS_VSCROLL of the combo box cannot be read back: the combo hands it to its list, and the
        // list clears the bit while its four items need no scroll bar (measured under Wine).
        if (row.kind == Combo) {
            EXPECT_TRUE(DroppedList(launcher->ProcessId())) << "no list window of the combo box";
        }
    }
}

TEST_F(MainDialogLayout, ControlsStandAtTheirTemplateRectangles) {
    const std::vector<HWND> children = dialog.Children();
    ASSERT_EQ(children.size(), std::size(kControls));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kControls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " id " + std::to_string(row.id));
        const RECT shown = ClientRect(children[i]);
        RECT expected = ToPixels(units, row.x, row.y, row.width, row.height);
        switch (row.kind) {
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
                (row.extra & SS_RIGHTJUST) ? keepsLowerRight || keepsUpperLeft : keepsUpperLeft;
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
            << "template " << row.x << ", " << row.y << ", " << row.width << ", " << row.height
            << " in base units " << units.x << "x" << units.y;
    }
}

TEST_F(MainDialogLayout, TextureListHoldsItsFourItemsUnsorted) {
    EXPECT_EQ(dialog.ComboItems(SKV_ID_WIREFRAME),
              (std::vector<std::string>{"Full textures", "Only objects", "Only environment", "No textures"}));
    EXPECT_EQ(dialog.CurSel(SKV_ID_WIREFRAME), 0);
}

} // namespace
