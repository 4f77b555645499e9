// The common "Open" dialog.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct OpenFileRequest {
    HWND Owner = nullptr;
    std::string Filter;      // "Description|pattern|...||": bars separate the pairs
    std::string InitialName; // file name shown at first
    DWORD Flags = 0;
};

// The full path of the chosen file, or nothing when the user cancels.
std::optional<std::string> ShowOpenFileDialog(const OpenFileRequest& request);
