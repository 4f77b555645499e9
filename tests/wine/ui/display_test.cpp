// "Display..." end to end on the real launcher: the display settings dialog opens over the main dialog,
// OK writes the game's 32-byte video record, and the game started afterwards finds exactly those bytes;
// Cancel writes nothing, whatever was chosen.
#include "driver/ui_driver.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace uidriver;

namespace {

const std::string DisplayTitle = "Display settings";

struct DisplayFixture : LauncherOnGameTest {
    DialogWindow OpenDisplaySettings() {
        EXPECT_TRUE(dialog.Click(SKV_ID_DISPLAY));
        DialogWindow display = launcher->WaitForDialog(DisplayTitle);
        EXPECT_TRUE(display.Handle()) << "\"Display...\" opened no \"Display settings\" dialog";
        return display;
    }

    // Waits until the display dialog is gone and the main dialog is still there.
    void ExpectClosedBackToMain(const DialogWindow& display) {
        EXPECT_TRUE(WaitUntil([&] { return !display.IsOpen(); })) << "the display dialog stayed open";
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_TRUE(launcher->IsRunning());
    }
};

TEST_F(DisplayFixture, OkWritesTheVideoRecordThatTheStartedGameFinds) {
    DialogWindow display = OpenDisplaySettings();
    ASSERT_TRUE(display.Handle());
    const std::vector<std::string> devices = display.ComboItems(SKV_ID_DEVICE_LIST);
    const std::vector<std::string> modes = display.ComboItems(SKV_ID_MODE_LIST);
    ASSERT_FALSE(devices.empty());
    ASSERT_FALSE(modes.empty());
    EXPECT_EQ(display.CurSel(SKV_ID_DEVICE_LIST), 0);
    EXPECT_EQ(display.CurSel(SKV_ID_MODE_LIST), 0);
    const int chosen = static_cast<int>(modes.size()) - 1;
    display.SelectItem(SKV_ID_MODE_LIST, chosen);
    ASSERT_EQ(display.CurSel(SKV_ID_MODE_LIST), chosen);

    ASSERT_TRUE(display.Click(IDOK));
    ExpectClosedBackToMain(display);
    // The platform reports its one device without a GUID: sixteen zero bytes, then index 0 and the mode.
    const std::string expected = GuidlessVideoRecord(modes[chosen]);
    EXPECT_EQ(game.ReadFile("Skv_Video.cfg"), expected);

    ASSERT_TRUE(dialog.Click(IDOK));
    ASSERT_TRUE(launcher->WaitForExit());
    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->videoCfg, expected);
}

TEST_F(DisplayFixture, CancelAfterChangingTheSelectionWritesNothing) {
    for (bool withFile : {false, true}) {
        SCOPED_TRACE(withFile ? "stored record" : "no file");
        // A record for the first mode, with bytes after it that a rewrite would drop.
        std::string stored;
        if (withFile) {
            DialogWindow probe = OpenDisplaySettings();
            ASSERT_TRUE(probe.Handle());
            stored = GuidlessVideoRecord(probe.ComboItems(SKV_ID_MODE_LIST).at(0)) + "tail";
            ASSERT_TRUE(probe.Click(IDCANCEL));
            ExpectClosedBackToMain(probe);
            game.WriteFile("Skv_Video.cfg", stored);
        }
        DialogWindow display = OpenDisplaySettings();
        ASSERT_TRUE(display.Handle());
        const int count = static_cast<int>(display.ComboItems(SKV_ID_MODE_LIST).size());
        ASSERT_GE(count, 2) << "needs two modes to change the selection";
        display.SelectItem(SKV_ID_DEVICE_LIST, 0);
        display.SelectItem(SKV_ID_MODE_LIST, count - 1);
        ASSERT_EQ(display.CurSel(SKV_ID_MODE_LIST), count - 1);
        ASSERT_TRUE(display.Click(IDCANCEL));
        ExpectClosedBackToMain(display);
        if (withFile)
            EXPECT_EQ(game.ReadFile("Skv_Video.cfg"), stored);
        else
            EXPECT_FALSE(game.Exists("Skv_Video.cfg"));
    }
}

} // namespace
