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
    if (!LocateGame(platform, GameExePath, GameFolder))
        return false;

    LauncherDialog dialog;
    dialog.DoModal();
    return false;
}
