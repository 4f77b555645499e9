// Locating the game with the registry, the path search, message boxes and the "Open" dialog.
#pragma once

#include "framework/app_context.h"
#include "location/game_location.h"

// The "Open" dialog, like the messages, is owned by the launcher's active window, which waits while it is
// open (the main dialog during "Location..."); by none at start-up, before the launcher has a window.
class WindowsLocationPlatform : public LocationPlatform {
  public:
    // Messages and the "Open" dialog go through `context`, with its strings and owner window.
    explicit WindowsLocationPlatform(AppContext& context) : context_(context) {}
    std::string ReadRegistryString(const std::string& key, const char* valueName,
                                   const std::string& defaultText) override;
    bool WriteRegistryString(const std::string& key, const char* valueName, const std::string& text) override;
    std::optional<std::string> SearchGame(const char* folder) override;
    bool IsUsableFile(const std::string& path) override;
    void ShowGameNotFound() override;
    bool ConfirmChange(const std::string& currentFolder) override;
    FileChoice AskForGameFile() override;
    void ShowFileDialogFailed(unsigned long error) override;
    void SetCurrentFolder(const std::string& folder) override;
    LeadBytes PathLeadBytes() override;
    void ShowFolderUnusable(const std::string& folder) override;

  private:
    AppContext& context_;
};
