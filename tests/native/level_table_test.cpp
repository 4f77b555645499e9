#include "levels/level_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct LevelRow {
    uint32_t Command;
    const char* Popup;
    const char* Label;
    const char* Identifier;
};

// The game's levels as the menu shows them and as the game names them.
const LevelRow Levels[] = {
    {32771, "Grax", "Level 1 - Ossary", "Ossary"},
    {32772, "Grax", "Level 2 - Runnel", "Runnel"},
    {32773, "Grax", "Level 3 - Velmaro", "Quent03"},
    {32774, "Grax", "Level 4 - Portsend", "Drov101"},
    {32775, "Grax", "Level 5 - Loamward", "Brakka"},
    {32776, "Grax", "Bonus 1 - Tavvix", "Tavvix_A"},
    {32777, "Grax", "Bonus 2 - Hulkmoor", "Hulkmoor_A"},
    {32778, "Grax", "Bonus 3 - Quessara", "Vembra_a"},
    {32779, "Grax", "Bonus 4 - Grottel", "Grottel_A"},
    {32780, "Grax", "Bonus 5 - Pyrewall 288", "pyrewall_a"},
    {32781, "Vastor", "Level 1 - Hulkmoor", "Hulkmoor"},
    {32782, "Vastor", "Level 2 - Settlem", "Kelvd1"},
    {32783, "Vastor", "Level 3 - Tavvix", "Tavvix"},
    {32784, "Vastor", "Level 4 - Highring", "lurmanis"},
    {32785, "Vastor", "Level 5 - Quessara", "Vembra"},
    {32786, "Vastor", "Level 6 - Baydock", "Baydock"},
    {32787, "Vastor", "Bonus 1 - Ossary", "Ossary_M"},
    {32788, "Vastor", "Bonus 2 - Cofferd", "Cofferd_M"},
    {32789, "Vastor", "Bonus 3 - Velmaro", "Quent03_M"},
    {32790, "Vastor", "Bonus 4 - Portsend", "Drov101_M"},
    {32791, "Vastor", "Bonus 5 - Spillway", "Spill_m"},
    {32792, "Hurok", "Level 1 - Spillway", "Spill"},
    {32793, "Hurok", "Level 2 - Zone 71", "Zone71"},
    {32794, "Hurok", "Level 3 - Cofferd", "Cofferd"},
    {32795, "Hurok", "Level 4 - Pyrewall 288", "Pyrewall"},
    {32796, "Hurok", "Level 5 - Grottel", "Grottel"},
    {32797, "Hurok", "Level 6 - Skirmel", "Skirmel"},
    {32798, "Hurok", "Bonus 1 - Tavvix", "Tavvix_P"},
    {32799, "Hurok", "Bonus 2 - Runnel", "runnel_p"},
    {32800, "Hurok", "Bonus 3 - Ossary", "Ossary_p"},
    {32801, "Hurok", "Bonus 4 - Loamward", "Brakka_P"},
    {32802, "Hurok", "Bonus 5 - Quessara", "Vembra_p"},
    {32803, "Deathmatch", "Culvara", "Orv-dm"},
    {32804, "Deathmatch", "Carnath", "Q7demo"},
    {32805, "Deathmatch", "Effigon", "Effigon"},
    {32806, "Deathmatch", "Rydex", "Rydex"},
    {32807, "Deathmatch", "Nestra", "Nestra"},
    {32808, "Coop", "Culvara", "Orv-dm-coop"},
    {32809, "Coop", "Rydex", "Rydexcoop"},
    {32810, "Coop", "Castoff", "tams-co-op"},
    {32811, "Coop", "Nestra", "Nestra_c"},
    {32812, "Coop", "Snarewood", "Snarewood"},
};
static_assert(sizeof Levels / sizeof Levels[0] == 42, "one row per level command");

TEST(LevelTable, EveryIdentifierByteForByte) {
    for (int i = 0; i < 42; ++i) {
        const LevelRow& row = Levels[i];
        SCOPED_TRACE(std::string(row.Popup) + " / " + row.Label);
        ASSERT_EQ(row.Command, FirstLevelCommand + static_cast<uint32_t>(i));
        ASSERT_NE(LevelTable[i], nullptr);
        EXPECT_EQ(std::string(LevelTable[i]), row.Identifier);
        const char* looked = LevelIdentifier(row.Command);
        ASSERT_NE(looked, nullptr);
        EXPECT_EQ(std::string(looked), row.Identifier);
    }
}

TEST(LevelTable, EqualLabelsInDifferentSubmenusGiveDifferentIdentifiers) {
    EXPECT_STREQ(LevelIdentifier(32803), "Orv-dm");
    EXPECT_STREQ(LevelIdentifier(32808), "Orv-dm-coop");
    EXPECT_STREQ(LevelIdentifier(32806), "Rydex");
    EXPECT_STREQ(LevelIdentifier(32809), "Rydexcoop");
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
