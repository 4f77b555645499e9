#include "location/game_location.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A machine whose installer's entry names a folder without the game, and a user who answers as scripted.
// Everything the launcher asks, shows, writes and changes is logged in order.
class FakeMachine : public LocationPlatform {
  public:
    bool Confirm = false;
    std::optional<std::string> Chosen;
    std::string Installed = "C:/G/"; // the installer's entry
    std::string Log;

    void Note(const std::string& event) { Log += (Log.empty() ? "" : " | ") + event; }
    std::string ReadRegistryString(const std::string&, const char*, const std::string&) override {
        return Installed;
    }
    bool WriteRegistryString(const std::string& key, const char* value, const std::string& text) override {
        Note((key == AppPathsKey ? "App " : "Game ") + std::string(value ? value : "") + "=" + text);
        return true;
    }
    std::optional<std::string> SearchGame(const char* folder) override {
        Note(std::string("search ") + (folder ? folder : "*"));
        return std::nullopt;
    }
    bool IsUsableFile(const std::string&) override { return false; }
    void ShowGameNotFound() override { Note("not found"); }
    bool ConfirmChange(const std::string& folder) override {
        Note("confirm " + folder);
        return Confirm;
    }
    std::optional<std::string> AskForGameFile() override {
        Note("open dialog");
        return Chosen;
    }
    void SetCurrentFolder(const std::string& folder) override { Note("cd " + folder); }
    LeadBytes PathLeadBytes() override { return {}; }
    void ShowFolderUnusable(const std::string& folder) override { Note("unusable " + folder); }
};

// The registry routes, the path search and the dialog are tried through the real launcher; here what
// comes of the paths a user may choose, at start-up and through "Location...".
TEST(GameLocation, ChosenPaths) {
    const struct {
        bool AtStartUp, Confirm;
        std::optional<std::string> Chosen;
        LocateResult Result;
        const char* ExePath;
        const char* Log;
    } rows[] = {
        {true, false, "D:/Other/Game.exe", LocateResult::Found, "D:/Other/Game.exe",
         "search C:/G/ | search * | not found | open dialog | Game Path=D:/Other | App Path=D:/Other | "
         "App =D:/Other/Game.exe | cd D:/Other\\"},
        {true, false, "F:\\Skv.exe", LocateResult::Found, "F:\\Skv.exe",
         "search C:/G/ | search * | not found | open dialog | Game Path=F: | App Path=F: | App =F:\\Skv.exe "
         "| "
         "cd F:\\"},
        {true, false, std::nullopt, LocateResult::Cancelled, "",
         "search C:/G/ | search * | not found | open dialog"},
        {true, false, "Skv.exe", LocateResult::NoFolder, "",
         "search C:/G/ | search * | not found | open dialog"},
        {true, false, "E:\\????\\Skv.exe", LocateResult::Unusable, "",
         "search C:/G/ | search * | not found | open dialog | unusable E:\\????"},
        {false, false, "D:\\New\\Skv.exe", LocateResult::Found, "C:\\G\\Skv.exe",
         "confirm C:\\G\\ | cd C:\\G\\"},
        {false, true, std::nullopt, LocateResult::Found, "C:\\G\\Skv.exe",
         "confirm C:\\G\\ | open dialog | cd C:\\G\\"},
        {false, true, "Skv.exe", LocateResult::Found, "C:\\G\\Skv.exe",
         "confirm C:\\G\\ | open dialog | cd C:\\G\\"},
        {false, true, "E:\\????\\Skv.exe", LocateResult::Found, "C:\\G\\Skv.exe",
         "confirm C:\\G\\ | open dialog | unusable E:\\???? | cd C:\\G\\"},
        {false, true, "C:\\G\\Skv.exe", LocateResult::Found, "C:\\G\\Skv.exe",
         "confirm C:\\G\\ | open dialog | Game Path=C:\\G | App Path=C:\\G | App =C:\\G\\Skv.exe | cd "
         "C:\\G\\"},
        {false, true, "D:/New/Game.exe", LocateResult::Found, "D:/New/Game.exe",
         "confirm C:\\G\\ | open dialog | Game Path=D:/New | App Path=D:/New | App =D:/New/Game.exe | "
         "cd D:/New\\"},
    };
    for (const auto& row : rows) {
        FakeMachine machine;
        machine.Confirm = row.Confirm;
        machine.Chosen = row.Chosen;
        GameLocation location;
        if (row.AtStartUp) {
            EXPECT_EQ(LocateGame(machine, location), row.Result) << row.Log;
        } else {
            location = {"C:\\G\\Skv.exe", "C:\\G\\"};
            ChangeGameLocation(machine, location);
        }
        EXPECT_EQ(location.ExePath, row.ExePath) << row.Log;
        EXPECT_EQ(machine.Log, row.Log);
    }
}

// An installer's entry that this Windows could not hand over whole: said so, nothing searched or written.
TEST(GameLocation, InstalledFolderOutsideTheCodePage) {
    FakeMachine machine;
    machine.Installed = "C:\\Games\\????";
    GameLocation location;
    EXPECT_EQ(LocateGame(machine, location), LocateResult::Unusable);
    EXPECT_EQ(machine.Log, "unusable C:\\Games\\????");
    EXPECT_EQ(location.ExePath + location.Folder, "");
}

} // namespace
