// The real SkvLauncher.exe, started as a player starts it and driven from outside: finding the game,
// "Location...", a second launcher, the file's details, and a launcher without its window.
// (What "Start" hands the game of the options set in the main dialog is Start's test.)
#include "harness.h"

#include <shlwapi.h>

#include <thread>

using namespace harness;

const char* const NotFound = "ERROR: Cannot find Skarnvale on your computer.\nPlease locate the file "
                             "'SKV.EXE' in the following Dialog.";

// An installer's entry as "type:text" ("1:" for REG_SZ, "2:" for REG_EXPAND_SZ), "-" when absent; a text
// stored without its zero says so.
static std::string Entry(const char* key, const char* name) {
    const std::string value = GetValue(HKEY_LOCAL_MACHINE, key, name);
    return value == "<absent>" ? "-"
           : value.back() == 0 ? value.substr(0, value.size() - 1)
                               : value + " (no zero)";
}

// The installer's entries: Path | App Paths' Path | App Paths' default value.
static std::string Entries() {
    return Entry(GameKey, "Path") + " | " + Entry(AppPathsKey, "Path") + " | " + Entry(AppPathsKey, nullptr);
}

// A machine as the launcher finds it: the installer's entries (with "%": REG_EXPAND_SZ), the launcher
// started, and a folder put first on the search path. "@" stands for C:\skv-tests\, where the game folders
// lie.
// clang-format off
struct Machine { const char *GamePath, *AppPath, *Launcher, *OnPath; };
// clang-format on

class TheLauncher : public ::testing::Test {
  protected:
    void SetUp() override { CleanSlate(); }
    // "Start" pressed in the main dialog: the game it started, "path | working folder | parameters".
    static std::string StartedGame(Launcher& launcher) {
        PostMessageA(launcher.Window(IDOK, "Start"), WM_COMMAND, IDOK, 0);
        EXPECT_EQ(launcher.ExitCode(), 0u);
        return Reported("exe folder params");
    }
};

// The real launcher on a machine set up as each row says, with game folders "old", "beside" and "on-path".
class FindingTheGame : public TheLauncher {
  protected:
    static std::string At(const char* text) { return Replaced(text, '@', "C:\\skv-tests\\"); }
    // The launcher started on `machine` with arguments of its own, which finds the game without a word, and
    // its "Start": the game started.
    std::string StartOn(const Machine& machine) {
        SetUp();
        SetValue(HKEY_LOCAL_MACHINE, GameKey, "Path", strchr(machine.GamePath, '%') ? REG_EXPAND_SZ : REG_SZ,
                 At(machine.GamePath) + '\0');
        if (machine.AppPath)
            SetString(HKEY_LOCAL_MACHINE, AppPathsKey, "Path", At(machine.AppPath));
        const std::string searchPath = Variable("PATH");
        SetEnvironmentVariableA("PATH",
                                ((machine.OnPath ? At(machine.OnPath) + ";" : "") + searchPath).c_str());
        Launcher launcher(At(machine.Launcher), "-debug -n Ossary");
        SetEnvironmentVariableA("PATH", searchPath.c_str());
        return StartedGame(launcher); // a message before the main dialog would keep "Start" from it
    }
    GameFolderOnDisk old{"old"}, beside{"beside"}, onPath{"on-path"};
    FindingTheGame() { CopyFileA(LauncherExe, (beside.Path + "SkvLauncher.exe").c_str(), FALSE); }
};

// The ways to the game, in the order the launcher tries them: the installer's first entry (one to be
// expanded; one whose name this Windows lost is passed by), else the second (in the long form too), else the
// launcher's own folder, else the search path. "Start" starts the game found in its folder, without the
// launcher's own arguments. (Else the player chooses the game, after a message: the native GameLocation
// tests and EndsWhenTheGameIsNotChosen.)
TEST_F(FindingTheGame, EachWayInOrder) {
    GameFolderOnDisk without("without");
    DeleteFileA((without.Path + "Skv.exe").c_str());
    CreateDirectoryA((without.Path + "Skv.exe").c_str(), nullptr); // a folder of the game's name is no game
    // clang-format off
    const struct { const char* Case; Machine On; const char* Started; } rows[] = {
        {"the first entry, expanded", {"%SystemDrive%\\skv-tests\\old", nullptr, LauncherExe, nullptr}, "@old\\Skv.exe | @old | "},
        {"a lost name passed by, the second entry in the long form", {"@??", "\\\\?\\@old", LauncherExe, nullptr}, "@old\\Skv.exe | @old | "},
        {"the first entry's folder without the game, the second not asked", {"@without", "@old", "@beside\\SkvLauncher.exe", nullptr}, "@beside\\Skv.exe | @beside | "},
        {"a lost name passed by, the game beside the launcher", {"@??", nullptr, "@beside\\SkvLauncher.exe", nullptr}, "@beside\\Skv.exe | @beside | "},
        {"a lost name passed by, the game on the search path", {"@??", nullptr, LauncherExe, "@on-path"}, "@on-path\\Skv.exe | @on-path | "},
    };
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(StartOn(row.On), At(row.Started)) << row.Case;
}

// The installer's entries, Path | App Paths' Path | App Paths' default value, are written (as REG_SZ) only
// for a game found beside the launcher or on the search path, so that the next start finds it at once.
TEST_F(FindingTheGame, WritesTheEntriesOfAGameFoundElsewhere) {
    // clang-format off
    const struct { const char* Case; Machine On; const char* Entries; } rows[] = {
        {"found through an entry", {"%SystemDrive%\\skv-tests\\old", nullptr, LauncherExe, nullptr}, "2:%SystemDrive%\\skv-tests\\old | - | -"},
        {"beside the launcher", {"@??", nullptr, "@beside\\SkvLauncher.exe", nullptr}, "1:@beside | 1:@beside | 1:@beside\\Skv.exe"},
        {"on the search path", {"@??", nullptr, LauncherExe, "@on-path"}, "1:@on-path | 1:@on-path | 1:@on-path\\Skv.exe"},
    };
    // clang-format on
    for (const auto& row : rows) {
        StartOn(row.On);
        EXPECT_EQ(Entries(), At(row.Entries)) << row.Case;
    }
}

// Asked for the game when nothing names it (no entry, or an entry holding a number or binary data, no text),
// a player who cancels ends the launcher: no dialog, no profile, no entries written (the installer's entry
// is written only with the other two).
TEST_F(TheLauncher, EndsWhenTheGameIsNotChosen) {
    for (const DWORD type : {REG_NONE, REG_DWORD, REG_BINARY}) { // REG_NONE: no entry
        SetUp();
        if (type != REG_NONE)
            SetValue(HKEY_LOCAL_MACHINE, GameKey, "Path", type, Dword('?')); // read as text: "?"
        Launcher launcher;
        PostMessageA(launcher.Window(0xFFFF, NotFound), WM_COMMAND, IDOK, 0);
        launcher.Choose("");
        EXPECT_EQ(launcher.ExitCode(), 0u) << "type " << type;
        EXPECT_EQ(KeyHolds(HKEY_CURRENT_USER, ProfileKey), "<absent>");
        EXPECT_EQ(KeyHolds(HKEY_LOCAL_MACHINE, AppPathsKey), "<absent>");
    }
}

// Asked for the game, a launcher whose "Open" dialog cannot be shown (here: Wine keeps the dialog's library
// from loading) says so with the dialog's error number and ends with a failure status, not as if the player
// had cancelled.
TEST_F(TheLauncher, SaysWhenTheOpenDialogCannotBeShown) {
    SKIP_UNLESS(OnTheBench(), "Wine's DLL overrides keep the dialog's library from loading");
    const char* const overrides = "Software\\Wine\\AppDefaults\\SkvLauncher.exe\\DllOverrides";
    SetString(HKEY_CURRENT_USER, overrides, "comdlg32", ""); // "": not to be loaded
    Launcher launcher;
    PostMessageA(launcher.Window(0xFFFF, NotFound), WM_COMMAND, IDOK, 0);
    const char* const failed = "ERROR: The dialog to locate 'SKV.EXE' could not be shown (error 0x0002).";
    PostMessageA(launcher.Window(0xFFFF, failed), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(launcher.ExitCode(), 1u);
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\SkvLauncher.exe");
}

// The options are kept in HKEY_CURRENT_USER\Software\Harbeck\Skv Launcher: stored there before the start,
// they are loaded into the dialog, whose "Close" writes back what it shows, there and nowhere else under
// Software\Harbeck.
TEST_F(TheLauncher, KeepsTheOptionsInTheProfile) {
    GameFolderOnDisk game("profile");
    SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", game.Path);
    for (const auto& [name, value] : {std::pair("Debug", 1), {"TrackerSpeed", 250}, {"SkyBlue", 7}})
        SetValue(HKEY_CURRENT_USER, ProfileKey, name, REG_DWORD, Dword(value));
    Launcher launcher;
    HWND dialog = launcher.Window(IDOK, "Start");
    Click(dialog, SKV_ID_GOD_MODE); // a switch that debug mode enables
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(launcher.ExitCode(), 0u);
    ExpectStored("Debug=1 TrackerSpeed=250 SkyBlue=7 GodMode=1");
    EXPECT_EQ(KeyHolds(HKEY_CURRENT_USER, "Software\\Harbeck"), "0 values, 1 keys");
}

// "Location..." asks, naming the game's folder with a separator, and on Yes moves the launcher to the game
// chosen in the "Open" dialog, for which the main dialog waits. Gone by "Start", the game chosen is started
// by the bare name "Skv.exe" from the current folder, its own. (The entries it writes: the native
// GameLocation tests, and Languages for the real registry.)
TEST_F(TheLauncher, LocationMovesToTheGameChosen) {
    GameFolderOnDisk old("old"), moved("moved");
    CopyFileA(StandinExe, (moved.Path + "Game.exe").c_str(), FALSE);
    SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", "C:\\skv-tests\\old");
    Launcher launcher;
    HWND dialog = launcher.Window(IDOK, "Start");
    PostMessageA(dialog, WM_COMMAND, SKV_ID_LOCATION, 0);
    const char* const question = "The Current Path is: C:\\skv-tests\\old\\\nDo you want to change it?";
    PostMessageA(launcher.Window(0xFFFF, question), WM_COMMAND, IDYES, 0);
    launcher.OpenDialog();
    EXPECT_FALSE(IsWindowEnabled(dialog)) << "the main dialog waits for the \"Open\" dialog";
    launcher.Choose(moved.Path + "Game.exe");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(dialog); })) << "once the \"Open\" dialog has gone";
    DeleteFileA((moved.Path + "Game.exe").c_str());
    EXPECT_EQ(StartedGame(launcher), "C:\\skv-tests\\moved\\Skv.exe | C:\\skv-tests\\moved | ");
}

// A second launcher, started while a window of another program is in front, brings the first one's front
// window forward and ends: with the main dialog minimised and its About box open, it restores the dialog and
// brings the About box; at the message that the game cannot be found, it brings that message.
TEST_F(TheLauncher, SecondLauncherShowsTheFirst) {
    GameFolderOnDisk old("old");
    for (const bool found : {true, false}) {
        SCOPED_TRACE(found ? "the About box of a minimised dialog" : "the message that the game is missing");
        SetUp();
        if (found)
            SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", old.Path);
        Launcher first;
        HWND dialog = found ? first.Window(IDOK, "Start") : nullptr,
             front = found ? nullptr : first.Window(0xFFFF, NotFound);
        if (found) {
            PostMessageA(dialog, WM_COMMAND, SKV_ID_ABOUT, 0);
            front = first.Window(SKV_ID_ABOUT_LINK, "http://www.harbeck-games.example/");
            ShowWindow(dialog, SW_MINIMIZE);
        }
        HWND other = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, 0, 0, 0, 0);
        SetForegroundWindow(other);
        EXPECT_EQ(Launcher().ExitCode(), 0u) << "the second launcher";
        EXPECT_FALSE(dialog && IsIconic(dialog));
        // The foreground moves through the X server, and is nobody's for a moment on the way.
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == front; })) << GetForegroundWindow();
        DestroyWindow(other);
    }
}

// The launchers' claim, held by this test program as a launcher holds it: in memory shared under the
// launchers' name, the process id of the launcher that runs, 0 while none does.
struct HeldClaim {
    HeldClaim() {
        if (Holder)
            *Holder = LONG(GetCurrentProcessId());
    }
    KernelHandle Mapping{CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG),
                                            "Local\\Harbeck.SkvLauncher")};
    MappedView View{MapViewOfFile(Mapping.Get(), FILE_MAP_WRITE, 0, 0, sizeof(LONG))};
    volatile LONG* Holder = static_cast<volatile LONG*>(View.Get());
};

// A launcher that finds the claim held by a process with no window (a launcher that hangs before its window
// or has just closed it; here this test program) waits a few seconds for one, then runs as the one launcher:
// it shows its main dialog, a launcher started next ends, and once its dialog has closed the claim is free.
TEST_F(TheLauncher, RunsWhenTheClaimIsHeldWithoutAWindow) {
    GameFolderOnDisk game("held");
    SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", game.Path);
    HeldClaim claim;
    ASSERT_TRUE(claim.Holder);
    Launcher launcher;
    HWND dialog = launcher.Window(IDOK, "Start");
    EXPECT_EQ(Launcher().ExitCode(), 0u) << "the next launcher";
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(launcher.ExitCode(), 0u);
    EXPECT_EQ(*claim.Holder, 0) << "the claim is free";
}

// A second launcher does not hang on a first one that does not answer (its dialog minimised, its thread busy;
// here this test program, which holds the claim): it brings that dialog forward and ends.
TEST_F(TheLauncher, SecondLauncherEndsWhenTheFirstDoesNotAnswer) {
    HeldClaim claim;
    ASSERT_TRUE(claim.Holder);
    HWND dialog = CreateWindowExA(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 99, 99, 0, 0, 0, 0);
    ShowWindow(dialog, SW_MINIMIZE);
    // Another thread waits for the second launcher: this one handles no message meanwhile.
    std::thread([] { EXPECT_EQ(Launcher().ExitCode(), 0u); }).join();
    DestroyWindow(dialog);
}

// What Windows shows among SkvLauncher.exe's details, in their language as Windows picks it: description,
// versions (the file's in numbers too), the maker and copyright line of the About box, the file's name.
TEST_F(TheLauncher, DetailsOfTheFile) {
    std::string info(GetFileVersionInfoSizeA(LauncherExe, nullptr), '\0');
    ASSERT_TRUE(GetFileVersionInfoA(LauncherExe, 0, DWORD(info.size()), info.data()));
    const auto query = [&](const std::string& path) {
        WORD* found = nullptr; // stays so when there is no such value
        UINT size = 0;
        VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&found), &size);
        return found;
    };
    const WORD* language = query("\\VarFileInfo\\Translation"); // language, code page
    const WORD* fixed = query("\\"); // two DWORDs, then the file version's high and low DWORD
    ASSERT_TRUE(language && fixed);
    char text[40];
    snprintf(text, sizeof text, "%u.%u.%u.%u", fixed[5], fixed[4], fixed[7], fixed[6]);
    EXPECT_STREQ(text, "0.2.0.0") << "the file version in numbers";
    snprintf(text, sizeof text, "\\StringFileInfo\\%04x%04x\\", language[0], language[1]);
    const std::pair<const char*, const char*> rows[] = {
        // clang-format off
        {"FileDescription", "Skarnvale Launcher"}, {"ProductVersion", "BETA 2"}, {"FileVersion", "0.2.0.0"},
        {"CompanyName", "Harbeck Interactive"}, {"LegalCopyright", "Copyright (C) 2026 Harbeck Interactive"},
        {"OriginalFilename", "SkvLauncher.exe"},
    };
    // clang-format on
    for (const auto& [name, shown] : rows)
        EXPECT_STREQ(reinterpret_cast<const char*>(query(text + std::string(name))), shown) << name;
}

// A launcher whose window cannot open (here: started with no display to open it on) ends with a failure
// status, rather than as if all went well.
TEST_F(TheLauncher, WithoutItsWindowEndsWithAFailure) {
    SKIP_UNLESS(UnixSideAtHand(), "a launcher started from Unix with no display");
    GameFolderOnDisk game("no-window");
    SetString(HKEY_LOCAL_MACHINE, GameKey, "Path", game.Path);
    EXPECT_EQ(RunUnix("DISPLAY=:4711 wine '" + UnixPath(LauncherExe) + "' >/dev/null 2>&1"), 1);
}
