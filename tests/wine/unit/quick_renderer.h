// Tests that open the display settings dialog many times run on DirectDraw's plain 2D renderer.
//
// Here DirectDraw builds a 3D device for every enumeration and every device it opens: about half a second
// per opening of the display dialog, against about a tenth with the 2D renderer. The devices, the modes
// and everything the launcher does with them are the same either way. The renderer is chosen once, when
// the process starts (from WINE_D3D_CONFIG), so such a test runs itself again in a child process that
// has it, and passes when the child passes; the child's output becomes part of this test's output.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "test_support.h"

namespace quick_renderer {

constexpr const char* Variable = "WINE_D3D_CONFIG";
constexpr const char* Setting = "renderer=no3d";

// Whether this process runs on the 2D renderer.
inline bool Active() {
    const char* value = std::getenv(Variable);
    return value && std::strstr(value, Setting);
}

// Runs the current test again in a child process on the 2D renderer, waiting at most `limitMs`.
inline void RunThisTestInChild(DWORD limitMs = 120000) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();
    test_support::ScratchFolder scratch("quick-" + std::string(test->name()).substr(0, 40));
    const std::string outputPath = scratch.Path() + "output.txt";

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output =
        CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(output, INVALID_HANDLE_VALUE);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = std::string("\"") + self + "\" --gtest_filter=" + name;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
    // Only the output file is handed down: were this program's own output handles inherited, the child
    // could keep the test runner's pipe open after the test has ended.
    const DWORD standard[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    DWORD inheritFlags[3] = {};
    for (int i = 0; i < 3; ++i) {
        HANDLE handle = GetStdHandle(standard[i]);
        if (handle && handle != INVALID_HANDLE_VALUE && GetHandleInformation(handle, &inheritFlags[i]))
            SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
    }
    SetEnvironmentVariableA(Variable, Setting);
    PROCESS_INFORMATION child{};
    BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                  &startup, &child);
    SetEnvironmentVariableA(Variable, nullptr);
    for (int i = 0; i < 3; ++i) {
        HANDLE handle = GetStdHandle(standard[i]);
        if (handle && handle != INVALID_HANDLE_VALUE)
            SetHandleInformation(handle, HANDLE_FLAG_INHERIT, inheritFlags[i] & HANDLE_FLAG_INHERIT);
    }
    CloseHandle(output);
    ASSERT_TRUE(started) << commandLine;

    const bool finished = WaitForSingleObject(child.hProcess, limitMs) == WAIT_OBJECT_0;
    if (!finished) {
        TerminateProcess(child.hProcess, 99);
        WaitForSingleObject(child.hProcess, 5000);
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);

    const std::string text = test_support::ReadBytes(outputPath);
    std::printf(
        "---- %s on the 2D renderer, in a child process ----\n%s---- end of the child's output ----\n",
        name.c_str(), text.c_str());
    ASSERT_TRUE(finished) << name << " did not finish within " << limitMs / 1000 << " s";
    EXPECT_NE(text.find("[  PASSED  ] 1 test"), std::string::npos) << "the child ran no passing test";
    EXPECT_EQ(exitCode, 0u);
}

} // namespace quick_renderer

// Opens a test body that must run on the 2D renderer: here it runs the test again in a child and returns.
#define SKV_RUN_ON_QUICK_RENDERER()                                                                          \
    do {                                                                                                     \
        if (!quick_renderer::Active()) {                                                                     \
            quick_renderer::RunThisTestInChild();                                                            \
            return;                                                                                          \
        }                                                                                                    \
    } while (false)
