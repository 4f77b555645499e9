// The application object: the process's start-up. It owns what the program's windows need (AppContext)
// and hands it to the start-up sequence, which hands it on.
#pragma once

#include <windows.h>

#include "framework/app_context.h"

class Application {
  public:
    // `titleId`: the string-table entry that captions the program's message boxes.
    explicit Application(UINT titleId);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one application object of the process, for the program's entry point.
    static Application& Current();

    // Called from WinMain: runs InitInstance with a context over the program's resources. Gives the
    // process's exit status: 0 unless start-up set another.
    int Run(HINSTANCE instance);
    void SetExitCode(int code) { exitCode_ = code; }

  protected:
    // The start-up sequence: everything the program does happens in it, and the process ends when it
    // returns (no message loop runs outside the program's own dialogs).
    virtual void InitInstance(AppContext& context) = 0;

  private:
    UINT titleId_;
    int exitCode_ = 0;
};
