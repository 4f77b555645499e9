// The level menu of the main dialog. (Being written: placeholder behaviour.)
#include "ui/launcher_dialog.h"

void LauncherDialog::ShowLevelMenu() {}

bool LauncherDialog::FilterLevelCommand(WPARAM wParam, LPARAM lParam) {
    if (IsLevelMenuCommand(LOWORD(wParam)))
        LevelCommand = LOWORD(wParam);
    return RouteCommand(wParam, lParam);
}
