// What the bare programs whose "Start" hands the game to the shell have in common.
#pragma once

#include <windows.h>

#include <string>

namespace bare {

// The folder of a full path, ending in "\": where the game is started.
inline std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\') + 1);
}

// Ends the dialog as "OK" once the shell has taken the game (it reports success above 32); left open
// otherwise, as the launcher stays open when the game cannot be started. Gives true: "Start" is dealt with.
inline bool EndOnceShellStartedGame(HWND dialog, HINSTANCE shellResult) {
    if (reinterpret_cast<INT_PTR>(shellResult) > 32)
        EndDialog(dialog, IDOK);
    return true;
}

} // namespace bare
