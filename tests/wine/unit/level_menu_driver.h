// Opens the level menu of a running main dialog from inside its own message loop, reads what the menu
// shows once it is idle on screen, and presses keys in it: shared by the level menu tests and the
// resource tests that open the menu many times.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "res/resource.h"
#include "ui/launcher_dialog.h"

namespace level_menu_driver {

// ---- What one opening of the menu showed ---------------------------------------------------------

struct MenuState {
    bool Shown = false;
    std::vector<UINT> Checked;  // commands with a check mark, anywhere in the popup and its submenus
    std::vector<UINT> Defaults; // commands drawn as default items (bold)
    RECT Window{};              // the popup's screen rectangle
    HMENU Popup = nullptr;
};

inline void CollectStates(HMENU menu, MenuState& state) {
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
inline std::vector<WPARAM> pendingKeys;
inline MenuState* currentState = nullptr;
inline HMENU trackedPopup = nullptr;
inline HHOOK hook = nullptr;

inline LRESULT CALLBACK WatchMenu(int code, WPARAM wParam, LPARAM lParam) {
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
inline void CALLBACK EndStuckMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

inline void PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Clicks "<--  Level", and once the menu is idle on screen presses `keys` in it. Returns what the menu
// showed; the command a pick posts has been handled when this returns.
inline MenuState OpenLevelMenu(LauncherDialog& dialog, std::vector<WPARAM> keys) {
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

// Keys that pick an item: Down moves through the top items (skipping separators), Right opens a submenu
// on its first item, Return picks.
inline std::vector<WPARAM> Pick(int topDowns, int subDowns) {
    std::vector<WPARAM> keys(topDowns, VK_DOWN);
    if (subDowns >= 0) {
        keys.push_back(VK_RIGHT);
        keys.insert(keys.end(), subDowns, VK_DOWN);
    }
    keys.push_back(VK_RETURN);
    return keys;
}
inline const std::vector<WPARAM> EscapeKey = {VK_ESCAPE};

} // namespace level_menu_driver
