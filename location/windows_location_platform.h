// Locating the game with the registry, the path search, message boxes and the "Open" dialog.
#pragma once

#include <windows.h>

#include "location/game_location.h"

class WindowsLocationPlatform : public LocationPlatform {
  public:
    // The "Open" dialog is owned by `owner`, which cannot be used while it is open ("Location..." in the main
    // dialog); none at start-up, where the launcher has no window yet.
    explicit WindowsLocationPlatform(HWND owner = nullptr) : owner_(owner) {}
    std::string ReadRegistryString(const std::string& key, const char* valueName,
                                   const std::string& defaultText) override;
    bool WriteRegistryString(const std::string& key, const char* valueName, const std::string& text) override;
    std::optional<std::string> SearchGame(const char* folder) override;
    bool IsUsableFile(const std::string& path) override;
    void ShowGameNotFound() override;
    bool ConfirmChange(const std::string& currentFolder) override;
    std::optional<std::string> AskForGameFile() override;
    void SetCurrentFolder(const std::string& folder) override;
    LeadBytes PathLeadBytes() override;
    void ShowFolderUnusable(const std::string& folder) override;

  private:
    HWND owner_;
};
