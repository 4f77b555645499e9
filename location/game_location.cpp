#include "location/game_location.h"

namespace {

constexpr const char* PathValue = "Path";

// A name in which the system put "?" for characters the code page cannot hold: no file or folder name
// contains "?", so such a path names nothing the launcher could use.
bool LostCharacters(const std::string& path) {
    return path.find('?') != std::string::npos;
}

// The installer's entries, so that the next start finds the game without asking. Failures are dropped.
void WriteGameEntries(LocationPlatform& platform, const std::string& folder, const std::string& exePath) {
    platform.WriteRegistryString(GameRegistryKey, PathValue, folder);
    platform.WriteRegistryString(AppPathsKey, PathValue, folder);
    platform.WriteRegistryString(AppPathsKey, nullptr, exePath);
}

bool IsUsable(LocationPlatform& platform, const std::string& exePath) {
    return !exePath.empty() && platform.IsUsableFile(exePath);
}

// The folder the user is told about when a path cannot be used: the path's folder part, or the path.
std::string FolderToName(const std::string& path, const LeadBytes& lead) {
    return FolderOf(path, lead).value_or(path);
}

// The folder that an installer's entry names, in its usual form. Empty when there is none, or when the
// system lost characters of its name; the first such name is kept in lostName, to be named should nothing
// else find the game.
std::string InstallerFolder(LocationPlatform& platform, const char* key, std::string& lostName) {
    std::string folder = WithoutLongPathPrefix(platform.ReadRegistryString(key, PathValue, ""));
    if (!LostCharacters(folder))
        return folder;
    if (lostName.empty())
        lostName = folder;
    return "";
}

} // namespace

LocateResult LocateGame(LocationPlatform& platform, GameLocation& location) {
    const LeadBytes lead = platform.PathLeadBytes();
    std::string lostName;
    std::string folder = InstallerFolder(platform, GameRegistryKey, lostName);
    if (folder.empty())
        folder = InstallerFolder(platform, AppPathsKey, lostName);

    std::string exePath;
    bool foundElsewhere = false;
    if (!folder.empty()) {
        if (std::optional<std::string> found = platform.SearchGame(folder.c_str()))
            exePath = *found;
    }
    if (!IsUsable(platform, exePath)) {
        if (std::optional<std::string> found = platform.SearchGame(nullptr))
            exePath = *found;
        foundElsewhere = true;
    }
    if (LostCharacters(exePath) && lostName.empty())
        lostName = FolderToName(exePath, lead);
    // The game is where a name that this Windows cannot hand over points, and nowhere else: rather say so
    // than claim the game is missing or ask for it somewhere else.
    if (!IsUsable(platform, exePath) && !lostName.empty()) {
        platform.ShowFolderUnusable(lostName);
        return LocateResult::Unusable;
    }
    if (!IsUsable(platform, exePath)) {
        platform.ShowGameNotFound();
        const FileChoice chosen = platform.AskForGameFile();
        if (chosen.Error != 0) {
            platform.ShowFileDialogFailed(chosen.Error);
            return LocateResult::DialogFailed;
        }
        if (!chosen.Path)
            return LocateResult::Cancelled;
        exePath = *chosen.Path;
        foundElsewhere = true;
    }
    if (LostCharacters(exePath)) {
        platform.ShowFolderUnusable(FolderToName(exePath, lead));
        return LocateResult::Unusable;
    }

    if (foundElsewhere) {
        std::optional<std::string> exeFolder = FolderOf(exePath, lead);
        if (!exeFolder)
            return LocateResult::NoFolder;
        folder = *exeFolder;
        WriteGameEntries(platform, folder, exePath);
    }

    ApplyTrailingSeparator(folder, lead);
    location = {exePath, folder};
    platform.SetCurrentFolder(location.Folder);
    return LocateResult::Found;
}

void ChangeGameLocation(LocationPlatform& platform, GameLocation& location) {
    const LeadBytes lead = platform.PathLeadBytes();
    if (platform.ConfirmChange(location.Folder)) {
        const FileChoice choice = platform.AskForGameFile();
        const std::optional<std::string>& chosen = choice.Path;
        // A path without a folder part can't name the game's folder: keep the old location whole rather
        // than an executable path that disagrees with the folder.
        std::optional<std::string> folder = chosen ? FolderOf(*chosen, lead) : std::nullopt;
        if (choice.Error != 0) {
            platform.ShowFileDialogFailed(choice.Error);
        } else if (chosen && LostCharacters(*chosen)) {
            platform.ShowFolderUnusable(FolderToName(*chosen, lead));
        } else if (folder) {
            WriteGameEntries(platform, *folder, *chosen);
            location = {*chosen, *folder};
            ApplyTrailingSeparator(location.Folder, lead);
        }
    }
    // The "Open" dialog may move the current folder while the user browses, whether or not a game is
    // chosen in the end: it is the game's folder again, the new one or the old.
    platform.SetCurrentFolder(location.Folder);
}
