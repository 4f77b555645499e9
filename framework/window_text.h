// A window's text: a control's caption or what an edit box holds.
#pragma once

#include <windows.h>

#include <string>

// The whole text, in the process's code page ("" for a window without text).
std::string WindowText(HWND window);
