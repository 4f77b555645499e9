// Skeleton: shows the main dialog from the resources until the application object takes over.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"

static INT_PTR CALLBACK SkeletonProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(SKV_DLG_MAIN), nullptr, SkeletonProc, 0);
    return 0;
}
