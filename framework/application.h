// The application object: process start-up, the application title, the main window and the counted wait
// cursor.
#pragma once

#include <windows.h>

#include <string>

#include "framework/com_apartment.h"

class Application {
  public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one application object of the process.
    static Application& Current();

    // Called from WinMain: takes the title from the string table, then runs InitInstance.
    // Gives the process's exit status: 0 unless start-up set another.
    int Run(HINSTANCE instance);
    void SetExitCode(int code) { exitCode_ = code; }

    HINSTANCE Instance() const { return instance_; }
    const std::string& Title() const { return title_; }

    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    // Counted: the hourglass shows while the count is above zero.
    void BeginWaitCursor();
    void EndWaitCursor();
    int WaitCursorCount() const { return waitCount_; }

    // The COM apartment that the shell's callers need, entered on the first call and left when the
    // application object ends.
    void EnterComApartment() { comApartment_.Enter(); }

  protected:
    // The start-up sequence: everything the program does happens in it, and the process ends when it
    // returns (no message loop runs outside the program's own dialogs).
    virtual void InitInstance() = 0;

  private:
    HINSTANCE instance_ = nullptr;
    std::string title_;
    HWND mainWindow_ = nullptr;
    int waitCount_ = 0;
    int exitCode_ = 0;
    HCURSOR restoreCursor_ = nullptr;
    ComApartment comApartment_;
};

// A string-table entry of the program's own resources ("" when absent).
std::string LoadResourceString(UINT id);

// The launcher window that owns the message boxes and dialogs the launcher opens: the active window when it
// is one of the launcher's, else the main one (none before the main dialog opens).
HWND ActiveLauncherWindow();

// The message box of the launcher: captioned with the application title, owned by the active launcher
// window. A box with OK, OK/Cancel, Yes/No or Yes/No/Cancel buttons and no icon gets the exclamation icon.
int AppMessageBox(const std::string& text, UINT type = MB_OK);

// Shows the hourglass for its lifetime (counted, so nested uses keep it until the outermost ends).
class WaitCursor {
  public:
    WaitCursor() { Application::Current().BeginWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { Application::Current().EndWaitCursor(); }
};
