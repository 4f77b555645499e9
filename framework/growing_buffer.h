// Text that a system call writes into a buffer of the caller's. Paths are bytes in the process's code page,
// where a character may take up to three bytes, so no fixed number of bytes holds every path that Windows
// accepts; such calls report the size they need instead, and the call is made again with that size.
#pragma once

#include <cstring>
#include <optional>
#include <string>

// `fill(buffer, size)` writes the text with its terminating zero into `size` bytes and gives the call's
// result: 0 on failure, more than `size` when the text does not fit (the size it needs), else the text is in
// the buffer. Nothing when the call fails, or when the text keeps growing faster than the buffer.
template <typename Fill> std::optional<std::string> CallWithGrowingBuffer(Fill fill, size_t size = 260) {
    std::string text(size, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const size_t needed = fill(text.data(), text.size());
        if (needed == 0)
            return std::nullopt;
        if (needed <= text.size()) {
            text.resize(strnlen(text.data(), text.size()));
            return text;
        }
        text.assign(needed, '\0');
    }
    return std::nullopt;
}
