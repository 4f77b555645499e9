// Reading and operating the controls of another process's dialog by their ids.
// Only messages that Windows marshals between processes are used (WM_GETTEXT, CB_GETLBTEXT ...),
// always through the wide-character entry points: the ANSI ones overrun buffers across processes.
#include "driver/ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace uidriver {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result))
        ADD_FAILURE() << "message 0x" << std::hex << message << " to window " << window
                      << " got no reply (error " << std::dec << GetLastError() << ")";
    return static_cast<LRESULT>(result);
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string text(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], size, nullptr,
                        nullptr);
    return text;
}

std::wstring Widen(const std::string& text) {
    if (text.empty())
        return std::wstring();
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
    return wide;
}

std::string WindowText(HWND window) {
    LRESULT length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min<LRESULT>(copied, length))));
    return Narrow(text);
}

std::string ClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Clicks whose handler has returned, by sequence number (filled by OnClickReturned).
std::set<ULONG_PTR>& ReturnedClicks() {
    static std::set<ULONG_PTR> returned;
    return returned;
}

VOID CALLBACK OnClickReturned(HWND, UINT, ULONG_PTR click, LRESULT) {
    ReturnedClicks().insert(click);
}

} // namespace

bool DialogWindow::IsOpen() const {
    return hwnd_ && IsWindow(hwnd_);
}

std::string DialogWindow::Title() const {
    return WindowText(hwnd_);
}

HWND DialogWindow::Control(int id) const {
    HWND control = GetDlgItem(hwnd_, id);
    if (!control)
        ADD_FAILURE() << "no control " << id << " in window \"" << Title() << "\"";
    return control;
}

bool DialogWindow::HasControl(int id) const {
    return GetDlgItem(hwnd_, id) != nullptr;
}

std::string DialogWindow::ClassOf(int id) const {
    HWND control = Control(id);
    return control ? ClassName(control) : std::string();
}

bool DialogWindow::IsEnabled(int id) const {
    HWND control = Control(id);
    return control && IsWindowEnabled(control);
}

bool DialogWindow::IsVisible(int id) const {
    HWND control = Control(id);
    return control && IsWindowVisible(control);
}

std::string DialogWindow::Text(int id) const {
    HWND control = Control(id);
    return control ? WindowText(control) : std::string();
}

void DialogWindow::SetText(int id, const std::string& text) const {
    HWND control = Control(id);
    if (!control)
        return;
    std::wstring wide = Widen(text);
    SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

int DialogWindow::CheckState(int id) const {
    HWND control = Control(id);
    return control ? static_cast<int>(SendWithTimeout(control, BM_GETCHECK, 0, 0)) : -1;
}

void DialogWindow::SetCheck(int id, bool checked) const {
    if (IsChecked(id) == checked)
        return;
    Click(id);
    if (IsChecked(id) != checked)
        ADD_FAILURE() << "check box " << id << " did not turn " << (checked ? "on" : "off");
}

bool DialogWindow::Click(int id, DWORD ms) const {
    HWND control = Control(id);
    if (!control)
        return false;
    // Wine's BM_CLICK even toggles a disabled check box: refuse what a user could not click.
    if (!IsWindowEnabled(control) || !IsWindowVisible(control)) {
        ADD_FAILURE() << "control " << id << " \"" << WindowText(control) << "\" is "
                      << (IsWindowEnabled(control) ? "hidden" : "disabled") << ": a user cannot click it";
        return false;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd_, &processId);
    const std::vector<HWND> before = TopLevelWindows(processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);

    // The reply comes back as a callback once the click's handler returns; a handler that runs a
    // modal box or menu only returns when that closes, so a new window also ends the wait.
    static ULONG_PTR lastClick = 0;
    const ULONG_PTR click = ++lastClick;
    bool sent = SendMessageCallbackW(control, BM_CLICK, 0, 0, OnClickReturned, click);
    if (!sent) {
        ADD_FAILURE() << "BM_CLICK could not be sent to control " << id << " (error " << GetLastError()
                      << ")";
        if (process)
            CloseHandle(process);
        return false;
    }
    bool done = WaitUntil(
        [&] {
            if (ReturnedClicks().count(click))
                return true;
            if (process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
                return true;
            for (HWND window : TopLevelWindows(processId))
                if (std::find(before.begin(), before.end(), window) == before.end())
                    return true;
            return false;
        },
        ms);
    ReturnedClicks().erase(click);
    if (process)
        CloseHandle(process);
    if (!done)
        ADD_FAILURE() << "clicking control " << id << " neither returned nor opened a window within " << ms
                      << " ms";
    return done;
}

int DialogWindow::CurSel(int id) const {
    HWND control = Control(id);
    return control ? static_cast<int>(SendWithTimeout(control, CB_GETCURSEL, 0, 0)) : CB_ERR;
}

void DialogWindow::SelectItem(int id, int index) const {
    HWND control = Control(id);
    if (!control)
        return;
    if (!IsWindowEnabled(control)) {
        ADD_FAILURE() << "combo box " << id << " is disabled: a user cannot choose in it";
        return;
    }
    SendWithTimeout(control, CB_SETCURSEL, index, 0);
    // CB_SETCURSEL alone does not notify; a user's choice does.
    SendWithTimeout(hwnd_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
}

std::vector<std::string> DialogWindow::ComboItems(int id) const {
    std::vector<std::string> items;
    HWND control = Control(id);
    if (!control)
        return items;
    LRESULT count = SendWithTimeout(control, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        LRESULT length = SendWithTimeout(control, CB_GETLBTEXTLEN, index, 0);
        if (length < 0)
            break;
        std::wstring item(static_cast<size_t>(length) + 1, L'\0');
        SendWithTimeout(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&item[0]));
        item.resize(static_cast<size_t>(length));
        items.push_back(Narrow(item));
    }
    return items;
}

DialogWindow::SpinReply DialogWindow::SpinPos(int id) const {
    SpinReply reply;
    HWND control = Control(id);
    if (!control)
        return reply;
    LRESULT result = SendWithTimeout(control, UDM_GETPOS, 0, 0);
    reply.position = static_cast<short>(LOWORD(result));
    reply.error = HIWORD(result) != 0;
    return reply;
}

void DialogWindow::SetSpinPos(int id, int position) const {
    HWND control = Control(id);
    if (control)
        SendWithTimeout(control, UDM_SETPOS, 0, MAKELPARAM(position, 0));
}

std::pair<int, int> DialogWindow::SpinRange(int id) const {
    HWND control = Control(id);
    if (!control)
        return {0, 0};
    LRESULT range = SendWithTimeout(control, UDM_GETRANGE, 0, 0);
    return {static_cast<short>(HIWORD(range)), static_cast<short>(LOWORD(range))};
}

int DialogWindow::SliderPos(int id) const {
    HWND control = Control(id);
    return control ? static_cast<int>(SendWithTimeout(control, TBM_GETPOS, 0, 0)) : -1;
}

void DialogWindow::SetSliderPos(int id, int position, int code) const {
    HWND control = Control(id);
    if (!control)
        return;
    if (!IsWindowEnabled(control)) {
        ADD_FAILURE() << "trackbar " << id << " is disabled: a user cannot move it";
        return;
    }
    SendWithTimeout(control, TBM_SETPOS, TRUE, position);
    // A user's move ends with TB_ENDTRACK after the step or thumb notification.
    SendWithTimeout(hwnd_, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(control));
    if (code != TB_ENDTRACK)
        SendWithTimeout(hwnd_, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(control));
}

std::pair<int, int> DialogWindow::SliderRange(int id) const {
    HWND control = Control(id);
    if (!control)
        return {0, 0};
    return {static_cast<int>(SendWithTimeout(control, TBM_GETRANGEMIN, 0, 0)),
            static_cast<int>(SendWithTimeout(control, TBM_GETRANGEMAX, 0, 0))};
}

LRESULT DialogWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendWithTimeout(hwnd_, message, wParam, lParam);
}

LRESULT DialogWindow::SendTo(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    HWND control = Control(id);
    return control ? SendWithTimeout(control, message, wParam, lParam) : 0;
}

void DialogWindow::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!PostMessageW(hwnd_, message, wParam, lParam))
        ADD_FAILURE() << "cannot post message 0x" << std::hex << message << " (error " << std::dec
                      << GetLastError() << ")";
}

void DialogWindow::PostCommand(int id, int code) const {
    Post(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(hwnd_, id)));
}

void DialogWindow::PostSysCommand(WPARAM command) const {
    Post(WM_SYSCOMMAND, command, 0);
}

std::vector<HWND> DialogWindow::Children() const {
    std::vector<HWND> children;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::vector<ButtonInfo> DialogWindow::Buttons() const {
    std::vector<ButtonInfo> buttons;
    for (HWND child : Children()) {
        int id = GetDlgCtrlID(child);
        if (_stricmp(ClassName(child).c_str(), "Button") == 0 && id >= IDOK && id <= IDCONTINUE)
            buttons.push_back({id, WindowText(child)});
    }
    return buttons;
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM data) {
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window))
        search.windows.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

bool IsMessageBox(HWND window) {
    if (ClassName(window) != "#32770" || !GetDlgItem(window, 0xFFFF))
        return false;
    // A message box holds only its icon, its text and standard buttons.
    bool hasButton = false;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = ClassName(child);
        const int id = GetDlgCtrlID(child);
        if (_stricmp(kind.c_str(), "Button") == 0) {
            if (id < IDOK || id > IDCONTINUE)
                return false;
            hasButton = true;
        } else if (_stricmp(kind.c_str(), "Static") != 0) {
            return false;
        }
    }
    return hasButton;
}

} // namespace uidriver
