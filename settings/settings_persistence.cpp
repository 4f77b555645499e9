// Loading, saving and resetting the options of the main dialog. (Being written: placeholder behaviour.)
#include "ui/launcher_dialog.h"

void LauncherDialog::LoadSettings() {}
void LauncherDialog::SaveSettings() {}
void LauncherDialog::ResetSettings() {}
