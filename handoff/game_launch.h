// Starting the game through the shell: the attempts, and when the player hears that none succeeded.
#pragma once

#include <string>

// How one start through the shell ended.
enum class ShellStart {
    Started,
    Cancelled, // the player declined what the start asked, such as the elevation prompt of a game set to
               // run as administrator
    Failed,
};

// What starting the game needs from the platform. The Windows implementation wraps ShellExecuteExA and the
// message box.
class GameShell {
  public:
    virtual ~GameShell() = default;
    // The shell's default action on file with these parameters, working in folder (nullptr: the current one).
    virtual ShellStart Start(const std::string& file, const std::string& parameters, const char* folder) = 0;
    // "ERROR: Failed to start Skv.exe!", OK button, information icon.
    virtual void ShowStartFailed() = 0;
};

// Starts the game by its path in its folder, else by the bare name "Skv.exe", which the shell finds in the
// current folder, the game's. A start that the player cancelled is not tried again, and nothing is said.
// True when the game was started.
bool LaunchGame(GameShell& shell, const std::string& exePath, const std::string& folder,
                const std::string& parameters);
