#include "handoff/game_launch.h"

#include "location/game_location.h"

bool LaunchGame(GameShell& shell, const std::string& exePath, const std::string& folder,
                const std::string& parameters) {
    ShellStart result = shell.Start(exePath, parameters, folder.c_str());
    if (result == ShellStart::Failed)
        result = shell.Start(GameExeName, parameters, nullptr);
    if (result == ShellStart::Failed)
        shell.ShowStartFailed();
    return result == ShellStart::Started;
}
