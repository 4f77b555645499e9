#include "framework/window_text.h"

#include <algorithm>

std::string WindowText(HWND window) {
    // The length is in bytes and may be more than the text takes (never less), so the text is cut to what
    // was copied.
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(length, 0)));
    return text;
}
