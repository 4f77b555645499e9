// Finding another process's dialogs from outside.
#pragma once

#include <windows.h>

// The frontmost visible dialog or message box (window class "#32770") of the process, other than
// `except`; nullptr when it shows none.
HWND FrontDialogOf(DWORD process, HWND except = nullptr);
