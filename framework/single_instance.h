// One copy of a program per session. The copies share a claim: memory under one name holding the process id
// of the copy that runs, 0 while none does. A copy takes the claim when it is free, when its holder has
// ended, or when its holder shows no window for a few seconds (it hangs, or has just closed its window and
// not yet let go); otherwise it brings the holder's window to the front and ends. A name in the session's
// namespace ("Local\...") is seen by no other session, so users switched to on the same machine each have a
// copy of their own.
#pragma once

#include <windows.h>

#include "framework/handles.h"

class SingleInstance {
  public:
    // Opens the claim of `name`; takes nothing yet.
    explicit SingleInstance(const char* name);
    // Lets go of the claim, if still held.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True once this process holds the claim and is to run. False when another copy runs: its front window
    // (a message box or dialog open in front of its main window, say) has been brought to the front, its
    // main window restored when minimised. The holder may be just starting: its window is waited for.
    // A claim that cannot be opened at all (another user's object under the name, say) lets this one run:
    // rather two copies than none.
    bool TakeOrShowHolder();

    // Gives the claim up if this process still holds it, so that a copy started from now on runs at once.
    void Release();

  private:
    KernelHandle mapping_;
    MappedView view_; // the holder's process id
};
