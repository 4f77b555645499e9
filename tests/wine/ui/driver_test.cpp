// The UI test driver checked on its own: paths, registry, game folders, the stand-in's report,
// message boxes of another process (shown by a second copy of this program) and the launcher's controls.
#include "driver/ui_driver.h"
#include "res/resource.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstring>

using namespace uidriver;

namespace {

// Started as "ui_tests.exe --show-message-box=<flags>", this program shows one message box with
// those MessageBox flags and exits with the button pressed: a foreign box the driver must read.
struct MessageBoxHelper {
    MessageBoxHelper() {
        const char* flag = strstr(GetCommandLineA(), "--show-message-box=");
        if (!flag)
            return;
        UINT flags = static_cast<UINT>(strtoul(flag + strlen("--show-message-box="), nullptr, 10));
        ExitProcess(
            static_cast<UINT>(MessageBoxA(nullptr, "First line\nSecond line", "Driver test box", flags)));
    }
} messageBoxHelper;

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

} // namespace

TEST(DriverPaths, UnixPathsBecomeDriveZPaths) {
    const struct {
        const char* unixPath;
        const char* windowsPath;
    } cases[] = {
        {"/", "Z:\\"},
        {"/work/main/build/x.exe", "Z:\\work\\main\\build\\x.exe"},
        {"/a b/c", "Z:\\a b\\c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowsPath(c.unixPath), c.windowsPath) << c.unixPath;
}

TEST(DriverReport, ParsesEveryFieldAndTellsAbsentFromEmpty) {
    const std::string text = "SKV-STANDIN-REPORT 1\n"
                             "exe=Z:\\g\\Skv.exe\n"
                             "folder=Z:\\g\n"
                             "params=-debug -l ac  -n x\n"
                             "arg=-debug\n"
                             "arg=-l\n"
                             "arg=ac\n"
                             "startup.cfg=610d0a00ff\n"
                             "Skv_Video.cfg=\n";
    std::optional<StandinReport> report = ParseReport(text);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->exe, "Z:\\g\\Skv.exe");
    EXPECT_EQ(report->folder, "Z:\\g");
    EXPECT_EQ(report->params, "-debug -l ac  -n x");
    EXPECT_EQ(report->args, (std::vector<std::string>{"-debug", "-l", "ac"}));
    ASSERT_TRUE(report->startupCfg);
    EXPECT_EQ(*report->startupCfg, std::string("a\r\n\0\xff", 5));
    ASSERT_TRUE(report->videoCfg);
    EXPECT_EQ(*report->videoCfg, "");

    std::optional<StandinReport> bare = ParseReport("SKV-STANDIN-REPORT 1\nexe=e\nfolder=f\nparams=\n"
                                                    "startup.cfg=absent\nSkv_Video.cfg=absent\n");
    ASSERT_TRUE(bare);
    EXPECT_TRUE(bare->args.empty());
    EXPECT_EQ(bare->params, "");
    EXPECT_FALSE(bare->startupCfg);
    EXPECT_FALSE(bare->videoCfg);
}

TEST(DriverReport, RefusesBrokenReports) {
    const char* broken[] = {
        "",
        "SKV-STANDIN-REPORT 2\nexe=e\nfolder=f\nparams=\nstartup.cfg=absent\nSkv_Video.cfg=absent\n",
        "SKV-STANDIN-REPORT 1\nexe=e\nfolder=f\nparams=\nstartup.cfg=absent\n", // cut short
        "SKV-STANDIN-REPORT 1\nexe=e\nfolder=f\nparams=\nstartup.cfg=absent\nSkv_Video.cfg=absent", // no last
                                                                                                    // \n
        "SKV-STANDIN-REPORT 1\nexe=e\nfolder=f\nparams=\nstartup.cfg=6\nSkv_Video.cfg=absent\n",
        "SKV-STANDIN-REPORT 1\nexe=e\nfolder=f\nparams=\nstartup.cfg=4A\nSkv_Video.cfg=absent\n",
        "SKV-STANDIN-REPORT 1\nexe=e\nfolder=f\nparams=\nstartup.cfg=absent\nSkv_Video.cfg=absent\nx=1\n",
    };
    for (const char* text : broken) {
        SCOPED_TRACE(text);
        EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(ParseReport(text)), "not a stand-in report");
    }
}

TEST(DriverRegistry, ValuesRoundTripAndKeysAreDeletedWithSubkeys) {
    CleanRegistry clean;
    SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr, "Z:\\g\\Skv.exe");
    SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", "Z:\\g");
    SetProfileDword("Debug", 1);
    SetRegistryRaw(HKEY_CURRENT_USER, kProfileKey, "LoadBots", REG_BINARY, std::string("\x01\x00", 2));

    InstallerEntries entries = ReadInstallerEntries();
    EXPECT_FALSE(entries.gamePath);
    EXPECT_EQ(entries.appPathsPath, std::optional<std::string>("Z:\\g"));
    EXPECT_EQ(entries.appPathsExe, std::optional<std::string>("Z:\\g\\Skv.exe"));
    EXPECT_EQ(GetProfileDword("Debug"), std::optional<DWORD>(1));
    EXPECT_FALSE(GetProfileDword("LoadBots")) << "a REG_BINARY value is no DWORD";
    std::optional<RegistryValue> raw = GetRegistryRaw(HKEY_CURRENT_USER, kProfileKey, "LoadBots");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(raw->bytes, std::string("\x01\x00", 2));
    EXPECT_EQ(RegistryValueNames(HKEY_CURRENT_USER, kProfileKey),
              (std::vector<std::string>{"Debug", "LoadBots"}));

    SetRegistryDword(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\Sub\\Deeper").c_str(), "x", 2);
    ClearGameRegistry();
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kProfileKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
}

TEST(DriverGameFolder, HoldsTheStandinAndIsRemovedWithReadOnlyFiles) {
    std::string path;
    {
        GameFolder game("driver-folder", "Other.exe");
        path = game.Path();
        EXPECT_EQ(path.back(), '\\');
        EXPECT_EQ(game.PathWithoutSeparator() + "\\", path);
        EXPECT_EQ(game.ReadFile("Other.exe"), ReadWholeFile(StandinExePath()));
        EXPECT_FALSE(game.Exists("Skv.exe"));
        game.WriteFile("startup.cfg", std::string("a\r\n\0", 4));
        EXPECT_EQ(game.ReadFile("startup.cfg"), std::optional<std::string>(std::string("a\r\n\0", 4)));
        game.SetReadOnly("startup.cfg", true);
        EXPECT_TRUE(GetFileAttributesA(game.File("startup.cfg").c_str()) & FILE_ATTRIBUTE_READONLY);
        game.MakeFolder("sub");
        game.SetReadOnly("sub", true);
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
}

// Each MessageBox style is read back from the other process: title, raw text, buttons and icon.
TEST(DriverMessageBox, ReadsAnotherProcesssBoxAndAnswersIt) {
    const struct {
        UINT flags;
        IconKind icon;
        std::vector<int> buttons;
        int answer;
    } cases[] = {
        {MB_OK | MB_ICONINFORMATION, IconKind::Information, {IDOK}, IDOK},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, IconKind::Exclamation, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IconKind::Question, {IDYES, IDNO}, IDNO},
        {MB_YESNOCANCEL | MB_ICONERROR, IconKind::Error, {IDYES, IDNO, IDCANCEL}, IDYES},
        {MB_OK, IconKind::None, {IDOK}, IDOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(IconKindName(c.icon));
        LaunchOptions options;
        options.exePath = ThisProgram();
        options.arguments = "--show-message-box=" + std::to_string(c.flags);
        Launcher helper(options);
        MessageBoxInfo box = helper.WaitForMessageBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(box.title, "Driver test box");
        EXPECT_EQ(box.text, "First line\nSecond line");
        std::vector<int> ids;
        for (const ButtonInfo& button : box.buttons)
            ids.push_back(button.id);
        EXPECT_EQ(ids, c.buttons);
        EXPECT_STREQ(IconKindName(box.icon), IconKindName(c.icon));
        ASSERT_TRUE(Answer(box.hwnd, c.answer));
        ASSERT_TRUE(helper.WaitForExit());
        EXPECT_EQ(helper.ExitCode(), std::optional<DWORD>(c.answer));
    }
}

class DriverOnLauncher : public testing::Test {
  protected:
    void SetUp() override { SetGamePathEntry(game.PathWithoutSeparator()); }
    CleanRegistry registry;
    GameFolder game;
};

TEST_F(DriverOnLauncher, OperatesCheckBoxesSpinsTrackbarsAndTheCombo) {
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());

    EXPECT_FALSE(dialog.IsChecked(SKV_ID_DEBUG));
    dialog.SetCheck(SKV_ID_DEBUG, true);
    EXPECT_TRUE(dialog.IsChecked(SKV_ID_DEBUG));
    dialog.SetCheck(SKV_ID_DEBUG, false);
    EXPECT_FALSE(dialog.IsChecked(SKV_ID_DEBUG));
    dialog.SetCheck(SKV_ID_DEBUG, true); // the controls below may depend on it

    dialog.SetSpinPos(SKV_ID_VOLUME_SPIN, 42);
    EXPECT_EQ(dialog.SpinPos(SKV_ID_VOLUME_SPIN).position, 42);
    EXPECT_FALSE(dialog.SpinPos(SKV_ID_VOLUME_SPIN).error);
    EXPECT_EQ(dialog.Text(SKV_ID_VOLUME_EDIT), "42");
    dialog.SetText(SKV_ID_VOLUME_EDIT, "not a number");
    EXPECT_EQ(dialog.Text(SKV_ID_VOLUME_EDIT), "not a number");
    EXPECT_TRUE(dialog.SpinPos(SKV_ID_VOLUME_SPIN).error);
    EXPECT_EQ(dialog.SpinPos(SKV_ID_VOLUME_SPIN).position, 42);

    const std::pair<int, int> fullRange{0, 255};
    EXPECT_EQ(dialog.SliderRange(SKV_ID_SKY_RED), fullRange);
    dialog.SetSliderPos(SKV_ID_SKY_RED, 200);
    EXPECT_EQ(dialog.SliderPos(SKV_ID_SKY_RED), 200);

    ASSERT_EQ(dialog.ComboItems(SKV_ID_WIREFRAME).size(), 4u);
    dialog.SelectItem(SKV_ID_WIREFRAME, 2);
    EXPECT_EQ(dialog.CurSel(SKV_ID_WIREFRAME), 2);

    // "Close" ends the launcher: Click returns although the dialog is gone.
    EXPECT_TRUE(dialog.Click(IDCANCEL));
    EXPECT_TRUE(launcher.WaitForExit());
}

TEST_F(DriverOnLauncher, RefusesToClickADisabledControl) {
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    // Disable a check box from outside, as the launcher does with the Debug-only ones.
    EnableWindow(dialog.Control(SKV_ID_GOD_MODE), FALSE);
    ASSERT_FALSE(dialog.IsEnabled(SKV_ID_GOD_MODE));
    EXPECT_NONFATAL_FAILURE(dialog.Click(SKV_ID_GOD_MODE), "disabled");
    EXPECT_FALSE(dialog.IsChecked(SKV_ID_GOD_MODE)) << "the refused click must not reach the control";
}

TEST_F(DriverOnLauncher, ScreenshotAndPixelsShowTheDialog) {
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    RECT window;
    GetWindowRect(dialog, &window);
    const std::string shot = game.File("dialog.bmp");
    // Painting is asynchronous: the face colour shows once the dialog has drawn itself.
    EXPECT_TRUE(WaitUntil([&] { return PixelAt(dialog, 2, 2) == GetSysColor(COLOR_BTNFACE); }, 3000))
        << std::hex << PixelAt(dialog, 2, 2);
    ASSERT_TRUE(SaveScreenshot(dialog, shot));
    std::optional<std::string> bytes = ReadWholeFile(shot);
    ASSERT_TRUE(bytes);
    ASSERT_GE(bytes->size(), 54u);
    BITMAPINFOHEADER header;
    memcpy(&header, bytes->data() + sizeof(BITMAPFILEHEADER), sizeof header);
    EXPECT_EQ(bytes->substr(0, 2), "BM");
    EXPECT_EQ(header.biWidth, window.right - window.left);
    EXPECT_EQ(header.biHeight, window.bottom - window.top);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(bytes->size(), 54u + ((header.biWidth * 3 + 3) & ~3) * header.biHeight);
}

// A click whose handler runs a modal box returns as soon as the box is up; the box is answered
// and the dialog goes on.
TEST_F(DriverOnLauncher, ClickReturnsWhileTheBoxItOpenedRuns) {
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    const DWORD start = GetTickCount();
    ASSERT_TRUE(dialog.Click(SKV_ID_LOCATION, 3000));
    EXPECT_LT(GetTickCount() - start, 2000u);
    MessageBoxInfo box = launcher.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box.title, kAppTitle);
    EXPECT_STREQ(IconKindName(box.icon), "question");
    ASSERT_TRUE(Answer(box.hwnd, IDNO));
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_TRUE(launcher.IsRunning());
}
