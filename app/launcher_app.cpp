#include "app/launcher_app.h"

#include "app/game_location.h"
#include "app/windows_location_platform.h"
#include "res/resource.h"
#include "ui/launcher_dialog.h"

// Constructed in this order before start-up runs, destroyed in the reverse order at exit.
LauncherApp TheLauncherApp;
std::string GameExePath;
std::string GameFolder;
FontHandle GroupBoxFont;

bool LauncherApp::InitInstance() {
    Enable3dControls();
    // The profile sits directly in HKEY_CURRENT_USER\Software\Harbeck\Skv Launcher: no profile-name level.
    SetRegistryKey(SKV_STR_REGISTRY_KEY);
    SetProfileName("");
    GameExePath.clear();
    GameFolder.clear();

    WindowsLocationPlatform platform;
    switch (LocateGame(platform, GameExePath, GameFolder)) {
    case GameLocation::Found:
        break;
    case GameLocation::Cancelled:
        return false;
    case GameLocation::NoFolder:
        return EndWithError("ERROR: The location of 'SKV.EXE' names no folder.");
    case GameLocation::Unusable:
        SetExitCode(1); // the user has been told why
        return false;
    }

    LauncherDialog dialog;
    if (dialog.DoModal() == -1)
        return EndWithError("ERROR: Cannot open the launcher's window.");
    return false;
}

// A start-up that cannot go on says why and ends with a failure status: ending without a word would look
// to the player as if nothing happened, and to a caller as a success.
bool LauncherApp::EndWithError(const std::string& text) {
    AppMessageBox(text, MB_OK | MB_ICONERROR);
    SetExitCode(1);
    return false;
}
