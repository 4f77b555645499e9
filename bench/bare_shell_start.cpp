// The floor for starting the game: a dialog whose "Start" hands the game's path to the shell and
// ends, as the launcher does, without writing or saving anything first.
//   bare_shell_start.exe <full path of Skv.exe>
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "bench/bare_ids.h"

namespace {
std::string gameExe;
std::string gameFolder;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == IDOK) {
        HINSTANCE result =
            ShellExecuteA(nullptr, nullptr, gameExe.c_str(), "", gameFolder.c_str(), SW_SHOWNORMAL);
        if (reinterpret_cast<INT_PTR>(result) > 32)
            EndDialog(dialog, IDOK);
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    gameExe = commandLine;
    gameFolder = gameExe.substr(0, gameExe.find_last_of('\\') + 1);
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(BARE_DLG_MAIN), nullptr, DialogProc, 0) == IDOK ? 0 : 1;
}
