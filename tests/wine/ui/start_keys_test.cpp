// "Start" when the game's own path has gone: the bare "Skv.exe" in the current folder is started
// instead, silently, and when neither can start the failure is reported on every press while each press
// still saves the settings and writes "startup.cfg". Then the keyboard and the window frame: Enter
// presses "Start" wherever the focus is, Esc and the caption's close box close like "Close".
#include "driver/ui_driver.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace uidriver;

namespace {

const char* const NotFoundStart = "ERROR: Cannot find Skarnvale on your computer.";
const char* const StartFailure = "ERROR: Failed to start Skv.exe!";
constexpr int LevelVelmaro = 32773; // "Level 3 - Velmaro", identifier "Quent03"

std::string ConfigWithout(bool crouch, bool extrapolate) {
    return std::string("EXPV 0\r\nCROUCHMODE ") + (crouch ? "1" : "0") + "\r\nEXTRAPOLATE_MOVEMENT " +
           (extrapolate ? "1" : "0") + "\r\nMOTIONTRACKERVOLUME 1.00\r\n";
}

std::string DescribeWindows(const Launcher& launcher) {
    std::string text;
    for (HWND window : launcher.Windows())
        text += " [\"" + DialogWindow(window).Title() + "\"]";
    return text.empty() ? " none" : text;
}

// With no installer entries and no "Skv.exe" beside the launcher or on the path, the launcher asks for
// the game: answers the message and picks `chosen` in the "Open" dialog.
DialogWindow OpenOnChosenFile(Launcher& launcher, const std::string& chosen) {
    MessageBoxInfo notFound = launcher.WaitForMessageBox();
    if (!notFound)
        return DialogWindow();
    EXPECT_EQ(notFound.text.rfind(NotFoundStart, 0), 0u) << notFound.text;
    EXPECT_TRUE(Answer(notFound.hwnd, IDOK));
    if (!ChooseFile(launcher, chosen))
        return DialogWindow();
    return launcher.WaitForMainWindow();
}

TEST(StartSecondAttempt, GamePathDeletedStartsSkvExeFromTheCurrentFolderWithoutAMessage) {
    CleanRegistry registry;
    uidriver::GameFolder game; // holds "Skv.exe"
    game.CopyStandin("Game.exe");
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = OpenOnChosenFile(launcher, game.File("Game.exe"));
    ASSERT_TRUE(dialog.IsOpen());
    // The chosen file is the game's path now, as the installer entries written back show.
    EXPECT_EQ(ReadInstallerEntries().appPathsExe.value_or("<absent>"), game.File("Game.exe"));

    game.RemoveFile("Game.exe");
    dialog.SetCheck(SKV_ID_CROUCHMODE, true);
    dialog.Send(WM_COMMAND, LevelVelmaro); // sent, so the press that follows cannot overtake it
    ASSERT_TRUE(dialog.Click(IDOK));
    ASSERT_TRUE(launcher.WaitForExit())
        << "the launcher did not close; windows:" << DescribeWindows(launcher);
    EXPECT_EQ(launcher.ExitCode(), 0u);

    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->exe, game.File("Skv.exe"));
    EXPECT_EQ(report->folder, game.PathWithoutSeparator());
    EXPECT_EQ(report->params, "-n Quent03");
    EXPECT_EQ(report->startupCfg, ConfigWithout(true, false));
    EXPECT_FALSE(game.Exists("Game.exe"));
    EXPECT_EQ(GetProfileDword("Crouchmode"), 1u);
}

TEST(StartSecondAttempt, NeitherStartPossibleReportsTheFailureOnEveryPressAndRedoesTheWholeSequence) {
    CleanRegistry registry;
    uidriver::GameFolder game(CurrentTestName(), "Game.exe"); // no "Skv.exe" anywhere
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = OpenOnChosenFile(launcher, game.File("Game.exe"));
    ASSERT_TRUE(dialog.IsOpen());
    game.RemoveFile("Game.exe");

    struct Press {
        bool crouch, extrapolate;
    };
    for (Press press : {Press{true, false}, Press{false, true}}) {
        SCOPED_TRACE(press.crouch ? "first press" : "second press");
        dialog.SetCheck(SKV_ID_CROUCHMODE, press.crouch);
        dialog.SetCheck(SKV_ID_EXTRAPOLATION, press.extrapolate);
        ASSERT_TRUE(dialog.Click(IDOK));
        MessageBoxInfo failure = WaitForOkBox(launcher, StartFailure, IconKind::Information);
        ASSERT_TRUE(failure);
        EXPECT_EQ(GetWindow(failure.hwnd, GW_OWNER), dialog.Handle());
        // Saved and written before the start was tried.
        EXPECT_EQ(game.ReadFile("startup.cfg"), ConfigWithout(press.crouch, press.extrapolate));
        EXPECT_EQ(GetProfileDword("Crouchmode"), press.crouch ? 1u : 0u);
        EXPECT_EQ(GetProfileDword("Extrapolation"), press.extrapolate ? 1u : 0u);
        ASSERT_TRUE(Answer(failure.hwnd, IDOK));
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_TRUE(launcher.IsRunning());
        EXPECT_FALSE(game.Exists("standin-report.txt"));
        // The next press must write and save afresh, not find the earlier results.
        game.RemoveFile("startup.cfg");
        DeleteRegistryValue(HKEY_CURRENT_USER, kProfileKey, "Crouchmode");
        DeleteRegistryValue(HKEY_CURRENT_USER, kProfileKey, "Extrapolation");
    }
    ASSERT_TRUE(dialog.Click(IDCANCEL));
    EXPECT_TRUE(launcher.WaitForExit());
}

// ---- Keys and the close box -----------------------------------------------------------------

// The control that has the keyboard focus in the dialog's thread.
HWND FocusOf(const DialogWindow& dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ? info.hwndFocus : nullptr;
}

// Moves the keyboard focus inside the dialog as Tab would, and waits until it is there.
bool FocusControl(const DialogWindow& dialog, int id) {
    HWND control = dialog.Control(id);
    dialog.Post(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return WaitUntil([&] { return FocusOf(dialog) == control; });
}

// A key pressed and released on the keyboard while the launcher's window is in front.
bool PressKey(const DialogWindow& dialog, WORD key) {
    SetForegroundWindow(dialog);
    if (!WaitUntil([&] { return GetForegroundWindow() == dialog.Handle(); }))
        return false;
    INPUT strokes[2] = {};
    for (INPUT& stroke : strokes) {
        stroke.type = INPUT_KEYBOARD;
        stroke.ki.wVk = key;
    }
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, strokes, sizeof(INPUT)) == 2;
}

// A left click with the mouse on the caption's close box, found by asking the window what each point
// of its caption row is. Every event carries the position, so the press and the release both land there.
bool ClickCloseBox(const DialogWindow& dialog) {
    SetForegroundWindow(dialog);
    if (!WaitUntil([&] { return GetForegroundWindow() == dialog.Handle(); }))
        return false;
    RECT frame{};
    GetWindowRect(dialog, &frame);
    const int y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = frame.right - 1; x > frame.left; --x) {
        if (dialog.Send(WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCLOSE)
            continue;
        INPUT events[3] = {};
        const DWORD buttons[3] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
        for (int i = 0; i < 3; ++i) {
            events[i].type = INPUT_MOUSE;
            events[i].mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
            events[i].mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
            events[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons[i];
        }
        return SendInput(3, events, sizeof(INPUT)) == 3;
    }
    ADD_FAILURE() << "no point of the caption row is the close box";
    return false;
}

using KeysFixture = LauncherOnGameTest;

struct EnterCase {
    const char* focus;
    int id;
    bool debug; // the Debug-dependent controls are disabled without it
};
struct StartKeys : KeysFixture, ::testing::WithParamInterface<EnterCase> {};

TEST_P(StartKeys, EnterPressesStartWhereverTheFocusIs) {
    EXPECT_EQ(FocusOf(dialog), dialog.Control(IDOK)) << "the focus starts on \"Start\"";
    const EnterCase& focus = GetParam();
    dialog.SetCheck(SKV_ID_DEBUG, focus.debug);
    dialog.SetCheck(SKV_ID_CROUCHMODE, true);
    dialog.Send(WM_COMMAND, LevelVelmaro); // sent, so the press that follows cannot overtake it
    ASSERT_TRUE(dialog.IsEnabled(focus.id));
    ASSERT_TRUE(FocusControl(dialog, focus.id));
    ASSERT_TRUE(PressKey(dialog, VK_RETURN));
    ASSERT_TRUE(launcher->WaitForExit())
        << "Enter did not start the game; windows:" << DescribeWindows(*launcher);
    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->exe, game.File("Skv.exe"));
    EXPECT_EQ(report->params, focus.debug ? "-debug -n Quent03" : "-n Quent03");
    // The debug lines follow the four lines written always.
    const std::string always = ConfigWithout(true, false);
    const std::string written = report->startupCfg.value_or("<absent>");
    EXPECT_EQ(written.substr(0, always.size()), always);
    EXPECT_EQ(written.find("SKY_RED 50\r\n") != std::string::npos, focus.debug) << written;
    EXPECT_EQ(GetProfileDword("Crouchmode"), 1u);
    EXPECT_EQ(GetProfileDword("Debug"), focus.debug ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Focus, StartKeys,
                         ::testing::Values(EnterCase{"StartButton", IDOK, false},
                                           EnterCase{"CheckBox", SKV_ID_EXTRAPOLATION, false},
                                           EnterCase{"EditBox", SKV_ID_VOLUME_EDIT, false},
                                           EnterCase{"DebugEditBox", SKV_ID_TIME_EDIT, true},
                                           EnterCase{"DebugTrackbar", SKV_ID_SKY_RED, true}),
                         [](const ::testing::TestParamInfo<EnterCase>& info) { return info.param.focus; });

enum class CloseBy { Escape, CloseBoxClick, CloseCommand };
struct CloseKeys : KeysFixture, ::testing::WithParamInterface<CloseBy> {};

TEST_P(CloseKeys, ClosesLikeCloseSavingAndStartingNothing) {
    dialog.SetCheck(SKV_ID_CROUCHMODE, true);
    dialog.SetText(SKV_ID_VOLUME_EDIT, "25");
    switch (GetParam()) {
    case CloseBy::Escape:
        ASSERT_TRUE(FocusControl(dialog, SKV_ID_CROUCHMODE));
        ASSERT_TRUE(PressKey(dialog, VK_ESCAPE));
        break;
    case CloseBy::CloseBoxClick:
        ASSERT_TRUE(ClickCloseBox(dialog));
        break;
    case CloseBy::CloseCommand:
        dialog.PostSysCommand(SC_CLOSE);
        break;
    }
    ASSERT_TRUE(launcher->WaitForExit())
        << "the launcher did not close; windows:" << DescribeWindows(*launcher);
    EXPECT_EQ(GetProfileDword("Crouchmode"), 1u);
    EXPECT_EQ(GetProfileDword("TrackerVolume"), 25u);
    EXPECT_FALSE(game.Exists("startup.cfg"));
    EXPECT_FALSE(game.Exists("standin-report.txt"));
}

std::string CloseByName(const ::testing::TestParamInfo<CloseBy>& info) {
    const char* const names[] = {"Escape", "CloseBoxClick", "CloseCommand"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Way, CloseKeys,
                         ::testing::Values(CloseBy::Escape, CloseBy::CloseBoxClick, CloseBy::CloseCommand),
                         CloseByName);

} // namespace
