// The launcher's application object: it finds the game and runs the main dialog, and owns the game's
// location for the process's whole life.
#pragma once

#include <string>

#include "framework/application.h"
#include "location/game_location.h"

class LauncherApp : public Application {
  protected:
    // The start-up sequence: profile place, game location, then the main dialog. Always false: the
    // process ends when the dialog has closed.
    bool InitInstance() override;

  private:
    bool EndWithError(const std::string& text);

    GameLocation location_;
};
