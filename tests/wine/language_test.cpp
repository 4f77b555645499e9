// A game folder named in the language of each Windows players use, carried the whole way. Wine takes a
// program's code page from its locale, so Languages.EachLocale starts this program again under each locale,
// where the other tests run the rows of that locale. There the real launcher runs in UTF-8, as its manifest
// asks; the launcher's code in this test program runs in the locale's code page, as on a Windows that ignores
// that setting.
#include "harness.h"

#include <shlwapi.h>

#include <map>

#include "location/windows_location_platform.h"

using namespace harness;

// Japanese, Simplified and Traditional Chinese folders whose last character's second byte is 0x5C, the
// byte of "\"; then Hangul, Cyrillic on Russian Windows, and Cyrillic on Western Windows, whose code page
// cannot hold it. Last a long Japanese name: 84 characters, of three bytes each in UTF-8, so that the game's
// path takes 105 characters but 273 bytes. The folder's name in UTF-8.
// clang-format off
struct LanguageRow { const char* Locale; UINT CodePage; const char* Folder; bool CodePageHoldsIt; };
const LanguageRow Rows[] = {
    {"ja_JP", 932, "機能", true}, {"zh_CN", 936, "游戏淺", true}, {"zh_TW", 950, "成功", true},
    {"ko_KR", 949, "게임", true}, {"ru_RU", 1251, "Игры", true}, {"de_DE", 1252, "Скарнвейл", false},
    {"ja_JP", 932, "長い名前のゲームフォルダ長い名前のゲームフォルダ長い名前のゲームフォルダ長い名前のゲームフォルダ"
                   "長い名前のゲームフォルダ長い名前のゲームフォルダ長い名前のゲームフォルダ", true},
};
// clang-format on

// Runs the statement after it for each row of this program's locale; skips the test in the program that
// starts one for each locale, which has none.
#define FOR_EACH_ROW_HERE(row)                                                                               \
    if (Variable("SKV_LANGUAGE").empty())                                                                    \
        GTEST_SKIP() << "runs in the test program of each locale that Languages.EachLocale starts";          \
    for (const LanguageRow& row : Rows)                                                                      \
        if (row.Locale == Variable("SKV_LANGUAGE"))

TEST(Languages, EachLocale) {
    SKIP_UNLESS(UnixSideAtHand(), "a test program under each locale, whose code page Wine takes from it");
    std::set<std::string> locales;
    for (const LanguageRow& row : Rows)
        locales.insert(row.Locale);
    for (const std::string& locale : locales)
        EXPECT_EQ(RunAgain("LANG=" + locale + ".UTF-8 LC_ALL=" + locale + ".UTF-8 SKV_LANGUAGE=" + locale,
                           "Languages.*:-Languages.EachLocale", 120),
                  0)
            << locale;
}

static std::string FolderOf(const LanguageRow& row) {
    return "C:\\skv-tests\\" + std::string(row.Folder);
}

// The folder's name as this program's code page gives it.
static std::string InCodePage(const LanguageRow& row) {
    const std::wstring wide = std::filesystem::u8path(FolderOf(row)).wstring();
    std::string name(wide.size() * 4, '\0');
    name.resize(WideCharToMultiByte(row.CodePage, 0, wide.data(), int(wide.size()), name.data(),
                                    int(name.size()), nullptr, nullptr));
    return name;
}

// A fresh game folder for the row, and the installer's entry naming it (in UTF-16, whatever this program's
// code page can hold); no profile, no other entries.
static void MakeGameFolder(const LanguageRow& row) {
    ASSERT_EQ(GetACP(), row.CodePage) << "is the locale " << row.Locale << " made? (scripts/setup makes it)";
    CleanSlate();
    const std::filesystem::path folder = std::filesystem::u8path(FolderOf(row));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(StandinExe, folder / "Skv.exe");
    EXPECT_EQ(SHSetValueW(HKEY_LOCAL_MACHINE, L"Software\\Quillon\\Skarnvale", L"Path", REG_SZ,
                          folder.c_str(), DWORD((folder.native().size() + 1) * sizeof(wchar_t))),
              0);
}

// What the game reports when started in the row's folder with the default options beside it.
static std::string StartedIn(const LanguageRow& row) {
    return FolderOf(row) + "\\Skv.exe | " + FolderOf(row) + " | " +
           Hex(Lines("EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|"));
}

// What the real launcher did with the row's folder, in one run: found through the installer's entry (the
// main dialog comes first, or the run fails); "Display..." OK; "Location...", Yes and the same game chosen
// in the "Open" dialog, and the App Paths entry's default value it leaves; "Start", and the game's report of
// its path, folder and startup.cfg; the folder's files afterwards.
struct LauncherRun {
    std::string Chosen, Started;
    std::vector<std::string> Files;
};
static const LauncherRun& RunOf(const LanguageRow& row) {
    static std::map<const LanguageRow*, LauncherRun> runs;
    if (runs.count(&row))
        return runs[&row];
    LauncherRun& run = runs[&row];
    MakeGameFolder(row);
    {
        Launcher launcher;
        HWND dialog = launcher.Window(IDOK, "Start");
        PostMessageA(dialog, WM_COMMAND, SKV_ID_DISPLAY, 0);
        PostMessageA(launcher.Window(IDCANCEL, "Cancel"), WM_COMMAND, IDOK, 0);
        WaitUntil([&] { return launcher.Windows() == std::vector<HWND>{dialog}; });
        PostMessageA(dialog, WM_COMMAND, SKV_ID_LOCATION, 0);
        PostMessageA(launcher.Window(0xFFFF, "The Current Path is: " + InCodePage(row) +
                                                 "\\\nDo you want to change it?"),
                     WM_COMMAND, IDYES, 0);
        launcher.Choose(FolderOf(row) + "\\Skv.exe");
        WaitUntil([&] { return IsWindowEnabled(dialog); }); // the "Open" dialog has gone
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(launcher.ExitCode(), 0u);
    }
    run.Chosen = GetValue(HKEY_LOCAL_MACHINE, harness::AppPathsKey, nullptr);
    run.Started = Reported("exe folder startup.cfg");
    run.Files = FolderEntries(FolderOf(row));
    return run;
}

// Its whole path is written, as this program reads the REG_SZ value in its code page.
TEST(Languages, LocationWritesTheGameChosen) {
    FOR_EACH_ROW_HERE(row) {
        EXPECT_EQ(RunOf(row).Chosen, "1:" + InCodePage(row) + "\\Skv.exe" + '\0') << row.Folder;
    }
}

// The game starts in its folder and finds startup.cfg beside it; the folder holds the launcher's files (the
// video file among them) and no others.
TEST(Languages, StartHandsTheFilesToTheGameInItsFolder) {
    FOR_EACH_ROW_HERE(row) {
        const LauncherRun& run = RunOf(row);
        EXPECT_EQ(run.Started, StartedIn(row));
        EXPECT_EQ(run.Files, (std::vector<std::string>{"Skv.exe", "Skv_Video.cfg", "startup.cfg"}));
    }
}

// The launcher's code in this program's code page: where the code page holds the folder's name, it finds
// the game and starts it there; else it names the folder as this Windows gives it, and writes nothing.
TEST(Languages, InTheSystemCodePage) {
    FOR_EACH_ROW_HERE(row) {
        MakeGameFolder(row);
        WindowsLocationPlatform platform(Context());
        GameLocation location;
        LocateResult found = LocateResult::Cancelled;
        const std::vector<std::string> boxes = Boxes([&] { found = LocateGame(platform, location); });
        if (row.CodePageHoldsIt) {
            RunMainDialog(location.Folder, [](HWND window) { Click(window, IDOK); });
            EXPECT_EQ(Reported("exe folder startup.cfg"), StartedIn(row));
        } else {
            EXPECT_EQ(found, LocateResult::Unusable);
            EXPECT_EQ(boxes,
                      std::vector<std::string>{
                          "ERROR: This Windows cannot give the launcher the name of the game's folder:\n" +
                          InCodePage(row) +
                          "\nThe name has letters of another language than the one Windows is set to use "
                          "for programs like this one. Rename the folder, or use Windows 10 version 1903 "
                          "or later. (error: OK)"});
            EXPECT_EQ(FolderEntries(FolderOf(row)), std::vector<std::string>{"Skv.exe"});
            EXPECT_EQ(KeyHolds(HKEY_LOCAL_MACHINE, harness::AppPathsKey), "<absent>");
        }
    }
}
