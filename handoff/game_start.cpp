#include "handoff/game_start.h"

#include <windows.h>

#include "framework/application.h"
#include "framework/loaded_on_demand.h"
#include "handoff/command_line.h"
#include "handoff/startup_config_file.h"

namespace {

// One start through the shell's default action; the shell reports success with a value above 32.
bool ShellStarts(const char* file, const std::string& parameters, const char* directory) {
    HINSTANCE result =
        ShellExecuteOnDemand(nullptr, nullptr, file, parameters.c_str(), directory, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

bool HandOverToGame(const std::string& gameExePath, const std::string& gameFolder,
                    const LauncherSettings& settings, uint32_t levelCommand) {
    const std::string parameters = BuildCommandLine(settings, levelCommand);
    if (!WriteStartupConfig(gameFolder, settings) &&
        AppMessageBox("ERROR: Failed to save configuration file.\nDo you want to continue anyway?",
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    if (ShellStarts(gameExePath.c_str(), parameters, gameFolder.c_str()) ||
        ShellStarts("Skv.exe", parameters, nullptr))
        return true;
    AppMessageBox("ERROR: Failed to start Skv.exe!", MB_OK | MB_ICONINFORMATION);
    return false;
}
