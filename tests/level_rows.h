// The game's 42 levels as the level menu shows them (submenu, item label, command) and as the game
// names them on its command line, written out independently of the launcher's own table.
#pragma once

#include <cstdint>

struct LevelRow {
    uint32_t Command;
    const char* Popup;
    const char* Label;
    const char* Identifier;
};

inline constexpr LevelRow LevelRows[] = {
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
static_assert(sizeof LevelRows / sizeof LevelRows[0] == 42, "one row per level command");
