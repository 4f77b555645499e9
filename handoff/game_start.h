// "Start": handing the options over to the game and starting it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/app_context.h"
#include "settings/launcher_settings.h"

// Writes "startup.cfg" into gameFolder (after a failure the user may still go on) and starts the game
// with its command line (LaunchGame), the shell's prompts owned by `owner`. True when the game was started;
// otherwise the user has been told why, or cancelled the start.
bool HandOverToGame(AppContext& context, HWND owner, const std::string& gameExePath,
                    const std::string& gameFolder, const LauncherSettings& settings, uint32_t levelCommand);
