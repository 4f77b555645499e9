// The level menu of the main dialog, and the filter that notes which level was picked.
#include "framework/application.h"
#include "framework/handles.h"
#include "res/resource.h"
#include "ui/launcher_dialog.h"

// Built anew on every click, so no mark or default outlives one showing.
void LauncherDialog::ShowLevelMenu() {
    MenuHandle menu(LoadMenuA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_MENU_LEVELS)));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu.Get(), 0);
    if (!popup)
        return;
    // By command, so the mark lands inside the campaign, Deathmatch or Coop submenu that holds it.
    CheckMenuItem(popup, LevelCommand, MF_BYCOMMAND | MF_CHECKED);
    SetMenuDefaultItem(popup, NoLevelCommand, FALSE);
    RECT button{};
    GetWindowRect(Item(SKV_ID_LEVEL), &button);
    // Opens to the left of the button, top edges level, as its arrow suggests. A pick arrives later as a
    // WM_COMMAND with the item's id, which FilterLevelCommand notes.
    TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_LEFTBUTTON, button.left, button.top, 0, Handle(), nullptr);
}

// Sees every command of the dialog first: any level-menu id, from the menu or from anywhere else, becomes
// the chosen level. The notification code is not looked at.
bool LauncherDialog::FilterLevelCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (IsLevelMenuCommand(id))
        LevelCommand = id;
    return RouteCommand(wParam, lParam);
}
