#include "framework/growing_buffer.h"

#include <gtest/gtest.h>

#include <vector>

// A call whose text is texts[n] on its n-th try, answering as the Windows path calls do: the text's length
// when it fits with its terminating zero, else the size it needs; 0 for a failure ("").
TEST(CallWithGrowingBuffer, GrowsUntilTheTextFits) {
    const std::string path(300, 'p'), longer(600, 'q'), longest(1200, 'r'), whole(259, 's'), over(260, 't');
    // clang-format off
    const struct { const char* Case; std::vector<std::string> Texts; std::optional<std::string> Result; } rows[] = {
        {"fits", {"C:\\Games\\Skv.exe"}, "C:\\Games\\Skv.exe"}, {"fits with its zero", {whole}, whole},
        {"a byte too long, then fits", {over, over}, over}, {"grows once", {path, path}, path},
        {"the call fails", {""}, std::nullopt}, {"keeps growing", {path, longer, longest, path + longest}, std::nullopt},
    };
    // clang-format on
    for (const auto& row : rows) {
        size_t calls = 0;
        const auto fill = [&](char* buffer, size_t size) {
            const std::string& text = row.Texts.at(calls++);
            if (text.size() + 1 > size)
                return text.size() + 1;
            text.copy(buffer, text.size());
            buffer[text.size()] = '\0';
            return text.size();
        };
        EXPECT_EQ(CallWithGrowingBuffer(fill), row.Result) << row.Case;
        EXPECT_EQ(calls, row.Texts.size()) << row.Case;
    }
}
