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

#include "child_run.h"
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

    // The renderer is read when the child starts; it inherits the setting and this process drops it.
    SetEnvironmentVariableA(Variable, Setting);
    const child_run::Result child = child_run::RunThisProgram("--gtest_filter=" + name, outputPath, limitMs);
    SetEnvironmentVariableA(Variable, nullptr);
    ASSERT_TRUE(child.Started);

    std::printf(
        "---- %s on the 2D renderer, in a child process ----\n%s---- end of the child's output ----\n",
        name.c_str(), child.Output.c_str());
    ASSERT_TRUE(child.Finished) << name << " did not finish within " << limitMs / 1000 << " s";
    EXPECT_NE(child.Output.find("[  PASSED  ] 1 test"), std::string::npos) << "the child ran no passing test";
    EXPECT_EQ(child.ExitCode, 0u);
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
