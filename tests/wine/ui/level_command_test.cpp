// Level commands that reach the real launcher from outside its menu (sent or posted by this program)
// are recorded like a pick, and "Start" hands the chosen level to the game as "-n <identifier>".
#include "driver/ui_driver.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace uidriver;

namespace {

struct Step {
    enum Kind { Send, Post, ClickReset } What;
    WPARAM WParam = 0;
};

Step Sent(WORD id, WORD code = 0) {
    return {Step::Send, MAKEWPARAM(id, code)};
}
Step Posted(WORD id, WORD code = 0) {
    return {Step::Post, MAKEWPARAM(id, code)};
}
const Step Reset = {Step::ClickReset};

struct LevelCase {
    const char* What;
    std::vector<Step> Steps;
    const char* Params; // what "Start" hands the game (Debug off: the level switch alone)
};

const LevelCase Cases[] = {
    {"nothing chosen", {}, ""},
    {"first level, sent", {Sent(32771)}, "-n Ossary"},
    {"first level, posted", {Posted(32771)}, "-n Ossary"},
    {"notification code ignored", {Sent(32808, 1)}, "-n Orv-dm-coop"},
    {"last level", {Sent(32771), Sent(32812)}, "-n Snarewood"},
    {"No Level after a level", {Sent(32773), Sent(32813)}, ""},
    {"Reset keeps the level", {Sent(32773), Reset}, "-n Quent03"},
    {"id above the menu's", {Sent(32814)}, ""},
    {"id below the menu's", {Posted(32770)}, ""},
    {"other command keeps the level", {Sent(32803), Sent(SKV_ID_DEBUG, 0xFFFF)}, "-n Orv-dm"},
};

void PrintTo(const LevelCase& c, std::ostream* out) {
    *out << c.What;
}

class LevelCommand : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelCommand, FromAnotherProgramChoosesTheLevelStartHandsOn) {
    const LevelCase& c = GetParam();
    CleanRegistry registry;
    GameFolder game;
    SetGamePathEntry(game.PathWithoutSeparator());
    Launcher launcher(LaunchOptions::ForGame(game));
    DialogWindow dialog = launcher.WaitForMainWindow();
    bool posted = false;
    for (const Step& step : c.Steps) {
        if (step.What == Step::Send) {
            dialog.Send(WM_COMMAND, step.WParam, 0);
        } else if (step.What == Step::Post) {
            dialog.Post(WM_COMMAND, step.WParam, 0);
            posted = true;
        } else {
            ASSERT_TRUE(dialog.Click(SKV_ID_RESET));
        }
    }
    // A posted command is handled in queue order, so "Start" is posted behind it.
    if (posted)
        dialog.PostCommand(IDOK);
    else
        ASSERT_TRUE(dialog.Click(IDOK));
    ASSERT_TRUE(launcher.WaitForExit());
    std::optional<StandinReport> report = WaitForReport(game.ReportPath());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->params, c.Params);
    std::vector<std::string> args;
    if (*c.Params)
        args = {"-n", std::string(c.Params).substr(3)};
    EXPECT_EQ(report->args, args);
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelCommand, ::testing::ValuesIn(Cases));

} // namespace
