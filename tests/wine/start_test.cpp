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
        {3, "3 15 17 34 52 53 55 67 70 85 111 123 124 125 144 154 161 206 208 267", "@ contains an invalid path."},
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
            EXPECT_EQ(int(CauseOfSystemError(error)), row.Cause) << "Windows error " << error;
        EXPECT_EQ(Boxes([&] { ReportFileError(Context(), FileErrorCause(row.Cause), name); }),
                  Texts{Replaced(row.Message, '@', name) + " (exclamation: OK)"});
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
        RunMainDialog(game.Path, [&](HWND window) {
            Type(window, row.Typed);
            SendMessageA(window, WM_COMMAND, row.Level, 0);
            Click(window, IDOK);
        });
        EXPECT_EQ(Reported("params startup.cfg"),
                  row.Params + std::string(" | ") + Hex(Lines(row.StartupCfg)));
        ExpectStored(row.Stored ? row.Stored : row.Typed);
    }
}

// A game folder that refuses the launcher's files, as players meet it: on a drive of its own (mounting one
// needs the Unix side and root) that is read-only or full; gone once the game has been found; or with both
// files held by another program that writes them and lets others only read. Drive: what is done to the
// drive "$F" of its own. The messages of "Start" and of the display dialog's OK; "@" for the folder.
struct Refusal {
    const char *Name, *Drive, *StartError, *DisplayError;
    bool Gone() const { return Name == std::string("vanished"); }
};
const char* const CannotOpen = "ERROR: Failed to open configuration file for writing! (error: OK)";
// clang-format off
const Refusal Refusals[] = {
    {"read-only", "mount -o remount,ro \"$F\"", "Access to @startup.cfg was denied. (exclamation: OK)", CannotOpen},
    {"full", "dd if=/dev/zero of=\"$F/filler\" bs=4k 2>/dev/null; true",
     "Disk full while accessing @startup.cfg. (exclamation: OK)",
     "Disk full while accessing @Skv_Video.cfg. (exclamation: OK)"},
    {"vanished", nullptr, "@startup.cfg contains an invalid path. (exclamation: OK)", CannotOpen},
    {"held", nullptr, "A sharing violation occurred while accessing @startup.cfg. (exclamation: OK)", CannotOpen},
};
// clang-format on
const std::string PreviousCfg = Lines("EXPV 1|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 0.50|"),
                  PreviousVideo = std::string(16, 'Z') + Dword(1) + Dword(640) + Dword(480) + Dword(16),
                  Question = "ERROR: Failed to save configuration file.\nDo you want to continue anyway? "
                             "(question: Yes/No)";

// The game's folder of a refusal, holding the game and the previous files, and refusing them from now on.
struct RefusingFolder : GameFolderOnDisk {
    explicit RefusingFolder(const Refusal& refusal) : GameFolderOnDisk(refusal.Name), Mounted(refusal.Drive) {
        const auto drive = [&](const std::string& command) { // "$F": the drive of the folder's own
            EXPECT_EQ(RunUnix("F='" + UnixPath(Path) + "'; " + command), 0) << command;
        };
        if (Mounted) // any drive left there by a test program that was killed goes first
            drive("while umount \"$F\" 2>/dev/null; do :; done; mount -t tmpfs -o size=1m skv-drive \"$F\"");
        CopyFileA(StandinExe, (Path + "Skv.exe").c_str(), FALSE); // on the drive too
        WriteContents(Path + "startup.cfg", PreviousCfg);
        WriteContents(Path + "Skv_Video.cfg", PreviousVideo);
        for (const char* file : {"startup.cfg", "Skv_Video.cfg"})
            if (refusal.Name == std::string("held"))
                Held.emplace_back(CreateFileA((Path + file).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
        if (Mounted)
            drive(refusal.Drive);
        if (refusal.Gone())
            std::filesystem::remove_all(std::filesystem::u8path(Path));
        Entries = FolderEntries(Path);
    }
    ~RefusingFolder() {
        if (Mounted)
            RunUnix("umount -l '" + UnixPath(Path) + "'");
    }
    const bool Mounted;
    std::vector<std::string> Entries; // what the folder holds before the launcher tries
    std::vector<FileHandle> Held;
};

// Runs `test` in the folder of every refusal; those on a drive of their own are skipped without the Unix
// side or root.
static void ForEachRefusal(const std::function<void(const Refusal&, RefusingFolder&)>& test) {
    const bool mountable = UnixSideAtHand() && RunUnix("[ $(id -u) -eq 0 ]") == 0;
    for (const Refusal& refusal : Refusals) {
        SCOPED_TRACE(refusal.Name);
        CleanSlate();
        if (refusal.Drive && !mountable)
            continue;
        RefusingFolder folder(refusal);
        test(refusal, folder);
    }
    if (!mountable)
        GTEST_SKIP() << "the rows on a drive of a folder's own need the Unix side and root to mount it";
}

// No to going on keeps the dialog open with the options saved, and nothing left beside the previous file.
// (That the refused write leaves the previous file whole shows where Yes starts the game with it.)
TEST(RefusedFiles, NoKeepsTheDialogAndTheOptionsAndLeavesNothingBeside) {
    ForEachRefusal([](const Refusal&, RefusingFolder& folder) {
        RunMainDialog(folder.Path, [&](HWND window) {
            Type(window, "Extrapolation=1");
            Boxes([&] { Click(window, IDOK); }, {IDOK, IDNO});
            EXPECT_TRUE(IsWindowVisible(window));
        });
        ExpectStored("Extrapolation=1");
        EXPECT_EQ(FolderEntries(folder.Path), folder.Entries);
    });
}

// "Start" tells why the folder refuses "startup.cfg", naming it, and asks whether to go on. Yes goes on: the
// game starts with the file it has, or, where its folder has gone, nothing starts and the player is told.
TEST(RefusedFiles, YesStartsTheGameWithTheFileItHas) {
    ForEachRefusal([](const Refusal& refusal, RefusingFolder& folder) {
        Texts expected = {Replaced(refusal.StartError, '@', folder.Path), Question};
        if (refusal.Gone())
            expected.push_back("ERROR: Failed to start Skv.exe! (information: OK)");
        RunMainDialog(folder.Path, [&](HWND window) {
            EXPECT_EQ(Boxes([&] { Click(window, IDOK); }, {IDOK, IDYES}), expected);
        });
        EXPECT_EQ(refusal.Gone() ? FileContents(ReportFile) : Reported("startup.cfg"),
                  refusal.Gone() ? "<absent>" : Hex(PreviousCfg));
    });
}

// The display dialog's OK tells why the file cannot be written and stays open; the previous file stays whole.
TEST(RefusedFiles, DisplayOkSaysWhyAndStaysOpen) {
    ForEachRefusal([](const Refusal& refusal, RefusingFolder& folder) {
        DisplaySettingsDialog display(Context(), nullptr, folder.Path);
        Texts shown;
        EXPECT_EQ(RunModally(display, [&](HWND window) { shown = Boxes([&] { Click(window, IDOK); }); }),
                  IDABORT);
        EXPECT_EQ(shown, Texts{Replaced(refusal.DisplayError, '@', folder.Path)});
        EXPECT_EQ(FileContents(folder.Path + "Skv_Video.cfg"), refusal.Gone() ? "<absent>" : PreviousVideo);
    });
}

// A game folder whose path leaves just room for the launcher's files takes them: the temporary files beside
// them fit too.
TEST(Start, FolderAtThePathLimitTakesBothFiles) {
    CleanSlate();
    GameFolderOnDisk folder(std::string(259 - 13 - 1 - 13, 'x'));
    DisplaySettingsDialog display(Context(), nullptr, folder.Path);
    EXPECT_EQ(RunModally(display, [](HWND window) { Click(window, IDOK); }), IDOK);
    EXPECT_EQ(FileContents(folder.Path + "Skv_Video.cfg").substr(0, 20), std::string(20, '\0'));
    RunMainDialog(folder.Path, [](HWND window) { Click(window, IDOK); });
    EXPECT_EQ(Reported("startup.cfg"),
              Hex(Lines("EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|")));
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
        const FileHandle reader(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader);
        const auto press = [](HWND window) { Click(window, IDOK); }; // a message fails the test
        DisplaySettingsDialog display(Context(), nullptr, game.Path);
        EXPECT_EQ(row.Start ? RunMainDialog(game.Path, press) : RunModally(display, press), IDOK);
        EXPECT_EQ(row.Start ? Reported("startup.cfg") : Hex(FileContents(file)), Hex(row.Written));
        EXPECT_EQ(FolderEntries(game.Path), (Texts{"Skv.exe", row.File}));
    }
}
