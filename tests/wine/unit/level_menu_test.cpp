// The level menu of the real main dialog, run modally in this process: what each opening shows (checks,
// default item, place), what a pick through the menu's own keyboard handling records, and the command
// filter. The 42 identifiers are checked against the menu resource row by row.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dialog_harness.h"
#include "levels/level_table.h"
#include "tests/level_rows.h"

namespace {

// ---- What one opening of the menu showed ---------------------------------------------------------

struct MenuState {
    bool Shown = false;
    std::vector<UINT> Checked;  // commands with a check mark, anywhere in the popup and its submenus
    std::vector<UINT> Defaults; // commands drawn as default items (bold)
    RECT Window{};              // the popup's screen rectangle
    HMENU Popup = nullptr;
};

void CollectStates(HMENU menu, MenuState& state) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, i, TRUE, &info))
            continue;
        if (info.hSubMenu) {
            if (info.fState & MFS_CHECKED)
                state.Checked.push_back(0xFFFF); // a submenu itself must never be marked
            CollectStates(info.hSubMenu, state);
            continue;
        }
        if (info.fState & MFS_CHECKED)
            state.Checked.push_back(info.wID);
        if (info.fState & MFS_DEFAULT)
            state.Defaults.push_back(info.wID);
    }
}

// ---- Running the dialog and its menu --------------------------------------------------------------

// While a menu is tracked: the keys to post once it is idle on screen (the menu's own loop reads them).
std::vector<WPARAM> pendingKeys;
MenuState* currentState = nullptr;
HMENU trackedPopup = nullptr;
HHOOK hook = nullptr;

LRESULT CALLBACK WatchMenu(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && currentState) {
        if (message->message == WM_INITMENUPOPUP && !trackedPopup && !HIWORD(message->lParam))
            trackedPopup = reinterpret_cast<HMENU>(message->wParam);
        if (message->message == WM_ENTERIDLE && message->wParam == MSGF_MENU && trackedPopup &&
            !currentState->Shown) {
            currentState->Shown = true;
            currentState->Popup = trackedPopup;
            CollectStates(trackedPopup, *currentState);
            GetWindowRect(reinterpret_cast<HWND>(message->lParam), &currentState->Window);
            for (WPARAM key : pendingKeys)
                PostMessageA(message->hwnd, WM_KEYDOWN, key, 1);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

// Safety net: a menu that never became idle is closed rather than hanging the test run.
void CALLBACK EndStuckMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

void PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Clicks "<--  Level", and once the menu is idle on screen presses `keys` in it. Returns what the menu
// showed; the command a pick posts has been handled when this returns.
MenuState OpenLevelMenu(LauncherDialog& dialog, std::vector<WPARAM> keys) {
    MenuState state;
    pendingKeys = std::move(keys);
    currentState = &state;
    trackedPopup = nullptr;
    hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchMenu, nullptr, GetCurrentThreadId());
    UINT_PTR safety = SetTimer(nullptr, 0, 5000, EndStuckMenu);
    SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(SKV_ID_LEVEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(SKV_ID_LEVEL)));
    KillTimer(nullptr, safety);
    UnhookWindowsHookEx(hook);
    currentState = nullptr;
    PumpPending();
    return state;
}

using LevelMenu = FreshMainDialog;

// Keys that pick an item: Down moves through the top items (skipping separators), Right opens a submenu
// on its first item, Return picks.
std::vector<WPARAM> Pick(int topDowns, int subDowns) {
    std::vector<WPARAM> keys(topDowns, VK_DOWN);
    if (subDowns >= 0) {
        keys.push_back(VK_RIGHT);
        keys.insert(keys.end(), subDowns, VK_DOWN);
    }
    keys.push_back(VK_RETURN);
    return keys;
}
const std::vector<WPARAM> Escape = {VK_ESCAPE};

TEST_F(LevelMenu, FirstOpeningMarksNoLevelOnlyAndOpensLeftOfTheButton) {
    RunDialog([](LauncherDialog& dialog) {
        EXPECT_EQ(dialog.LevelCommand, NoLevelCommand);
        MenuState shown = OpenLevelMenu(dialog, Escape);
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

        MenuState next = OpenLevelMenu(dialog, Escape);
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
