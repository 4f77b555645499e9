// The About box. (Being written: placeholder behaviour.)
#include "ui/launcher_dialog.h"

void LauncherDialog::ShowAboutBox() {}
