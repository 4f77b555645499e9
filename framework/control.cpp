#include <windows.h>
#include <commctrl.h>

#include "framework/control.h"

namespace {
const char ControlProperty[] = "SkvControlObject";
}

Control::~Control() {
    Detach();
}

void Control::Attach(HWND window) {
    window_ = window;
    if (!window || !WantsOwnMessages())
        return;
    SetPropA(window, ControlProperty, this);
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::SubclassProc)));
}

void Control::Detach() {
    if (window_ && originalProc_ && IsWindow(window_)) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
        RemovePropA(window_, ControlProperty);
    }
    originalProc_ = nullptr;
    window_ = nullptr;
}

LRESULT Control::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcA(originalProc_, window_, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<Control*>(GetPropA(window, ControlProperty));
    if (!control)
        return DefWindowProcA(window, message, wParam, lParam);
    WNDPROC original = control->originalProc_;
    std::optional<LRESULT> result = control->OnWindowMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window is going away: hand it back to its class procedure and forget it.
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(window, ControlProperty);
        control->originalProc_ = nullptr;
        control->window_ = nullptr;
    }
    return result ? *result : CallWindowProcA(original, window, message, wParam, lParam);
}
