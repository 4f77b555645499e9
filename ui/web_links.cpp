// The maker's web site and the bug-report mail. (Being written: placeholder behaviour.)
#include "ui/launcher_dialog.h"

void LauncherDialog::OpenWebSite() {}
void LauncherDialog::OpenBugReport() {}
