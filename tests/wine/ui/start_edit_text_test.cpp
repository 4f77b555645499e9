// Text typed into the four numeric edit boxes, then "Start" in the real launcher: "startup.cfg" carries
// each number the box holds when it is a whole number inside the up-down's range and 1.00 otherwise, and
// the profile keeps the up-down's whole reply (flagged when the text was refused).
#include "driver/ui_driver.h"
#include "profile_view.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

using namespace uidriver;
using namespace profile_view;

namespace {

struct TypedText {
    const char* Text;
    std::optional<int> Reads; // the whole decimal number the text is, if it is one
};

// An empty box reads as 0 under Wine, with no error flag (measured); 0 is then refused only by Time.
const TypedText Texts[] = {
    {"abc", std::nullopt},
    {"+5", 5},
    {"-5", -5},
    {"-0", 0},
    {" 5", 5},
    {"5 ", std::nullopt},
    {"1 5", std::nullopt},
    {"1,000", 1000},
    {"1.5", std::nullopt},
    {"9999999999", std::nullopt},
    {"4294967296", std::nullopt},
    {"", 0},
    {"007", 7},
    {"0x10", std::nullopt},
};

struct Box {
    const char* Option;
    int LastValid; // stored before the start, so a refused text keeps it in the reply's low word
};
const Box Boxes[] = {{"TrackerVolume", 40}, {"TrackerSpeed", 1200}, {"TimeScale", 7}, {"LeanScale", 300}};

// The typed number when the up-down accepts it: a whole number inside the option's range.
std::optional<int> Accepted(const ProfileOption& option, const TypedText& typed) {
    if (typed.Reads && *typed.Reads >= option.Min && *typed.Reads <= option.Max)
        return typed.Reads;
    return std::nullopt;
}

std::string Hundredths(int value) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", value / 100, value % 100);
    return text;
}

// Debug mode on, every flag clear, the sky at 50, 50, 60, "Full textures".
std::string ExpectedFile(int volume, int speed, int time, int lean) {
    return "EXPV 0\r\nCROUCHMODE 0\r\nEXTRAPOLATE_MOVEMENT 0\r\nMOTIONTRACKERVOLUME " + Hundredths(volume) +
           "\r\nSKY_RED 50\r\nSKY_GREEN 50\r\nSKY_BLUE 60\r\nMOTIONTRACKERSPEED " + Hundredths(speed) +
           "\r\nLEANSCALE " + Hundredths(lean) + "\r\nTIMESCALE " + Hundredths(time) +
           "\r\nWIREFRAMEMODE 0\r\nDOPPLERSHIFT 0\r\n";
}

class StartEditText : public ::testing::Test {
  protected:
    void SetUp() override { SetGamePathEntry(game.PathWithoutSeparator()); }

    CleanRegistry registry;
    GameFolder game;
};

// Round r types text (r + b) into box b, so every text goes through every box once.
TEST_F(StartEditText, EveryTextInEveryBoxReachesTheFileAndTheProfileAsTheRulesSay) {
    const size_t count = std::size(Texts);
    for (size_t round = 0; round < count; ++round) {
        const TypedText* typed[4];
        std::string what = "round " + std::to_string(round) + ":";
        for (size_t b = 0; b < 4; ++b) {
            typed[b] = &Texts[(round + b) % count];
            what += std::string(" ") + Boxes[b].Option + "=\"" + typed[b]->Text + "\"";
        }
        SCOPED_TRACE(what);

        DeleteRegistryKey(HKEY_CURRENT_USER, kProfileKey);
        SetProfileDword("Debug", 1); // every edit box enabled, as for a user typing
        for (const Box& box : Boxes)
            SetProfileDword(box.Option, static_cast<DWORD>(box.LastValid));
        game.RemoveFile("startup.cfg");
        game.RemoveFile("standin-report.txt");

        Launcher launcher(LaunchOptions::ForGame(game));
        DialogWindow dialog = launcher.WaitForMainWindow();
        for (size_t b = 0; b < 4; ++b) {
            const ProfileOption& option = Option(Boxes[b].Option);
            ASSERT_TRUE(dialog.IsEnabled(option.TextId)) << option.Name;
            dialog.SetText(option.TextId, typed[b]->Text);
        }
        ASSERT_TRUE(dialog.Click(IDOK));
        ASSERT_TRUE(launcher.WaitForExit());
        ASSERT_TRUE(WaitForReport(game.ReportPath())); // the game ran; its folder is ours again

        // A refused text hands the game 100.
        std::optional<int> accepted[4];
        int handed[4];
        for (size_t b = 0; b < 4; ++b) {
            accepted[b] = Accepted(Option(Boxes[b].Option), *typed[b]);
            handed[b] = accepted[b].value_or(100);
        }
        EXPECT_EQ(game.ReadFile("startup.cfg"), ExpectedFile(handed[0], handed[1], handed[2], handed[3]));

        std::map<std::string, DWORD> stored = StoredProfile();
        for (size_t b = 0; b < 4; ++b) {
            const ProfileOption& option = Option(Boxes[b].Option);
            const DWORD value = stored[option.Name];
            if (accepted[b]) {
                EXPECT_EQ(value, static_cast<DWORD>(*accepted[b])) << option.Name;
            } else {
                // Refused: the error flag above the last valid position, which the next load replaces.
                EXPECT_GE(value, 65536u) << option.Name;
                EXPECT_EQ(value & 0xFFFF, static_cast<DWORD>(Boxes[b].LastValid)) << option.Name;
            }
        }
    }
}

} // namespace
