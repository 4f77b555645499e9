#include "framework/single_instance.h"

#include "framework/front_dialog.h"

namespace {

// How long a holder may go without a window before another copy takes its claim: enough for a copy that is
// just starting on a busy machine.
constexpr DWORD HolderWaitMs = 5000;
constexpr DWORD PollMs = 50;

// False for a process that has ended, or an id that is nobody's; one that cannot be asked counts as running.
bool IsRunning(DWORD process) {
    const KernelHandle handle(OpenProcess(SYNCHRONIZE, FALSE, process));
    if (!handle)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    return WaitForSingleObject(handle.Get(), 0) == WAIT_TIMEOUT;
}

// Brings `front`, a dialog of another process, to the front. That process may not answer (it hangs, or is
// busy): nothing here waits on it for more than a few seconds.
void BringForward(DWORD process, HWND front) {
    // A minimised window hides the message boxes and dialogs open in front of it; restored, it shows them
    // again, and the frontmost of them is the one to bring to the front. Restoring activates nothing of its
    // own, so that it cannot come after that and put the window behind them in front.
    HWND owner = GetAncestor(front, GA_ROOTOWNER);
    if (IsIconic(owner)) {
        // The owner's own thread restores it when it gets to it. Waited for a second at most: until it is
        // restored, then until that thread answers an empty message, by when it has also shown the windows
        // in front of it again.
        ShowWindowAsync(owner, SW_SHOWNOACTIVATE);
        for (int wait = 0; wait < 20 && IsIconic(owner); ++wait)
            Sleep(PollMs);
        SendMessageTimeoutA(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
        front = FrontDialogOf(process);
    }
    SetForegroundWindow(front ? front : owner);
}

} // namespace

SingleInstance::SingleInstance(const char* name)
    : mapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), name)),
      view_(mapping_ ? MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, sizeof(LONG)) : nullptr) {}

SingleInstance::~SingleInstance() {
    Release();
}

bool SingleInstance::TakeOrShowHolder() {
    if (!view_)
        return true;
    // Every change of holder is one compare-exchange: of copies started together, only one takes the claim.
    auto* holder = static_cast<volatile LONG*>(view_.Get());
    const auto self = LONG(GetCurrentProcessId());
    LONG waitedFor = 0;
    DWORD since = 0;
    for (;;) {
        const LONG seen = InterlockedCompareExchange(holder, self, 0);
        if (seen == 0 || seen == self) // free, or left by an ended process that had this id
            return true;
        // A program whose whole face is dialogs and message boxes shows nothing else worth bringing forward.
        if (HWND front = FrontDialogOf(DWORD(seen))) {
            BringForward(DWORD(seen), front);
            return false;
        }
        if (seen != waitedFor) { // each new holder gets the whole wait
            waitedFor = seen;
            since = GetTickCount();
        }
        const bool givesWay = !IsRunning(DWORD(seen)) || GetTickCount() - since >= HolderWaitMs;
        if (givesWay && InterlockedCompareExchange(holder, self, seen) == seen)
            return true;
        Sleep(PollMs);
    }
}

void SingleInstance::Release() {
    if (view_)
        InterlockedCompareExchange(static_cast<volatile LONG*>(view_.Get()), 0, LONG(GetCurrentProcessId()));
}
