// Where the game is: the parts of a path in each code page, and what comes of the paths a user may choose.
#include "location/game_location.h"
#include "framework/path_parts.h"

#include <gtest/gtest.h>

#include <string>

// Lead bytes of the Japanese code page, as its table gives them. (The game folders named in each language
// carry the other double-byte code pages, and UTF-8, through the launcher under Wine.)
LeadBytes Japanese932() {
    LeadBytes lead;
    lead.AddRange(0x81, 0x9F);
    lead.AddRange(0xE0, 0xFC);
    return lead;
}

// A folder name whose last character's second byte is 0x5C, the byte of "\".
const std::string Kinou932 = "\x8b\x40\x94\x5c"; // 機能

// The folder part of a path, its file name, and the path with the trailing-separator rule applied.
TEST(PathParts, FolderNameAndTrailingSeparator) {
    // Folder: "<none>" without a separator.
    // clang-format off
    const struct { std::string Path; LeadBytes Lead; std::string Folder, Name, WithSeparator; } rows[] = {
        {"C:\\Games\\" + Kinou932, Japanese932(), "C:\\Games", Kinou932, "C:\\Games\\" + Kinou932 + "\\"},
        {"C:\\Games\\" + Kinou932 + "\\Skv.exe", Japanese932(), "C:\\Games\\" + Kinou932, "Skv.exe", "C:\\Games\\" + Kinou932 + "\\Skv.exe\\"},
        // The same bytes read as a single-byte code page hold a separator at the end.
        {"C:\\Games\\" + Kinou932, {}, "C:\\Games\\\x8b\x40\x94", "", "C:\\Games\\" + Kinou932},
        // A lead byte at the very end has no second byte to take.
        {"C:\\x\x81", Japanese932(), "C:", "x\x81", "C:\\x\x81\\"},
        {"C:/G/Skv.exe", {}, "C:/G", "Skv.exe", "C:/G/Skv.exe\\"}, {"C:/G/", {}, "C:/G", "", "C:/G/"},
        {"C:\\a\\b/Skv.exe", {}, "C:\\a\\b", "Skv.exe", "C:\\a\\b/Skv.exe\\"},
        {"Skv.exe", {}, "<none>", "Skv.exe", "Skv.exe\\"}, {"", {}, "<none>", "", "\\"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.Path));
        EXPECT_EQ(FolderOf(row.Path, row.Lead).value_or("<none>"), row.Folder);
        EXPECT_EQ(row.Path.substr(NameStart(row.Path, row.Lead)), row.Name);
        std::string withSeparator = row.Path;
        ApplyTrailingSeparator(withSeparator, row.Lead);
        EXPECT_EQ(withSeparator, row.WithSeparator);
    }
}

// An installer's entry in the long form of a network path, in any case as Windows reads it, and of a drive
// in lower case; the "\\?\C:\..." form is the real launcher's row.
TEST(PathParts, UsualFormOfALongPath) {
    // clang-format off
    const std::pair<const char*, const char*> rows[] = {
        {"\\\\?\\UNC\\server\\share\\Games", "\\\\server\\share\\Games"},
        {"\\\\?\\unc\\server\\share\\Games", "\\\\server\\share\\Games"},
        {"\\\\?\\c:\\Games", "c:\\Games"}, {"\\\\.\\C:\\Games", "\\\\.\\C:\\Games"}, // a device path is no long form
    };
    // clang-format on
    for (const auto& [path, usual] : rows)
        EXPECT_EQ(WithoutLongPathPrefix(path), usual);
}

// A machine whose installer's entry names a folder without the game, and a user who answers "Location..." as
// scripted and picks the scripted file. Everything the launcher asks, shows, writes and changes is logged.
struct FakeMachine : LocationPlatform {
    bool Confirms = true;
    FileChoice Chosen;
    std::string Log;

    void Note(const std::string& event) { Log += (Log.empty() ? "" : " | ") + event; }
    std::string ReadRegistryString(const std::string&, const char*, const std::string&) override {
        return "C:/G/"; // the installer's entry
    }
    bool WriteRegistryString(const std::string& key, const char* value, const std::string& text) override {
        return Note((key == AppPathsKey ? "App " : "Game ") + std::string(value ? value : "") + "=" + text),
               true;
    }
    std::optional<std::string> SearchGame(const char* folder) override {
        return Note(std::string("search ") + (folder ? folder : "*")), std::nullopt;
    }
    bool IsUsableFile(const std::string&) override { return false; }
    void ShowGameNotFound() override { Note("not found"); }
    bool ConfirmChange(const std::string& folder) override { return Note("confirm " + folder), Confirms; }
    FileChoice AskForGameFile() override { return Note("open dialog"), Chosen; }
    void ShowFileDialogFailed(unsigned long error) override {
        Note("dialog failed " + std::to_string(error));
    }
    void SetCurrentFolder(const std::string& folder) override { Note("cd " + folder); }
    LeadBytes PathLeadBytes() override { return {}; }
    void ShowFolderUnusable(const std::string& folder) override { Note("unusable " + folder); }
};

// What comes of the paths a user may choose at start-up, when nothing else finds the game: the result, the
// location ("path | folder") and, in order, what the launcher asks, shows, writes and changes. (The registry,
// the path search, the dialog cancelled and a dialog that cannot be shown are tried through the real
// launcher.)
TEST(GameLocation, ChosenAtStartUp) {
    const std::string asked = "search C:/G/ | search * | not found | open dialog";
    // clang-format off
    const struct { FileChoice Chosen; LocateResult Result; std::string Location, Log; } rows[] = {
        {{"F:\\Skv.exe"}, LocateResult::Found, "F:\\Skv.exe | F:\\", asked + " | Game Path=F: | App Path=F: | App =F:\\Skv.exe | cd F:\\"},
        {{"Skv.exe"}, LocateResult::NoFolder, " | ", asked},
        {{"E:\\????\\Skv.exe"}, LocateResult::Unusable, " | ", asked + " | unusable E:\\????"},
    };
    // clang-format on
    for (const auto& row : rows) {
        FakeMachine machine;
        machine.Chosen = row.Chosen;
        GameLocation location;
        EXPECT_EQ(LocateGame(machine, location), row.Result) << row.Log;
        EXPECT_EQ(location.ExePath + " | " + location.Folder, row.Location) << row.Log;
        EXPECT_EQ(machine.Log, row.Log);
    }
}

// What comes of "Location..." at C:\G\Skv.exe, for each answer and each path a user may choose that does not
// move it: the location ("path | folder") kept and, in order, what the launcher asks, shows, writes and
// changes. (A game chosen is written down and moved to through the real launcher under Wine: TheLauncher's
// LocationMovesToTheGameChosen and the Languages tests.)
TEST(GameLocation, ChangedThroughLocation) {
    const std::string kept = "C:\\G\\Skv.exe | C:\\G\\", opened = "confirm C:\\G\\ | open dialog | ";
    // clang-format off
    const struct { bool Yes; FileChoice Chosen; std::string Log; } rows[] = {
        {false, {"D:\\Skv.exe"}, "confirm C:\\G\\ | cd C:\\G\\"},
        {true, {std::nullopt}, opened + "cd C:\\G\\"}, {true, {"Skv.exe"}, opened + "cd C:\\G\\"},
        {true, {std::nullopt, 0xFFFF}, opened + "dialog failed 65535 | cd C:\\G\\"},
        {true, {"E:\\????\\Skv.exe"}, opened + "unusable E:\\???? | cd C:\\G\\"},
    };
    // clang-format on
    for (const auto& row : rows) {
        FakeMachine machine;
        machine.Confirms = row.Yes;
        machine.Chosen = row.Chosen;
        GameLocation location{"C:\\G\\Skv.exe", "C:\\G\\"};
        ChangeGameLocation(machine, location);
        EXPECT_EQ(location.ExePath + " | " + location.Folder, kept) << row.Log;
        EXPECT_EQ(machine.Log, row.Log);
    }
}
