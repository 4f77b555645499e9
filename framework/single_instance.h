// One copy of a program per session: the first claims a name, and a later one finds the first by that name,
// shows it and ends. A name in the session's namespace ("Local\...") is seen by no other session, so users
// switched to on the same machine each have a copy of their own.
#pragma once

#include <windows.h>

#include "framework/handles.h"

class SingleInstance {
  public:
    // Claims `name` for this process for the object's life.
    explicit SingleInstance(const char* name);

    // False when another process holds the name. A name that cannot be claimed at all (another user's
    // object under it, say) lets this one run: rather two copies than none.
    bool IsFirst() const { return first_; }

    // Brings the first copy's window to the front, restored when minimised, or the window it has open in
    // front of that (a message box, a dialog). The first copy may be just starting: its window is waited
    // for a few seconds.
    void ShowFirst() const;

  private:
    KernelHandle mapping_; // holds the first copy's process id
    bool first_;
};
