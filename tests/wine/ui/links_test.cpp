// The About box, the logo and "Bug report..." of the real launcher. The shell's handlers for "http"
// and "mailto" are pointed at the stand-in game for each test (the shell here looks them up under
// HKLM\Software\Classes), so the address the launcher hands over comes back in the stand-in's report.
#include "driver/ui_driver.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace uidriver;

namespace {

constexpr const char* kWebSite = "http://www.harbeck-games.example/";
constexpr const char* kBugReport = "mailto:bugs@harbeck-games.example?Subject=Skv Launcher (Beta)";

// Replaces the "open" commands of the given URL schemes for its lifetime and puts back what was there.
class ShellHandlers {
  public:
    ShellHandlers(const std::vector<std::string>& schemes, const std::string& command) {
        for (const std::string& scheme : schemes) {
            std::string key = CommandKey(scheme);
            saved_.push_back({key, GetRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), nullptr)});
            SetRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, command);
        }
    }
    ~ShellHandlers() {
        for (const Saved& entry : saved_) {
            if (entry.value)
                SetRegistryString(HKEY_LOCAL_MACHINE, entry.key.c_str(), nullptr, *entry.value);
            else
                DeleteRegistryValue(HKEY_LOCAL_MACHINE, entry.key.c_str(), nullptr);
        }
    }
    ShellHandlers(const ShellHandlers&) = delete;
    ShellHandlers& operator=(const ShellHandlers&) = delete;

    static std::string CommandKey(const std::string& scheme) {
        return "Software\\Classes\\" + scheme + "\\shell\\open\\command";
    }

  private:
    struct Saved {
        std::string key;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved_;
};

// A launcher with a game, whose web and mail handlers are the stand-in game writing the game folder's report.
class Links : public ::testing::Test {
  protected:
    void SetUp() override {
        SetGamePathEntry(game_.PathWithoutSeparator());
        launcher_ = std::make_unique<Launcher>(LaunchOptions::ForGame(game_));
        dialog_ = launcher_->WaitForMainWindow();
        ASSERT_TRUE(dialog_.Handle());
    }

    std::string HandlerCommand() const { return "\"" + StandinExePath() + "\" \"%1\""; }

    // What the handler was started with (its command line after the program name), then forgets it.
    std::optional<std::string> HandedOver() {
        std::optional<StandinReport> report = WaitForReport(game_.ReportPath(), 8000);
        game_.RemoveFile("standin-report.txt");
        if (!report)
            return std::nullopt;
        return report->params;
    }

    DialogWindow OpenAbout() { return launcher_->WaitForDialog("Program information"); }

    // A key as the dialog manager sees it from the keyboard.
    static void PressKey(HWND target, WPARAM key) {
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }

    static bool Closes(const DialogWindow& box) {
        return WaitUntil([&] { return !box.IsOpen(); }, 5000);
    }

    CleanRegistry registry_;
    GameFolder game_;
    std::unique_ptr<Launcher> launcher_;
    DialogWindow dialog_;
};

struct AboutContents {
    std::string title;
    std::vector<std::string> texts; // every child's class and text, in template order
};

AboutContents Contents(const DialogWindow& box) {
    AboutContents contents{box.Title(), {}};
    for (HWND child : box.Children()) {
        char kind[32] = {}, text[256] = {};
        GetClassNameA(child, kind, sizeof kind);
        SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                            2000, nullptr);
        contents.texts.push_back(std::string(kind) + ":" + std::to_string(GetDlgCtrlID(child)) + ":" + text);
    }
    return contents;
}

TEST_F(Links, AboutButtonAndWindowMenuOpenTheSameBoxClosedByEnterAndEsc) {
    ASSERT_TRUE(dialog_.Click(SKV_ID_ABOUT));
    DialogWindow fromButton = OpenAbout();
    ASSERT_TRUE(fromButton.Handle());
    AboutContents first = Contents(fromButton);
    EXPECT_EQ(first.title, "Program information");
    EXPECT_EQ(fromButton.Text(IDOK), "OK");
    EXPECT_EQ(fromButton.Text(SKV_ID_LOGO), kWebSite);
    EXPECT_EQ(GetWindow(fromButton, GW_OWNER), dialog_.Handle());
    PressKey(fromButton.Control(IDOK), VK_RETURN);
    EXPECT_TRUE(Closes(fromButton)) << "Enter did not close the About box";

    dialog_.PostSysCommand(SKV_SYSCMD_ABOUT);
    DialogWindow fromMenu = OpenAbout();
    ASSERT_TRUE(fromMenu.Handle());
    AboutContents second = Contents(fromMenu);
    EXPECT_EQ(second.title, first.title);
    EXPECT_EQ(second.texts, first.texts);
    PressKey(fromMenu.Control(IDOK), VK_ESCAPE);
    EXPECT_TRUE(Closes(fromMenu)) << "Esc did not close the About box";

    // The low four bits of the window-menu command do not matter.
    dialog_.PostSysCommand(SKV_SYSCMD_ABOUT | 0x7);
    DialogWindow again = OpenAbout();
    ASSERT_TRUE(again.Handle());
    PressKey(again.Control(IDOK), VK_ESCAPE);
    EXPECT_TRUE(Closes(again));
    EXPECT_TRUE(dialog_.IsOpen());
    EXPECT_TRUE(launcher_->IsRunning());
}

TEST_F(Links, AboutLinkIsReachedByTabAndOpensTheWebSiteFromTheKeyboard) {
    ShellHandlers handlers({"http"}, HandlerCommand());
    ASSERT_TRUE(dialog_.Click(SKV_ID_ABOUT));
    DialogWindow about = OpenAbout();
    ASSERT_TRUE(about.Handle());
    HWND link = about.Control(SKV_ID_LOGO);
    PressKey(about.Control(IDOK), VK_TAB);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    DWORD thread = GetWindowThreadProcessId(about, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return GetGUIThreadInfo(thread, &info) && info.hwndFocus == link; }, 3000))
        << "Tab from OK did not reach the link";
    PressKey(link, VK_SPACE);
    EXPECT_EQ(HandedOver(), "\"" + std::string(kWebSite) + "\"");
    // The box stays open after the link opened its address.
    EXPECT_TRUE(about.IsOpen());
    PressKey(about.Control(IDOK), VK_ESCAPE);
    EXPECT_TRUE(Closes(about));
}

TEST_F(Links, LogoOpensTheWebSiteEveryTimeItIsClicked) {
    ShellHandlers handlers({"http"}, HandlerCommand());
    HWND logo = dialog_.Control(SKV_ID_LOGO);
    ASSERT_TRUE(logo);
    for (int click = 1; click <= 2; ++click) {
        SCOPED_TRACE(click);
        // A press and release on the picture: the static control reports the click itself.
        PostMessageA(logo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(logo, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(HandedOver(), "\"" + std::string(kWebSite) + "\"");
    }
    EXPECT_TRUE(dialog_.IsOpen());
    EXPECT_EQ(launcher_->Windows().size(), 1u);
}

TEST_F(Links, BugReportOpensTheMailAddressWithItsSubject) {
    ShellHandlers handlers({"mailto"}, HandlerCommand());
    ASSERT_TRUE(dialog_.Click(SKV_ID_BUG_REPORT));
    std::optional<std::string> handed = HandedOver();
    EXPECT_EQ(handed, "\"" + std::string(kBugReport) + "\"");
    ASSERT_TRUE(handed);
    EXPECT_NE(handed->find("?Subject=Skv Launcher (Beta)\""), std::string::npos);
    EXPECT_TRUE(dialog_.IsOpen());
}

TEST_F(Links, NoProgramForTheAddressesReportsNothing) {
    ShellHandlers handlers({"http", "mailto"}, "\"" + game_.File("no such browser.exe") + "\" \"%1\"");
    ASSERT_TRUE(dialog_.Click(SKV_ID_BUG_REPORT));
    PostMessageA(dialog_.Control(SKV_ID_LOGO), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(dialog_.Control(SKV_ID_LOGO), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    // Give a message box time to appear: none may.
    EXPECT_FALSE(WaitUntil([&] { return launcher_->Windows().size() > 1; }, 1500));
    EXPECT_TRUE(dialog_.IsOpen());
    EXPECT_FALSE(game_.Exists("standin-report.txt"));
}

} // namespace
