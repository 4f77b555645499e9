// Drives the real SkvLauncher.exe from another process as a player would, and writes to standard output
// what it shows: each dialog and message box that opens (texts, icons, buttons, the state of every
// control), the launcher's exit status and whether the game started. Two launchers that behave alike give
// the same output. Built by scripts/compare/build-driver and run by scripts/compare-builds and scripts/run;
// it is no part of the launcher.
//
//   driver STEP...   where a STEP is a word and its arguments:
//     start EXE FOLDER  starts the launcher with that current folder
//     attach TITLE      takes the launcher's window with that caption, already open, as the current one
//     window            waits for the next window the launcher opens, which becomes the current one
//     show              describes the current window again
//     click ID          clicks a button of the current window, returning once the click is handled
//     send ID           a command to the current window, returning once it is handled
//     post ID           a command to the current window, returning at once (for one that opens a window)
//     answer ID         a command that ends the current window; waits until it has gone, and the one
//                       before it is current again
//     syscmd N          a window-menu command to the current window
//     type ID TEXT      puts text into an edit box, as typed
//     pick ID INDEX     selects an entry of a list, and tells the window
//     slide ID POS      moves a trackbar, and tells the window
//     file PATH         types a file name into the Open dialog
//     exit              waits for the launcher to end
//     game REPORT       waits for the stand-in game's report
// A step that waits gives up after 10 s (30 s where the bench emulates 32-bit code, SKV_WINE_MODE=emulated):
// it says so, describes what is open, and ends the launcher.
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const Mode = std::getenv("SKV_WINE_MODE");
const DWORD WaitMs = Mode && std::strcmp(Mode, "emulated") == 0 ? 30000 : 10000;
const std::string WaitText = std::to_string(WaitMs / 1000) + " s";
PROCESS_INFORMATION launcher{};
std::vector<HWND> opened; // the windows open, the current one last
std::set<HWND> seen;      // every window described so far

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string Utf8(const std::wstring& text) {
    std::string out(text.size() * 4 + 1, '\0');
    out.resize(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), &out[0], int(out.size()),
                                   nullptr, nullptr));
    return out;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, WaitMs, &result);
    return LRESULT(result);
}

// A window's text, read through the window itself (another process's edit box gives nothing otherwise),
// with line breaks shown as "\n".
std::string Text(HWND window) {
    wchar_t text[4096] = {};
    Send(window, WM_GETTEXT, 4096, LPARAM(text));
    std::string out;
    for (char c : Utf8(text))
        out += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
    return out;
}

std::string ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return Utf8(name);
}

std::vector<HWND> Children(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

BOOL CALLBACK CollectLaunchers(HWND window, LPARAM windows) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == launcher.dwProcessId && IsWindowVisible(window) && ClassOf(window) == "#32770")
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> LauncherWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectLaunchers, LPARAM(&windows));
    return windows;
}

bool Ended() {
    return WaitForSingleObject(launcher.hProcess, 0) == WAIT_OBJECT_0;
}

// ---- Message box icons, told apart by their pixels on the screen ----

std::vector<DWORD> Pixels(HDC source, int x, int y, int width, int height, HICON drawn, COLORREF under) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    if (drawn) {
        HBRUSH brush = CreateSolidBrush(under);
        RECT all{0, 0, width, height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        DrawIconEx(memory, 0, 0, drawn, width, height, 0, nullptr, DI_NORMAL);
    } else {
        BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    }
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                              static_cast<const DWORD*>(bits) + width * height);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

std::string IconOf(HWND box) {
    for (HWND child : Children(box)) {
        if (ClassOf(child) != "Static" || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON ||
            !IsWindowVisible(child))
            continue;
        RECT r{};
        GetWindowRect(child, &r);
        const int width = r.right - r.left, height = r.bottom - r.top;
        const std::pair<LPCSTR, const char*> icons[] = {{IDI_HAND, "error"},
                                                        {IDI_ASTERISK, "information"},
                                                        {IDI_EXCLAMATION, "exclamation"},
                                                        {IDI_QUESTION, "question"}};
        for (int attempt = 0; attempt < 50 && width > 0 && height > 0; ++attempt, Sleep(50)) {
            HDC screen = GetDC(nullptr);
            const std::vector<DWORD> onScreen = Pixels(screen, r.left, r.top, width, height, nullptr, 0);
            ReleaseDC(nullptr, screen);
            const COLORREF corner =
                RGB(GetBValue(onScreen[0]), GetGValue(onScreen[0]), GetRValue(onScreen[0]));
            for (const auto& [id, name] : icons)
                if (Pixels(nullptr, 0, 0, width, height, LoadIconA(nullptr, id), corner) == onScreen)
                    return name;
        }
        return "an icon of its own";
    }
    return "no icon";
}

// ---- Describing windows ----

// A message box holds buttons, its icon and one text (id 0xFFFF); a dialog of the launcher holds other
// controls, or more unnumbered texts.
bool IsMessageBox(HWND window) {
    int texts = 0;
    for (HWND child : Children(window)) {
        const std::string kind = ClassOf(child);
        if (kind != "Button" && kind != "Static")
            return false;
        texts += GetDlgCtrlID(child) == 0xFFFF;
    }
    return texts == 1;
}

HWND FileNameBox(HWND window) {
    HWND name = GetDlgItem(window, 1148); // the file name of the newer Open dialog, else of the older one
    return name ? name : GetDlgItem(window, 1152);
}

std::string ComboEntries(HWND combo) {
    const LONG style = GetWindowLongW(combo, GWL_STYLE);
    const bool strings = !(style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) || (style & CBS_HASSTRINGS);
    const int count = int(Send(combo, CB_GETCOUNT));
    std::string entries =
        " entries=" + std::to_string(count) + " selected=" + std::to_string(int(Send(combo, CB_GETCURSEL)));
    for (int i = 0; strings && i < count && i < 100; ++i) {
        wchar_t text[512] = {}; // another process's list gives its text in the caller's width
        if (Send(combo, CB_GETLBTEXTLEN, i) < 512 && Send(combo, CB_GETLBTEXT, i, LPARAM(text)) >= 0)
            entries += (i ? "|" : " [") + Utf8(text);
    }
    return entries + (strings && count > 0 ? "]" : "");
}

// A control: id, class, style, text, and what it holds.
std::string ControlLine(HWND control) {
    const std::string kind = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    char head[96];
    std::snprintf(head, sizeof head, "  %d %s style=%08lx", GetDlgCtrlID(control), kind.c_str(), style);
    std::string line = head + std::string(" \"") + Text(control) + "\"";
    if (!IsWindowVisible(control))
        line += " hidden";
    if (!IsWindowEnabled(control))
        line += " disabled";
    const LONG type = style & BS_TYPEMASK;
    if (kind == "Button" && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                             type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON))
        line += " checked=" + std::to_string(Send(control, BM_GETCHECK));
    if (kind == "ComboBox")
        line += ComboEntries(control);
    if (kind == "msctls_updown32") {
        const LRESULT position = Send(control, UDM_GETPOS);
        line += " position=" + std::to_string(LOWORD(position)) +
                (HIWORD(position) ? " (not a number in range)" : "");
    }
    if (kind == "msctls_trackbar32")
        line += " position=" + std::to_string(Send(control, TBM_GETPOS)) +
                " range=" + std::to_string(Send(control, TBM_GETRANGEMIN)) + ".." +
                std::to_string(Send(control, TBM_GETRANGEMAX));
    return line;
}

std::string Describe(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    const std::string over = owner ? " over \"" + Text(owner) + "\"" : " without owner";
    if (IsMessageBox(window)) {
        std::string buttons;
        for (HWND child : Children(window))
            if (ClassOf(child) == "Button" && IsWindowVisible(child))
                buttons += (buttons.empty() ? "" : "/") + Text(child);
        return "message box \"" + Text(window) + "\"" + over + ": \"" + Text(GetDlgItem(window, 0xFFFF)) +
               "\" (" + IconOf(window) + "; " + buttons + ")";
    }
    if (FileNameBox(window)) // Windows' own dialog: what the launcher gave it
        return "file dialog \"" + Text(window) + "\"" + over + ": file name \"" + Text(FileNameBox(window)) +
               "\", types" + ComboEntries(GetDlgItem(window, 1136));
    RECT r{};
    GetWindowRect(window, &r);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(launcher.dwThreadId, &thread);
    char head[128];
    std::snprintf(head, sizeof head, " at %ld,%ld size %ldx%ld focus=%d", r.left, r.top, r.right - r.left,
                  r.bottom - r.top, thread.hwndFocus ? GetDlgCtrlID(thread.hwndFocus) : 0);
    std::string text = "dialog \"" + Text(window) + "\"" + over + head;
    for (HWND child : Children(window))
        text += "\n" + ControlLine(child);
    return text;
}

// ---- Steps ----

[[noreturn]] void GiveUp(const std::string& why) {
    Say("! " + why);
    for (HWND window : LauncherWindows())
        Say("! open: " + Describe(window));
    TerminateProcess(launcher.hProcess, 99);
    std::exit(1);
}

HWND Current() {
    if (opened.empty())
        GiveUp("no window is open");
    return opened.back();
}

HWND Control(const std::string& id) {
    HWND control = GetDlgItem(Current(), std::stoi(id));
    if (!control)
        GiveUp("the window has no control " + id);
    return control;
}

void WaitForWindow() {
    for (DWORD start = GetTickCount(); GetTickCount() - start < WaitMs; Sleep(20)) {
        for (HWND window : LauncherWindows()) {
            if (seen.count(window))
                continue;
            seen.insert(window);
            opened.push_back(window);
            WaitForInputIdle(launcher.hProcess, WaitMs); // done with what it does when it opens
            Send(window, WM_NULL);
            Sleep(200);
            Say(Describe(window));
            return;
        }
        if (Ended()) {
            DWORD code = 0;
            GetExitCodeProcess(launcher.hProcess, &code);
            Say("! the launcher ended with exit status " + std::to_string(code) +
                " instead of opening a window");
            std::exit(1);
        }
    }
    GiveUp("no new window within " + WaitText);
}

void Start(const std::string& exe, const std::string& folder) {
    std::string line = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &launcher)) {
        Say("! cannot start " + exe);
        std::exit(1);
    }
}

void Attach(const std::string& title) {
    std::wstring wide(title.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, title.c_str(), int(title.size()), &wide[0], int(wide.size())));
    HWND window = FindWindowW(L"#32770", wide.c_str());
    if (!window || !IsWindowVisible(window))
        GiveUp("no window \"" + title + "\" is open");
    launcher.dwThreadId = GetWindowThreadProcessId(window, &launcher.dwProcessId);
    launcher.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                    launcher.dwProcessId);
    seen.insert(window);
    opened.push_back(window);
}

void WaitForExit() {
    if (WaitForSingleObject(launcher.hProcess, WaitMs) != WAIT_OBJECT_0)
        GiveUp("the launcher still runs " + WaitText + " later");
    DWORD code = 0;
    GetExitCodeProcess(launcher.hProcess, &code);
    Say("launcher ended with exit status " + std::to_string(code));
    opened.clear();
}

void WaitForGame(const std::string& report) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < WaitMs; Sleep(50)) {
        HANDLE file = CreateFileA(report.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        char text[8192] = {};
        DWORD got = 0;
        if (file != INVALID_HANDLE_VALUE) {
            ReadFile(file, text, sizeof text - 1, &got, nullptr);
            CloseHandle(file);
        }
        if (std::string(text, got).find("\nSkv_Video.cfg=") != std::string::npos) { // its last line
            Say("game started");
            return;
        }
    }
    Say("! the game did not start within " + WaitText);
}

} // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args(argv + 1, argv + argc);
    for (size_t i = 0; i < args.size();) {
        const std::string step = args[i++];
        auto arg = [&]() -> std::string {
            if (i >= args.size())
                GiveUp("step " + step + " lacks an argument");
            return args[i++];
        };
        const std::string line = "> " + step; // each step echoes its arguments
        if (step == "start") {
            const std::string exe = arg(), folder = arg();
            Say(line + " " + exe + " from " + folder);
            Start(exe, folder);
        } else if (step == "attach") {
            const std::string title = arg();
            Say(line + " " + title);
            Attach(title);
        } else if (step == "window") {
            Say(line);
            WaitForWindow();
        } else if (step == "show") {
            Say(line);
            Say(Describe(Current()));
        } else if (step == "click") {
            const std::string id = arg();
            Say(line + " " + id);
            HWND control = Control(id);
            if (!IsWindowEnabled(control) || !IsWindowVisible(control))
                GiveUp("control " + id + " cannot be clicked");
            Send(control, BM_CLICK);
        } else if (step == "send" || step == "post" || step == "answer") {
            const std::string id = arg();
            Say(line + " " + id);
            if (step == "send")
                Send(Current(), WM_COMMAND, std::stoi(id));
            else
                PostMessageW(Current(), WM_COMMAND, std::stoi(id), 0);
            if (step == "answer") { // wait until it has gone
                HWND ending = Current();
                for (DWORD start = GetTickCount(); IsWindowVisible(ending); Sleep(20))
                    if (GetTickCount() - start > WaitMs)
                        GiveUp("the window stays open " + WaitText + " later");
                opened.pop_back();
            }
        } else if (step == "syscmd") {
            const std::string command = arg();
            Say(line + " " + command);
            PostMessageW(Current(), WM_SYSCOMMAND, std::stoul(command, nullptr, 0), 0);
        } else if (step == "type") {
            const std::string id = arg(), text = arg();
            Say(line + " " + id + " \"" + text + "\"");
            SetWindowTextA(Control(id), text.c_str());
        } else if (step == "pick") {
            const std::string id = arg(), index = arg();
            Say(line + " " + id + " " + index);
            Send(Control(id), CB_SETCURSEL, std::stoi(index));
            Send(Current(), WM_COMMAND, MAKEWPARAM(std::stoi(id), CBN_SELCHANGE), LPARAM(Control(id)));
        } else if (step == "slide") {
            const std::string id = arg(), position = arg();
            Say(line + " " + id + " " + position);
            Send(Control(id), TBM_SETPOS, TRUE, std::stoi(position));
            Send(Current(), WM_HSCROLL, TB_THUMBPOSITION, LPARAM(Control(id)));
        } else if (step == "file") {
            const std::string path = arg();
            Say(line + " " + path);
            if (!FileNameBox(Current()))
                GiveUp("the current window is no file dialog");
            SetWindowTextA(FileNameBox(Current()), path.c_str());
        } else if (step == "exit") {
            Say(line);
            WaitForExit();
        } else if (step == "game") {
            const std::string report = arg();
            Say(line);
            WaitForGame(report);
        } else {
            GiveUp("unknown step " + step);
        }
    }
    return 0;
}
