// The message of every file error; what "Start" in the real main dialog hands the game of the options set
// there; what a game folder that refuses the launcher's files does to "Start" and to the display dialog's OK;
// and that a file another program reads is rewritten all the same.
#include "harness.h"

#include "handoff/file_error_report.h"

using namespace harness;

// Every cause a file can fail with: the Windows errors that give it, and its message as the launcher shows
// it, with the file's name or, when none is at hand, "an unnamed file".
TEST(FileErrors, EachCauseItsWindowsErrorsAndItsMessage) {
    // Message: "@" for the file's name.
    // clang-format off
    const struct { int Cause; const char *Errors, *Message; } rows[] = {
        {0, "0", "No error occurred."}, {2, "2 6 18 107", "@ was not found."},
        {1, "1 7 9 31 100 1000 4294967295", "An unknown error occurred while accessing @."},
        {3, "3 15 17 34 52 53 55 67 70 85 111 123 124 125 144 154 161 206 208 267", "@ contains an invalid "
         "path."},
        {4, "4 36 68 113", "@ could not be opened because there are too many open files."},
        {5, "5 12 19 29 54 58 64 65 71 80 82 86 170 183 999", "Access to @ was denied."},
        {6, "11 26 60 66 114 182 191 193", "An invalid file handle was associated with @."},
        {7, "16 145", "@ could not be removed because it is the current directory."},
        {8, "62", "@ could not be created because the directory is full."},
        {9, "24 25 27 30 131 132", "Seek failed on @"}, {13, "39 112", "Disk full while accessing @."},
        {10, "20 21 22 23 57 59 88 117 995 996 997", "A hardware I/O error was reported while accessing @."},
        {11, "32", "A sharing violation occurred while accessing @."},
        {12, "33 108 167", "A locking violation occurred while accessing @."},
        {14, "38", "An attempt was made to access @ past its end."},
        {5, "", "Access to an unnamed file was denied."}, // no name at hand
    };
    // clang-format on
    for (const auto& row : rows) {
        const std::string name = *row.Errors ? "C:\\Games\\Skarnvale\\startup.cfg" : "";
        std::istringstream errors(row.Errors);
        for (uint32_t error; errors >> error;)
            EXPECT_EQ(int(CauseOfSystemError(error)), row.Cause)
                << "Windows error " << error << ": " << row.Message;
        EXPECT_EQ(Boxes([&] { ReportFileError(Context(), FileErrorCause(row.Cause), name); }),
                  std::vector<std::string>{Replaced(row.Message, '@', name) + " (exclamation: OK)"})
            << "cause " << row.Cause;
    }
}

// "Start" hands the options as the player set them to the game, on its command line and in "startup.cfg",
// and keeps them in the profile. Choices that need debug mode are kept while it is off, but the game is not
// told; an edit box holding no number in range is kept with the error flag (65536 and up) and written
// as 1.00.
TEST(Start, HandsTheOptionsToTheGame) {
    GameFolderOnDisk game("options");
    // Typed: in order; spins take the text typed into their edit box. Level: the level menu's command.
    // StartupCfg: "|" for each line's end. Stored: what differs from the defaults; nullptr: as typed.
    // clang-format off
    const struct { const char* Typed; uint32_t Level; const char *Params, *StartupCfg, *Stored; } rows[] = {
        {"Debug=1 LoadBots=1 LoadGrax=1 LoadVastor=1 LoadHurgrax=1 LoadZimmit=1 ShowFPS=1 WireFrame=3 "
         "VerboseText=1 Extrapolation=1 GodMode=1 TrackerVolume=0 TrackerSpeed=1600 TimeScale=1 "
         "LeanScale=1000 SkyRed=0 SkyGreen=255 SkyBlue=7", 32773, "-debug -lamrx -n Quent03", "EXPV 1|"
         "CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 0.00|SKY_RED 0|SKY_GREEN 255|SKY_BLUE 7|"
         "MOTIONTRACKERSPEED 16.00|LEANSCALE 10.00|TIMESCALE 0.01|WIREFRAMEMODE 3|SHOWFPS|DOPPLERSHIFT 0|"
         "GOD|", nullptr},
        {"Debug=1 LoadBots=1 LoadTolmen=1 LoadHurok=1 LoadKolvane=1 ShowPolycount=1 WireFrame=1 Crouchmode=1 "
         "Dopplershift=1 AllWeapons=1 AddLight=1 TrackerVolume=7 TrackerSpeed=250 TimeScale=400 LeanScale=0",
         32808, "-debug -lcpt -n Orv-dm-coop", "EXPV 0|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 0|"
         "MOTIONTRACKERVOLUME 0.07|SKY_RED 50|SKY_GREEN 50|SKY_BLUE 60|MOTIONTRACKERSPEED 2.50|"
         "LEANSCALE 0.00|TIMESCALE 4.00|WIREFRAMEMODE 1|SHOWPOLYCOUNT|DOPPLERSHIFT 1|GIVEALLWEAPONS|LIGHT|",
         nullptr},
        {"Debug=1 LoadBots=1 LoadZimmit=1 GodMode=1 TrackerVolume=abc TrackerSpeed=1601 TimeScale= "
         "LeanScale=-1 Debug=0", 32813, "", "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|"
         "MOTIONTRACKERVOLUME 1.00|", "LoadBots=1 LoadZimmit=1 GodMode=1 TrackerVolume=65636 "
         "TrackerSpeed=65636 TimeScale=65636 LeanScale=65636"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Typed);
        CleanSlate();
        RunMainDialog(
            [&](HWND window) {
                Type(window, row.Typed);
                SendMessageA(window, WM_COMMAND, row.Level, 0);
                Click(window, IDOK);
            },
            game.Path + "Skv.exe", game.Path);
        EXPECT_EQ(Reported("params startup.cfg"),
                  row.Params + std::string(" | ") + Hex(Lines(row.StartupCfg)));
        ExpectStored(row.Stored ? row.Stored : row.Typed);
    }
}

// "Start" and the display dialog's OK in a game folder that refuses the launcher's files: the user is told
// why, with the file's path, and asked whether to go on; the options are saved all the same, the previous
// files stay whole and nothing is left beside them. Yes goes on with the files the game has. A folder on a
// small drive of its own (read-only or full) needs root to mount; the other rows run for everyone. A folder
// at the path limit takes both files: the launcher's temporary files beside them fit too.
TEST(Start, GameFolderThatRefusesTheFiles) {
    const bool root = RunUnix("[ $(id -u) -eq 0 ]") == 0;
    const std::string
        previousCfg = Lines("EXPV 1|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 0.50|"),
        newCfg = Lines("EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 1.00|"),
        previousVideo = std::string(16, 'Z') + Dword(1) + Dword(640) + Dword(480) + Dword(16),
        question =
            "ERROR: Failed to save configuration file.\nDo you want to continue anyway? (question: Yes/No)";
    const char* const cannotOpen = "ERROR: Failed to open configuration file for writing! (error: OK)";
    // Name: "vanished": the folder goes once the game is found, so the game cannot start; "held": another
    // program holds both files open for writing, sharing them for reading. Drive: a shell command on the
    // small drive "$F" mounted as the game's folder, if any.
    // clang-format off
    const struct { std::string Name; const char* Drive; const char *StartError, *DisplayError; } rows[] = {
        {"read-only", "mount -o remount,ro \"$F\"", "Access to @startup.cfg was denied. (exclamation: OK)",
         cannotOpen},
        {"full", "dd if=/dev/zero of=\"$F/filler\" bs=4k 2>/dev/null; true", "Disk full while accessing "
         "@startup.cfg. (exclamation: OK)", "Disk full while accessing @Skv_Video.cfg. (exclamation: OK)"},
        {"vanished", nullptr, "@startup.cfg contains an invalid path. (exclamation: OK)", cannotOpen},
        {"held", nullptr, "A sharing violation occurred while accessing @startup.cfg. (exclamation: OK)",
         cannotOpen},
        {std::string(259 - 13 - 1 - 13, 'x'), nullptr, nullptr, nullptr},
    };
    // clang-format on
    for (const auto& row : rows) {
        if (row.Drive && !root)
            continue;
        SCOPED_TRACE(row.Name);
        CleanSlate();
        GameFolderOnDisk folder(row.Name);
        const std::string drive = "F='" + UnixPath(folder.Path) + "'; ", cfg = folder.Path + "startup.cfg",
                          video = folder.Path + "Skv_Video.cfg";
        const bool vanishes = row.Name == "vanished";
        const std::string mount =
            "mount -t tmpfs -o size=1m skv-drive \"$F\" && cp '" + UnixPath(StandinExe) + "' \"$F\"";
        ASSERT_EQ(RunUnix(drive + (row.Drive ? mount : "true")), 0);
        WriteContents(cfg, previousCfg);
        WriteContents(video, previousVideo);
        ASSERT_EQ(RunUnix(drive + (row.Drive ? row.Drive : "true")), 0);
        std::vector<FileHandle> held;
        for (const std::string& file : {cfg, video})
            if (row.Name == "held")
                held.emplace_back(CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
        const std::vector<std::string> entries =
            vanishes ? std::vector<std::string>() : FolderEntries(folder.Path);
        if (vanishes)
            RunUnix(drive + "rm -rf \"$F\"");
        std::vector<std::string> shown; // the display dialog's OK on what it preselects, then "Start"
        const auto press = [&shown](HWND window, std::deque<int> buttons) {
            for (const std::string& box : Boxes([&] { Click(window, IDOK); }, buttons))
                shown.push_back(box);
        };
        DisplaySettingsDialog display(Context(), nullptr, folder.Path);
        EXPECT_EQ(RunModally(display, [&](HWND window) { press(window, {}); }),
                  row.DisplayError ? IDABORT : IDOK)
            << "a failed OK keeps the display dialog open";
        const INT_PTR result = RunMainDialog(
            [&](HWND window) {
                Type(window, "Extrapolation=1");
                if (row.StartError) {
                    press(window, {IDOK, IDNO});
                    EXPECT_TRUE(IsWindowVisible(window)) << "No keeps the dialog open";
                    ExpectStored("Extrapolation=1");
                    EXPECT_EQ(FileContents(cfg), vanishes ? "<absent>" : previousCfg);
                }
                press(window, {IDOK, IDYES});
            },
            folder.Path + "Skv.exe", folder.Path);
        std::vector<std::string> expected;
        for (const char* box : {row.DisplayError, row.StartError, row.StartError ? question.c_str() : nullptr,
                                row.StartError, row.StartError ? question.c_str() : nullptr,
                                vanishes ? "ERROR: Failed to start Skv.exe! (information: OK)" : nullptr})
            if (box)
                expected.push_back(Replaced(box, '@', folder.Path));
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(result, vanishes ? IDABORT : IDOK) << "the dialog ends once the game has started";
        if (vanishes) {
            EXPECT_EQ(FileContents(ReportFile), "<absent>") << "no game started";
        } else if (row.StartError) { // the game finds the previous files whole
            EXPECT_EQ(Reported("startup.cfg"), Hex(previousCfg));
            EXPECT_EQ(FileContents(video), previousVideo);
        } else { // the new ones: the video file begins with the device's 20 zero bytes
            EXPECT_EQ(Reported("startup.cfg"), Hex(newCfg));
            EXPECT_EQ(FileContents(video).substr(0, 20), std::string(20, '\0'));
        }
        EXPECT_EQ(FolderEntries(folder.Path), entries);
    }
    if (!root)
        GTEST_SKIP() << "the rows of a game folder on a small drive of its own need root to mount it";
}

// A file that another program reads while it lets others write (a virus scanner, an indexer, a sync client,
// an editor, the running game) cannot be replaced by another file, yet "Start" and the display dialog's OK
// rewrite it all the same: no message, exactly the new bytes, and nothing left beside it.
TEST(Start, FileThatAnotherProgramReadsIsStillRewritten) {
    // Start: "Start" in the main dialog with the defaults, else OK in the display dialog, which writes the
    // record of the bench's device (16 zero bytes, index 0) at its screen's size and 32 bits per pixel.
    // clang-format off
    const struct { const char* File; bool Start; std::string Written; } rows[] = {
        {"startup.cfg", true, Lines("EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|")},
        {"Skv_Video.cfg", false, std::string(20, '\0') + Dword(1280) + Dword(1024) + Dword(32)},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.File);
        CleanSlate();
        GameFolderOnDisk game("read-elsewhere");
        const std::string file = game.Path + row.File;
        WriteContents(file, std::string(100, 'Z')); // longer than the new contents
        const std::vector<std::string> entries = FolderEntries(game.Path);
        const FileHandle reader(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader);
        const auto press = [](HWND window) {
            EXPECT_EQ(Boxes([&] { Click(window, IDOK); }, {IDOK, IDNO}), std::vector<std::string>{});
        };
        DisplaySettingsDialog display(Context(), nullptr, game.Path);
        EXPECT_EQ(row.Start ? RunMainDialog(press, game.Path + "Skv.exe", game.Path)
                            : RunModally(display, press),
                  IDOK);
        EXPECT_EQ(row.Start ? Reported("startup.cfg") : Hex(FileContents(file)), Hex(row.Written));
        EXPECT_EQ(FolderEntries(game.Path), entries);
    }
}
