#include "framework/single_instance.h"

#include <cstring>

namespace {

// The process id in the mapping's view, as the first copy wrote it (0 until it has).
DWORD StoredProcess(HANDLE mapping) {
    DWORD process = 0;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof process)) {
        std::memcpy(&process, view, sizeof process);
        UnmapViewOfFile(view);
    }
    return process;
}

struct DialogSearch {
    DWORD Process;
    HWND Found;
};

// The first visible dialog of the process, in the order of the windows from front to back; a program whose
// whole face is dialogs and message boxes shows nothing else worth bringing forward.
BOOL CALLBACK FindDialog(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<DialogSearch*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char kind[8] = {};
    GetClassNameA(window, kind, sizeof kind);
    if (process != search.Process || !IsWindowVisible(window) || std::strcmp(kind, "#32770") != 0)
        return TRUE;
    search.Found = window;
    return FALSE;
}

} // namespace

SingleInstance::SingleInstance(const char* name)
    : mapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DWORD), name)),
      first_(!mapping_ || GetLastError() != ERROR_ALREADY_EXISTS) {
    if (!first_ || !mapping_)
        return;
    if (void* view = MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, sizeof(DWORD))) {
        const DWORD process = GetCurrentProcessId();
        std::memcpy(view, &process, sizeof process);
        UnmapViewOfFile(view);
    }
}

void SingleInstance::ShowFirst() const {
    DialogSearch search{0, nullptr};
    for (int wait = 0; wait < 100 && !search.Found; ++wait) {
        if (wait > 0)
            Sleep(50);
        search.Process = StoredProcess(mapping_.Get());
        if (search.Process != 0)
            EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    }
    if (!search.Found)
        return;
    // A minimised window hides the message boxes and dialogs open in front of it; restored, it shows them
    // again, and the frontmost of them is the one to bring to the front.
    HWND owner = GetAncestor(search.Found, GA_ROOTOWNER);
    if (IsIconic(owner)) {
        ShowWindow(owner, SW_RESTORE);
        search.Found = owner;
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    }
    SetForegroundWindow(search.Found);
}
