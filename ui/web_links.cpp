#include "ui/web_links.h"

#include "res/resource.h"

namespace {
const char BugReportAddress[] = "mailto:bugs@harbeck-games.example?Subject=Skv Launcher (Beta)";
} // namespace

void OpenWebSite(AppContext& context) {
    context.OpenWithShell(nullptr, context.ResourceString(SKV_STR_WEB_SITE).c_str());
}

void OpenBugReport(AppContext& context) {
    context.OpenWithShell(nullptr, BugReportAddress);
}
