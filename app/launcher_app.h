// The launcher's application object and its process-wide objects.
#pragma once

#include <string>

#include "framework/application.h"
#include "framework/handles.h"

class LauncherApp : public Application {
  protected:
    // The start-up sequence: profile place, game location, then the main dialog. Always false: the
    // process ends when the dialog has closed.
    bool InitInstance() override;

  private:
    bool EndWithError(const std::string& text);
};

extern LauncherApp TheLauncherApp;
extern std::string GameExePath; // full path of the game executable
extern std::string GameFolder;  // the game's folder, ending in a path separator
extern FontHandle GroupBoxFont; // bold font of the main dialog's group boxes
