// Control objects that a dialog attaches to its child windows by data exchange.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>

class Control {
  public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Handle() const { return window_; }
    bool IsAttached() const { return window_ != nullptr; }
    void Attach(HWND window);
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(window_, message, wParam, lParam);
    }

    // Messages the owner dialog reflects back to the control; true when the control handled them.
    virtual bool OnReflectedDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual bool OnReflectedCommand(UINT /*notifyCode*/) { return false; }

  protected:
    // Controls that handle their own window messages subclass their window when attached.
    virtual bool WantsOwnMessages() const { return false; }
    // A control's own message handling: a result, or nothing for the original window procedure.
    virtual std::optional<LRESULT> OnWindowMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
        return std::nullopt;
    }
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();

    HWND window_ = nullptr;
    WNDPROC originalProc_ = nullptr;
};
