// A game folder named in the language of each Windows players use, carried the whole way: found through
// the installer's entry, "Display...", chosen again through "Location..." and "Start", the files inside
// that folder and the game started in it. Wine takes a program's code page from its locale, so each row
// runs this test again in a program of its own under that locale. There the real launcher runs in UTF-8, as
// its manifest asks; the launcher's code in this test program runs in the locale's code page, as on a Windows
// that ignores that setting.
#include "harness.h"

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

// A fresh game folder of this name, and the installer's entry naming it (in UTF-16, whatever this program's
// code page can hold).
static void MakeGameFolder(const std::string& folder) {
    std::filesystem::remove_all(std::filesystem::u8path(folder));
    std::filesystem::create_directory(std::filesystem::u8path(folder));
    std::filesystem::copy_file(StandinExe, std::filesystem::u8path(folder + "\\Skv.exe"));
    const std::wstring path = std::filesystem::u8path(folder).wstring();
    RegistryKey key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Quillon\\Skarnvale", 0, nullptr, 0, KEY_WRITE, nullptr,
                    key.Receive(), nullptr);
    EXPECT_EQ(RegSetValueExW(key.Get(), L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                             DWORD((path.size() + 1) * sizeof(wchar_t))),
              0);
}

// One row, in the program of its locale.
static void GameFolderNamedIn(const LanguageRow& row) {
    SCOPED_TRACE(row.Folder);
    ASSERT_EQ(GetACP(), row.CodePage) << "is the locale " << row.Locale << " made? (scripts/setup makes it)";
    const std::string folder = "C:\\skv-tests\\" + std::string(row.Folder);
    // What the game reports: started in its folder, with the default options beside it.
    const std::string started =
        folder + "\\Skv.exe | " + folder + " | " +
        Hex(Lines("EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|"));

    const std::wstring wide = std::filesystem::u8path(folder).wstring();
    std::string inCodePage(wide.size() * 4, '\0'); // the folder's name as this program's code page gives it
    inCodePage.resize(WideCharToMultiByte(row.CodePage, 0, wide.data(), int(wide.size()), inCodePage.data(),
                                          int(inCodePage.size()), nullptr, nullptr));

    // The real launcher, in UTF-8.
    CleanSlate();
    MakeGameFolder(folder);
    {
        Launcher launcher;
        HWND dialog = launcher.Window(IDOK, "Start");
        ASSERT_TRUE(dialog);
        EXPECT_EQ(launcher.Windows(), std::vector<HWND>{dialog}) << "no message beside the dialog";
        PostMessageA(dialog, WM_COMMAND, SKV_ID_DISPLAY, 0); // its OK writes the video file
        PostMessageA(launcher.Window(IDCANCEL, "Cancel"), WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return launcher.Windows() == std::vector<HWND>{dialog}; }));
        // "Location...", Yes, and the same game chosen in the "Open" dialog: its path is written out whole.
        PostMessageA(dialog, WM_COMMAND, SKV_ID_LOCATION, 0);
        PostMessageA(
            launcher.Window(0xFFFF, "The Current Path is: " + inCodePage + "\\\nDo you want to change it?"),
            WM_COMMAND, IDYES, 0);
        launcher.Choose(folder + "\\Skv.exe");
        const std::string written =
            "1:" + inCodePage + "\\Skv.exe" + '\0'; // REG_SZ, as this program reads it
        WaitUntil([&] { return GetValue(HKEY_LOCAL_MACHINE, harness::AppPathsKey, nullptr) == written; });
        EXPECT_EQ(GetValue(HKEY_LOCAL_MACHINE, harness::AppPathsKey, nullptr), written);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(launcher.ExitCode(), 0u);
    }
    EXPECT_EQ(Reported("exe folder startup.cfg"), started);
    EXPECT_EQ(Reported("Skv_Video.cfg").size(), 2u * 32) << "the video file beside the game, in hex";
    EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"Skv.exe", "Skv_Video.cfg", "startup.cfg"}));

    // The launcher's code in this program's code page: the same when the code page holds the folder's name,
    // else a plain word that names the folder as this Windows gives it, and nothing written.
    CleanSlate();
    MakeGameFolder(folder);
    WindowsLocationPlatform platform(Context());
    GameLocation location;
    LocateResult found = LocateResult::Cancelled;
    const std::vector<std::string> boxes = Boxes([&] { found = LocateGame(platform, location); });
    if (row.CodePageHoldsIt) {
        EXPECT_EQ(found, LocateResult::Found);
        EXPECT_EQ(boxes, std::vector<std::string>());
        EXPECT_EQ(location.Folder, inCodePage + "\\");
        RunMainDialog([](HWND window) { Click(window, IDOK); }, location.ExePath, location.Folder);
        EXPECT_EQ(Reported("exe folder startup.cfg Skv_Video.cfg"), started + " | absent");
        EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"Skv.exe", "startup.cfg"}));
    } else {
        EXPECT_EQ(found, LocateResult::Unusable);
        EXPECT_EQ(
            boxes,
            std::vector<std::string>{
                "ERROR: This Windows cannot give the launcher the name of the game's folder:\n" + inCodePage +
                "\nThe name has letters of another language than the one Windows is set to use for programs "
                "like this one. Rename the folder, or use Windows 10 version 1903 or later. (error: OK)"});
        EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Skv.exe"});
        EXPECT_EQ(KeyHolds(HKEY_LOCAL_MACHINE, harness::AppPathsKey), "<absent>");
    }
}

TEST(Languages, GameFolderNamedInEachLanguage) {
    char locale[16] = {};
    const bool inOne = GetEnvironmentVariableA("SKV_LANGUAGE", locale, sizeof locale);
    std::set<std::string> started;
    for (const LanguageRow& row : Rows) {
        if (inOne && row.Locale == std::string(locale)) // the program of one locale: its rows
            GameFolderNamedIn(row);
        if (!inOne && started.insert(row.Locale).second) { // this program: one program for each locale
            const std::string utf8 = std::string(row.Locale) + ".UTF-8";
            EXPECT_EQ(RunAgain("LANG=" + utf8 + " LC_ALL=" + utf8 + " SKV_LANGUAGE=" + row.Locale,
                               "Languages.GameFolderNamedInEachLanguage", 120),
                      0)
                << row.Locale;
        }
    }
}
