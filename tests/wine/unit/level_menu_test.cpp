// The level menu of the real main dialog, run modally in this process: what each opening shows (checks,
// default item, place), what a pick through the menu's own keyboard handling records, and the command
// filter. The 42 identifiers are checked against the menu resource row by row.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dialog_harness.h"
#include "level_menu_driver.h"
#include "levels/level_table.h"
#include "tests/level_rows.h"

using namespace level_menu_driver;

namespace {

using LevelMenu = FreshMainDialog;

TEST_F(LevelMenu, FirstOpeningMarksNoLevelOnlyAndOpensLeftOfTheButton) {
    RunDialog([](LauncherDialog& dialog) {
        EXPECT_EQ(dialog.LevelCommand, NoLevelCommand);
        MenuState shown = OpenLevelMenu(dialog, EscapeKey);
        ASSERT_TRUE(shown.Shown);
        EXPECT_EQ(shown.Checked, std::vector<UINT>{NoLevelCommand});
        EXPECT_EQ(shown.Defaults, std::vector<UINT>{NoLevelCommand});
        RECT button{};
        GetWindowRect(dialog.Item(SKV_ID_LEVEL), &button);
        EXPECT_EQ(shown.Window.right, button.left);
        EXPECT_EQ(shown.Window.top, button.top);
        EXPECT_GT(shown.Window.bottom - shown.Window.top, 0);
        // The loaded menu is gone once the menu has closed.
        EXPECT_FALSE(IsMenu(shown.Popup));
        EXPECT_EQ(dialog.LevelCommand, NoLevelCommand);
    });
}

TEST_F(LevelMenu, PickedLevelIsMarkedAtTheNextOpening) {
    RunDialog([](LauncherDialog& dialog) {
        // "Grax" is the first item; its third entry is "Level 3 - Velmaro".
        ASSERT_TRUE(OpenLevelMenu(dialog, Pick(1, 2)).Shown);
        EXPECT_EQ(dialog.LevelCommand, 32773u);
        ASSERT_NE(LevelIdentifier(dialog.LevelCommand), nullptr);
        EXPECT_STREQ(LevelIdentifier(dialog.LevelCommand), "Quent03");

        MenuState next = OpenLevelMenu(dialog, EscapeKey);
        ASSERT_TRUE(next.Shown);
        EXPECT_EQ(next.Checked, std::vector<UINT>{32773});
        EXPECT_EQ(next.Defaults, std::vector<UINT>{NoLevelCommand});
        // Esc closed it without a choice.
        EXPECT_EQ(dialog.LevelCommand, 32773u);
    });
}

TEST_F(LevelMenu, EqualLabelsInDeathmatchAndCoopGiveDifferentLevels) {
    RunDialog([](LauncherDialog& dialog) {
        // Top items: Grax, Vastor, Hurok, (separator), Deathmatch, Coop, (separator), No Level.
        ASSERT_TRUE(OpenLevelMenu(dialog, Pick(4, 0)).Shown);
        EXPECT_EQ(dialog.LevelCommand, 32803u);
        EXPECT_STREQ(LevelIdentifier(dialog.LevelCommand), "Orv-dm");

        ASSERT_TRUE(OpenLevelMenu(dialog, Pick(5, 0)).Shown);
        EXPECT_EQ(dialog.LevelCommand, 32808u);
        EXPECT_STREQ(LevelIdentifier(dialog.LevelCommand), "Orv-dm-coop");
    });
}

TEST_F(LevelMenu, PickingNoLevelClearsTheChoiceAndResetKeepsIt) {
    RunDialog([](LauncherDialog& dialog) {
        ASSERT_TRUE(OpenLevelMenu(dialog, Pick(2, 0)).Shown); // "Vastor", "Level 1 - Hulkmoor"
        EXPECT_EQ(dialog.LevelCommand, 32781u);

        SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(SKV_ID_RESET, BN_CLICKED),
                     reinterpret_cast<LPARAM>(dialog.Item(SKV_ID_RESET)));
        EXPECT_EQ(dialog.LevelCommand, 32781u);

        // Up from no selection lands on the last item, "No Level".
        MenuState shown = OpenLevelMenu(dialog, {VK_UP, VK_RETURN});
        ASSERT_TRUE(shown.Shown);
        EXPECT_EQ(shown.Checked, std::vector<UINT>{32781});
        EXPECT_EQ(dialog.LevelCommand, NoLevelCommand);
        EXPECT_EQ(LevelIdentifier(dialog.LevelCommand), nullptr);
    });
}

TEST_F(LevelMenu, EveryLevelCommandFromAnySourceIsRecorded) {
    RunDialog([](LauncherDialog& dialog) {
        const struct {
            WPARAM WParam;
            uint32_t Expected; // LevelCommand afterwards
        } cases[] = {
            {MAKEWPARAM(32771, 0), 32771},
            {MAKEWPARAM(32770, 0), 32771}, // just below the menu's ids: ignored
            {MAKEWPARAM(32813, 0), 32813},
            {MAKEWPARAM(32814, 0), 32813}, // just above: ignored
            {MAKEWPARAM(32790, 1), 32790}, // the notification code is not looked at
            {MAKEWPARAM(32812, 0xFFFF), 32812},
            {MAKEWPARAM(SKV_ID_DEBUG, 0xFFFF), 32812}, // other commands leave the choice alone
            {MAKEWPARAM(32773, 0), 32773},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.WParam);
            SendMessageA(dialog.Handle(), WM_COMMAND, c.WParam, 0);
            EXPECT_EQ(dialog.LevelCommand, c.Expected);
        }
        // A posted one (as another program would send it) goes the same way.
        PostMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(32807, 0), 0);
        PumpPending();
        EXPECT_EQ(dialog.LevelCommand, 32807u);
    });
}

// ---- The 42 levels as the menu resource names them ------------------------------------------------

std::string ItemText(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(LevelTableAgainstMenu, EveryMenuItemLeadsToItsIdentifier) {
    HMENU bar = LoadMenuA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_MENU_LEVELS));
    ASSERT_NE(bar, nullptr);
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);

    // (popup, label, command) for every level item, in menu order.
    struct Found {
        std::string Popup, Label;
        UINT Command;
    };
    std::vector<Found> found;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        HMENU sub = GetSubMenu(popup, i);
        if (!sub)
            continue;
        std::string caption = ItemText(popup, i);
        for (int j = 0; j < GetMenuItemCount(sub); ++j) {
            UINT id = GetMenuItemID(sub, j);
            if (id != 0 && id != UINT(-1))
                found.push_back({caption, ItemText(sub, j), id});
        }
    }
    DestroyMenu(bar);

    ASSERT_EQ(found.size(), std::size(LevelRows));
    for (size_t i = 0; i < found.size(); ++i) {
        const LevelRow& row = LevelRows[i];
        SCOPED_TRACE(row.Command);
        EXPECT_EQ(found[i].Command, row.Command);
        EXPECT_EQ(found[i].Popup, row.Popup);
        EXPECT_EQ(found[i].Label, row.Label);
        const char* identifier = LevelIdentifier(found[i].Command);
        ASSERT_NE(identifier, nullptr);
        EXPECT_STREQ(identifier, row.Identifier);
    }
    EXPECT_EQ(LevelIdentifier(NoLevelCommand), nullptr);
}

} // namespace
