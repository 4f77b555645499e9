#include "framework/path_parts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Lead bytes of the double-byte code pages, as their code-page tables give them.
LeadBytes Japanese932() {
    LeadBytes lead;
    lead.AddRange(0x81, 0x9F);
    lead.AddRange(0xE0, 0xFC);
    return lead;
}
LeadBytes ChineseOrKorean() { // 936, 949 and 950
    LeadBytes lead;
    lead.AddRange(0x81, 0xFE);
    return lead;
}

// Folder names whose last character's second byte is 0x5C, the byte of "\", and two that have none.
const std::string Kinou932 = "\x8b\x40\x94\x5c";                 // 機能
const std::string Seikou950 = "\xa6\xa8\xa5\x5c";                // 成功
const std::string Youxi936 = "\xd3\xce\xcf\xb7\x9c\x5c";         // 游戏淺
const std::string Geim949 = "\xb0\xd4\xc0\xd3";                  // 게임
const std::string IgryUtf8 = "\xd0\x98\xd0\xb3\xd1\x80\xd1\x8b"; // Игры

// The folder part of a path, its file name, and the path with the trailing-separator rule applied.
TEST(PathParts, FolderNameAndTrailingSeparatorInEachCodePage) {
    const struct {
        std::string Path;
        LeadBytes Lead;
        std::string Folder; // "<none>" without a separator
        std::string Name;
        std::string WithSeparator;
    } rows[] = {
        {"C:\\Games\\Skv.exe", {}, "C:\\Games", "Skv.exe", "C:\\Games\\Skv.exe\\"},
        {"C:\\Games\\" + Kinou932, Japanese932(), "C:\\Games", Kinou932, "C:\\Games\\" + Kinou932 + "\\"},
        {"C:\\Games\\" + Kinou932 + "\\Skv.exe", Japanese932(), "C:\\Games\\" + Kinou932, "Skv.exe",
         "C:\\Games\\" + Kinou932 + "\\Skv.exe\\"},
        {"C:\\Games\\" + Kinou932 + "\\", Japanese932(), "C:\\Games\\" + Kinou932, "",
         "C:\\Games\\" + Kinou932 + "\\"},
        // The same bytes read as a single-byte code page hold a separator at the end.
        {"C:\\Games\\" + Kinou932, {}, "C:\\Games\\\x8b\x40\x94", "", "C:\\Games\\" + Kinou932},
        {"C:\\" + Seikou950, ChineseOrKorean(), "C:", Seikou950, "C:\\" + Seikou950 + "\\"},
        {"D:\\" + Youxi936 + "\\Skv.exe", ChineseOrKorean(), "D:\\" + Youxi936, "Skv.exe",
         "D:\\" + Youxi936 + "\\Skv.exe\\"},
        {"D:\\" + Geim949, ChineseOrKorean(), "D:", Geim949, "D:\\" + Geim949 + "\\"},
        {"E:\\" + IgryUtf8 + "\\Skv.exe",
         {},
         "E:\\" + IgryUtf8,
         "Skv.exe",
         "E:\\" + IgryUtf8 + "\\Skv.exe\\"},
        // A lead byte at the very end has no second byte to take.
        {"C:\\x\x81", Japanese932(), "C:", "x\x81", "C:\\x\x81\\"},
        {"C:/G/Skv.exe", {}, "C:/G", "Skv.exe", "C:/G/Skv.exe\\"},
        {"C:/G/", {}, "C:/G", "", "C:/G/"},
        {"C:\\a\\b/Skv.exe", {}, "C:\\a\\b", "Skv.exe", "C:\\a\\b/Skv.exe\\"},
        {"Skv.exe", {}, "<none>", "Skv.exe", "Skv.exe\\"},
        {"", {}, "<none>", "", "\\"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.Path));
        EXPECT_EQ(FolderOf(row.Path, row.Lead).value_or("<none>"), row.Folder);
        EXPECT_EQ(row.Path.substr(NameStart(row.Path, row.Lead)), row.Name);
        std::string withSeparator = row.Path;
        ApplyTrailingSeparator(withSeparator, row.Lead);
        EXPECT_EQ(withSeparator, row.WithSeparator);
    }
}

} // namespace
