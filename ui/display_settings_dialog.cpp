// The display settings dialog. (Being written: placeholder behaviour.)
#include "ui/launcher_dialog.h"

void LauncherDialog::ShowDisplaySettings() {}
