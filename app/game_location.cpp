#include "app/game_location.h"

namespace {

constexpr const char* PathValue = "Path";

// The folder part of a full path (before the last "\", or the last "/" when there is no "\"),
// or nothing when the path holds no separator.
std::optional<std::string> FolderOf(const std::string& path) {
    std::string::size_type separator = path.rfind('\\');
    if (separator == std::string::npos)
        separator = path.rfind('/');
    if (separator == std::string::npos)
        return std::nullopt;
    return path.substr(0, separator);
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

} // namespace

void ApplyTrailingSeparator(std::string& folder) {
    if (folder.empty() || (folder.back() != '\\' && folder.back() != '/'))
        folder += '\\';
}

GameLocation LocateGame(LocationPlatform& platform, std::string& gameExePath, std::string& gameFolder) {
    std::string folder = platform.ReadRegistryString(GameRegistryKey, PathValue, "");
    if (folder.empty())
        folder = platform.ReadRegistryString(AppPathsKey, PathValue, "");

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
    if (!IsUsable(platform, exePath)) {
        platform.ShowGameNotFound();
        std::optional<std::string> chosen = platform.AskForGameFile();
        if (!chosen)
            return GameLocation::Cancelled;
        exePath = *chosen;
        foundElsewhere = true;
    }

    if (foundElsewhere) {
        std::optional<std::string> exeFolder = FolderOf(exePath);
        if (!exeFolder)
            return GameLocation::NoFolder;
        folder = *exeFolder;
        WriteGameEntries(platform, folder, exePath);
    }

    ApplyTrailingSeparator(folder);
    gameExePath = exePath;
    gameFolder = folder;
    platform.SetCurrentFolder(gameFolder);
    return GameLocation::Found;
}

void ChangeGameLocation(LocationPlatform& platform, std::string& gameExePath, std::string& gameFolder) {
    if (!platform.ConfirmChange(gameFolder))
        return;
    std::optional<std::string> chosen = platform.AskForGameFile();
    if (!chosen)
        return;
    // A path without a folder part can't name the game's folder: keep the old location whole rather
    // than an executable path that disagrees with the folder.
    std::optional<std::string> folder = FolderOf(*chosen);
    if (!folder)
        return;

    WriteGameEntries(platform, *folder, *chosen);
    gameExePath = *chosen;
    gameFolder = *folder;
    ApplyTrailingSeparator(gameFolder);
    platform.SetCurrentFolder(gameFolder);
}
