// The dialog procedure every bare program's dialogs share, so that they differ only in their
// measured step: "OK" and "Cancel" end the dialog, and the program's own hooks fill it and act on
// its buttons. The hooks are template arguments, so the procedure costs no more than one written
// out by hand.
#pragma once

#include <windows.h>

namespace bare {

// A dialog with nothing to fill when it opens.
inline void NothingToFill(HWND) {}

// A dialog with no button of its own: `Pressed` gives true only for a button it has dealt with.
inline bool NoOwnButton(HWND, int) {
    return false;
}

template <bool (*Pressed)(HWND dialog, int id) = NoOwnButton, void (*Fill)(HWND dialog) = NothingToFill>
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        Fill(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    const int id = LOWORD(wParam);
    if (Pressed(dialog, id))
        return TRUE;
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(dialog, id);
        return TRUE;
    }
    return FALSE;
}

} // namespace bare
