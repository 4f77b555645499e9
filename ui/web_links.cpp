// The maker's web site (the logo) and the bug-report mail ("Bug report..."): each address is handed to
// the shell's default action and forgotten; if nothing can open it, nothing is said.
#include <windows.h>

#include "framework/application.h"
#include "framework/loaded_on_demand.h"
#include "res/resource.h"
#include "ui/launcher_dialog.h"

namespace {
const char BugReportAddress[] = "mailto:bugs@harbeck-games.example?Subject=Skv Launcher (Beta)";
} // namespace

void LauncherDialog::OpenWebSite() {
    ShellExecuteOnDemand(nullptr, nullptr, LoadResourceString(SKV_STR_WEB_SITE).c_str(), nullptr, nullptr,
                         SW_SHOWNORMAL);
}

void LauncherDialog::OpenBugReport() {
    ShellExecuteOnDemand(nullptr, nullptr, BugReportAddress, nullptr, nullptr, SW_SHOWNORMAL);
}
