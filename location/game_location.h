#pragma once

#include <optional>
#include <string>

#include "framework/file_choice.h"
#include "framework/path_parts.h"

// Finding the game, and moving the launcher to another copy of it.

// What locating the game needs from the platform. The Windows implementation wraps the registry
// (HKEY_LOCAL_MACHINE as the launcher, a 32-bit program, sees it: on 64-bit Windows its 32-bit view, where
// the game's 32-bit installer writes), SearchPathA, GetFileAttributesA, message boxes and the file dialog.
class LocationPlatform {
  public:
    virtual ~LocationPlatform() = default;
    // HKEY_LOCAL_MACHINE string value (a REG_EXPAND_SZ one with its environment variables filled in); the
    // default text when the key or value can't be read or doesn't fit.
    virtual std::string ReadRegistryString(const std::string& key, const char* valueName,
                                           const std::string& defaultText) = 0;
    // valueName nullptr = the key's default value. True when stored.
    virtual bool WriteRegistryString(const std::string& key, const char* valueName,
                                     const std::string& text) = 0;
    // Full path of the first "Skv.exe" in folder (nullptr: the standard search order, the launcher's own
    // folder first), or nothing. Never a truncated path: that must not be taken for the game.
    virtual std::optional<std::string> SearchGame(const char* folder) = 0;
    // Usable: exists and is not a directory.
    virtual bool IsUsableFile(const std::string& path) = 0;
    // String 102, OK button, information icon.
    virtual void ShowGameNotFound() = 0;
    // "The Current Path is: %s\nDo you want to change it?" Yes/No, question icon; true on Yes.
    virtual bool ConfirmChange(const std::string& currentFolder) = 0;
    // The "Open" dialog for "Skv.exe": the chosen file's full path, nothing on cancel, the dialog's error
    // number when it could not be shown.
    virtual FileChoice AskForGameFile() = 0;
    // Says that the "Open" dialog could not be shown, with its error number.
    virtual void ShowFileDialogFailed(unsigned long error) = 0;
    virtual void SetCurrentFolder(const std::string& folder) = 0;
    // The lead bytes of the code page that paths are held in.
    virtual LeadBytes PathLeadBytes() = 0;
    // Says that this Windows cannot hand the launcher the name of the game's folder (its characters lie
    // outside the code page; the system gave "?" for them), naming the folder as the system gave it.
    virtual void ShowFolderUnusable(const std::string& folder) = 0;
};

// Registry places of the game's installer.
constexpr const char* GameRegistryKey = "Software\\Quillon\\Skarnvale";
constexpr const char* AppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\skvprog.exe";
constexpr const char* GameExeName = "Skv.exe";

// Where the game is: the full path of its executable, and its folder, which ends in a path separator.
// Every file the launcher writes for the game is named by appending the file's name to the folder.
struct GameLocation {
    std::string ExePath;
    std::string Folder;
};

// How looking for the game at start-up ended.
enum class LocateResult {
    Found,        // the location is set and the current folder is the game's folder
    Cancelled,    // the user cancelled the file dialog
    NoFolder,     // the path found or chosen has no folder part to be the game's folder
    Unusable,     // only a name that this Windows cannot hand over points to the game; the user has been told
    DialogFailed, // the "Open" dialog could not be shown; the user has been told
};

// Finds the game at start-up: the installer's entries (a "\\?\" one in its usual form), then the path search,
// then the user. An entry whose name this Windows could not hand over ("?" for characters the code page
// lacks) is passed by; when it was the only trace of the game, the user is told so instead of being asked.
// Unless the game was found, nothing is written and the caller ends the launcher.
LocateResult LocateGame(LocationPlatform& platform, GameLocation& location);

// The "Location..." command: lets the user point the launcher at another copy of the game. The location
// and the registry change together or not at all; however it ends, the current folder is the game's.
void ChangeGameLocation(LocationPlatform& platform, GameLocation& location);
