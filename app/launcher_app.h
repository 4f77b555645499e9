// The launcher's application object: it finds the game and runs the main dialog, and owns the game's
// location and the profile's key for the process's whole life.
#pragma once

#include <string>

#include "framework/application.h"
#include "location/game_location.h"

class LauncherApp : public Application {
  public:
    // Message boxes are captioned with the launcher's title, "Skarnvale Launcher (BETA 2)".
    LauncherApp();

  protected:
    // The start-up sequence: profile key, game location, then the main dialog. The process ends when the
    // dialog has closed.
    void InitInstance(AppContext& context) override;

  private:
    void EndWithError(const AppContext& context, const std::string& text);

    // Where the options are kept: HKEY_CURRENT_USER\Software\<profileKey_>, from the string table.
    std::string profileKey_;
    GameLocation location_;
};
