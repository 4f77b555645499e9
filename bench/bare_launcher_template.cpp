// The launcher's own main dialog, shown from the launcher's own resources by a program that does
// nothing else: what the dialog's 58 controls, bitmaps and common controls cost by themselves, with
// no settings, game location, fonts or painting of the launcher's. Given the game's path, its
// "Start" hands the game to the shell and ends, as the bare shell start does; like the launcher it
// loads the shell only then, so that its start-up and memory are the dialog's alone.
//   bare_launcher_template.exe [<full path of Skv.exe>]
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "bench/bare_dialog_proc.h"
#include "bench/bare_game_start.h"
#include "res/resource.h"

namespace {
std::string gameExe;

// "Start", given the game: loads the shell, hands it the game and ends once the shell has taken it.
bool Pressed(HWND dialog, int id) {
    if (id != IDOK || gameExe.empty())
        return false;
    const std::string folder = bare::FolderOf(gameExe);
    using ShellExecuteFunction = HINSTANCE WINAPI(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    HMODULE shell = LoadLibraryA("shell32.dll");
    auto* shellExecute = shell ? reinterpret_cast<ShellExecuteFunction*>(
                                     reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")))
                               : nullptr;
    HINSTANCE result =
        shellExecute ? shellExecute(nullptr, nullptr, gameExe.c_str(), "", folder.c_str(), SW_SHOWNORMAL)
                     : nullptr;
    return bare::EndOnceShellStartedGame(dialog, result);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    gameExe = commandLine;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(SKV_DLG_MAIN), nullptr, bare::DialogProc<Pressed>, 0);
    return 0;
}
