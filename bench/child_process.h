// A program the benchmark starts and drives: started with CreateProcess, found by its dialogs,
// and never left running (ended on destruction).
#pragma once

#include <windows.h>

#include <string>

#include "framework/handles.h"

namespace bench {

// Milliseconds from a fixed point, from the performance counter.
double NowMs();

// Calls `done` about every millisecond until it gives true (true) or `ms` have passed (false).
template <typename Done> bool PollUntil(Done done, DWORD ms) {
    const double end = NowMs() + ms;
    while (!done()) {
        if (NowMs() > end)
            return false;
        Sleep(1);
    }
    return true;
}

class ChildProcess {
  public:
    // `arguments` follow the quoted program name; `folder` is the working folder (empty: ours).
    ChildProcess(const std::string& exe, const std::string& arguments, const std::string& folder);
    ~ChildProcess(); // ends the process if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    HANDLE Handle() const { return process_.Get(); }
    bool Running() const;
    bool WaitForExit(DWORD ms) const;
    void Kill() const;

    // A visible dialog (class "#32770") of this process other than `except`; nullptr when none.
    HWND VisibleDialog(HWND except = nullptr) const;

  private:
    KernelHandle process_;
    DWORD id_ = 0;
};

// The child's dialog answers messages: a WM_NULL round trip within `ms`.
bool Answers(HWND window, DWORD ms);

// Presses a button of another process's dialog as the button itself would: WM_COMMAND/BN_CLICKED.
bool PostClick(HWND dialog, int id);

} // namespace bench
