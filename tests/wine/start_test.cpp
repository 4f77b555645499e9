// "Start" in the real main dialog: what reaches the profile, "startup.cfg" and the game's command line, and
// what a game folder that refuses the files does to "Start" and to the display dialog's OK.
#include "harness.h"

#include "ui/launcher_dialog.h"

using namespace harness;

namespace {

// Each "@" in text replaced by the folder.
std::string At(std::string text, const std::string& folder) {
    for (size_t at; (at = text.find('@')) != std::string::npos;)
        text.replace(at, 1, folder);
    return text;
}

class Start : public ::testing::Test {
  protected:
    void SetUp() override {
        CleanRegistry();
        Use(game);
        SetEnvironmentVariableA("SKV_STANDIN_REPORT", report.c_str());
    }
    void Use(const GameFolderOnDisk& folder) {
        location = {folder.Path + "Skv.exe", folder.Path};
        DeleteFileA(report.c_str());
    }
    GameFolderOnDisk game{"start"};
    GameLocation location;
    const std::string report = "C:\\skv-tests\\report.txt";
};

TEST_F(Start, HandsTheOptionsToTheGameAndKeepsThem) {
    const struct {
        const char* Typed; // in order; spins take the text typed into their edit box
        uint32_t Level;
        const char* Params;
        const char* StartupCfg;
        const char* Stored; // what differs from the defaults in the profile
    } rows[] = {
        {"", NoLevelCommand, "", "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|", ""},
        {"Debug=1 LoadBots=1 LoadGrax=1 LoadVastor=1 LoadHurgrax=1 LoadZimmit=1 ShowFPS=1 WireFrame=3 "
         "VerboseText=1 "
         "Extrapolation=1 GodMode=1 TrackerVolume=0 TrackerSpeed=1,600 TimeScale=1 LeanScale=1000 SkyRed=0 "
         "SkyGreen=255 SkyBlue=7",
         32773, "-debug -lamrx -n Quent03",
         "EXPV 1|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 0.00|SKY_RED 0|SKY_GREEN "
         "255|SKY_BLUE 7|"
         "MOTIONTRACKERSPEED 16.00|LEANSCALE 10.00|TIMESCALE 0.01|WIREFRAMEMODE 3|SHOWFPS|DOPPLERSHIFT "
         "0|GOD|",
         "Debug=1 LoadBots=1 LoadGrax=1 LoadVastor=1 LoadHurgrax=1 LoadZimmit=1 ShowFPS=1 WireFrame=3 "
         "VerboseText=1 "
         "Extrapolation=1 GodMode=1 TrackerVolume=0 TrackerSpeed=1600 TimeScale=1 LeanScale=1000 SkyRed=0 "
         "SkyGreen=255 SkyBlue=7"},
        {"Debug=1 LoadBots=1 LoadTolmen=1 LoadHurok=1 LoadKolvane=1 ShowPolycount=1 WireFrame=1 Crouchmode=1 "
         "Dopplershift=1 AllWeapons=1 AddLight=1 TrackerVolume=7 TrackerSpeed=250 TimeScale=400 LeanScale=0",
         32808, "-debug -lcpt -n Orv-dm-coop",
         "EXPV 0|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 0.07|SKY_RED 50|SKY_GREEN "
         "50|SKY_BLUE 60|"
         "MOTIONTRACKERSPEED 2.50|LEANSCALE 0.00|TIMESCALE 4.00|WIREFRAMEMODE 1|SHOWPOLYCOUNT|DOPPLERSHIFT 1|"
         "GIVEALLWEAPONS|LIGHT|",
         "Debug=1 LoadBots=1 LoadTolmen=1 LoadHurok=1 LoadKolvane=1 ShowPolycount=1 WireFrame=1 Crouchmode=1 "
         "Dopplershift=1 AllWeapons=1 AddLight=1 TrackerVolume=7 TrackerSpeed=250 TimeScale=400 LeanScale=0"},
        // Edit boxes holding no number in range: stored with the error flag (65536 and up), written as 1.00.
        {"Debug=1 TrackerVolume=abc TrackerSpeed=1601 TimeScale= LeanScale=1001", NoLevelCommand, "-debug",
         "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|SKY_RED 50|SKY_GREEN "
         "50|SKY_BLUE 60|"
         "MOTIONTRACKERSPEED 1.00|LEANSCALE 1.00|TIMESCALE 1.00|WIREFRAMEMODE 0|DOPPLERSHIFT 0|",
         "Debug=1 TrackerVolume=65636 TrackerSpeed=65636 TimeScale=65636 LeanScale=65636"},
        // Debug off again: the debug-only choices are kept and stored, but the game is not told.
        {"Debug=1 LoadBots=1 LoadZimmit=1 GodMode=1 TrackerSpeed=0 TimeScale=401 Debug=0 TrackerVolume=101",
         32771, "-n Ossary", "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|",
         "LoadBots=1 LoadZimmit=1 GodMode=1 TrackerSpeed=0 TimeScale=65636 TrackerVolume=65636"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Typed);
        CleanRegistry();
        Use(game);
        LauncherDialog dialog(location);
        EXPECT_EQ(RunModally(dialog,
                             [&](HWND window) {
                                 Type(window, row.Typed);
                                 SendMessageA(window, WM_COMMAND, row.Level, 0); // as the level menu does
                                 Click(window, IDOK);
                             }),
                  IDOK);
        EXPECT_EQ(ReportLine(report, "params"), row.Params);
        EXPECT_EQ(ReportLine(report, "exe"), game.Path + "Skv.exe");
        EXPECT_EQ(ReportLine(report, "folder") + "\\", game.Path);
        EXPECT_EQ(FileContents(game.Path + "startup.cfg"), Lines(row.StartupCfg));
        ExpectStored(row.Stored);
    }
    EXPECT_EQ(FolderEntries(game.Path), (std::vector<std::string>{"Skv.exe", "startup.cfg"}));
}

// The game's own path is gone, but "Skv.exe" lies in the current folder: the bare name starts it, without
// a word.
TEST_F(Start, FallsBackToTheGameInTheCurrentFolder) {
    location.ExePath = game.Path + "Gone.exe";
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(game.Path.c_str());
    LauncherDialog dialog(location);
    EXPECT_EQ(RunModally(dialog, [](HWND window) { Click(window, IDOK); }), IDOK);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(ReportLine(report, "exe"), game.Path + "Skv.exe");
}

// "Display..." then OK on what it preselects; gives the message boxes OK showed, each answered with OK.
// A dialog whose OK failed is cancelled.
std::vector<std::string> DisplayOk(HWND dialog) {
    std::vector<std::string> shown;
    WhenOpen([](HWND window) { return GetDlgItem(window, SKV_ID_DEVICE_LIST) != nullptr; },
             [&](HWND display) {
                 shown = Boxes([&] { Click(display, IDOK); });
                 if (!shown.empty())
                     Click(display, IDCANCEL);
             });
    Click(dialog, SKV_ID_DISPLAY);
    return shown;
}

// A game folder that refuses the launcher's files: the user is told why, with the file's path, and asked
// whether to go on; the options are saved all the same, the previous files stay whole and nothing is left
// beside them. Yes goes on with the files the game has.
TEST_F(Start, RefusedByTheGameFolder) {
    if (RunUnix("[ $(id -u) -eq 0 ]") != 0)
        GTEST_SKIP() << "mounting a small drive for the game's folder needs root";
    const std::string previousCfg =
        Lines("EXPV 1|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 0.50|");
    const std::string previousVideo = std::string(16, 'Z') + Dword(1) + Dword(640) + Dword(480) + Dword(16);
    const char* const question =
        "ERROR: Failed to save configuration file.\nDo you want to continue anyway? (question: Yes/No)";
    const char* const cannotOpen = "ERROR: Failed to open configuration file for writing! (error: OK)";
    const struct {
        const char* Name;
        const char* Prepare; // a shell command on the drive "$F" that is the game's folder
        bool Vanishes;       // the folder goes while the dialog is open
        const char* StartError;
        const char* DisplayError;
        const char* GoingOn; // the box after Yes; none when the game starts
    } rows[] = {
        {"read-only", "mount -o remount,ro \"$F\"", false,
         "Access to @startup.cfg was denied. (exclamation: OK)", cannotOpen, nullptr},
        {"full", "dd if=/dev/zero of=\"$F/filler\" bs=4k 2>/dev/null; true", false,
         "Disk full while accessing @startup.cfg. (exclamation: OK)",
         "Disk full while accessing @Skv_Video.cfg. (exclamation: OK)", nullptr},
        {"vanished", "true", true, "@startup.cfg contains an invalid path. (exclamation: OK)", cannotOpen,
         "ERROR: Failed to start Skv.exe! (information: OK)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        CleanRegistry();
        GameFolderOnDisk folder(row.Name);
        const std::string drive = "F='" + UnixPath(folder.Path) + "'; ";
        ASSERT_EQ(RunUnix(drive + "mount -t tmpfs -o size=1m skv-drive \"$F\""), 0);
        ASSERT_TRUE(CopyFileA(StandinExe, (folder.Path + "Skv.exe").c_str(), FALSE));
        WriteContents(folder.Path + "startup.cfg", previousCfg);
        WriteContents(folder.Path + "Skv_Video.cfg", previousVideo);
        ASSERT_EQ(RunUnix(drive + row.Prepare), 0);
        const std::vector<std::string> entries = FolderEntries(folder.Path);
        Use(folder);

        std::vector<std::string> shown;
        LauncherDialog dialog(location);
        const INT_PTR result = RunModally(dialog, [&](HWND window) {
            Type(window, "Extrapolation=1");
            if (row.Vanishes)
                RunUnix(drive + "umount \"$F\" && rm -rf \"$F\"");
            shown = DisplayOk(window);
            AnswerBox(shown);
            AnswerBox(shown, IDNO);
            Click(window, IDOK);
            EXPECT_TRUE(IsWindowVisible(window)) << "No keeps the dialog open";
            ExpectStored("Extrapolation=1");
            EXPECT_EQ(FileContents(folder.Path + "startup.cfg"), row.Vanishes ? "<absent>" : previousCfg);
            EXPECT_EQ(FileContents(folder.Path + "Skv_Video.cfg"), row.Vanishes ? "<absent>" : previousVideo);
            EXPECT_EQ(FolderEntries(folder.Path), row.Vanishes ? std::vector<std::string>() : entries);
            AnswerBox(shown);
            AnswerBox(shown, IDYES);
            if (row.GoingOn)
                AnswerBox(shown);
            Click(window, IDOK);
        });
        std::vector<std::string> expected = {At(row.DisplayError, folder.Path),
                                             At(row.StartError, folder.Path), question,
                                             At(row.StartError, folder.Path), question};
        if (row.GoingOn)
            expected.push_back(row.GoingOn);
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(result, row.GoingOn ? IDABORT : IDOK) << "the dialog ends once the game has started";
        EXPECT_EQ(row.GoingOn ? FileContents(report) : ReportLine(report, "params"),
                  row.GoingOn ? "<absent>" : "");
    }
}

// A game folder whose "Skv_Video.cfg" path has the 259 characters Windows allows at most: the launcher's
// temporary files beside "startup.cfg" and "Skv_Video.cfg" fit too.
TEST_F(Start, WritesIntoAFolderAtThePathLimit) {
    GameFolderOnDisk folder(std::string(259 - 13 - 1 - 13, 'x'));
    ASSERT_EQ((folder.Path + "Skv_Video.cfg").size(), 259u);
    Use(folder);
    LauncherDialog dialog(location);
    EXPECT_EQ(RunModally(dialog,
                         [&](HWND window) {
                             EXPECT_EQ(DisplayOk(window), std::vector<std::string>());
                             Click(window, IDOK);
                         }),
              IDOK);
    EXPECT_EQ(FileContents(folder.Path + "startup.cfg").size(), 72u);
    EXPECT_EQ(FileContents(folder.Path + "Skv_Video.cfg").substr(0, 20), std::string(20, '\0'));
    EXPECT_EQ(FolderEntries(folder.Path),
              (std::vector<std::string>{"Skv.exe", "Skv_Video.cfg", "startup.cfg"}));
}

} // namespace
