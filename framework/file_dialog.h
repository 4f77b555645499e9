// The common "Open" dialog.
#pragma once

#include <windows.h>

#include <string>

#include "framework/file_choice.h"

struct OpenFileRequest {
    HWND Owner = nullptr;
    std::string Filter;      // "Description|pattern|...||": bars separate the pairs
    std::string InitialName; // file name shown at first
    DWORD Flags = 0;
};

// The full path of the chosen file; nothing when the user cancels, or the dialog's error number when it
// cannot be shown.
FileChoice ShowOpenFileDialog(const OpenFileRequest& request);
