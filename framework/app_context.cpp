#include "framework/app_context.h"

#include "framework/loaded_on_demand.h"

std::string LoadResourceString(HINSTANCE module, UINT id) {
    // The string table holds counted UTF-16 strings; LoadStringA converts into a caller buffer.
    char buffer[4096];
    int length = LoadStringA(module, id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

HWND AppContext::OwnerWindow() const {
    HWND active = GetActiveWindow();
    DWORD process = 0;
    if (active)
        GetWindowThreadProcessId(active, &process);
    if (active && process == GetCurrentProcessId())
        return active;
    return mainWindow_;
}

int AppContext::ShowMessage(const std::string& text, UINT type) const {
    UINT buttons = type & MB_TYPEMASK;
    bool plainButtons =
        buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
    if ((type & MB_ICONMASK) == 0 && plainButtons)
        type |= MB_ICONEXCLAMATION;
    return MessageBoxA(OwnerWindow(), text.c_str(), title_.c_str(), type);
}

void AppContext::BeginWaitCursor() {
    if (waitCount_++ == 0)
        restoreCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    else
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void AppContext::EndWaitCursor() {
    if (waitCount_ == 0)
        return;
    if (--waitCount_ == 0)
        SetCursor(restoreCursor_ ? restoreCursor_ : LoadCursor(nullptr, IDC_ARROW));
}

HINSTANCE AppContext::OpenWithShell(HWND owner, const char* file, const char* parameters,
                                    const char* directory) {
    comApartment_.Enter();
    return ShellExecuteOnDemand(owner, nullptr, file, parameters, directory, SW_SHOWNORMAL);
}

BOOL AppContext::StartWithShell(SHELLEXECUTEINFOA& request) {
    comApartment_.Enter();
    return ShellExecuteExOnDemand(&request);
}
