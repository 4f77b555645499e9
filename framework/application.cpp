#include "framework/application.h"

#include <cassert>

#include "res/resource.h"

namespace {
Application* currentApplication = nullptr;
} // namespace

HWND ActiveLauncherWindow() {
    HWND active = GetActiveWindow();
    DWORD process = 0;
    if (active)
        GetWindowThreadProcessId(active, &process);
    if (active && process == GetCurrentProcessId())
        return active;
    return Application::Current().MainWindow();
}

Application::Application() {
    assert(currentApplication == nullptr);
    currentApplication = this;
}

Application::~Application() {
    currentApplication = nullptr;
}

Application& Application::Current() {
    assert(currentApplication != nullptr);
    return *currentApplication;
}

int Application::Run(HINSTANCE instance) {
    instance_ = instance;
    title_ = LoadResourceString(SKV_STR_APP_TITLE);
    InitInstance();
    return exitCode_;
}

void Application::BeginWaitCursor() {
    if (waitCount_++ == 0)
        restoreCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    else
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void Application::EndWaitCursor() {
    if (waitCount_ == 0)
        return;
    if (--waitCount_ == 0)
        SetCursor(restoreCursor_ ? restoreCursor_ : LoadCursor(nullptr, IDC_ARROW));
}

std::string LoadResourceString(UINT id) {
    // The string table holds counted UTF-16 strings; LoadStringA converts into a caller buffer.
    char buffer[4096];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

int AppMessageBox(const std::string& text, UINT type) {
    UINT buttons = type & MB_TYPEMASK;
    bool plainButtons =
        buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
    if ((type & MB_ICONMASK) == 0 && plainButtons)
        type |= MB_ICONEXCLAMATION;
    return MessageBoxA(ActiveLauncherWindow(), text.c_str(), Application::Current().Title().c_str(), type);
}
