// Runs one of the launcher's real dialogs modally in this process and drives it from inside its own
// message loop: a thread timer waits until the dialog is on screen, hands it to the test body, then
// ends it with IDABORT (never through "Close", so nothing is saved).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "framework/application.h"
#include "res/resource.h"
#include "ui/launcher_dialog.h"

namespace dialog_harness {

struct Pending {
    std::function<bool()> Ready;
    std::function<void()> Run;
    int Ticks = 0;
};
inline Pending* pending = nullptr;

inline void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    // A dialog that never shows itself is driven anyway after about two seconds rather than hanging.
    if (!pending || (!pending->Ready() && ++pending->Ticks < 200))
        return;
    KillTimer(nullptr, timer); // before the body: its own modal loops must not run it again
    Pending* now = pending;
    pending = nullptr;
    now->Run();
}

} // namespace dialog_harness

// Fails the test when the body never ran or the dialog ended some other way.
template <class Dialog, class Body> void RunModally(Dialog& dialog, const Body& body) {
    bool ran = false;
    dialog_harness::Pending pending{[&] { return dialog.Handle() && IsWindowVisible(dialog.Handle()); },
                                    [&] {
                                        ran = true;
                                        body(dialog);
                                        dialog.EndDialog(IDABORT);
                                    }};
    dialog_harness::pending = &pending;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, &dialog_harness::Tick);
    EXPECT_EQ(dialog.DoModal(), IDABORT);
    KillTimer(nullptr, timer);
    dialog_harness::pending = nullptr;
    EXPECT_TRUE(ran) << "the dialog never ran the test body";
}

// The main dialog on a fresh start: the launcher's registry key, no profile name, no stored settings.
class FreshMainDialog : public ::testing::Test {
  protected:
    static constexpr const char* ProfileKey = "Software\\Harbeck\\Skv Launcher";

    void SetUp() override {
        Application::Current().SetRegistryKey(SKV_STR_REGISTRY_KEY);
        Application::Current().SetProfileName("");
        RegDeleteKeyA(HKEY_CURRENT_USER, ProfileKey);
    }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, ProfileKey); }

    static void RunDialog(const std::function<void(LauncherDialog&)>& body) {
        LauncherDialog dialog;
        RunModally(dialog, body);
    }
};
