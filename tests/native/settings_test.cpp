#include "settings/launcher_settings.h"

#include "tests/options.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();

// Every value in load and save order, by name, and what loading makes of the numbers at and just beyond
// its range: the number itself inside, the default outside, never the nearer bound.
TEST(ProfileValues, NamesOrderAndWhatLoadingAccepts) {
    for (int i = 0; i < ProfileValueCount; ++i) {
        const ProfileValue& value = ProfileValues()[i];
        const Option& option = Options[i];
        SCOPED_TRACE(option.Name);
        EXPECT_STREQ(value.Name, option.Name);
        EXPECT_EQ(value.Default, option.Default);
        const bool isSwitch = option.Kind == OptionKind::Switch;
        const struct {
            int32_t Stored, Current, Expected;
        } switchRows[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 1}, {5, 0, 1}, {-1, 0, 1}, {Int32Min, 0, 1}},
          rangeRows[] = {{option.Min, 0, option.Min},         {option.Max, 0, option.Max},
                         {option.Min - 1, 0, option.Default}, {option.Max + 1, 0, option.Default},
                         {Int32Min, 0, option.Default},       {0x10000 | option.Max, 0, option.Default}};
        for (const auto& row : isSwitch ? switchRows : rangeRows)
            EXPECT_EQ(LoadedValue(value, row.Stored, row.Current), row.Expected) << "stored " << row.Stored;
        // Saving: a switch as 0 or 1, everything else as held, whole 32 bits, unchecked.
        EXPECT_EQ(SavedValue(value, 5), isSwitch ? 1 : 5);
        EXPECT_EQ(SavedValue(value, 0), 0);
        EXPECT_EQ(SavedValue(value, 0x10064), isSwitch ? 1 : 0x10064);
    }
}

} // namespace
