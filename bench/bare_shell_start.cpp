// The floor for starting the game: a dialog whose "Start" hands the game's path to the shell and
// ends, as the launcher does, without writing or saving anything first.
//   bare_shell_start.exe <full path of Skv.exe>
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "bench/bare_dialog_proc.h"
#include "bench/bare_game_start.h"
#include "bench/bare_ids.h"

namespace {
std::string gameExe;
std::string gameFolder;

// "Start": hands the game to the shell and ends once the shell has taken it.
bool Pressed(HWND dialog, int id) {
    if (id != IDOK)
        return false;
    HINSTANCE result =
        ShellExecuteA(nullptr, nullptr, gameExe.c_str(), "", gameFolder.c_str(), SW_SHOWNORMAL);
    return bare::EndOnceShellStartedGame(dialog, result);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    gameExe = commandLine;
    gameFolder = bare::FolderOf(gameExe);
    const INT_PTR ended =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(BARE_DLG_MAIN), nullptr, bare::DialogProc<Pressed>, 0);
    return ended == IDOK ? 0 : 1;
}
