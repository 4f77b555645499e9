// What a file dialog gave.
#pragma once

#include <optional>
#include <string>

// The chosen file's full path; nothing when the user cancelled, or when the dialog could not be shown, in
// which case Error holds the dialog's own error number.
struct FileChoice {
    std::optional<std::string> Path;
    unsigned long Error = 0;
};
