#include "levels/level_table.h"
#include "tests/level_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(LevelTable, EveryIdentifierByteForByte) {
    for (int i = 0; i < 42; ++i) {
        const LevelRow& row = LevelRows[i];
        SCOPED_TRACE(std::string(row.Popup) + " / " + row.Label);
        ASSERT_EQ(row.Command, FirstLevelCommand + static_cast<uint32_t>(i));
        ASSERT_NE(LevelTable[i], nullptr);
        EXPECT_EQ(std::string(LevelTable[i]), row.Identifier);
        const char* looked = LevelIdentifier(row.Command);
        ASSERT_NE(looked, nullptr);
        EXPECT_EQ(std::string(looked), row.Identifier);
    }
}

TEST(LevelIdentifier, CommandsWithoutALevel) {
    const uint32_t commands[] = {
        0, 1, 32770, NoLevelCommand, 32814, 65535, 0x10000 + FirstLevelCommand, 0xFFFFFFFFu};
    for (uint32_t command : commands)
        EXPECT_EQ(LevelIdentifier(command), nullptr) << command;
}

TEST(IsLevelMenuCommand, RecordsTheLevelsAndNoLevelOnly) {
    const struct {
        uint32_t Id;
        bool Expected;
    } rows[] = {
        {0, false},           {1, false},     {32770, false},
        {32771, true},        {32790, true},  {32812, true},
        {32813, true},        {32814, false}, {0x10000 + 32771, false},
        {0xFFFFFFFFu, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsLevelMenuCommand(row.Id), row.Expected) << row.Id;
}

TEST(LevelCommands, Bounds) {
    EXPECT_EQ(FirstLevelCommand, 32771u);
    EXPECT_EQ(LastLevelCommand, 32812u);
    EXPECT_EQ(NoLevelCommand, 32813u);
}

} // namespace
