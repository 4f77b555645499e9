#include "handoff/game_start.h"

#include <windows.h>

#include "framework/app_context.h"
#include "handoff/command_line.h"
#include "handoff/game_launch.h"
#include "handoff/startup_config_file.h"
#include "location/game_location.h"

namespace {

// The shell's default action on the game, and the message when it cannot start it. The shell's prompts (the
// elevation prompt of a game set to run as administrator) belong to the launcher's window; the launcher's
// own message is the one the player reads when the start fails, and the call returns only once the shell
// is done, since the launcher ends right after it.
class WindowsGameShell : public GameShell {
  public:
    WindowsGameShell(AppContext& context, HWND owner) : context_(context), owner_(owner) {}
    ShellStart Start(const std::string& file, const std::string& parameters, const char* folder) override {
        SHELLEXECUTEINFOA request{};
        request.cbSize = sizeof request;
        request.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        request.hwnd = owner_;
        request.lpFile = file.c_str();
        request.lpParameters = parameters.c_str();
        request.lpDirectory = folder;
        request.nShow = SW_SHOWNORMAL;
        if (context_.StartWithShell(request))
            return ShellStart::Started;
        return GetLastError() == ERROR_CANCELLED ? ShellStart::Cancelled : ShellStart::Failed;
    }
    void ShowStartFailed() override {
        context_.ShowMessage("ERROR: Failed to start " + std::string(GameExeName) + "!",
                             MB_OK | MB_ICONINFORMATION);
    }

  private:
    AppContext& context_;
    HWND owner_;
};

} // namespace

bool HandOverToGame(AppContext& context, HWND owner, const std::string& gameExePath,
                    const std::string& gameFolder, const LauncherSettings& settings, uint32_t levelCommand) {
    const std::string parameters = BuildCommandLine(settings, levelCommand);
    if (!WriteStartupConfig(context, gameFolder, settings) &&
        context.ShowMessage("ERROR: Failed to save configuration file.\nDo you want to continue anyway?",
                            MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    WindowsGameShell shell(context, owner);
    return LaunchGame(shell, gameExePath, gameFolder, parameters);
}
