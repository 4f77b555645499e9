// The maker's web site (the logo) and the bug-report mail ("Bug report..."): each address is handed to
// the shell's default action and forgotten; if nothing can open it, nothing is said.
#pragma once

#include "framework/app_context.h"

void OpenWebSite(AppContext& context);
void OpenBugReport(AppContext& context);
