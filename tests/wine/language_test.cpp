// A game folder named in the language of each Windows players use, carried the whole way: found through
// the installer's entry, "Display..." and "Start", the files inside that folder and the game started in
// it. Wine takes a program's code page from its locale, so each row runs this test again in a program of
// its own under that locale. There the real launcher runs in UTF-8, as its manifest asks; the launcher's
// code in this test program runs in the locale's code page, as on a Windows that ignores that setting.
#include "harness.h"

#include "app/game_location.h"
#include "app/windows_location_platform.h"
#include "ui/launcher_dialog.h"

using namespace harness;

namespace {

struct LanguageRow {
    const char* Locale;
    UINT CodePage;
    const char* Folder; // UTF-8
    bool CodePageHoldsIt;
};

// Japanese, Simplified and Traditional Chinese folders whose last character's second byte is 0x5C, the
// byte of "\"; then Hangul, Cyrillic on Russian Windows, and Cyrillic on Western Windows, whose code page
// cannot hold it.
const LanguageRow Rows[] = {
    {"ja_JP", 932, "機能", true}, {"zh_CN", 936, "游戏淺", true}, {"zh_TW", 950, "成功", true},
    {"ko_KR", 949, "게임", true}, {"ru_RU", 1251, "Игры", true},  {"de_DE", 1252, "Скарнвейл", false},
};

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), int(wide.size())));
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
    std::string narrow(wide.size() * 4, '\0');
    narrow.resize(WideCharToMultiByte(codePage, 0, wide.data(), int(wide.size()), narrow.data(),
                                      int(narrow.size()), nullptr, nullptr));
    return narrow;
}

// The game folder, made with wide calls whatever this program's code page can hold.
class WideGameFolder {
  public:
    explicit WideGameFolder(const std::wstring& path) : path_(path) {
        Remove();
        EXPECT_TRUE(CreateDirectoryW(path_.c_str(), nullptr) &&
                    CopyFileW(Wide(StandinExe).c_str(), (path_ + L"\\Skv.exe").c_str(), FALSE));
    }
    ~WideGameFolder() { Remove(); }
    WideGameFolder(const WideGameFolder&) = delete;
    WideGameFolder& operator=(const WideGameFolder&) = delete;
    // The names in it, in UTF-8.
    std::string Entries() const {
        std::string names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
            if (found.cFileName[0] != L'.')
                names += Narrow(found.cFileName, CP_UTF8) + " ";
        FindClose(search);
        return names;
    }

  private:
    void Remove() const {
        for (const wchar_t* name : {L"\\Skv.exe", L"\\startup.cfg", L"\\Skv_Video.cfg"})
            DeleteFileW((path_ + name).c_str());
        RemoveDirectoryW(path_.c_str());
    }
    std::wstring path_;
};

void SetInstalledFolder(const std::wstring& folder) {
    RegistryKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(GameKey).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              key.Receive(), nullptr),
              0);
    RegSetValueExW(key.Get(), L"Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   DWORD((folder.size() + 1) * sizeof(wchar_t)));
}

// What the stand-in game reports of its start: its path, its working folder, the startup.cfg it finds
// beside itself, and the size of the Skv_Video.cfg there.
std::string GameReport(const std::string& report) {
    const std::string video = ReportLine(report, "Skv_Video.cfg");
    return ReportLine(report, "exe") + " | " + ReportLine(report, "folder") + " | " +
           ReportLine(report, "startup.cfg") + " | " +
           (video == "absent" ? video : std::to_string(video.size() / 2) + " bytes");
}

// Files of the launcher's that landed beside the game's folder instead of inside it; removed, so that the
// next run does not find them again.
std::vector<std::string> Strays() {
    std::vector<std::string> strays;
    for (const std::string& name : FolderEntries("C:\\skv-tests\\"))
        if (name.find("startup.cfg") != std::string::npos ||
            name.find("Skv_Video.cfg") != std::string::npos) {
            strays.push_back(name);
            DeleteFileA(("C:\\skv-tests\\" + name).c_str());
        }
    return strays;
}

void RunRow(const LanguageRow& row) {
    ASSERT_EQ(GetACP(), row.CodePage) << "is the locale " << row.Locale << " made? (scripts/setup makes it)";
    const std::wstring folder = L"C:\\skv-tests\\" + Wide(row.Folder);
    const std::string folderUtf8 = "C:\\skv-tests\\" + std::string(row.Folder);
    const std::string report = "C:\\skv-tests\\report.txt";
    SetEnvironmentVariableA("SKV_STANDIN_REPORT", report.c_str());
    // The game started in its folder, with the default options beside it.
    const std::string started =
        folderUtf8 + "\\Skv.exe | " + folderUtf8 + " | " +
        Hex(Lines("EXPV 0|CROUCHMODE 0|EXTRAPOLATE_MOVEMENT 0|MOTIONTRACKERVOLUME 1.00|"));

    // The real launcher, in UTF-8.
    {
        CleanRegistry();
        WideGameFolder game(folder);
        SetInstalledFolder(folder);
        DeleteFileA(report.c_str());
        Launcher launcher;
        HWND dialog = launcher.Window(IDOK, "Start");
        ASSERT_TRUE(dialog);
        EXPECT_EQ(launcher.Windows(), std::vector<HWND>{dialog}) << "no message beside the dialog";
        PostMessageA(dialog, WM_COMMAND, SKV_ID_DISPLAY, 0); // its OK writes the video file
        PostMessageA(launcher.Window(IDCANCEL, "Cancel"), WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return launcher.Windows() == std::vector<HWND>{dialog}; }));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(launcher.ExitCode(), 0u);
        EXPECT_EQ(GameReport(report), started + " | 32 bytes");
        EXPECT_EQ(game.Entries(), "Skv.exe Skv_Video.cfg startup.cfg ");
        EXPECT_EQ(Strays(), std::vector<std::string>());
    }

    // The launcher's code in this program's code page: the same when the code page holds the folder's name,
    // else a plain word that names the folder as this Windows gives it, and nothing written.
    CleanRegistry();
    WideGameFolder game(folder);
    SetInstalledFolder(folder);
    DeleteFileA(report.c_str());
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    WindowsLocationPlatform platform;
    GameLocation found = GameLocation::Cancelled;
    const std::vector<std::string> boxes =
        Boxes([&] { found = LocateGame(platform, GameExePath, GameFolder); });
    if (row.CodePageHoldsIt) {
        EXPECT_EQ(found, GameLocation::Found);
        EXPECT_EQ(boxes, std::vector<std::string>());
        EXPECT_EQ(GameFolder, Narrow(folder, row.CodePage) + "\\");
        LauncherDialog main;
        RunModally(main, [](HWND window) { Click(window, IDOK); });
        EXPECT_EQ(GameReport(report), started + " | absent");
        EXPECT_EQ(game.Entries(), "Skv.exe startup.cfg ");
        EXPECT_EQ(Strays(), std::vector<std::string>());
    } else {
        EXPECT_EQ(found, GameLocation::Unusable);
        EXPECT_EQ(boxes, std::vector<std::string>{
                             "ERROR: This Windows cannot give the launcher the name of the game's folder:\n" +
                             Narrow(folder, row.CodePage) +
                             "\nThe name has letters of another language than the one Windows is set to use "
                             "for programs like this one. Rename the folder, or use Windows 10 version 1903 "
                             "or later. (error: OK)"});
        EXPECT_EQ(game.Entries(), "Skv.exe ");
        EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE, harness::AppPathsKey), -1);
    }
    SetCurrentDirectoryA(current);
}

TEST(Languages, GameFolderNamedInEachLanguage) {
    char index[8] = {};
    if (GetEnvironmentVariableA("SKV_LANGUAGE_ROW", index, sizeof index)) { // the program of one row
        RunRow(Rows[std::stoi(index)]);
        return;
    }
    for (size_t i = 0; i < std::size(Rows); ++i) {
        const std::string locale = std::string(Rows[i].Locale) + ".UTF-8";
        EXPECT_EQ(RunAgain("LANG=" + locale + " LC_ALL=" + locale + " SKV_LANGUAGE_ROW=" + std::to_string(i),
                           "Languages.GameFolderNamedInEachLanguage", 60),
                  0)
            << Rows[i].Locale << ", " << Rows[i].Folder;
    }
}

} // namespace
