#include "app/game_location.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

struct RegistryValue {
    std::string Key;
    std::string Name; // "" for the key's default value
    std::string Text;
    bool operator==(const RegistryValue& other) const {
        return Key == other.Key && Name == other.Name && Text == other.Text;
    }
};

std::ostream& operator<<(std::ostream& out, const RegistryValue& value) {
    return out << "[" << value.Key << "] " << (value.Name.empty() ? "(default)" : value.Name) << " = "
               << value.Text;
}

const std::string StartFolder = "C:\\Start\\";
const std::string Standard = "<standard order>";

// A machine with a registry, files and folders, a scripted standard path search and a scripted user.
// Everything the launcher asks or shows is logged in order.
class FakeMachine : public LocationPlatform {
  public:
    std::map<std::pair<std::string, std::string>, std::string> Registry;
    std::set<std::string> Files;
    std::set<std::string> Folders;
    std::optional<std::string> StandardSearchResult;
    bool ConfirmAnswer = false;
    std::optional<std::string> DialogAnswer;

    std::vector<std::string> Reads;    // keys read, in order
    std::vector<std::string> Searches; // folders searched, Standard for the standard order
    std::vector<RegistryValue> Writes; // in order
    std::vector<std::string> Events;   // messages, dialogs and folder changes, in order
    std::string CurrentFolder = StartFolder;

    std::string ReadRegistryString(const std::string& key, const char* valueName,
                                   const std::string& defaultText) override {
        Reads.push_back(key);
        auto found = Registry.find({key, valueName ? valueName : ""});
        return found == Registry.end() ? defaultText : found->second;
    }
    bool WriteRegistryString(const std::string& key, const char* valueName,
                             const std::string& text) override {
        Writes.push_back({key, valueName ? valueName : "", text});
        Registry[{key, valueName ? valueName : ""}] = text;
        return true;
    }
    std::optional<std::string> SearchGame(const char* folder) override {
        if (folder == nullptr) {
            Searches.push_back(Standard);
            return StandardSearchResult;
        }
        Searches.push_back(folder);
        std::string candidate = folder;
        if (candidate.empty() || (candidate.back() != '\\' && candidate.back() != '/'))
            candidate += '\\';
        candidate += GameExeName;
        // Like the real path search, a folder of that name is found as well.
        if (Files.count(candidate) || Folders.count(candidate))
            return candidate;
        return std::nullopt;
    }
    bool IsUsableFile(const std::string& path) override { return Files.count(path) > 0; }
    void ShowGameNotFound() override { Events.push_back("not found message"); }
    bool ConfirmChange(const std::string& currentFolder) override {
        Events.push_back("confirm " + currentFolder);
        return ConfirmAnswer;
    }
    std::optional<std::string> AskForGameFile() override {
        Events.push_back("open dialog");
        return DialogAnswer;
    }
    void SetCurrentFolder(const std::string& folder) override {
        Events.push_back("cd " + folder);
        CurrentFolder = folder;
    }
};

std::vector<RegistryValue> EntriesFor(const std::string& folder, const std::string& exePath) {
    return {{GameRegistryKey, "Path", folder}, {AppPathsKey, "Path", folder}, {AppPathsKey, "", exePath}};
}

struct LocateCase {
    const char* Name;
    std::vector<RegistryValue> Registry;
    std::set<std::string> Files;
    std::set<std::string> Folders;
    std::optional<std::string> StandardSearchResult;
    std::optional<std::string> DialogAnswer;

    bool Result;
    std::string ExePath;
    std::string Folder;
    std::vector<std::string> Reads;
    std::vector<std::string> Searches;
    std::vector<RegistryValue> Writes;
    std::vector<std::string> Events;
};

const std::vector<LocateCase> LocateCases = {
    {"first entry holds the game",
     {{GameRegistryKey, "Path", "C:\\Games\\Skv"}, {AppPathsKey, "Path", "D:\\Other"}},
     {"C:\\Games\\Skv\\Skv.exe", "D:\\Other\\Skv.exe"},
     {},
     "C:\\Launcher\\Skv.exe",
     std::nullopt,
     true,
     "C:\\Games\\Skv\\Skv.exe",
     "C:\\Games\\Skv\\",
     {GameRegistryKey},
     {"C:\\Games\\Skv"},
     {},
     {"cd C:\\Games\\Skv\\"}},
    {"second entry used when the first is absent, nothing written",
     {{AppPathsKey, "Path", "D:\\Skv"}},
     {"D:\\Skv\\Skv.exe"},
     {},
     std::nullopt,
     std::nullopt,
     true,
     "D:\\Skv\\Skv.exe",
     "D:\\Skv\\",
     {GameRegistryKey, AppPathsKey},
     {"D:\\Skv"},
     {},
     {"cd D:\\Skv\\"}},
    {"second entry used when the first is empty",
     {{GameRegistryKey, "Path", ""}, {AppPathsKey, "Path", "D:\\Skv"}},
     {"D:\\Skv\\Skv.exe"},
     {},
     std::nullopt,
     std::nullopt,
     true,
     "D:\\Skv\\Skv.exe",
     "D:\\Skv\\",
     {GameRegistryKey, AppPathsKey},
     {"D:\\Skv"},
     {},
     {"cd D:\\Skv\\"}},
    {"first entry without the game falls to the standard search, second entry not consulted",
     {{GameRegistryKey, "Path", "C:\\Old"}, {AppPathsKey, "Path", "D:\\Skv"}},
     {"D:\\Skv\\Skv.exe", "C:\\Launcher\\Skv.exe"},
     {},
     "C:\\Launcher\\Skv.exe",
     std::nullopt,
     true,
     "C:\\Launcher\\Skv.exe",
     "C:\\Launcher\\",
     {GameRegistryKey},
     {"C:\\Old", Standard},
     EntriesFor("C:\\Launcher", "C:\\Launcher\\Skv.exe"),
     {"cd C:\\Launcher\\"}},
    {"first entry without the game and nothing on the search path: the user is asked",
     {{GameRegistryKey, "Path", "C:\\Old"}, {AppPathsKey, "Path", "D:\\Skv"}},
     {"D:\\Skv\\Skv.exe"},
     {},
     std::nullopt,
     "E:\\Pick\\Skv.exe",
     true,
     "E:\\Pick\\Skv.exe",
     "E:\\Pick\\",
     {GameRegistryKey},
     {"C:\\Old", Standard},
     EntriesFor("E:\\Pick", "E:\\Pick\\Skv.exe"),
     {"not found message", "open dialog", "cd E:\\Pick\\"}},
    {"a folder called Skv.exe in the registry folder is refused",
     {{GameRegistryKey, "Path", "C:\\Games\\Skv"}},
     {},
     {"C:\\Games\\Skv\\Skv.exe"},
     std::nullopt,
     "E:\\Real\\Skv.exe",
     true,
     "E:\\Real\\Skv.exe",
     "E:\\Real\\",
     {GameRegistryKey},
     {"C:\\Games\\Skv", Standard},
     EntriesFor("E:\\Real", "E:\\Real\\Skv.exe"),
     {"not found message", "open dialog", "cd E:\\Real\\"}},
    {"a folder called Skv.exe on the search path is refused",
     {},
     {},
     {"C:\\Launcher\\Skv.exe"},
     "C:\\Launcher\\Skv.exe",
     "E:\\Real\\Skv.exe",
     true,
     "E:\\Real\\Skv.exe",
     "E:\\Real\\",
     {GameRegistryKey, AppPathsKey},
     {Standard},
     EntriesFor("E:\\Real", "E:\\Real\\Skv.exe"),
     {"not found message", "open dialog", "cd E:\\Real\\"}},
    {"no entries, the game beside the launcher: found and written back",
     {},
     {"C:\\Launcher\\Skv.exe"},
     {},
     "C:\\Launcher\\Skv.exe",
     std::nullopt,
     true,
     "C:\\Launcher\\Skv.exe",
     "C:\\Launcher\\",
     {GameRegistryKey, AppPathsKey},
     {Standard},
     EntriesFor("C:\\Launcher", "C:\\Launcher\\Skv.exe"),
     {"cd C:\\Launcher\\"}},
    {"nothing found and the dialog cancelled: false, nothing written, folder unchanged",
     {},
     {},
     {},
     std::nullopt,
     std::nullopt,
     false,
     "",
     "",
     {GameRegistryKey, AppPathsKey},
     {Standard},
     {},
     {"not found message", "open dialog"}},
    {"registry folder with a trailing backslash keeps a single one",
     {{GameRegistryKey, "Path", "C:\\Games\\Skv\\"}},
     {"C:\\Games\\Skv\\Skv.exe"},
     {},
     std::nullopt,
     std::nullopt,
     true,
     "C:\\Games\\Skv\\Skv.exe",
     "C:\\Games\\Skv\\",
     {GameRegistryKey},
     {"C:\\Games\\Skv\\"},
     {},
     {"cd C:\\Games\\Skv\\"}},
    {"registry folder with a trailing slash keeps it",
     {{GameRegistryKey, "Path", "C:/Games/Skv/"}},
     {"C:/Games/Skv/Skv.exe"},
     {},
     std::nullopt,
     std::nullopt,
     true,
     "C:/Games/Skv/Skv.exe",
     "C:/Games/Skv/",
     {GameRegistryKey},
     {"C:/Games/Skv/"},
     {},
     {"cd C:/Games/Skv/"}},
    {"a file of another name chosen in the dialog is accepted",
     {},
     {},
     {},
     std::nullopt,
     "E:\\Pick\\SkvDebug.exe",
     true,
     "E:\\Pick\\SkvDebug.exe",
     "E:\\Pick\\",
     {GameRegistryKey, AppPathsKey},
     {Standard},
     EntriesFor("E:\\Pick", "E:\\Pick\\SkvDebug.exe"),
     {"not found message", "open dialog", "cd E:\\Pick\\"}},
    {"chosen path with slashes only: split at the last slash, backslash appended",
     {},
     {},
     {},
     std::nullopt,
     "E:/Pick/Skv.exe",
     true,
     "E:/Pick/Skv.exe",
     "E:/Pick\\",
     {GameRegistryKey, AppPathsKey},
     {Standard},
     EntriesFor("E:/Pick", "E:/Pick/Skv.exe"),
     {"not found message", "open dialog", "cd E:/Pick\\"}},
    {"chosen path with both separators: split at the last backslash",
     {},
     {},
     {},
     std::nullopt,
     "E:\\a/b\\c/Skv.exe",
     true,
     "E:\\a/b\\c/Skv.exe",
     "E:\\a/b\\",
     {GameRegistryKey, AppPathsKey},
     {Standard},
     EntriesFor("E:\\a/b", "E:\\a/b\\c/Skv.exe"),
     {"not found message", "open dialog", "cd E:\\a/b\\"}},
    {"chosen path without a separator: false, nothing written, folder unchanged",
     {},
     {},
     {},
     std::nullopt,
     "Skv.exe",
     false,
     "",
     "",
     {GameRegistryKey, AppPathsKey},
     {Standard},
     {},
     {"not found message", "open dialog"}},
};

TEST(LocateGame, Scenarios) {
    for (const LocateCase& c : LocateCases) {
        SCOPED_TRACE(c.Name);
        FakeMachine machine;
        for (const RegistryValue& value : c.Registry)
            machine.Registry[{value.Key, value.Name}] = value.Text;
        machine.Files = c.Files;
        machine.Folders = c.Folders;
        machine.StandardSearchResult = c.StandardSearchResult;
        machine.DialogAnswer = c.DialogAnswer;

        std::string exePath, folder;
        EXPECT_EQ(LocateGame(machine, exePath, folder), c.Result);
        EXPECT_EQ(exePath, c.ExePath);
        EXPECT_EQ(folder, c.Folder);
        EXPECT_EQ(machine.Reads, c.Reads);
        EXPECT_EQ(machine.Searches, c.Searches);
        EXPECT_EQ(machine.Writes, c.Writes);
        EXPECT_EQ(machine.Events, c.Events);
        EXPECT_EQ(machine.CurrentFolder, c.Result ? c.Folder : StartFolder);
    }
}

struct ChangeCase {
    const char* Name;
    bool Confirm;
    std::optional<std::string> DialogAnswer;

    std::string ExePath;
    std::string Folder;
    std::vector<RegistryValue> Writes;
    std::vector<std::string> Events;
};

const std::string OldExe = "C:\\Games\\Skv\\Skv.exe";
const std::string OldFolder = "C:\\Games\\Skv\\";

const std::vector<ChangeCase> ChangeCases = {
    {"answered No: nothing changes",
     false,
     "F:\\New\\Skv.exe",
     OldExe,
     OldFolder,
     {},
     {"confirm " + OldFolder}},
    {"dialog cancelled: nothing changes",
     true,
     std::nullopt,
     OldExe,
     OldFolder,
     {},
     {"confirm " + OldFolder, "open dialog"}},
    {"the same file again: the three values are written all the same",
     true,
     OldExe,
     OldExe,
     OldFolder,
     EntriesFor("C:\\Games\\Skv", OldExe),
     {"confirm " + OldFolder, "open dialog", "cd " + OldFolder}},
    {"a file of another name elsewhere is accepted",
     true,
     "F:\\New\\other.exe",
     "F:\\New\\other.exe",
     "F:\\New\\",
     EntriesFor("F:\\New", "F:\\New\\other.exe"),
     {"confirm " + OldFolder, "open dialog", "cd F:\\New\\"}},
    {"a path without a separator changes nothing at all",
     true,
     "other.exe",
     OldExe,
     OldFolder,
     {},
     {"confirm " + OldFolder, "open dialog"}},
};

TEST(ChangeGameLocation, Scenarios) {
    for (const ChangeCase& c : ChangeCases) {
        SCOPED_TRACE(c.Name);
        FakeMachine machine;
        machine.CurrentFolder = OldFolder;
        machine.ConfirmAnswer = c.Confirm;
        machine.DialogAnswer = c.DialogAnswer;

        std::string exePath = OldExe, folder = OldFolder;
        ChangeGameLocation(machine, exePath, folder);
        EXPECT_EQ(exePath, c.ExePath);
        EXPECT_EQ(folder, c.Folder);
        EXPECT_EQ(machine.Writes, c.Writes);
        EXPECT_EQ(machine.Events, c.Events);
        EXPECT_EQ(machine.CurrentFolder, c.Folder);
        EXPECT_TRUE(machine.Reads.empty());
        EXPECT_TRUE(machine.Searches.empty());
    }
}

TEST(ApplyTrailingSeparator, Table) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "\\"},
        {"C:", "C:\\"},
        {"C:\\", "C:\\"},
        {"C:\\Games", "C:\\Games\\"},
        {"C:\\Games\\", "C:\\Games\\"},
        {"/games/skv", "/games/skv\\"},
        {"/games/skv/", "/games/skv/"},
        {"C:\\Games\\\\", "C:\\Games\\\\"},
    };
    for (const auto& [input, expected] : cases) {
        std::string folder = input;
        ApplyTrailingSeparator(folder);
        EXPECT_EQ(folder, expected) << "input: " << input;
    }
}

} // namespace
