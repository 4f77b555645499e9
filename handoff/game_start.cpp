#include "handoff/game_start.h"

#include <windows.h>

#include "framework/application.h"
#include "framework/loaded_on_demand.h"
#include "handoff/command_line.h"
#include "handoff/game_launch.h"
#include "handoff/startup_config_file.h"
#include "location/game_location.h"

namespace {

// The shell's default action on the game, and the message when it cannot start it.
class WindowsGameShell : public GameShell {
  public:
    ShellStart Start(const std::string& file, const std::string& parameters, const char* folder) override {
        HINSTANCE result =
            ShellExecuteOnDemand(nullptr, nullptr, file.c_str(), parameters.c_str(), folder, SW_SHOWNORMAL);
        if (reinterpret_cast<INT_PTR>(result) > 32) // the shell's way of saying it succeeded
            return ShellStart::Started;
        return GetLastError() == ERROR_CANCELLED ? ShellStart::Cancelled : ShellStart::Failed;
    }
    void ShowStartFailed() override {
        AppMessageBox("ERROR: Failed to start " + std::string(GameExeName) + "!", MB_OK | MB_ICONINFORMATION);
    }
};

} // namespace

bool HandOverToGame(const std::string& gameExePath, const std::string& gameFolder,
                    const LauncherSettings& settings, uint32_t levelCommand) {
    const std::string parameters = BuildCommandLine(settings, levelCommand);
    if (!WriteStartupConfig(gameFolder, settings) &&
        AppMessageBox("ERROR: Failed to save configuration file.\nDo you want to continue anyway?",
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    WindowsGameShell shell;
    return LaunchGame(shell, gameExePath, gameFolder, parameters);
}
