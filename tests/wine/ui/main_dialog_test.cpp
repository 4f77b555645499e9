// The main dialog's own behaviour, driven from outside the real launcher: its face on a first start, the
// enabling by " Debug mode " and " Pre-load Bots: ", the sky labels following the trackbars, the up-down
// ranges, the caption's "?" reply and the bold navy group captions on screen.
#include "driver/screen_capture.h"
#include "driver/ui_driver.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace uidriver;

namespace {

constexpr int CheckBoxes[] = {SKV_ID_DEBUG,        SKV_ID_LOAD_BOTS,      SKV_ID_LOAD_GRAX,
                              SKV_ID_LOAD_TOLMEN,  SKV_ID_LOAD_VASTOR,    SKV_ID_LOAD_HUROK,
                              SKV_ID_LOAD_HURGRAX, SKV_ID_LOAD_KOLVANE,   SKV_ID_LOAD_ZIMMIT,
                              SKV_ID_SHOW_FPS,     SKV_ID_SHOW_POLYCOUNT, SKV_ID_VERBOSE_TEXT,
                              SKV_ID_CROUCHMODE,   SKV_ID_EXTRAPOLATION,  SKV_ID_DOPPLERSHIFT,
                              SKV_ID_ALL_WEAPONS,  SKV_ID_GOD_MODE,       SKV_ID_ADD_LIGHT};

constexpr int DebugDependent[] = {
    SKV_ID_LOAD_BOTS, SKV_ID_SHOW_FPS,  SKV_ID_SHOW_POLYCOUNT, SKV_ID_WIREFRAME,  SKV_ID_SKY_RED,
    SKV_ID_SKY_GREEN, SKV_ID_SKY_BLUE,  SKV_ID_DOPPLERSHIFT,   SKV_ID_SPEED_SPIN, SKV_ID_SPEED_EDIT,
    SKV_ID_TIME_SPIN, SKV_ID_TIME_EDIT, SKV_ID_LEAN_SPIN,      SKV_ID_LEAN_EDIT,  SKV_ID_ALL_WEAPONS,
    SKV_ID_GOD_MODE,  SKV_ID_ADD_LIGHT};

constexpr int Species[] = {SKV_ID_LOAD_GRAX,    SKV_ID_LOAD_TOLMEN,  SKV_ID_LOAD_VASTOR, SKV_ID_LOAD_HUROK,
                           SKV_ID_LOAD_HURGRAX, SKV_ID_LOAD_KOLVANE, SKV_ID_LOAD_ZIMMIT};

// Enabled whatever the options say.
constexpr int AlwaysEnabled[] = {SKV_ID_DEBUG,
                                 SKV_ID_VERBOSE_TEXT,
                                 SKV_ID_CROUCHMODE,
                                 SKV_ID_EXTRAPOLATION,
                                 SKV_ID_VOLUME_EDIT,
                                 SKV_ID_VOLUME_SPIN,
                                 IDOK,
                                 IDCANCEL,
                                 SKV_ID_RESET,
                                 SKV_ID_LEVEL,
                                 SKV_ID_DISPLAY,
                                 SKV_ID_LOCATION,
                                 SKV_ID_ABOUT,
                                 SKV_ID_BUG_REPORT,
                                 SKV_ID_LOGO};

constexpr int GroupBoxes[] = {
    SKV_ID_GROUP_COMMANDLINE, SKV_ID_GROUP_RENDERING, SKV_ID_GROUP_GENERAL, SKV_ID_GROUP_MOTIONTRACKER,
    SKV_ID_GROUP_SCALING,     SKV_ID_GROUP_CHEATING,  SKV_ID_GROUP_SKY};

// A launcher on a first start: the game registered, no stored settings.
class MainDialog : public LauncherOnGameTest {
  protected:
    void ExpectEnabled(const int* ids, size_t count, bool enabled, const char* what) const {
        for (size_t i = 0; i < count; ++i)
            EXPECT_EQ(dialog.IsEnabled(ids[i]), enabled) << what << " " << ids[i];
    }
    template <size_t N> void ExpectEnabled(const int (&ids)[N], bool enabled, const char* what) const {
        ExpectEnabled(ids, N, enabled, what);
    }

    std::vector<std::string> SkyLabels() const {
        return {dialog.Text(SKV_ID_SKY_RED_LABEL), dialog.Text(SKV_ID_SKY_GREEN_LABEL),
                dialog.Text(SKV_ID_SKY_BLUE_LABEL)};
    }
};

TEST_F(MainDialog, FirstStartShowsTheDefaults) {
    for (int id : CheckBoxes)
        EXPECT_EQ(dialog.CheckState(id), BST_UNCHECKED) << id;
    EXPECT_EQ(dialog.ComboItems(SKV_ID_WIREFRAME),
              (std::vector<std::string>{"Full textures", "Only objects", "Only environment", "No textures"}));
    EXPECT_EQ(dialog.CurSel(SKV_ID_WIREFRAME), 0);
    for (int edit : {SKV_ID_VOLUME_EDIT, SKV_ID_SPEED_EDIT, SKV_ID_TIME_EDIT, SKV_ID_LEAN_EDIT})
        EXPECT_EQ(dialog.Text(edit), "100") << edit;
    EXPECT_EQ(SkyLabels(), (std::vector<std::string>{"50", "50", "60"}));
    EXPECT_EQ(dialog.SliderPos(SKV_ID_SKY_RED), 50);
    EXPECT_EQ(dialog.SliderPos(SKV_ID_SKY_GREEN), 50);
    EXPECT_EQ(dialog.SliderPos(SKV_ID_SKY_BLUE), 60);
    ExpectEnabled(DebugDependent, false, "debug-dependent");
    ExpectEnabled(Species, false, "species");
    ExpectEnabled(AlwaysEnabled, true, "always");
    // Loading may create the empty profile key, but opening the dialog stores no value.
    EXPECT_TRUE(RegistryValueNames(HKEY_CURRENT_USER, kProfileKey).empty());
}

TEST_F(MainDialog, DebugAndPreloadBotsEnableTheirControlsInEveryRow) {
    const struct {
        bool debug;
        bool loadBots;
        bool dependentEnabled;
        bool speciesEnabled;
    } rows[] = {
        {false, false, false, false}, {false, true, false, false},  {true, false, true, false},
        {true, true, true, true},     {false, true, false, false},  {true, true, true, true},
        {true, false, true, false},   {false, false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "Debug " << row.debug << ", Pre-load Bots " << row.loadBots);
        // Pre-load Bots can only be clicked while it is enabled: set it with Debug on, then Debug.
        if (dialog.IsChecked(SKV_ID_LOAD_BOTS) != row.loadBots) {
            dialog.SetCheck(SKV_ID_DEBUG, true);
            dialog.SetCheck(SKV_ID_LOAD_BOTS, row.loadBots);
        }
        dialog.SetCheck(SKV_ID_DEBUG, row.debug);
        ASSERT_EQ(dialog.IsChecked(SKV_ID_DEBUG), row.debug);
        ASSERT_EQ(dialog.IsChecked(SKV_ID_LOAD_BOTS), row.loadBots);
        ExpectEnabled(DebugDependent, row.dependentEnabled, "debug-dependent");
        ExpectEnabled(Species, row.speciesEnabled, "species");
        ExpectEnabled(AlwaysEnabled, true, "always");
    }
}

TEST_F(MainDialog, DisablingKeepsTheCheckMarks) {
    dialog.SetCheck(SKV_ID_DEBUG, true);
    dialog.SetCheck(SKV_ID_LOAD_BOTS, true);
    const int marked[] = {SKV_ID_LOAD_TOLMEN, SKV_ID_LOAD_HUROK,   SKV_ID_LOAD_ZIMMIT,
                          SKV_ID_SHOW_FPS,    SKV_ID_DOPPLERSHIFT, SKV_ID_GOD_MODE};
    for (int id : marked)
        dialog.SetCheck(id, true);
    dialog.SelectItem(SKV_ID_WIREFRAME, 2);

    dialog.SetCheck(SKV_ID_DEBUG, false);
    EXPECT_FALSE(dialog.IsEnabled(SKV_ID_LOAD_BOTS));
    EXPECT_TRUE(dialog.IsChecked(SKV_ID_LOAD_BOTS));
    for (int id : marked) {
        EXPECT_FALSE(dialog.IsEnabled(id)) << id;
        EXPECT_TRUE(dialog.IsChecked(id)) << id;
    }
    EXPECT_EQ(dialog.CurSel(SKV_ID_WIREFRAME), 2);

    dialog.SetCheck(SKV_ID_DEBUG, true);
    for (int id : marked) {
        EXPECT_TRUE(dialog.IsEnabled(id)) << id;
        EXPECT_TRUE(dialog.IsChecked(id)) << id;
    }
    for (int id : {SKV_ID_LOAD_GRAX, SKV_ID_LOAD_VASTOR, SKV_ID_LOAD_HURGRAX, SKV_ID_LOAD_KOLVANE})
        EXPECT_FALSE(dialog.IsChecked(id)) << id;
    EXPECT_EQ(dialog.CurSel(SKV_ID_WIREFRAME), 2);
}

TEST_F(MainDialog, SkyLabelsFollowTrackbarNotifications) {
    dialog.SetCheck(SKV_ID_DEBUG, true);
    const struct {
        int slider;
        int position;
        int code;
        std::vector<std::string> labels;
    } moves[] = {
        {SKV_ID_SKY_RED, 200, TB_THUMBTRACK, {"200", "50", "60"}},
        {SKV_ID_SKY_GREEN, 0, TB_THUMBPOSITION, {"200", "0", "60"}},
        {SKV_ID_SKY_BLUE, 255, TB_ENDTRACK, {"200", "0", "255"}},
        {SKV_ID_SKY_RED, 7, TB_PAGEDOWN, {"7", "0", "255"}},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.position);
        dialog.SetSliderPos(move.slider, move.position, move.code);
        EXPECT_EQ(SkyLabels(), move.labels);
    }
    // A position set without a notification shows on the next one, from any trackbar.
    dialog.SendTo(SKV_ID_SKY_GREEN, TBM_SETPOS, TRUE, 99);
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_GREEN_LABEL), "0");
    dialog.SetSliderPos(SKV_ID_SKY_BLUE, 255, TB_ENDTRACK);
    EXPECT_EQ(SkyLabels(), (std::vector<std::string>{"7", "99", "255"}));
}

TEST_F(MainDialog, SkyLabelsFollowKeyboardSteps) {
    dialog.SetCheck(SKV_ID_DEBUG, true);
    const struct {
        int key;
        const char* label;
    } steps[] = {{VK_RIGHT, "51"},  {VK_RIGHT, "52"}, {VK_LEFT, "51"}, {VK_END, "255"},
                 {VK_RIGHT, "255"}, {VK_HOME, "0"},   {VK_LEFT, "0"}};
    for (const auto& step : steps) {
        dialog.SendTo(SKV_ID_SKY_RED, WM_KEYDOWN, step.key, 1);
        dialog.SendTo(SKV_ID_SKY_RED, WM_KEYUP, step.key, 0xC0000001);
        EXPECT_EQ(dialog.Text(SKV_ID_SKY_RED_LABEL), step.label) << "key " << step.key;
        EXPECT_EQ(std::to_string(dialog.SliderPos(SKV_ID_SKY_RED)), step.label);
    }
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_GREEN_LABEL), "50");
    EXPECT_EQ(dialog.Text(SKV_ID_SKY_BLUE_LABEL), "60");
}

TEST_F(MainDialog, UpDownRangesHold) {
    EXPECT_EQ(dialog.SpinRange(SKV_ID_VOLUME_SPIN), std::make_pair(0, 100));
    EXPECT_EQ(dialog.SpinRange(SKV_ID_SPEED_SPIN), std::make_pair(0, 1600));
    EXPECT_EQ(dialog.SpinRange(SKV_ID_TIME_SPIN), std::make_pair(1, 400));
    EXPECT_EQ(dialog.SpinRange(SKV_ID_LEAN_SPIN), std::make_pair(0, 1000));
    EXPECT_EQ(dialog.SliderRange(SKV_ID_SKY_RED), std::make_pair(0, 255));
    EXPECT_EQ(dialog.SliderRange(SKV_ID_SKY_GREEN), std::make_pair(0, 255));
    EXPECT_EQ(dialog.SliderRange(SKV_ID_SKY_BLUE), std::make_pair(0, 255));
}

TEST_F(MainDialog, ArrowKeysStepInsideTheRangesOnly) {
    dialog.SetCheck(SKV_ID_DEBUG, true);
    const struct {
        int edit;
        int spin;
        int start;
        int key;
        int expected;
        const char* text;
    } steps[] = {
        {SKV_ID_TIME_EDIT, SKV_ID_TIME_SPIN, 2, VK_DOWN, 1, "1"},
        {SKV_ID_TIME_EDIT, SKV_ID_TIME_SPIN, 1, VK_DOWN, 1, "1"},
        {SKV_ID_TIME_EDIT, SKV_ID_TIME_SPIN, 400, VK_UP, 400, "400"},
        {SKV_ID_VOLUME_EDIT, SKV_ID_VOLUME_SPIN, 100, VK_UP, 100, "100"},
        {SKV_ID_VOLUME_EDIT, SKV_ID_VOLUME_SPIN, 0, VK_DOWN, 0, "0"},
        {SKV_ID_VOLUME_EDIT, SKV_ID_VOLUME_SPIN, 50, VK_UP, 51, "51"},
        {SKV_ID_SPEED_EDIT, SKV_ID_SPEED_SPIN, 1599, VK_UP, 1600, "1,600"},
        {SKV_ID_SPEED_EDIT, SKV_ID_SPEED_SPIN, 1600, VK_UP, 1600, "1,600"},
        {SKV_ID_LEAN_EDIT, SKV_ID_LEAN_SPIN, 0, VK_DOWN, 0, "0"},
        {SKV_ID_LEAN_EDIT, SKV_ID_LEAN_SPIN, 1000, VK_UP, 1000, "1,000"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "control " << step.spin << " from " << step.start);
        dialog.SetSpinPos(step.spin, step.start);
        dialog.SendTo(step.edit, WM_KEYDOWN, step.key, 1);
        dialog.SendTo(step.edit, WM_KEYUP, step.key, 0xC0000001);
        DialogWindow::SpinReply reply = dialog.SpinPos(step.spin);
        EXPECT_EQ(reply.position, step.expected);
        EXPECT_FALSE(reply.error);
        EXPECT_EQ(dialog.Text(step.edit), step.text);
    }
}

TEST_F(MainDialog, EditTextReadsBackThroughItsUpDown) {
    const struct {
        int edit;
        int spin;
        const char* typed;
        int position;
        bool error;
    } cases[] = {
        {SKV_ID_SPEED_EDIT, SKV_ID_SPEED_SPIN, "1,600", 1600, false},
        {SKV_ID_SPEED_EDIT, SKV_ID_SPEED_SPIN, "1200", 1200, false},
        {SKV_ID_VOLUME_EDIT, SKV_ID_VOLUME_SPIN, "250", 100, true},
        {SKV_ID_VOLUME_EDIT, SKV_ID_VOLUME_SPIN, "abc", 100, true},
        {SKV_ID_TIME_EDIT, SKV_ID_TIME_SPIN, "0", 100, true},
        {SKV_ID_LEAN_EDIT, SKV_ID_LEAN_SPIN, "1,000", 1000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dialog.SetSpinPos(c.spin, 100);
        dialog.SetText(c.edit, c.typed);
        DialogWindow::SpinReply reply = dialog.SpinPos(c.spin);
        EXPECT_EQ(reply.position, c.position);
        EXPECT_EQ(reply.error, c.error);
    }
}

TEST_F(MainDialog, HelpButtonShowsTheNoHelpMessageAndTheDialogStays) {
    dialog.PostSysCommand(SC_CONTEXTHELP);
    MessageBoxInfo box = WaitForOkBox(
        *launcher, "Sorry, there's no Help file available in this BETA version :)", IconKind::Information);
    ASSERT_TRUE(Answer(box.hwnd, IDOK));
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_TRUE(launcher->IsRunning());
    // The low four bits of the command are not looked at.
    dialog.PostSysCommand(SC_CONTEXTHELP | 0x7);
    MessageBoxInfo again = launcher->WaitForMessageBox();
    ASSERT_TRUE(again);
    EXPECT_EQ(again.text, box.text);
    Answer(again.hwnd, IDOK);
}

TEST_F(MainDialog, WindowMenuAboutItemRunsTheSameAboutBoxAsTheButton) {
    // Command 16 is the appended "&About..." item; the low four bits are not looked at.
    for (WPARAM command : {WPARAM(16), WPARAM(16 | 0x9)}) {
        SCOPED_TRACE(command);
        dialog.PostSysCommand(command);
        DialogWindow about = launcher->WaitForDialog("Program information");
        ASSERT_TRUE(about.IsOpen());
        ASSERT_TRUE(Answer(about, IDOK));
    }
    ASSERT_TRUE(dialog.Click(SKV_ID_ABOUT));
    DialogWindow about = launcher->WaitForDialog("Program information");
    ASSERT_TRUE(about.IsOpen());
    ASSERT_TRUE(Answer(about, IDOK));
    EXPECT_TRUE(dialog.IsOpen());
}

// Counts pixels of `colour` in the top `height` rows of a control, as shown on screen.
int PixelsOfColour(const DialogWindow& dialog, int id, COLORREF colour, int height) {
    RECT area{};
    GetWindowRect(dialog.Control(id), &area);
    area.bottom = area.top + height;
    ScreenPixels pixels;
    if (!CaptureScreen(area, pixels)) {
        ADD_FAILURE() << "cannot read the screen";
        return 0;
    }
    int count = 0;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            if (pixels.At(x, y) == colour)
                ++count;
    return count;
}

TEST_F(MainDialog, GroupCaptionsAreDrawnNavyAndCheckBoxCaptionsAreNot) {
    ASSERT_TRUE(
        WaitUntil([&] { return PixelsOfColour(dialog, SKV_ID_GROUP_SKY, RGB(0, 0, 128), 14) > 0; }, 3000))
        << "no navy caption drawn";
    for (int id : GroupBoxes)
        EXPECT_GT(PixelsOfColour(dialog, id, RGB(0, 0, 128), 14), 10) << id;
    for (int id : {SKV_ID_DEBUG, SKV_ID_VERBOSE_TEXT, SKV_ID_SKY_RED_LABEL})
        EXPECT_EQ(PixelsOfColour(dialog, id, RGB(0, 0, 128), 14), 0) << id;
}

} // namespace
