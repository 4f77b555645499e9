// The process's code page, in which every path and text of the launcher's "A" calls is held.
#pragma once

#include "framework/path_parts.h"

// The lead bytes of the process's code page (none in UTF-8, where the launcher runs from Windows 10
// version 1903 on).
LeadBytes SystemLeadBytes();
