// The game's folder on a drive that refuses the launcher's files, through the real launcher: a drive
// mounted read-only, a drive with no room left, and a folder that vanishes while a dialog is open. Each
// time "Start" and "Display..." -> OK show their messages, the settings still reach the profile, the
// previous "startup.cfg" and "Skv_Video.cfg" stay whole with no temporary file beside them, and once the
// drive or folder is back the same launcher writes both files and starts the game.
#include "driver/ui_driver.h"
#include "folder_entries.h"
#include "res/resource.h"
#include "unix_shell.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace uidriver;
using folder_entries::FolderEntries;
using unix_shell::FillDisk;
using unix_shell::MountSmallDisk;
using unix_shell::RunUnix;
using unix_shell::UnixPath;
using unix_shell::UnmountBelow;

namespace {

const char* const VideoOpenFailure = "ERROR: Failed to open configuration file for writing!";
const std::string PreviousConfig = kPreviousStartupCfg;
const std::string PreviousVideo = std::string(16, '\x5A') + std::string(16, '\x01');
// What "Start" writes once the extrapolation box is checked and nothing else changed.
const std::string NewConfig =
    "EXPV 0\r\nCROUCHMODE 0\r\nEXTRAPOLATE_MOVEMENT 1\r\nMOTIONTRACKERVOLUME 1.00\r\n";

// The launcher on a game folder that is a small memory drive of its own, holding the stand-in and the
// previous files. The stand-in reports into the folder above the drive, which stays writable.
class GameDrive : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA(drive.c_str(), nullptr));
        if (!MountSmallDisk(drive, "1m"))
            GTEST_SKIP() << "this machine does not allow mounting a small file system for the test";
        mounted = true;
        game = drive + "\\";
        ASSERT_TRUE(CopyFileA(StandinExePath().c_str(), (game + "Skv.exe").c_str(), FALSE));
        WriteFile("startup.cfg", PreviousConfig);
        WriteFile("Skv_Video.cfg", PreviousVideo);
        SetGamePathEntry(drive);
    }

    void TearDown() override {
        if (launcher)
            launcher->Kill();
        // Wherever a test left the drive (it may have moved it), it goes before the folders do.
        if (mounted)
            UnmountBelow(holder.Path());
    }

    void WriteFile(const std::string& name, const std::string& bytes) {
        HANDLE file =
            CreateFileA((game + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_EQ(written, bytes.size()) << name;
    }

    void StartLauncher() {
        LaunchOptions options;
        options.reportPath = holder.ReportPath();
        launcher = std::make_unique<Launcher>(options);
        dialog = launcher->WaitForMainWindow();
        ASSERT_TRUE(dialog.IsOpen());
    }

    // "Display..." -> OK on the last mode; gives the record OK writes, or "" when the dialog failed.
    // `failure` expected: its message box, then the dialog stays open and is cancelled.
    std::string DisplayOk(const std::string& failure, IconKind icon) {
        if (!dialog.Click(SKV_ID_DISPLAY))
            return "";
        DialogWindow display = launcher->WaitForDialog("Display settings");
        if (!display.Handle())
            return "";
        const std::vector<std::string> modes = display.ComboItems(SKV_ID_MODE_LIST);
        if (modes.empty()) {
            ADD_FAILURE() << "no modes";
            return "";
        }
        display.SelectItem(SKV_ID_MODE_LIST, static_cast<int>(modes.size()) - 1);
        EXPECT_TRUE(display.Click(IDOK));
        if (!failure.empty()) {
            MessageBoxInfo box = WaitForOkBox(*launcher, failure, icon);
            EXPECT_TRUE(Answer(box.hwnd, IDOK));
            EXPECT_TRUE(display.IsOpen()) << "a failed write keeps the display dialog open";
            EXPECT_TRUE(display.Click(IDCANCEL));
        }
        EXPECT_TRUE(WaitUntil([&] { return !display.IsOpen(); })) << "the display dialog stayed open";
        return GuidlessVideoRecord(modes.back());
    }

    // "Start" with the file error `text`, answered OK, then the question answered No: the dialog stays.
    void StartRefused(const std::string& text) {
        HWND question = StartExpectingFileError(*launcher, dialog, text);
        ASSERT_TRUE(question);
        ASSERT_TRUE(Answer(question, IDNO));
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_TRUE(launcher->IsRunning());
    }

    // "Start" that succeeds: the game gets `config` and `video`.
    void StartWorks(const std::string& config, const std::string& video) {
        ASSERT_TRUE(dialog.Click(IDOK));
        ASSERT_TRUE(launcher->WaitForExit());
        std::optional<StandinReport> report = WaitForReport(holder.ReportPath());
        ASSERT_TRUE(report);
        EXPECT_EQ(report->folder, drive);
        EXPECT_EQ(report->startupCfg, config);
        EXPECT_EQ(report->videoCfg, video);
    }

    void ExpectPreviousFilesWhole(const std::vector<std::string>& entries) {
        EXPECT_EQ(ReadWholeFile(game + "startup.cfg"), PreviousConfig);
        EXPECT_EQ(ReadWholeFile(game + "Skv_Video.cfg"), PreviousVideo);
        EXPECT_EQ(FolderEntries(game), entries) << "no temporary file is left";
    }

    CleanRegistry registry;
    GameFolder holder{CurrentTestName(), nullptr};
    const std::string drive = holder.File("drive"); // the mount point: the game's folder
    std::string game;                               // the same, with its trailing "\"
    bool mounted = false;
    std::unique_ptr<Launcher> launcher;
    DialogWindow dialog;
};

// Wine reports a read-only drive as access denied (error 5), not as a write-protected medium (19); both
// map to the same message.
TEST_F(GameDrive, ReadOnlyDriveRefusesBothFilesKeepsThemAndWorksOnceWritable) {
    ASSERT_EQ(RunUnix("mount -o remount,ro '" + UnixPath(drive) + "'"), 0);
    StartLauncher();
    dialog.SetCheck(SKV_ID_EXTRAPOLATION, true);

    EXPECT_FALSE(DisplayOk(VideoOpenFailure, IconKind::Error).empty());
    StartRefused("Access to " + game + "startup.cfg was denied.");
    EXPECT_EQ(GetProfileDword("Extrapolation"), 1u) << "the settings are saved before the file";
    ExpectPreviousFilesWhole({"Skv.exe", "Skv_Video.cfg", "startup.cfg"});

    ASSERT_EQ(RunUnix("mount -o remount,rw '" + UnixPath(drive) + "'"), 0);
    const std::string record = DisplayOk("", IconKind::None);
    StartWorks(NewConfig, record);
    EXPECT_EQ(FolderEntries(game), (std::vector<std::string>{"Skv.exe", "Skv_Video.cfg", "startup.cfg"}));
}

TEST_F(GameDrive, FullDriveReportsDiskFullKeepsBothFilesAndWorksOnceThereIsRoom) {
    ASSERT_TRUE(FillDisk(drive)) << "the drive could not be filled";
    StartLauncher();
    dialog.SetCheck(SKV_ID_EXTRAPOLATION, true);

    EXPECT_FALSE(
        DisplayOk("Disk full while accessing " + game + "Skv_Video.cfg.", IconKind::Exclamation).empty());
    StartRefused("Disk full while accessing " + game + "startup.cfg.");
    EXPECT_EQ(GetProfileDword("Extrapolation"), 1u) << "the settings are saved before the file";
    ExpectPreviousFilesWhole({"Skv.exe", "Skv_Video.cfg", "filler", "startup.cfg"});

    ASSERT_TRUE(DeleteFileA((game + "filler").c_str()));
    const std::string record = DisplayOk("", IconKind::None);
    StartWorks(NewConfig, record);
    EXPECT_EQ(FolderEntries(game), (std::vector<std::string>{"Skv.exe", "Skv_Video.cfg", "startup.cfg"}));
}

// The folder moved away behind Wine's back while the display dialog is open: OK cannot open the file
// there, the dialog stays open, and OK once the folder is back writes the record the game then gets.
TEST_F(GameDrive, FolderVanishedUnderTheDisplayDialogRefusesOkUntilItIsBack) {
    StartLauncher();
    ASSERT_TRUE(dialog.Click(SKV_ID_DISPLAY));
    DialogWindow display = launcher->WaitForDialog("Display settings");
    ASSERT_TRUE(display.Handle());
    const std::vector<std::string> modes = display.ComboItems(SKV_ID_MODE_LIST);
    ASSERT_FALSE(modes.empty());
    display.SelectItem(SKV_ID_MODE_LIST, static_cast<int>(modes.size()) - 1);

    const std::string away = holder.File("away");
    ASSERT_TRUE(CreateDirectoryA(away.c_str(), nullptr));
    ASSERT_EQ(RunUnix("mount --move '" + UnixPath(drive) + "' '" + UnixPath(away) + "' && rmdir '" +
                      UnixPath(drive) + "'"),
              0);
    ASSERT_TRUE(display.Click(IDOK));
    MessageBoxInfo box = launcher->WaitForMessageBox();
    EXPECT_EQ(box.text, VideoOpenFailure);
    EXPECT_EQ(box.icon, IconKind::Error) << IconKindName(box.icon);
    ASSERT_TRUE(Answer(box.hwnd, IDOK));
    ASSERT_TRUE(display.IsOpen()) << "a failed write keeps the display dialog open";
    EXPECT_EQ(ReadWholeFile(away + "\\Skv_Video.cfg"), PreviousVideo);
    EXPECT_EQ(GetFileAttributesA(drive.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing made the folder again";

    ASSERT_TRUE(CreateDirectoryA(drive.c_str(), nullptr));
    ASSERT_EQ(RunUnix("mount --move '" + UnixPath(away) + "' '" + UnixPath(drive) + "'"), 0);
    ASSERT_TRUE(display.Click(IDOK));
    ASSERT_TRUE(WaitUntil([&] { return !display.IsOpen(); })) << "the display dialog stayed open";
    const std::string record = GuidlessVideoRecord(modes.back());
    EXPECT_EQ(ReadWholeFile(game + "Skv_Video.cfg"), record);
    StartWorks("EXPV 0\r\nCROUCHMODE 0\r\nEXTRAPOLATE_MOVEMENT 0\r\nMOTIONTRACKERVOLUME 1.00\r\n", record);
    EXPECT_EQ(FolderEntries(game), (std::vector<std::string>{"Skv.exe", "Skv_Video.cfg", "startup.cfg"}));
}

} // namespace
