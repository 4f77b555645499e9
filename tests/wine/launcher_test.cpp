// The real SkvLauncher.exe, started as a player starts it and driven from outside: finding and moving the
// game, the first start and "Start" handing over to the game, a second launcher, the file's details, and a
// launcher without its window.
#include "harness.h"

#include <sstream>

using namespace harness;

// An installer's entry as text ("-" when absent), "(expandable) " before a REG_EXPAND_SZ one; a value not
// stored as such a string with its zero shows as such.
static std::string Entry(const char* key, const char* name) {
    const std::string value = GetValue(HKEY_LOCAL_MACHINE, key, name);
    const bool expandable = value.substr(0, 2) == "2:";
    return value == "<absent>" ? "-"
           : (value.substr(0, 2) == "1:" || expandable) && value.back() == '\0'
               ? (expandable ? "(expandable) " : "") + value.substr(2, value.size() - 3)
               : "<not a string with its zero: " + value + ">";
}

// The installer's entries: Path | App Paths' Path | App Paths' default value.
static std::string Entries() {
    return Entry(GameKey, "Path") + " | " + Entry(AppPathsKey, "Path") + " | " + Entry(AppPathsKey, nullptr);
}

// A session of the real launcher from its first start: the ways to the game, in the order the launcher tries
// them (an entry whose name was lost is passed by, one in the long form or to be expanded is used), and
// "Location...", with the question naming the current folder and the "Open" dialog, which the main dialog
// waits for; then the options the player sets and "Start", which hands them to the game, started from its
// folder with its start-up file there, and keeps them. The installer's entries are written only when the
// game had to be found another way, and for a game chosen through "Location..."; No and Cancel change
// nothing. When the chosen file is gone by "Start", the bare name "Skv.exe" starts the game found in the
// current folder, which is the chosen one, with the same command line. An edit box holding no number in
// range is kept with the error flag (65536 and up) and written as 1.00; choices that need debug mode are
// kept while it is off, but the game is not told. (A game found through the first entry is the way of every
// game folder named in another language; that a kept choice is shown again, whatever the profile holds, and
// that "Close" keeps it, is the main dialog's test.)
TEST(Launcher, FindsAndMovesTheGameAndHandsItTheOptions) {
    GameFolderOnDisk beside("beside"), without("without"), old("old"), moved("moved");
    DeleteFileA((without.Path + "Skv.exe").c_str());
    CreateDirectoryA((without.Path + "Skv.exe").c_str(), nullptr); // a folder of the game's name is no game
    CopyFileA(LauncherExe, (beside.Path + "SkvLauncher.exe").c_str(), FALSE);
    const std::string report = "C:\\skv-tests\\report.txt", B = beside.Path, O = old.Path, M = moved.Path,
                      o = O.substr(0, O.size() - 1), W = without.Path.substr(0, without.Path.size() - 1);
    const auto written = [](const std::string& exe) { // the three entries for a game found another way
        const std::string folder = exe.substr(0, exe.rfind('\\'));
        return folder + " | " + folder + " | " + exe;
    };
    SetEnvironmentVariableA("SKV_STANDIN_REPORT", report.c_str());
    // A second launcher, started while `window` of the first is minimised and a window of another program is
    // in front, restores it, brings `front` (it or a window open in front of it) to the front and ends.
    const auto second = [](HWND window, HWND front) {
        ShowWindow(window, SW_MINIMIZE);
        HWND other = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, 0, 0, 0, 0);
        SetForegroundWindow(other);
        Launcher another;
        EXPECT_EQ(another.ExitCode(), 0u);
        EXPECT_FALSE(IsIconic(window));
        EXPECT_EQ(GetForegroundWindow(), front);
        DestroyWindow(other);
    };
    const struct {
        const char* Case;
        std::string GamePath, AppPath; // the installer's entries, "-" for none; with "%" stored as REG_EXPAND_SZ
        std::string Exe;               // the launcher started
        int Answer;                    // to "Location...", when it is pressed
        std::string Chosen;            // typed into the "Open" dialog; "" cancels
        std::string Started;           // the game's path; "" when the launcher ends without its dialog
        std::string EntriesAfter;      // Path | App Paths' Path | App Paths' default value
        const char* Typed = "";        // in order; spins take the text typed into their edit box
        const char* Stored = nullptr;  // what differs from the defaults; nullptr: as typed
        uint32_t Level = 32773;        // "Level 3 - Velmaro"
        const char* Params = "-n Quent03";
        const char* StartupCfg = "EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|";
        bool SecondLauncher = false; // started at the "Open" dialog and with the About box open
    } rows[] = {
        // clang-format off
        {"the second entry", "", O, LauncherExe, 0, "", O + "Skv.exe", " | " + O + " | -", "Debug=1 "
         "LoadBots=1 LoadGrax=1 LoadVastor=1 LoadHurgrax=1 LoadZimmit=1 ShowFPS=1 WireFrame=3 VerboseText=1 "
         "Extrapolation=1 GodMode=1 TrackerVolume=0 TrackerSpeed=1600 TimeScale=1 LeanScale=1000 SkyRed=0 "
         "SkyGreen=255 SkyBlue=7", nullptr, 32773, "-debug -lamrx -n Quent03", "EXPV 1|CROUCHMODE 0|"
         "EXTRAPOLATE_MOVEMENT 1|MOTIONTRACKERVOLUME 0.00|SKY_RED 0|SKY_GREEN 255|SKY_BLUE 7|"
         "MOTIONTRACKERSPEED 16.00|LEANSCALE 10.00|TIMESCALE 0.01|WIREFRAMEMODE 3|SHOWFPS|DOPPLERSHIFT 0|GOD|"
         ""},
        {"beside the launcher", W, O, B + "SkvLauncher.exe", 0, "", B + "Skv.exe", written(B + "Skv.exe"),
         "Debug=1 LoadBots=1 LoadTolmen=1 LoadHurok=1 LoadKolvane=1 ShowPolycount=1 WireFrame=1 Crouchmode=1 "
         "Dopplershift=1 AllWeapons=1 AddLight=1 TrackerVolume=7 TrackerSpeed=250 TimeScale=400 LeanScale=0",
         nullptr, 32808, "-debug -lcpt -n Orv-dm-coop", "EXPV 0|CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 0|"
         "MOTIONTRACKERVOLUME 0.07|SKY_RED 50|SKY_GREEN 50|SKY_BLUE 60|MOTIONTRACKERSPEED 2.50|"
         "LEANSCALE 0.00|TIMESCALE 4.00|WIREFRAMEMODE 1|SHOWPOLYCOUNT|DOPPLERSHIFT 1|GIVEALLWEAPONS|LIGHT|"},
        {"chosen, a second launcher meanwhile", "-", "-", LauncherExe, 0, M + "Game.exe", M + "Game.exe",
         written(M + "Game.exe"), "Crouchmode=1 TrackerVolume=50", nullptr, 32773, "-n Quent03", "EXPV 0|"
         "CROUCHMODE 1|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 0.50|", true},
        {"not chosen", W, "-", LauncherExe, 0, "", "", W + " | - | -"},
        {"moved", o, "-", LauncherExe, IDYES, M + "Skv.exe", M + "Skv.exe", written(M + "Skv.exe")},
        {"moved, gone by Start", O, "-", LauncherExe, IDYES, M + "Game.exe", M + "Skv.exe",
         written(M + "Game.exe")},
        {"not moved: No", O, "-", LauncherExe, IDNO, "", O + "Skv.exe", O + " | - | -", "Debug=1 LoadBots=1 "
         "LoadZimmit=1 GodMode=1 TrackerVolume=abc TrackerSpeed=1601 TimeScale= LeanScale=-1 Debug=0",
         "LoadBots=1 LoadZimmit=1 GodMode=1 TrackerVolume=65636 TrackerSpeed=65636 TimeScale=65636 "
         "LeanScale=65636", SKV_CMD_NO_LEVEL, ""},
        {"not moved: Open cancelled; the first entry expanded", "%SystemDrive%\\skv-tests\\old", "-", LauncherExe,
         IDYES, "", O + "Skv.exe", "(expandable) %SystemDrive%\\skv-tests\\old | - | -"},
        {"a lost name, then the second entry in its long form", "C:\\skv-tests\\??", "\\\\?\\" + o, LauncherExe, 0,
         "", O + "Skv.exe", "C:\\skv-tests\\?? | \\\\?\\" + o + " | -"},
        {"a lost name, the game beside the launcher", "C:\\skv-tests\\??", "-", B + "SkvLauncher.exe", 0, "",
         B + "Skv.exe", written(B + "Skv.exe")},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        CleanRegistry();
        DeleteFileA(report.c_str());
        for (const std::string& folder : {B, O, M})
            DeleteFileA((folder + "startup.cfg").c_str());
        CopyFileA(StandinExe, (M + "Game.exe").c_str(), FALSE);
        if (row.GamePath != "-")
            SetValue(HKEY_LOCAL_MACHINE, GameKey, "Path",
                     row.GamePath.find('%') != std::string::npos ? REG_EXPAND_SZ : REG_SZ, row.GamePath + '\0');
        if (row.AppPath != "-")
            SetString(HKEY_LOCAL_MACHINE, AppPathsKey, "Path", row.AppPath);
        Launcher launcher(row.Exe, "-debug -n Ossary"); // arguments are ignored
        if (!row.Answer && (row.Started.empty() || !row.Chosen.empty())) {
            HWND box = launcher.Window(0xFFFF, "ERROR: Cannot find Skarnvale on your computer.\nPlease locate "
                                               "the file 'SKV.EXE' in the following Dialog.");
            if (row.SecondLauncher)
                second(box, box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            launcher.Choose(row.Chosen);
        }
        if (row.Started.empty()) {
            EXPECT_EQ(launcher.ExitCode(), 0u);
            EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, ProfileKey), -1);
            EXPECT_EQ(Entries(), row.EntriesAfter);
            continue;
        }
        HWND dialog = launcher.Window(IDOK, "Start");
        EXPECT_EQ(launcher.Windows(), std::vector<HWND>{dialog}) << "no message beside the dialog";
        EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, ProfileKey), 0)
            << "a first start makes the empty profile key";
        ExpectShown(dialog, "");
        std::string items; // in UTF-16, as another process's
        for (wchar_t item = 0, text[32];
             item < 4 && SendDlgItemMessageW(dialog, SKV_ID_WIREFRAME, CB_GETLBTEXT, item, LPARAM(text)) > 0;
             ++item)
            items += "|" + std::string(text, text + wcslen(text));
        EXPECT_EQ(items, "|Full textures|Only objects|Only environment|No textures");
        Type(dialog, row.Typed);
        if (row.SecondLauncher) { // with the About box open
            PostMessageA(dialog, WM_COMMAND, SKV_ID_ABOUT, 0);
            HWND about = launcher.Window(SKV_ID_ABOUT_LINK, "http://www.harbeck-games.example/");
            second(dialog, about);
            PostMessageA(about, WM_COMMAND, IDOK, 0);
        }
        if (row.Answer) {
            PostMessageA(dialog, WM_COMMAND, SKV_ID_LOCATION, 0);
            PostMessageA(launcher.Window(0xFFFF, "The Current Path is: " + O + "\nDo you want to change it?"),
                         WM_COMMAND, row.Answer, 0); // Yes/No and the question icon: the main dialog's test
            if (row.Answer == IDYES) {
                launcher.OpenDialog();
                EXPECT_FALSE(IsWindowEnabled(dialog)) << "the main dialog waits for the \"Open\" dialog";
                launcher.Choose(row.Chosen);
            }
            // The entries are written once the "Open" dialog has gone.
            EXPECT_TRUE(WaitUntil([&] { return launcher.Windows() == std::vector<HWND>{dialog}; }));
            WaitUntil([&] { return Entries() == row.EntriesAfter; });
        }
        EXPECT_EQ(Entries(), row.EntriesAfter);
        if (row.Started != row.Chosen)
            DeleteFileA((M + "Game.exe").c_str());
        PostMessageA(dialog, WM_COMMAND, row.Level, 0); // as the level menu does
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(launcher.ExitCode(), 0u);
        const std::string folder = row.Started.substr(0, row.Started.rfind('\\'));
        std::string args; // the words of the command line, as the stand-in reports them
        std::istringstream words(row.Params);
        for (std::string word; words >> word;)
            args += "\narg=" + word;
        EXPECT_EQ(Report(report), "SKV-STANDIN-REPORT 1\nexe=" + row.Started + "\nfolder=" + folder +
                                      "\nparams=" + row.Params + args + "\nstartup.cfg=" +
                                      Hex(Lines(row.StartupCfg)) + "\nSkv_Video.cfg=absent\n");
        for (const std::string& other : {B, O, M})
            EXPECT_EQ(FileContents(other + "startup.cfg") != "<absent>", other == folder + "\\") << other;
        ExpectStored(row.Stored ? row.Stored : row.Typed);
    }
}

// What Windows shows among SkvLauncher.exe's details, in their language as Windows picks it: description,
// versions (the file's in numbers too), the maker and copyright line of the About box, the file's name.
TEST(Launcher, DetailsOfTheFile) {
    DWORD unused = 0;
    std::string info(GetFileVersionInfoSizeA(LauncherExe, &unused), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(LauncherExe, 0, DWORD(info.size()), info.data()));
    const auto query = [&](const std::string& path) {
        WORD* found = nullptr;
        UINT size = 0;
        return VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&found), &size) ? found : nullptr;
    };
    const WORD* language = query("\\VarFileInfo\\Translation"); // language, code page
    const WORD* fixed = query("\\"); // two DWORDs, then the file version's high and low DWORD
    ASSERT_TRUE(language && fixed);
    char text[40];
    snprintf(text, sizeof text, "%u.%u.%u.%u", fixed[5], fixed[4], fixed[7], fixed[6]);
    EXPECT_STREQ(text, "0.2.0.0") << "the file version in numbers";
    snprintf(text, sizeof text, "\\StringFileInfo\\%04x%04x\\", language[0], language[1]);
    const std::pair<const char*, const char*> rows[] = {
        {"FileDescription", "Skarnvale Launcher"}, {"ProductVersion", "BETA 2"}, {"FileVersion", "0.2.0.0"},
        {"CompanyName", "Harbeck Interactive"},    {"LegalCopyright", "Copyright (C) 2026 Harbeck Interactive"},
        {"OriginalFilename", "SkvLauncher.exe"},
    };
    for (const auto& [name, shown] : rows)
        EXPECT_STREQ(reinterpret_cast<const char*>(query(text + std::string(name))), shown) << name;
}

// A launcher whose window cannot open (here: started with no display to open it on) ends with a failure
// status, rather than as if all went well.
TEST(Launcher, WithoutItsWindowEndsWithAFailure) {
    CleanRegistry();
    GameFolderOnDisk game("no-window");
    SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", game.Path);
    EXPECT_EQ(RunUnix("DISPLAY=:4711 wine '" + UnixPath(LauncherExe) + "' >/dev/null 2>&1"), 1);
}
