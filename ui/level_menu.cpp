#include "ui/level_menu.h"

#include "framework/handles.h"
#include "res/resource.h"

void ShowLevelMenu(HINSTANCE instance, HWND owner, HWND button, uint32_t chosen) {
    MenuHandle menu(LoadMenuA(instance, MAKEINTRESOURCEA(SKV_MENU_LEVELS)));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu.Get(), 0);
    if (!popup)
        return;
    // By command, so the mark lands inside the campaign, Deathmatch or Coop submenu that holds it.
    CheckMenuItem(popup, chosen, MF_BYCOMMAND | MF_CHECKED);
    SetMenuDefaultItem(popup, SKV_CMD_NO_LEVEL, FALSE);
    RECT place{};
    GetWindowRect(button, &place);
    // Opens to the left of the button, top edges level, as its arrow suggests.
    TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_LEFTBUTTON, place.left, place.top, 0, owner, nullptr);
}
