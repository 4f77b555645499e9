#include "framework/front_dialog.h"

#include <cstring>

namespace {

struct DialogSearch {
    DWORD Process;
    HWND Except;
    HWND Found;
};

// Called for each top-level window from front to back; stops at the first that fits.
BOOL CALLBACK CheckWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<DialogSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char kind[16] = {};
    GetClassNameA(window, kind, sizeof kind);
    if (process != search.Process || window == search.Except || !IsWindowVisible(window) ||
        std::strcmp(kind, "#32770") != 0)
        return TRUE;
    search.Found = window;
    return FALSE;
}

} // namespace

HWND FrontDialogOf(DWORD process, HWND except) {
    DialogSearch search{process, except, nullptr};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}
