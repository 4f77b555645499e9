#include "framework/single_instance.h"

#include <cstring>

#include "framework/front_dialog.h"

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
    // A program whose whole face is dialogs and message boxes shows nothing else worth bringing forward.
    HWND front = nullptr;
    DWORD process = 0;
    for (int wait = 0; wait < 100 && !front; ++wait) {
        if (wait > 0)
            Sleep(50);
        process = StoredProcess(mapping_.Get());
        front = process != 0 ? FrontDialogOf(process) : nullptr;
    }
    if (!front)
        return;
    // A minimised window hides the message boxes and dialogs open in front of it; restored, it shows them
    // again, and the frontmost of them is the one to bring to the front. Restoring activates nothing of its
    // own, so that it cannot come after that and put the window behind them in front.
    HWND owner = GetAncestor(front, GA_ROOTOWNER);
    if (IsIconic(owner)) {
        ShowWindow(owner, SW_SHOWNOACTIVATE);
        front = FrontDialogOf(process);
    }
    SetForegroundWindow(front ? front : owner);
}
