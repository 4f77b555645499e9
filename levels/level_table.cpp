#include "levels/level_table.h"

// The game's identifiers are not derived from the menu labels: several levels carry another name in the
// menu, and the campaign and co-operative suffixes are part of the identifier, letter case included.
const char* const LevelTable[LevelCount] = {
    // Grax campaign: levels 1-5, bonus 1-5
    "Ossary", "Runnel", "Quent03", "Drov101", "Brakka", "Tavvix_A", "Hulkmoor_A", "Vembra_a", "Grottel_A",
    "pyrewall_a",
    // Vastor campaign: levels 1-6, bonus 1-5
    "Hulkmoor", "Kelvd1", "Tavvix", "lurmanis", "Vembra", "Baydock", "Ossary_M", "Cofferd_M", "Quent03_M",
    "Drov101_M", "Spill_m",
    // Hurok campaign: levels 1-6, bonus 1-5
    "Spill", "Zone71", "Cofferd", "Pyrewall", "Grottel", "Skirmel", "Tavvix_P", "runnel_p", "Ossary_p",
    "Brakka_P", "Vembra_p",
    // Deathmatch
    "Orv-dm", "Q7demo", "Effigon", "Rydex", "Nestra",
    // Coop
    "Orv-dm-coop", "Rydexcoop", "tams-co-op", "Nestra_c", "Snarewood"};

const char* LevelIdentifier(uint32_t command) {
    if (command < SKV_CMD_LEVEL_FIRST || command > SKV_CMD_LEVEL_LAST)
        return nullptr;
    const char* identifier = LevelTable[command - SKV_CMD_LEVEL_FIRST];
    return identifier != nullptr && identifier[0] != '\0' ? identifier : nullptr;
}

bool IsLevelMenuCommand(uint32_t id) {
    return id >= SKV_CMD_LEVEL_FIRST && id <= SKV_CMD_NO_LEVEL;
}
