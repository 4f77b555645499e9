// The launcher process under test: started with a chosen folder, arguments and environment,
// watched through its top-level windows, and never left running after a test.
#include "driver/ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace uidriver {

namespace {

constexpr const char* kReportVariable = "SKV_STANDIN_REPORT";

// This process's environment with `changes` applied (empty value = removed), as a CreateProcess block.
std::string EnvironmentBlock(const std::map<std::string, std::string>& changes) {
    std::map<std::string, std::string> variables;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry; entry += strlen(entry) + 1) {
        const char* equals = strchr(entry + 1, '='); // names like "=C:" start with "="
        if (equals)
            variables[std::string(entry, equals)] = equals + 1;
    }
    FreeEnvironmentStringsA(strings);
    for (const auto& change : changes) {
        // Names are case-insensitive on Windows.
        for (auto it = variables.begin(); it != variables.end();)
            it = _stricmp(it->first.c_str(), change.first.c_str()) == 0 ? variables.erase(it) : std::next(it);
        if (!change.second.empty())
            variables[change.first] = change.second;
    }
    std::string block;
    for (const auto& variable : variables)
        block += variable.first + "=" + variable.second + '\0';
    block += '\0';
    return block;
}

bool IsMainDialog(HWND window) {
    char kind[32] = {};
    GetClassNameA(window, kind, sizeof kind);
    if (std::string(kind) != "#32770")
        return false;
    DialogWindow dialog(window);
    return dialog.Title() == kAppTitle && dialog.HasControl(IDOK) && dialog.Text(IDOK) == "Start";
}

std::string DescribeWindows(const std::vector<HWND>& windows) {
    std::string text;
    for (HWND window : windows) {
        char kind[64] = {};
        GetClassNameA(window, kind, sizeof kind);
        text += std::string(" [") + kind + " \"" + DialogWindow(window).Title() + "\"]";
    }
    return text.empty() ? " none" : text;
}

} // namespace

LaunchOptions LaunchOptions::ForGame(const GameFolder& game) {
    LaunchOptions options;
    options.reportPath = game.ReportPath();
    return options;
}

Launcher::Launcher(const LaunchOptions& options) {
    std::string exe = options.exePath;
    if (!options.copyInto.empty()) {
        std::string folder = options.copyInto;
        if (folder.back() != '\\')
            folder += '\\';
        exe = folder + exe.substr(exe.find_last_of('\\') + 1);
        if (!CopyFileA(options.exePath.c_str(), exe.c_str(), FALSE)) {
            ADD_FAILURE() << "cannot copy the launcher to " << exe << " (error " << GetLastError() << ")";
            return;
        }
    }
    std::map<std::string, std::string> changes(options.environment.begin(), options.environment.end());
    changes[kReportVariable] = options.reportPath;
    std::string environment = EnvironmentBlock(changes);

    std::string commandLine = "\"" + exe + "\"";
    if (!options.arguments.empty())
        commandLine += " " + options.arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0],
                        options.workingFolder.empty() ? nullptr : options.workingFolder.c_str(), &startup,
                        &started)) {
        ADD_FAILURE() << "cannot start " << commandLine << " (error " << GetLastError() << ")";
        return;
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    processId_ = started.dwProcessId;
}

Launcher::~Launcher() {
    Kill();
    if (process_)
        CloseHandle(process_);
}

std::vector<HWND> Launcher::Windows() const {
    return process_ ? TopLevelWindows(processId_) : std::vector<HWND>();
}

DialogWindow Launcher::WaitForMainWindow(DWORD ms) {
    if (!process_)
        return DialogWindow();
    bool found = WaitUntil(
        [&] {
            for (HWND window : Windows())
                if (IsMainDialog(window)) {
                    mainWindow_ = window;
                    return true;
                }
            return !IsRunning();
        },
        ms);
    if (!found || !mainWindow_) {
        ADD_FAILURE() << "the launcher's main dialog did not appear within " << ms << " ms; "
                      << (IsRunning() ? "still running" : "exited with code " + std::to_string(*ExitCode()))
                      << ", windows:" << DescribeWindows(Windows());
        return DialogWindow();
    }
    return DialogWindow(mainWindow_);
}

MessageBoxInfo Launcher::WaitForMessageBox(DWORD ms) {
    if (!process_)
        return MessageBoxInfo();
    HWND box = nullptr;
    const DWORD start = GetTickCount();
    WaitUntil(
        [&] {
            for (HWND window : Windows())
                if (window != mainWindow_ && IsMessageBox(window)) {
                    box = window;
                    return true;
                }
            return !IsRunning();
        },
        ms);
    if (!box) {
        ADD_FAILURE() << "no message box appeared within " << ms << " ms; "
                      << (IsRunning() ? "still running" : "exited")
                      << ", windows:" << DescribeWindows(Windows());
        return MessageBoxInfo();
    }
    const DWORD spent = GetTickCount() - start;
    return ReadMessageBox(box, spent < ms ? ms - spent : 0);
}

DialogWindow Launcher::WaitForDialog(const std::string& title, DWORD ms) {
    if (!process_)
        return DialogWindow();
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : Windows()) {
                char kind[32] = {};
                GetClassNameA(window, kind, sizeof kind);
                if (window != mainWindow_ && std::string(kind) == "#32770" &&
                    DialogWindow(window).Title() == title) {
                    dialog = window;
                    return true;
                }
            }
            return !IsRunning();
        },
        ms);
    if (!dialog)
        ADD_FAILURE() << "no dialog \"" << title << "\" appeared within " << ms
                      << " ms; windows:" << DescribeWindows(Windows());
    return DialogWindow(dialog);
}

bool Launcher::IsRunning() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Launcher::WaitForExit(DWORD ms) {
    if (!process_)
        return false;
    bool exited = WaitUntil([&] { return !IsRunning(); }, ms);
    if (!exited)
        ADD_FAILURE() << "the launcher did not exit within " << ms
                      << " ms; windows:" << DescribeWindows(Windows());
    return exited;
}

std::optional<DWORD> Launcher::ExitCode() const {
    DWORD code = 0;
    if (!process_ || IsRunning() || !GetExitCodeProcess(process_, &code))
        return std::nullopt;
    return code;
}

void Launcher::Kill() {
    if (!IsRunning())
        return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
}

void LauncherOnGameTest::SetUp() {
    SetGamePathEntry(game.PathWithoutSeparator());
    launcher = std::make_unique<Launcher>(LaunchOptions::ForGame(game));
    dialog = launcher->WaitForMainWindow();
    ASSERT_TRUE(dialog.IsOpen());
}

} // namespace uidriver
