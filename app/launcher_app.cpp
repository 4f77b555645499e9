#include "app/launcher_app.h"

#include "framework/single_instance.h"
#include "location/windows_location_platform.h"
#include "res/resource.h"
#include "ui/launcher_dialog.h"

// The one application object, constructed before start-up runs.
LauncherApp TheLauncherApp;

LauncherApp::LauncherApp() : Application(SKV_STR_APP_TITLE) {}

void LauncherApp::InitInstance(AppContext& context) {
    // One launcher at a time: a second one, say from a second double-click, shows the first one's window and
    // ends without a word, so that the two can never overwrite each other's options. One whose first shows
    // no window (it hangs, or its dialog has just closed) runs in its place.
    SingleInstance instance("Local\\Harbeck.SkvLauncher");
    if (!instance.TakeOrShowHolder())
        return;

    // The profile sits directly in HKEY_CURRENT_USER\Software\Harbeck\Skv Launcher.
    profileKey_ = context.ResourceString(SKV_STR_REGISTRY_KEY);
    location_ = GameLocation();

    WindowsLocationPlatform platform(context);
    switch (LocateGame(platform, location_)) {
    case LocateResult::Found:
        break;
    case LocateResult::Cancelled:
        return;
    case LocateResult::NoFolder:
        EndWithError(context, "ERROR: The location of 'SKV.EXE' names no folder.");
        return;
    case LocateResult::Unusable:
    case LocateResult::DialogFailed:
        SetExitCode(1); // the user has been told why
        return;
    }

    LauncherDialog dialog(context, location_, platform, profileKey_);
    const INT_PTR ended = dialog.DoModal();
    instance.Release(); // the options are saved: a launcher started from now on runs at once
    if (ended == -1)
        EndWithError(context, "ERROR: Cannot open the launcher's window.");
}

// A start-up that cannot go on says why and ends with a failure status: ending without a word would look
// to the player as if nothing happened, and to a caller as a success.
void LauncherApp::EndWithError(const AppContext& context, const std::string& text) {
    context.ShowMessage(text, MB_OK | MB_ICONERROR);
    SetExitCode(1);
}
