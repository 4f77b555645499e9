// The logo, "Bug report..." and the About box's link: the addresses they hand to the shell, and how the
// link looks and answers the pointer. The shell's "http" and "mailto" handlers point at the stand-in game
// while the test runs, so that the address handed over comes back in its report.
#include "harness.h"

#include <cstdio>

#include "ui/about_dialog.h"
#include "ui/launcher_dialog.h"

using namespace harness;

namespace {

class Links : public ::testing::Test {
  protected:
    void SetUp() override {
        CleanRegistry();
        SetEnvironmentVariableA("SKV_STANDIN_REPORT", report.c_str());
        for (const char* scheme : {"http", "mailto"}) {
            const std::string key = std::string("Software\\Classes\\") + scheme + "\\shell\\open\\command";
            saved.push_back({key, GetValue(HKEY_LOCAL_MACHINE, key.c_str(), nullptr)});
            SetString(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, "\"" + std::string(StandinExe) + "\" \"%1\"");
        }
    }
    void TearDown() override {
        for (const auto& [key, value] : saved) // "type:bytes"
            if (value != "<absent>")
                SetValue(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, std::stoul(value),
                         value.substr(value.find(':') + 1));
    }
    // What the shell handed to the handler, each time once.
    std::string HandedOver() {
        const std::string params = ReportLine(report, "params");
        DeleteFileA(report.c_str());
        return params;
    }
    const std::string report = "C:\\skv-tests\\link-report.txt";
    std::vector<std::pair<std::string, std::string>> saved;
};

TEST_F(Links, OpenTheirAddresses) {
    const std::string site = "\"http://www.harbeck-games.example/\"";
    LauncherDialog dialog;
    RunModally(dialog, [&](HWND window) {
        for (int click = 0; click < 2; ++click) { // the logo, a static control, tells its clicks
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(SKV_ID_LOGO, STN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, SKV_ID_LOGO)));
            EXPECT_EQ(HandedOver(), site) << "click " << click;
        }
        Click(window, SKV_ID_BUG_REPORT);
        EXPECT_EQ(HandedOver(), "\"mailto:bugs@harbeck-games.example?Subject=Skv Launcher (Beta)\"");
    });
    // The About box's link from the keyboard (a reflected click): it opens the site and the box stays.
    AboutDialog about;
    RunModally(about, [&](HWND box) {
        HWND link = GetDlgItem(box, SKV_ID_LOGO);
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(SKV_ID_LOGO, BN_CLICKED), reinterpret_cast<LPARAM>(link));
        EXPECT_EQ(HandedOver(), site);
        EXPECT_TRUE(IsWindowVisible(box));
    });
}

// The link reacts to the pointer over its text only: hover colour and the mouse capture there, back and
// released outside; a press outside the text does nothing.
TEST_F(Links, AboutLinkFollowsThePointer) {
    AboutDialog about;
    RunModally(about, [&](HWND) {
        HyperlinkButton& link = about.WebSiteLink;
        const auto state = [&] {
            char text[32];
            snprintf(text, sizeof text, "%d%d%06lx ", link.Hover, GetCapture() == link.Handle(),
                     static_cast<unsigned long>(link.PickColor(0)));
            return std::string(text);
        };
        SendMessageA(link.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(2, 2)); // not over the text yet
        std::string seen = state();
        for (POINT at : {POINT{300, 2}, {2, 2}, {3, 3}, {2, 300}, {2, 2}, {300, 2}}) {
            SendMessageA(link.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
            seen += state();
        }
        EXPECT_EQ(seen, "00c00000 00c00000 11c000c0 11c000c0 00c00000 11c000c0 00c00000 ");
        // The colours of a press: pressed while down, visited once up.
        EXPECT_EQ(link.PickColor(ODA_SELECT), RGB(255, 0, 0));
        link.PressToggle = 1;
        EXPECT_EQ(link.PickColor(ODA_SELECT), RGB(0, 0, 192));
    });
}

} // namespace
