// The web-site link of the real About box, driven in-process inside its modal loop: the colours and
// the underline read back as pixels, hover tracking with the mouse capture and the hand cursor, presses
// on and off the text, the keyboard, the focus rectangle, and the address handed to the shell (observed
// through a test URL scheme whose handler is the stand-in game, which reports its command line).
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialog_harness.h"
#include "framework/application.h"
#include "test_support.h"
#include "res/resource.h"
#include "ui/about_dialog.h"

namespace {

constexpr COLORREF Navy = RGB(0, 0, 192);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Magenta = RGB(192, 0, 192);

using test_support::ReadBytes;
using test_support::ThisExeFolder;

// A URL scheme of our own whose "open" command is the stand-in game, which writes what it was given
// to the report file named by SKV_STANDIN_REPORT (inherited from this process). Removed afterwards.
// The shell finds URL handlers under HKLM\Software\Classes here (HKCU's classes are not consulted).
class ShellTarget {
  public:
    static constexpr const char* Scheme = "skvlinktest";

    ShellTarget() {
        report_ = ThisExeFolder() + "hyperlink-shell-report.txt";
        DeleteFileA(report_.c_str());
        SetEnvironmentVariableA("SKV_STANDIN_REPORT", report_.c_str());
        std::string command = "\"" + ThisExeFolder() + "..\\standin\\Skv.exe\" \"%1\"";
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, KeyPath().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr);
        RegSetValueExA(key, "URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        RegCloseKey(key);
        std::string commandKey = KeyPath() + "\\shell\\open\\command";
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, commandKey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr);
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
        RegCloseKey(key);
    }
    ~ShellTarget() {
        for (const char* sub : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, (KeyPath() + sub).c_str());
        SetEnvironmentVariableA("SKV_STANDIN_REPORT", nullptr);
        DeleteFileA(report_.c_str());
    }
    ShellTarget(const ShellTarget&) = delete;
    ShellTarget& operator=(const ShellTarget&) = delete;

    // The handler's command line after its program name; nullopt when it was not started within `ms`.
    std::optional<std::string> WaitForParams(DWORD ms = 8000) const {
        DWORD start = GetTickCount();
        do {
            std::string text = ReadBytes(report_);
            size_t at = text.find("\nparams=");
            if (at != std::string::npos && text.find("\nSkv_Video.cfg=") != std::string::npos &&
                text.back() == '\n') {
                at += 8;
                return text.substr(at, text.find('\n', at) - at);
            }
            Sleep(20);
        } while (GetTickCount() - start < ms);
        return std::nullopt;
    }

  private:
    static std::string KeyPath() { return std::string("Software\\Classes\\") + Scheme; }
    std::string report_;
};

// The real About box, counting the clicks the link reports to it.
class CountingAbout : public AboutDialog {
  public:
    int Clicks = 0; // BN_CLICKED from the link, as the dialog receives them

    HWND Link() const { return Item(SKV_ID_LOGO); }

  protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == SKV_ID_LOGO && HIWORD(wParam) == BN_CLICKED)
            ++Clicks;
        return AboutDialog::OnCommand(wParam, lParam);
    }
};

// Runs `body` inside the About box's modal loop, with the link freshly painted.
void WithAbout(const std::function<void(CountingAbout&)>& body) {
    CountingAbout about;
    RunModally(about, [&](CountingAbout& box) {
        // Park the real pointer away from the box so only the test's messages reach the link.
        SetCursorPos(0, 0);
        RedrawWindow(box.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        body(box);
    });
}

// The link's text extent in its own font, measured here.
SIZE TextExtent(HWND link) {
    char caption[256] = {};
    int length = GetWindowTextA(link, caption, sizeof caption);
    HDC dc = GetDC(link);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(link, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption, length, &extent);
    SelectObject(dc, previous);
    ReleaseDC(link, dc);
    return extent;
}

// What the link's window shows, pixel by pixel.
class Pixels {
  public:
    explicit Pixels(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        HDC dc = GetDC(window);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                pixels_.push_back(GetPixel(dc, x, y) & 0xFFFFFF);
        ReleaseDC(window, dc);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
    int Count(COLORREF color, const RECT& area) const {
        int count = 0;
        for (int y = area.top; y < area.bottom && y < height_; ++y)
            for (int x = area.left; x < area.right && x < width_; ++x)
                count += At(x, y) == color;
        return count;
    }
    // Columns of row y that hold `color`, as [first, last + 1); {-1, -1} when none.
    std::pair<int, int> Span(COLORREF color, int y) const {
        int first = -1, last = -1;
        for (int x = 0; x < width_; ++x)
            if (At(x, y) == color) {
                if (first < 0)
                    first = x;
                last = x;
            }
        return {first, last < 0 ? -1 : last + 1};
    }

  private:
    int width_ = 0, height_ = 0;
    std::vector<COLORREF> pixels_;
};

void Move(HWND link, int x, int y) {
    SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}
void Press(HWND link, int x, int y) {
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}
void Release(HWND link, int x, int y) {
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

HCURSOR LinkCursor() {
    return LoadCursorA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK));
}

// The colour of the underline row across the text width plus 2, and the face colour right after it.
void ExpectUnderline(HWND link, COLORREF color, const char* when) {
    SCOPED_TRACE(when);
    SIZE extent = TextExtent(link);
    Pixels pixels(link);
    int row = extent.cy - 1;
    auto span = pixels.Span(color, row);
    EXPECT_EQ(span.first, 0);
    EXPECT_EQ(span.second, extent.cx + 2);
    EXPECT_EQ(pixels.Count(color, RECT{0, row, extent.cx + 2, row + 1}), extent.cx + 2);
    EXPECT_EQ(pixels.At(extent.cx + 2, row), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
    EXPECT_EQ(pixels.At(extent.cx + 3, row), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
    // The underline is the text rectangle's last row: nothing of the link below it.
    for (COLORREF other : {Navy, Red, Magenta, color})
        EXPECT_EQ(pixels.Count(other, RECT{0, extent.cy, pixels.Width(), pixels.Height()}), 0);
}

// Link-coloured pixels of the glyphs, above the underline.
int GlyphPixels(HWND link, COLORREF color) {
    SIZE extent = TextExtent(link);
    return Pixels(link).Count(color, RECT{0, 0, extent.cx + 2, extent.cy - 1});
}

TEST(HyperlinkButton, AboutBoxGivesTheLinkItsAddressCursorAndTabStop) {
    WithAbout([](CountingAbout& box) {
        char title[64] = {};
        GetWindowTextA(box.Handle(), title, sizeof title);
        EXPECT_STREQ(title, "Program information");
        EXPECT_EQ(box.WebSiteLink.Handle(), box.Link());
        EXPECT_EQ(box.WebSiteLink.Url, "http://www.harbeck-games.example/");
        EXPECT_EQ(box.WebSiteLink.Parameters, "");
        EXPECT_EQ(box.WebSiteLink.HoverCursor, LinkCursor());
        LONG style = GetWindowLongA(box.Link(), GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_TRUE(style & WS_TABSTOP);
        // Tab from OK reaches the link.
        EXPECT_EQ(GetNextDlgTabItem(box.Handle(), box.Item(IDOK), FALSE), box.Link());
        EXPECT_EQ(box.WebSiteLink.BackgroundColor, GetSysColor(COLOR_BTNFACE));
    });
}

TEST(HyperlinkButton, FreshLinkIsNavyWithAnUnderlineTwoPixelsWiderThanTheText) {
    WithAbout([](CountingAbout& box) {
        ExpectUnderline(box.Link(), Navy, "fresh");
        EXPECT_GT(GlyphPixels(box.Link(), Navy), 50);
        EXPECT_EQ(GlyphPixels(box.Link(), Magenta), 0);
        // Nothing of the text beyond the text rectangle.
        SIZE extent = TextExtent(box.Link());
        Pixels pixels(box.Link());
        EXPECT_EQ(pixels.Count(Navy, RECT{extent.cx + 2, 0, pixels.Width(), pixels.Height()}), 0);
    });
}

TEST(HyperlinkButton, HoverTakesCaptureShowsTheHandAndHoverColourUntilThePointerLeaves) {
    WithAbout([](CountingAbout& box) {
        HWND link = box.Link();
        SIZE extent = TextExtent(link);
        Move(link, 3, 3);
        EXPECT_EQ(GetCapture(), link);
        EXPECT_EQ(GetCursor(), LinkCursor());
        EXPECT_EQ(box.WebSiteLink.Hover, 1);
        ExpectUnderline(link, Magenta, "hovering");
        EXPECT_EQ(GlyphPixels(link, Navy), 0);

        // Still over the text, on its last column: nothing changes.
        Move(link, extent.cx + 1, extent.cy - 1);
        EXPECT_EQ(GetCapture(), link);
        ExpectUnderline(link, Magenta, "at the text's corner");

        // Right of the text, then below it: the capture goes back and the link is navy again.
        Move(link, extent.cx + 2, 3);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(box.WebSiteLink.Hover, 0);
        ExpectUnderline(link, Navy, "left to the right");
        Move(link, 3, 3);
        EXPECT_EQ(GetCapture(), link);
        Move(link, 3, extent.cy);
        EXPECT_EQ(GetCapture(), nullptr);
        ExpectUnderline(link, Navy, "left downwards");
        EXPECT_EQ(box.Clicks, 0);
    });
}

TEST(HyperlinkButton, ClickShowsPressedThenVisitedEvenWhileStillHovering) {
    ShellTarget shell;
    WithAbout([](CountingAbout& box) {
        HWND link = box.Link();
        SIZE extent = TextExtent(link);
        // A distinct visited colour tells "visited" from "fresh" in the pixels.
        const COLORREF green = RGB(0, 128, 0);
        box.WebSiteLink.VisitedColor = green;
        box.WebSiteLink.Url = std::string(ShellTarget::Scheme) + ":visited";

        Move(link, 5, 5);
        Press(link, 5, 5);
        EXPECT_EQ(box.WebSiteLink.Visited, 1);
        EXPECT_EQ(box.WebSiteLink.PressToggle, 1);
        EXPECT_GT(GlyphPixels(link, Red), 50);
        EXPECT_EQ(GlyphPixels(link, Magenta), 0);
        Release(link, 5, 5);
        EXPECT_EQ(box.Clicks, 1);
        EXPECT_EQ(box.WebSiteLink.PressToggle, 0);
        EXPECT_GT(GlyphPixels(link, green), 50);
        EXPECT_EQ(GlyphPixels(link, Red), 0);

        // Moving on over the text keeps the visited colour; the focus moved to the link with the press.
        Move(link, 8, 5);
        EXPECT_EQ(box.WebSiteLink.Hover, 1);
        EXPECT_GT(GlyphPixels(link, green), 50);
        EXPECT_EQ(GlyphPixels(link, Magenta), 0);
        box.FocusControl(box.Item(IDOK));
        ExpectUnderline(link, green, "visited, pointer still over it");

        // Leaving repaints it visited; coming back shows the hover colour again.
        Move(link, extent.cx + 10, 5);
        ExpectUnderline(link, green, "visited, pointer gone");
        Move(link, 5, 5);
        ExpectUnderline(link, Magenta, "visited, hovering again");
        Move(link, extent.cx + 10, 5);
    });
    EXPECT_EQ(shell.WaitForParams(), "\"skvlinktest:visited\"");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(HyperlinkButton, PressOutsideTheTextDoesNothing) {
    WithAbout([](CountingAbout& box) {
        HWND link = box.Link();
        SIZE extent = TextExtent(link);
        RECT client{};
        GetClientRect(link, &client);
        ASSERT_GT(client.right, extent.cx + 10);
        ASSERT_GT(client.bottom, extent.cy + 1);
        const POINT outside[] = {
            {extent.cx + 2, 2}, {client.right - 2, 2}, {3, extent.cy}, {3, client.bottom - 1}};
        for (POINT point : outside) {
            Move(link, point.x, point.y);
            Press(link, point.x, point.y);
            EXPECT_EQ(SendMessageA(link, BM_GETSTATE, 0, 0) & BST_PUSHED, 0u);
            Release(link, point.x, point.y);
            SendMessageA(link, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
            Release(link, point.x, point.y);
        }
        EXPECT_EQ(box.Clicks, 0);
        EXPECT_EQ(box.WebSiteLink.Visited, 0);
        EXPECT_EQ(GetCapture(), nullptr);
        ExpectUnderline(link, Navy, "after presses beside the text");
    });
}

TEST(HyperlinkButton, LinkWithoutHoverCursorIgnoresTheMouseButOpensFromTheKeyboard) {
    ShellTarget shell;
    WithAbout([](CountingAbout& box) {
        HWND link = box.Link();
        box.WebSiteLink.HoverCursor = nullptr;
        box.WebSiteLink.Url = std::string(ShellTarget::Scheme) + ":keyboard";
        Move(link, 5, 5);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(box.WebSiteLink.Hover, 0);
        ExpectUnderline(link, Navy, "pointer over a link without cursor");
        Press(link, 5, 5);
        Release(link, 5, 5);
        EXPECT_EQ(box.Clicks, 0);
        EXPECT_EQ(box.WebSiteLink.Visited, 0);

        // Tab to it and press the space bar.
        box.FocusControl(link);
        EXPECT_EQ(GetFocus(), link);
        EXPECT_EQ(box.WebSiteLink.HasFocus, 1);
        SendMessageA(link, WM_KEYDOWN, VK_SPACE, 0x00390001);
        SendMessageA(link, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
        EXPECT_EQ(box.Clicks, 1);
        EXPECT_EQ(box.WebSiteLink.Visited, 1);
    });
    EXPECT_EQ(shell.WaitForParams(), "\"skvlinktest:keyboard\"");
}

TEST(HyperlinkButton, FocusRectangleSurroundsTheTextOnly) {
    WithAbout([](CountingAbout& box) {
        HWND link = box.Link();
        SIZE extent = TextExtent(link);
        Pixels before(link);
        box.FocusControl(link);
        Pixels focused(link);
        box.FocusControl(box.Item(IDOK));
        Pixels after(link);
        int changed = 0;
        for (int y = 0; y < before.Height(); ++y)
            for (int x = 0; x < before.Width(); ++x) {
                EXPECT_EQ(after.At(x, y), before.At(x, y)) << "focus left a trace at " << x << "," << y;
                if (focused.At(x, y) == before.At(x, y))
                    continue;
                ++changed;
                bool onBorder = x == 0 || y == 0 || x == extent.cx + 1 || y == extent.cy - 1;
                EXPECT_TRUE(onBorder && x <= extent.cx + 1 && y <= extent.cy - 1)
                    << "focus changed " << x << "," << y << " off the text rectangle's border";
            }
        EXPECT_GT(changed, extent.cx / 2);
    });
}

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
    if (IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(HyperlinkButton, ShellThatCannotOpenTheAddressReportsNothing) {
    WithAbout([](CountingAbout& box) {
        box.WebSiteLink.Url = "skv-no-such-scheme:nowhere";
        Move(box.Link(), 5, 5);
        Press(box.Link(), 5, 5);
        Release(box.Link(), 5, 5);
        EXPECT_EQ(box.Clicks, 1);
        // No message box or other window of this thread besides the About box itself.
        int windows = 0;
        EnumThreadWindows(GetCurrentThreadId(), &CountVisible, reinterpret_cast<LPARAM>(&windows));
        EXPECT_EQ(windows, 1);
        EXPECT_TRUE(IsWindow(box.Handle()));
        EXPECT_EQ(Application::Current().WaitCursorCount(), 0);
    });
}

} // namespace
