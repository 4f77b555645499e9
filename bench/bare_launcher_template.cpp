// The launcher's own main dialog, shown from the launcher's own resources by a program that does
// nothing else: what the dialog's 58 controls, bitmaps and common controls cost by themselves, with
// no settings, game location, fonts or painting of the launcher's.
#include <windows.h>

#include <commctrl.h>

#include "res/resource.h"

namespace {
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(SKV_DLG_MAIN), nullptr, DialogProc, 0);
    return 0;
}
