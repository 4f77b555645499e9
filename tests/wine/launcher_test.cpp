// The real SkvLauncher.exe, started as a player starts it and driven from outside: finding the game, the
// first start, "Close" and a restart, "Start" handing over to the game, and a start that cannot go on.
#include "harness.h"

using namespace harness;

namespace {

// An installer's entry as text ("-" when absent); a value not stored as REG_SZ with its zero shows as such.
std::string Entry(const char* key, const char* name) {
    const std::string value = GetValue(HKEY_LOCAL_MACHINE, key, name);
    return value == "<absent>" ? "-"
           : value.substr(0, 2) == "1:" && value.back() == '\0' /* REG_SZ */
               ? value.substr(2, value.size() - 3)
               : "<not a string with its zero: " + value + ">";
}

// The ways to the game, in the order the launcher tries them, and what it writes to the installer's
// entries afterwards: only when the game had to be found another way.
TEST(Launcher, FindsTheGame) {
    GameFolderOnDisk installed("installed"), beside("beside"), chosen("chosen"), without("without");
    DeleteFileA((without.Path + "Skv.exe").c_str());
    CreateDirectoryA((without.Path + "Skv.exe").c_str(), nullptr); // a folder of the game's name is no game
    CopyFileA(StandinExe, (chosen.Path + "Game.exe").c_str(), FALSE);
    CopyFileA(LauncherExe, (beside.Path + "SkvLauncher.exe").c_str(), FALSE);
    const std::string report = "C:\\skv-tests\\report.txt", I = installed.Path, B = beside.Path,
                      C = chosen.Path, W = without.Path.substr(0, without.Path.size() - 1);
    SetEnvironmentVariableA("SKV_STANDIN_REPORT", report.c_str());
    const struct {
        std::string GamePath, AppPath; // the installer's entries; "-" for none
        std::string Exe;               // the launcher started
        std::string Chosen;            // typed into the "Open" dialog after the not-found message; "" cancels
        std::string Started;           // the game's path; "" when the launcher ends without its dialog
        std::string EntriesAfter;      // Path | App Paths' Path | App Paths' default value
    } rows[] = {
        {I.substr(0, I.size() - 1), "-", LauncherExe, "", I + "Skv.exe",
         I.substr(0, I.size() - 1) + " | - | -"},
        {I, "-", LauncherExe, "", I + "Skv.exe", I + " | - | -"},
        {"", I, LauncherExe, "", I + "Skv.exe", " | " + I + " | -"},
        {W, I, B + "SkvLauncher.exe", "", B + "Skv.exe",
         B.substr(0, B.size() - 1) + " | " + B.substr(0, B.size() - 1) + " | " + B + "Skv.exe"},
        {"-", "-", LauncherExe, C + "Game.exe", C + "Game.exe",
         C.substr(0, C.size() - 1) + " | " + C.substr(0, C.size() - 1) + " | " + C + "Game.exe"},
        {W, "-", LauncherExe, "", "", W + " | - | -"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.GamePath + " | " + row.AppPath + " | " + row.Exe);
        CleanRegistry();
        DeleteFileA(report.c_str());
        if (row.GamePath != "-")
            SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", row.GamePath);
        if (row.AppPath != "-")
            SetString(HKEY_LOCAL_MACHINE, AppPathsKey, "Path", row.AppPath);
        Launcher launcher(row.Exe);
        if (row.Started.empty() || !row.Chosen.empty()) {
            PostMessageA(launcher.Window(0xFFFF,
                                         "ERROR: Cannot find Skarnvale on your computer.\nPlease locate the "
                                         "file 'SKV.EXE' in the following Dialog."),
                         WM_COMMAND, IDOK, 0);
            launcher.Choose(row.Chosen);
        }
        if (row.Started.empty()) {
            EXPECT_EQ(launcher.ExitCode(), 0u);
            EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, ProfileKey), -1);
        } else {
            HWND dialog = launcher.Window(IDOK, "Start");
            EXPECT_EQ(launcher.Windows(), std::vector<HWND>{dialog}) << "no message beside the dialog";
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            EXPECT_EQ(launcher.ExitCode(), 0u);
            EXPECT_EQ(ReportLine(report, "exe"), row.Started);
            EXPECT_EQ(ReportLine(report, "folder"), row.Started.substr(0, row.Started.rfind('\\')));
        }
        EXPECT_EQ(Entry(GameKey, "Path") + " | " + Entry(AppPathsKey, "Path") + " | " +
                      Entry(AppPathsKey, nullptr),
                  row.EntriesAfter);
    }
}

// A first start shows the defaults and makes the empty profile key; "Close" (here the close box) keeps
// what the user changed, a restart shows it again, and "Start" hands it to the game and ends the launcher.
TEST(Launcher, FirstStartCloseRestartAndStart) {
    CleanRegistry();
    GameFolderOnDisk game("first");
    SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", game.Path);
    const std::string report = game.Path + "report.txt";
    SetEnvironmentVariableA("SKV_STANDIN_REPORT", report.c_str());
    const std::string changed =
        "Debug=1 LoadBots=1 LoadTolmen=1 LoadKolvane=1 LoadHurok=1 LoadZimmit=1 ShowFPS=1 "
        "WireFrame=2 VerboseText=1 Dopplershift=1 AllWeapons=1 TrackerVolume=42 "
        "TrackerSpeed=1600 TimeScale=400 LeanScale=0 SkyRed=1 SkyGreen=254 SkyBlue=128";
    {
        Launcher first(LauncherExe, "-debug -n Ossary"); // arguments are ignored
        HWND dialog = first.Window(IDOK, "Start");
        EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, ProfileKey), 0);
        ExpectShown(dialog, "");
        std::string shown;
        for (int id : {SKV_ID_VOLUME_EDIT, SKV_ID_SPEED_EDIT, SKV_ID_TIME_EDIT, SKV_ID_LEAN_EDIT})
            shown += Text(dialog, id) + " ";
        for (int item = 0; item < 4; ++item) {
            wchar_t text[32] = {}; // ANSI text from another process's list comes back in the wrong width
            SendDlgItemMessageW(dialog, SKV_ID_WIREFRAME, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
            shown += std::string(text, text + wcslen(text)) + "|";
        }
        EXPECT_EQ(shown, "100 100 100 100 Full textures|Only objects|Only environment|No textures|");
        Type(dialog, changed);
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(first.ExitCode(), 0u);
    }
    ExpectStored(changed);
    Launcher again;
    HWND dialog = again.Window(IDOK, "Start");
    ExpectShown(dialog, changed);
    EXPECT_EQ(Text(dialog, SKV_ID_SPEED_EDIT), "1,600");
    PostMessageA(dialog, WM_COMMAND, 32803, 0); // "Culvara" under "Deathmatch"
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(again.ExitCode(), 0u);
    EXPECT_EQ(ReportLine(report, "params"), "-debug -lcptx -n Orv-dm");
    EXPECT_EQ(ReportLine(report, "folder") + "\\", game.Path);
    EXPECT_EQ(FileContents(game.Path + "startup.cfg").substr(0, 8), "EXPV 1\r\n");
}

// A launcher whose window cannot open (here: started with no display to open it on) ends with a failure
// status, rather than as if all went well.
TEST(Launcher, WithoutItsWindowEndsWithAFailure) {
    CleanRegistry();
    GameFolderOnDisk game("no-window");
    SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", game.Path);
    EXPECT_EQ(RunUnix("DISPLAY=:4711 wine '" + UnixPath(LauncherExe) + "' >/dev/null 2>&1"), 1);
}

} // namespace
