// What the installer's two "Path" entries may hold, seen through the real launcher: texts at the edge of
// the 4096-byte read buffer, an empty text, a number instead of a text, folders with spaces and with
// characters of the ANSI code page, and a folder deeper than a Windows path may be. Each stored value
// either leads the launcher to the game in that folder (started from there, "startup.cfg" written
// there, nothing written to the registry), or to the next place the launcher looks: the second entry,
// then the path search, which finds the game beside the launcher and writes the three entries anew.
#include "driver/ui_driver.h"
#include "res/resource.h"
#include "unix_shell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace uidriver;
using unix_shell::RunUnix;
using unix_shell::UnixPath;

namespace {

const std::string DefaultConfig =
    "EXPV 0\r\nCROUCHMODE 0\r\nEXTRAPOLATE_MOVEMENT 0\r\nMOTIONTRACKERVOLUME 1.00\r\n";

// A text as the installer stores it: REG_SZ with its terminating zero.
RegistryValue Text(const std::string& text) {
    return {REG_SZ, text + '\0'};
}

// Bytes without a terminating zero. (Stored as REG_SZ, the registry would add the zero itself.)
RegistryValue Unterminated(const std::string& text) {
    return {REG_BINARY, text};
}

RegistryValue Dword(DWORD value) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)};
}

// "Spiele Ä ö" in the launcher's ANSI code page; "" when that code page cannot hold it.
std::string NonAsciiName() {
    const wchar_t* wide = L"Spiele \u00C4 \u00F6";
    char bytes[64] = {};
    BOOL lossy = FALSE;
    int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, bytes, sizeof bytes, nullptr, &lossy);
    return length > 0 && !lossy ? std::string(bytes) : std::string();
}

// The same folder, padded with "\." steps to exactly `length` characters: it still names the folder.
std::string PaddedTo(std::string folder, size_t length) {
    while (folder.size() + 2 <= length)
        folder += "\\.";
    if (folder.size() < length)
        folder += "\\";
    return folder;
}

// A folder holding the stand-in game whose full path is longer than the 260 characters of a Windows path.
// Windows programs cannot make it, so the Unix side does; it is removed the same way.
class DeepGameFolder {
  public:
    explicit DeepGameFolder(const GameFolder& parent) {
        path_ = parent.PathWithoutSeparator();
        for (char part = 'a'; path_.size() <= 300; ++part)
            path_ += "\\" + std::string(60, part);
        top_ = UnixPath(parent.File(std::string(60, 'a')));
        RunUnix("rm -rf '" + top_ + "'");
        EXPECT_EQ(RunUnix("mkdir -p '" + UnixPath(path_) + "' && cp '" + UnixPath(StandinExePath()) + "' '" +
                          UnixPath(path_) + "/Skv.exe'"),
                  0)
            << "cannot make the deep game folder";
    }
    ~DeepGameFolder() { RunUnix("rm -rf '" + top_ + "'"); }
    DeepGameFolder(const DeepGameFolder&) = delete;
    DeepGameFolder& operator=(const DeepGameFolder&) = delete;

    const std::string& Path() const { return path_; } // without a trailing separator

  private:
    std::string path_;
    std::string top_;
};

class InstallerEntryValues : public ::testing::Test {
  protected:
    CleanRegistry registry;
    // The launcher runs from here, beside a game of its own: the path search always finds this one.
    GameFolder beside{"Entries.Beside"};

    LaunchOptions BesideTheGame() const {
        LaunchOptions options;
        options.copyInto = beside.Path();
        options.reportPath = beside.ReportPath();
        return options;
    }
};

struct EntryCase {
    std::string what;
    const char* key;     // the entry that holds the value: kGameKey or kAppPathsKey, value "Path"
    RegistryValue value; // as stored
    std::string foundIn; // the folder the game is started from; "" when the path search must find it
};

// One launcher start per case. Either the game is found in `foundIn`: no message, the registry untouched,
// and "Start" runs it from that folder with "startup.cfg" written there. Or the search beside the
// launcher finds it and the three entries name that folder.
void CheckEntry(const EntryCase& c, const LaunchOptions& options, const GameFolder& beside,
                const std::vector<std::pair<const char*, RegistryValue>>& others) {
    SCOPED_TRACE(c.what);
    ClearGameRegistry();
    beside.RemoveFile("standin-report.txt");
    if (!c.foundIn.empty()) // a file of an earlier case must not pass for this one's
        DeleteFileA((c.foundIn + "\\startup.cfg").c_str());
    for (const auto& [key, value] : others)
        SetRegistryRaw(HKEY_LOCAL_MACHINE, key, "Path", value.type, value.bytes);
    SetRegistryRaw(HKEY_LOCAL_MACHINE, c.key, "Path", c.value.type, c.value.bytes);

    Launcher launcher(options);
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    EXPECT_EQ(launcher.Windows().size(), 1u) << "no message before the main dialog";

    if (c.foundIn.empty()) {
        InstallerEntries entries = ReadInstallerEntries();
        EXPECT_EQ(entries.gamePath.value_or("<absent>"), beside.PathWithoutSeparator());
        EXPECT_EQ(entries.appPathsPath.value_or("<absent>"), beside.PathWithoutSeparator());
        EXPECT_EQ(entries.appPathsExe.value_or("<absent>"), beside.File("Skv.exe"));
        ASSERT_TRUE(dialog.Click(IDCANCEL));
        EXPECT_TRUE(launcher.WaitForExit());
        return;
    }

    for (const auto& [key, value] : others)
        EXPECT_EQ(GetRegistryRaw(HKEY_LOCAL_MACHINE, key, "Path").value_or(RegistryValue{}).bytes,
                  value.bytes);
    std::optional<RegistryValue> kept = GetRegistryRaw(HKEY_LOCAL_MACHINE, c.key, "Path");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->type, c.value.type);
    EXPECT_EQ(kept->bytes, c.value.bytes) << "the registry is not written";
    EXPECT_FALSE(GetRegistryRaw(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr)) << "the registry is not written";

    ASSERT_TRUE(dialog.Click(IDOK));
    ASSERT_TRUE(launcher.WaitForExit());
    std::optional<StandinReport> report = WaitForReport(beside.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->exe, c.foundIn + "\\Skv.exe");
    EXPECT_EQ(report->folder, c.foundIn);
    EXPECT_EQ(report->startupCfg, DefaultConfig) << "startup.cfg in the game's folder";
}

TEST_F(InstallerEntryValues, FirstEntryTextsLeadToTheirFolderOrToTheNextPlace) {
    GameFolder second("Entries.Second");
    GameFolder spaces("Entries Spiele mit Leerzeichen");
    const std::string nonAscii = NonAsciiName();
    ASSERT_FALSE(nonAscii.empty()) << "the ANSI code page " << GetACP() << " cannot hold the name";
    GameFolder accented(nonAscii);
    DeepGameFolder deep(beside);
    const std::string unusable = "Z:\\" + std::string(4092, 'x');

    const EntryCase cases[] = {
        // The first entry is used whenever it reads as a text that is not empty: then the second is never
        // looked at, and the search beside the launcher decides.
        {"4095 characters and the zero fit: a folder without the game", kGameKey, Text(unusable), ""},
        {"4096 characters and the zero do not fit: read as empty, so the second entry", kGameKey,
         Text(std::string(4096, 'y')), second.PathWithoutSeparator()},
        {"4096 bytes without a zero do not fit: read as empty, so the second entry", kGameKey,
         Unterminated(std::string(4096, 'y')), second.PathWithoutSeparator()},
        {"empty text: the second entry", kGameKey, Text(""), second.PathWithoutSeparator()},
        {"number 0: its bytes read as an empty text, so the second entry", kGameKey, Dword(0),
         second.PathWithoutSeparator()},
        {"number 1: its bytes are no folder", kGameKey, Dword(1), ""},
        {"folder with spaces", kGameKey, Text(spaces.PathWithoutSeparator()), spaces.PathWithoutSeparator()},
        {"folder with code-page characters", kGameKey, Text(accented.PathWithoutSeparator()),
         accented.PathWithoutSeparator()},
        {"game folder deeper than 260 characters", kGameKey, Text(deep.Path()), ""},
    };
    for (const EntryCase& c : cases)
        CheckEntry(c, BesideTheGame(), beside, {{kAppPathsKey, Text(second.PathWithoutSeparator())}});
}

TEST_F(InstallerEntryValues, SecondEntryTextsLeadToTheirFolderOrToThePathSearch) {
    GameFolder spaces("Entries Spiele mit Leerzeichen");
    GameFolder accented(NonAsciiName());
    DeepGameFolder deep(beside);

    const EntryCase cases[] = {
        {"4095 characters and the zero fit: a folder without the game", kAppPathsKey,
         Text("Z:\\" + std::string(4092, 'x')), ""},
        {"4096 characters do not fit: read as empty", kAppPathsKey, Text(std::string(4096, 'y')), ""},
        {"empty text", kAppPathsKey, Text(""), ""},
        {"number", kAppPathsKey, Dword(1), ""},
        {"folder with spaces", kAppPathsKey, Text(spaces.PathWithoutSeparator()),
         spaces.PathWithoutSeparator()},
        {"folder with code-page characters", kAppPathsKey, Text(accented.PathWithoutSeparator()),
         accented.PathWithoutSeparator()},
        {"game folder deeper than 260 characters", kAppPathsKey, Text(deep.Path()), ""},
    };
    for (const EntryCase& c : cases)
        CheckEntry(c, BesideTheGame(), beside, {});
}

// The folder's characters reach the file system as themselves: "startup.cfg" lies in the folder whose
// Unicode name is "Spiele \u00C4 \u00F6" (UTF-8 on the disk), not in one named after the raw bytes.
TEST_F(InstallerEntryValues, CodePageFolderIsTheFolderOfThatUnicodeName) {
    GameFolder accented(NonAsciiName());
    SetGamePathEntry(accented.PathWithoutSeparator());
    Launcher launcher(LaunchOptions::ForGame(accented));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    ASSERT_TRUE(dialog.Click(IDOK));
    ASSERT_TRUE(launcher.WaitForExit());
    ASSERT_TRUE(WaitForReport(accented.ReportPath()));

    wchar_t testFolder[MAX_PATH] = {};
    ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, TestExeFolder().c_str(), -1, testFolder, MAX_PATH), 0);
    const std::wstring config = std::wstring(testFolder) + L"ui-games\\Spiele \u00C4 \u00F6\\startup.cfg";
    EXPECT_NE(GetFileAttributesW(config.c_str()), INVALID_FILE_ATTRIBUTES);
    // No word splitting with an empty IFS, so the name needs no quotes of its own.
    EXPECT_EQ(RunUnix("cd '" + UnixPath(TestExeFolder()) +
                      "ui-games' && IFS= && test -f $(printf 'Spiele \\303\\204 \\303\\266/startup.cfg')"),
              0)
        << "startup.cfg under the UTF-8 form of the folder's name";
}

// A text that fits the read buffer and names the game's folder through "\." steps, but is longer than any
// Windows path: the game is found there and the folder is taken as it stands, so "startup.cfg" cannot be
// written into it. The launcher says so with the path it formed, and on Yes the game still starts.
TEST_F(InstallerEntryValues, FolderTextLongerThanAPathFindsTheGameButNoFileCanBeWrittenThere) {
    GameFolder game("Entries.Padded");
    const std::string padded = PaddedTo(game.PathWithoutSeparator(), 4095);
    ASSERT_EQ(padded.size(), 4095u);
    SetGamePathEntry(padded);
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
    EXPECT_EQ(launcher.Windows().size(), 1u) << "no message before the main dialog";
    EXPECT_EQ(ReadInstallerEntries().gamePath.value_or("<absent>"), padded);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey)) << "the registry is not written";

    // The game folder is the text with one separator at its end (the padding may already end in one).
    const std::string folder = padded.back() == '\\' ? padded : padded + "\\";
    HWND question =
        StartExpectingFileError(launcher, dialog, folder + "startup.cfg contains an invalid path.");
    ASSERT_TRUE(question);
    ASSERT_TRUE(Answer(question, IDYES));
    ASSERT_TRUE(launcher.WaitForExit());
    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->exe, game.File("Skv.exe"));
    EXPECT_FALSE(report->startupCfg) << "no startup.cfg anywhere in the folder";
}

} // namespace
