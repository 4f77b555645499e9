// "Start" and "Close". (Being written: placeholder behaviour.)
#include "ui/launcher_dialog.h"

void LauncherDialog::StartGame() { Dialog::OnOK(); }

void LauncherDialog::CloseLauncher() {
    UpdateData(true);
    SaveSettings();
    EndDialog(IDCANCEL);
}

bool LauncherDialog::WriteStartupConfig() { return true; }
