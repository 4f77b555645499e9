// "Start" and "Close" end to end: the real launcher hands its options to the stand-in game, whose report
// shows the command line, working folder and "startup.cfg" bytes it was given; file errors ask whether
// to go on, and a game that cannot be started leaves the dialog open.
#include "driver/ui_driver.h"
#include "res/resource.h"
#include "unix_shell.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace uidriver;
using unix_shell::RunUnix;
using unix_shell::UnixPath;

namespace {

const char* const StartFailure = "ERROR: Failed to start Skv.exe!";
const std::string PreviousConfig = kPreviousStartupCfg;

// The stand-in in a fresh game folder, found through the installer's entry, and the launcher started on it.
struct StartFixture : LauncherOnGameTest {
    void TearDown() override {
        if (launcher)
            launcher->Kill();
        RunUnix("chattr -i '" + UnixPath(game.File("startup.cfg")) + "' 2>/dev/null");
    }

    HWND StartExpectingFileError(const std::string& text) {
        return uidriver::StartExpectingFileError(*launcher, dialog, text);
    }
};

TEST_F(StartFixture, StartHandsTheOptionsToTheGameAndEnds) {
    dialog.SetCheck(SKV_ID_DEBUG, true);
    dialog.SetCheck(SKV_ID_LOAD_BOTS, true);
    dialog.SetCheck(SKV_ID_LOAD_ZIMMIT, true);
    dialog.SetCheck(SKV_ID_LOAD_GRAX, true);
    dialog.SetCheck(SKV_ID_VERBOSE_TEXT, true);
    dialog.SetCheck(SKV_ID_GOD_MODE, true);
    dialog.SetSliderPos(SKV_ID_SKY_RED, 10);
    dialog.SetSliderPos(SKV_ID_SKY_GREEN, 200);
    dialog.SetSliderPos(SKV_ID_SKY_BLUE, 0);
    dialog.SetSpinPos(SKV_ID_VOLUME_SPIN, 7);
    dialog.SetSpinPos(SKV_ID_SPEED_SPIN, 1600);
    dialog.SetText(SKV_ID_TIME_EDIT, "not a number");
    dialog.PostCommand(32773); // "Level 3 - Velmaro" from the level menu
    game.WriteFile("startup.cfg", std::string(300, 'z'));

    ASSERT_TRUE(dialog.Click(IDOK));
    ASSERT_TRUE(launcher->WaitForExit());
    EXPECT_EQ(launcher->ExitCode(), 0u);

    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->params, "-debug -lax -n Quent03");
    EXPECT_EQ(report->folder, game.PathWithoutSeparator());
    EXPECT_EQ(report->startupCfg,
              std::string("EXPV 1\r\nCROUCHMODE 0\r\nEXTRAPOLATE_MOVEMENT 0\r\n"
                          "MOTIONTRACKERVOLUME 0.07\r\nSKY_RED 10\r\nSKY_GREEN 200\r\n"
                          "SKY_BLUE 0\r\nMOTIONTRACKERSPEED 16.00\r\nLEANSCALE 1.00\r\n"
                          "TIMESCALE 1.00\r\nWIREFRAMEMODE 0\r\nDOPPLERSHIFT 0\r\nGOD\r\n"));
    EXPECT_EQ(GetProfileDword("Debug"), 1u);
    EXPECT_EQ(GetProfileDword("LoadZimmit"), 1u);
    EXPECT_EQ(GetProfileDword("LoadTolmen"), 0u);
    EXPECT_EQ(GetProfileDword("GodMode"), 1u);
    EXPECT_EQ(GetProfileDword("SkyGreen"), 200u);
    EXPECT_EQ(GetProfileDword("TrackerVolume"), 7u);
    WIN32_FIND_DATAA found;
    HANDLE leftover = FindFirstFileA(game.File("*.tmp").c_str(), &found);
    EXPECT_EQ(leftover, INVALID_HANDLE_VALUE) << "temporary file left behind: " << found.cFileName;
    if (leftover != INVALID_HANDLE_VALUE)
        FindClose(leftover);
}

TEST_F(StartFixture, CloseAndTheCloseBoxSaveAndStartNothing) {
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Close");
        dialog.SetCheck(SKV_ID_CROUCHMODE, !closeBox);
        if (closeBox)
            dialog.PostSysCommand(SC_CLOSE);
        else
            ASSERT_TRUE(dialog.Click(IDCANCEL));
        ASSERT_TRUE(launcher->WaitForExit());
        EXPECT_EQ(GetProfileDword("Crouchmode"), closeBox ? 0u : 1u);
        EXPECT_FALSE(game.Exists("startup.cfg"));
        EXPECT_FALSE(game.Exists("standin-report.txt"));
        if (!closeBox) {
            launcher = std::make_unique<Launcher>(LaunchOptions::ForGame(game));
            dialog = launcher->WaitForMainWindow();
        }
    }
}

TEST_F(StartFixture, AHeldFileAsksAndNoKeepsTheDialogWithTheSettingsSaved) {
    game.WriteFile("startup.cfg", PreviousConfig);
    HANDLE held =
        CreateFileA(game.File("startup.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    dialog.SetCheck(SKV_ID_EXTRAPOLATION, true);
    HWND question = StartExpectingFileError("A sharing violation occurred while accessing " +
                                            game.File("startup.cfg") + ".");
    CloseHandle(held);
    ASSERT_TRUE(Answer(question, IDNO));
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_TRUE(launcher->IsRunning());
    EXPECT_EQ(GetProfileDword("Extrapolation"), 1u);
    EXPECT_EQ(game.ReadFile("startup.cfg"), PreviousConfig);
    EXPECT_FALSE(game.Exists("standin-report.txt"));
}

TEST_F(StartFixture, AReadOnlyFileAsksAndYesStartsTheGameOnThePreviousWholeFile) {
    game.WriteFile("startup.cfg", PreviousConfig);
    game.SetReadOnly("startup.cfg", true);
    // As root, Wine would write over a file that only lacks write permission; the immutable flag holds.
    ASSERT_EQ(RunUnix("chattr +i '" + UnixPath(game.File("startup.cfg")) + "'"), 0);
    HWND question = StartExpectingFileError("Access to " + game.File("startup.cfg") + " was denied.");
    ASSERT_TRUE(Answer(question, IDYES));
    ASSERT_TRUE(launcher->WaitForExit());
    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->startupCfg, PreviousConfig);
    EXPECT_EQ(report->params, "");
}

TEST_F(StartFixture, AVanishedFolderNamesThePathAndNeitherStartWorksUntilTheGameIsBack) {
    const std::string kept = game.PathWithoutSeparator() + "-kept";
    // Moved away behind Wine's back: the launcher keeps its current folder open, as Windows does.
    const std::string move = "mv '" + UnixPath(game.PathWithoutSeparator()) + "' '" + UnixPath(kept) + "'";
    ASSERT_EQ(RunUnix(move), 0);
    HWND question = StartExpectingFileError(game.File("startup.cfg") + " contains an invalid path.");
    ASSERT_TRUE(Answer(question, IDYES));
    MessageBoxInfo failure = WaitForOkBox(*launcher, StartFailure, IconKind::Information);
    ASSERT_TRUE(Answer(failure.hwnd, IDOK));
    EXPECT_TRUE(dialog.IsOpen());

    // "Start" again runs the whole sequence again: now the folder is back, so the game starts.
    ASSERT_EQ(RunUnix("mv '" + UnixPath(kept) + "' '" + UnixPath(game.PathWithoutSeparator()) + "'"), 0);
    ASSERT_TRUE(dialog.Click(IDOK));
    ASSERT_TRUE(launcher->WaitForExit());
    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->startupCfg,
              "EXPV 0\r\nCROUCHMODE 0\r\nEXTRAPOLATE_MOVEMENT 0\r\nMOTIONTRACKERVOLUME 1.00\r\n");
}

TEST_F(StartFixture, NoGameAtAllReportsTheFailedStartAndKeepsTheDialog) {
    game.RemoveFile("Skv.exe");
    for (int attempt = 0; attempt < 2; ++attempt) {
        ASSERT_TRUE(dialog.Click(IDOK));
        MessageBoxInfo failure = launcher->WaitForMessageBox();
        EXPECT_EQ(failure.text, StartFailure);
        ASSERT_TRUE(Answer(failure.hwnd, IDOK));
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(game.ReadFile("startup.cfg"),
                  "EXPV 0\r\nCROUCHMODE 0\r\nEXTRAPOLATE_MOVEMENT 0\r\nMOTIONTRACKERVOLUME 1.00\r\n");
        game.RemoveFile("startup.cfg");
    }
}

} // namespace
