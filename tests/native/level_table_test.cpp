#include "levels/level_table.h"

#include <gtest/gtest.h>

#include <string>

// Every level command from the first to past "No Level", as the game is told about it ("-" for none).
TEST(LevelTable, IdentifierOfEveryCommand) {
    const std::string expected =
        "- Ossary Runnel Quent03 Drov101 Brakka Tavvix_A Hulkmoor_A Vembra_a Grottel_A pyrewall_a Hulkmoor "
        "Kelvd1 Tavvix lurmanis Vembra Baydock Ossary_M Cofferd_M Quent03_M Drov101_M Spill_m Spill Zone71 "
        "Cofferd Pyrewall Grottel Skirmel Tavvix_P runnel_p Ossary_p Brakka_P Vembra_p Orv-dm Q7demo Effigon "
        "Rydex Nestra Orv-dm-coop Rydexcoop tams-co-op Nestra_c Snarewood - - -";
    std::string shown;
    for (uint32_t command = 32770; command <= 32815; ++command) {
        const char* identifier = LevelIdentifier(command);
        shown += (shown.empty() ? "" : " ") + std::string(identifier ? identifier : "-");
        EXPECT_EQ(IsLevelMenuCommand(command), command >= 32771 && command <= 32813) << command;
    }
    EXPECT_EQ(shown, expected);
}
