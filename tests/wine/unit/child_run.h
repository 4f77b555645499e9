// Runs this test program again in a child process, for tests whose cases need what only a fresh process
// gets (an environment read at start, a desktop of its own). The child's output goes to a file.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace child_run {

struct Result {
    bool Started = false;
    bool Finished = false; // within the limit; a child past it is ended with exit code 99
    DWORD ExitCode = 1;
    std::string Output; // what the child wrote to its standard output and error
};

// Starts this program with `arguments` (e.g. "--gtest_filter=Suite.Case"), on `desktop` when given,
// its output into `outputPath`, and waits at most `limitMs` for it.
inline Result RunThisProgram(const std::string& arguments, const std::string& outputPath, DWORD limitMs,
                             const char* desktop = nullptr) {
    Result result;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output =
        CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot create the child's output file " << outputPath;
        return result;
    }
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = std::string("\"") + self + "\" " + arguments;
    std::string desktopName = desktop ? desktop : "";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop ? desktopName.data() : nullptr;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
    // Only the output file is handed down: were this program's own output handles inherited, the child
    // (and any process it starts, such as a desktop's window process) could keep the test runner's pipe
    // open after the test has ended, and the runner would wait for them.
    const DWORD standard[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    DWORD inheritFlags[3] = {};
    for (int i = 0; i < 3; ++i) {
        HANDLE handle = GetStdHandle(standard[i]);
        if (handle && handle != INVALID_HANDLE_VALUE && GetHandleInformation(handle, &inheritFlags[i]))
            SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
    }
    PROCESS_INFORMATION child{};
    result.Started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                    &startup, &child) != FALSE;
    for (int i = 0; i < 3; ++i) {
        HANDLE handle = GetStdHandle(standard[i]);
        if (handle && handle != INVALID_HANDLE_VALUE)
            SetHandleInformation(handle, HANDLE_FLAG_INHERIT, inheritFlags[i] & HANDLE_FLAG_INHERIT);
    }
    CloseHandle(output);
    if (!result.Started) {
        ADD_FAILURE() << "could not start " << commandLine;
        return result;
    }
    result.Finished = WaitForSingleObject(child.hProcess, limitMs) == WAIT_OBJECT_0;
    if (!result.Finished) {
        TerminateProcess(child.hProcess, 99);
        WaitForSingleObject(child.hProcess, 5000);
    }
    GetExitCodeProcess(child.hProcess, &result.ExitCode);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    result.Output = test_support::ReadBytes(outputPath);
    return result;
}

} // namespace child_run
