// "Start" hands the options to the game and starts it; "Close" only keeps the options.
#include <windows.h>

#include <string>

#include "app/launcher_app.h"
#include "framework/application.h"
#include "framework/loaded_on_demand.h"
#include "handoff/command_line.h"
#include "ui/launcher_dialog.h"

namespace {

// One start through the shell's default action; the shell reports success with a value above 32.
bool ShellStarts(const char* file, const std::string& parameters, const char* directory) {
    HINSTANCE result =
        ShellExecuteOnDemand(nullptr, nullptr, file, parameters.c_str(), directory, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

void LauncherDialog::StartGame() {
    UpdateData(true);
    // Saved before anything can fail, so the choices survive a game that does not start.
    SaveSettings();
    const std::string parameters = BuildCommandLine(Settings, LevelCommand);

    if (!WriteStartupConfig() &&
        AppMessageBox("ERROR: Failed to save configuration file.\nDo you want to continue anyway?",
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    // The game's own path first; then the bare name, found by the shell from the current folder, which
    // start-up keeps at the game's folder.
    if (ShellStarts(GameExePath.c_str(), parameters, GameFolder.c_str()) ||
        ShellStarts("Skv.exe", parameters, nullptr)) {
        Dialog::OnOK();
        return;
    }
    AppMessageBox("ERROR: Failed to start Skv.exe!", MB_OK | MB_ICONINFORMATION);
}

void LauncherDialog::CloseLauncher() {
    UpdateData(true);
    SaveSettings();
    EndDialog(IDCANCEL);
}
