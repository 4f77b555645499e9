// The launcher's own main dialog, shown from the launcher's own resources by a program that does
// nothing else: what the dialog's 58 controls, bitmaps and common controls cost by themselves, with
// no settings, game location, fonts or painting of the launcher's. Given the game's path, its
// "Start" hands the game to the shell and ends, as the bare shell start does; like the launcher it
// loads the shell only then, so that its start-up and memory are the dialog's alone.
//   bare_launcher_template.exe [<full path of Skv.exe>]
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "res/resource.h"

namespace {
std::string gameExe;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == IDOK && !gameExe.empty()) {
        const std::string folder = gameExe.substr(0, gameExe.find_last_of('\\') + 1);
        using ShellExecuteFunction = HINSTANCE WINAPI(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
        HMODULE shell = LoadLibraryA("shell32.dll");
        auto* shellExecute = shell ? reinterpret_cast<ShellExecuteFunction*>(
                                         reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")))
                                   : nullptr;
        HINSTANCE result =
            shellExecute ? shellExecute(nullptr, nullptr, gameExe.c_str(), "", folder.c_str(), SW_SHOWNORMAL)
                         : nullptr;
        if (reinterpret_cast<INT_PTR>(result) > 32)
            EndDialog(dialog, IDOK);
        return TRUE;
    }
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    gameExe = commandLine;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(SKV_DLG_MAIN), nullptr, DialogProc, 0);
    return 0;
}
