// What the program's windows need of the program, owned by the application object for the process's whole
// run and handed on to every dialog and to the code that shows messages or calls the shell: the module that
// holds the resources, the title that captions every message box, the window that owns them, the counted
// wait cursor and the COM apartment that the shell asks of its callers.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "framework/com_apartment.h"

// A string-table entry of a module's resources ("" when absent).
std::string LoadResourceString(HINSTANCE module, UINT id);

class AppContext {
  public:
    AppContext(HINSTANCE instance, std::string title) : instance_(instance), title_(std::move(title)) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    // The module whose resources the program's dialogs, strings and pictures come from.
    HINSTANCE Instance() const { return instance_; }
    // A string-table entry of that module ("" when absent).
    std::string ResourceString(UINT id) const { return LoadResourceString(instance_, id); }

    const std::string& Title() const { return title_; }
    // The main window, while it is open: it owns the messages when no other window of the program is
    // active. A window that closes hands it back with nullptr.
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    HWND MainWindow() const { return mainWindow_; }
    // The window that owns the message boxes and dialogs the program opens: the active window when it is
    // one of the program's, else the main one (none before the main window opens).
    HWND OwnerWindow() const;
    // A message box captioned with the title, owned by OwnerWindow(). A box with OK, OK/Cancel, Yes/No or
    // Yes/No/Cancel buttons and no icon gets the exclamation icon. Gives the button pressed.
    int ShowMessage(const std::string& text, UINT type = MB_OK) const;

    // Counted: the hourglass shows while the count is above zero.
    void BeginWaitCursor();
    void EndWaitCursor();
    bool ShowsWaitCursor() const { return waitCount_ > 0; }

    // The shell's default action on `file`, from the COM apartment (entered on the first call); its
    // result is the shell's (above 32: started), 0 when the shell can't be loaded.
    HINSTANCE OpenWithShell(HWND owner, const char* file, const char* parameters = nullptr,
                            const char* directory = nullptr);
    // ShellExecuteExA from the COM apartment; on failure the last error says why.
    BOOL StartWithShell(SHELLEXECUTEINFOA& request);

  private:
    HINSTANCE instance_;
    std::string title_;
    HWND mainWindow_ = nullptr;
    int waitCount_ = 0;
    HCURSOR restoreCursor_ = nullptr;
    ComApartment comApartment_;
};

// Shows the hourglass for its lifetime (counted, so nested uses keep it until the outermost ends).
class WaitCursor {
  public:
    explicit WaitCursor(AppContext& context) : context_(context) { context_.BeginWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { context_.EndWaitCursor(); }

  private:
    AppContext& context_;
};
