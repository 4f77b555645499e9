// The popup menu of levels that opens from the main dialog's "<--  Level" button.
#pragma once

#include <windows.h>

#include <cstdint>

// Shows the menu of the program's resources (`instance`) to the left of `button`, its top level with the
// button's, `chosen` checked and "No Level" the default item; returns when it closes. A pick reaches `owner`
// as a WM_COMMAND with the level's command id. The menu is built anew on every showing, so no mark or default
// outlives one showing.
void ShowLevelMenu(HINSTANCE instance, HWND owner, HWND button, uint32_t chosen);
