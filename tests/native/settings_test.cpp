#include "settings/launcher_settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();
// An up-down reply with the error flag in its high word, as a buddy edit holding no number in range gives.
constexpr int32_t ErrorReply(int32_t position) {
    return 0x00010000 | position;
}

const ProfileValue& ValueNamed(const char* name) {
    for (int i = 0; i < ProfileValueCount; ++i)
        if (std::strcmp(ProfileValues()[i].Name, name) == 0)
            return ProfileValues()[i];
    ADD_FAILURE() << "no profile value " << name;
    return ProfileValues()[0];
}

TEST(ProfileValues, AllTwentySixNamesInLoadAndSaveOrder) {
    const char* const expected[ProfileValueCount] = {
        "Debug",       "LoadBots",      "LoadGrax",     "LoadTolmen",    "LoadVastor",    "LoadKolvane",
        "LoadHurgrax", "LoadHurok",     "LoadZimmit",   "ShowFPS",       "ShowPolycount", "WireFrame",
        "VerboseText", "Crouchmode",    "Dopplershift", "Extrapolation", "AllWeapons",    "GodMode",
        "AddLight",    "TrackerVolume", "TrackerSpeed", "TimeScale",     "LeanScale",     "SkyRed",
        "SkyGreen",    "SkyBlue"};
    for (int i = 0; i < ProfileValueCount; ++i)
        EXPECT_STREQ(ProfileValues()[i].Name, expected[i]) << "position " << i;
}

TEST(ProfileValues, KindsFieldsDefaultsAndRanges) {
    struct Row {
        const char* Name;
        ValueKind Kind;
        int32_t LauncherSettings::*Field;
        int32_t Default, Min, Max;
    };
    using S = LauncherSettings;
    const Row rows[] = {
        {"Debug", ValueKind::Switch, &S::Debug, 0, Int32Min, Int32Max},
        {"LoadBots", ValueKind::Switch, &S::LoadBots, 0, Int32Min, Int32Max},
        {"LoadGrax", ValueKind::Switch, &S::LoadGrax, 0, Int32Min, Int32Max},
        {"LoadTolmen", ValueKind::Switch, &S::LoadTolmen, 0, Int32Min, Int32Max},
        {"LoadVastor", ValueKind::Switch, &S::LoadVastor, 0, Int32Min, Int32Max},
        {"LoadKolvane", ValueKind::Switch, &S::LoadKolvane, 0, Int32Min, Int32Max},
        {"LoadHurgrax", ValueKind::Switch, &S::LoadHurgrax, 0, Int32Min, Int32Max},
        {"LoadHurok", ValueKind::Switch, &S::LoadHurok, 0, Int32Min, Int32Max},
        {"LoadZimmit", ValueKind::Switch, &S::LoadZimmit, 0, Int32Min, Int32Max},
        {"ShowFPS", ValueKind::Switch, &S::ShowFPS, 0, Int32Min, Int32Max},
        {"ShowPolycount", ValueKind::Switch, &S::ShowPolycount, 0, Int32Min, Int32Max},
        {"WireFrame", ValueKind::Mode, &S::WireFrame, 0, 0, 3},
        {"VerboseText", ValueKind::Switch, &S::VerboseText, 0, Int32Min, Int32Max},
        {"Crouchmode", ValueKind::Switch, &S::Crouchmode, 0, Int32Min, Int32Max},
        {"Dopplershift", ValueKind::Switch, &S::Dopplershift, 0, Int32Min, Int32Max},
        {"Extrapolation", ValueKind::Switch, &S::Extrapolation, 0, Int32Min, Int32Max},
        {"AllWeapons", ValueKind::Switch, &S::AllWeapons, 0, Int32Min, Int32Max},
        {"GodMode", ValueKind::Switch, &S::GodMode, 0, Int32Min, Int32Max},
        {"AddLight", ValueKind::Switch, &S::AddLight, 0, Int32Min, Int32Max},
        {"TrackerVolume", ValueKind::Numeric, nullptr, 100, 0, 100},
        {"TrackerSpeed", ValueKind::Numeric, nullptr, 100, 0, 1600},
        {"TimeScale", ValueKind::Numeric, nullptr, 100, 1, 400},
        {"LeanScale", ValueKind::Numeric, nullptr, 100, 0, 1000},
        {"SkyRed", ValueKind::Numeric, nullptr, 50, 0, 255},
        {"SkyGreen", ValueKind::Numeric, nullptr, 50, 0, 255},
        {"SkyBlue", ValueKind::Numeric, nullptr, 60, 0, 255},
    };
    static_assert(sizeof rows / sizeof rows[0] == ProfileValueCount, "one row per value");
    for (int i = 0; i < ProfileValueCount; ++i) {
        const ProfileValue& value = ProfileValues()[i];
        const Row& row = rows[i];
        SCOPED_TRACE(row.Name);
        EXPECT_STREQ(value.Name, row.Name);
        EXPECT_EQ(value.Kind, row.Kind);
        EXPECT_TRUE(value.Field == row.Field);
        EXPECT_EQ(value.Default, row.Default);
        if (row.Kind != ValueKind::Switch) {
            EXPECT_EQ(value.Min, row.Min);
            EXPECT_EQ(value.Max, row.Max);
        }
    }
}

TEST(ProfileValues, NumericOptionsFindTheirOwnValue) {
    const struct {
        NumericOption Option;
        const char* Name;
    } rows[] = {
        {NumericOption::TrackerVolume, "TrackerVolume"},
        {NumericOption::TrackerSpeed, "TrackerSpeed"},
        {NumericOption::TimeScale, "TimeScale"},
        {NumericOption::LeanScale, "LeanScale"},
        {NumericOption::SkyRed, "SkyRed"},
        {NumericOption::SkyGreen, "SkyGreen"},
        {NumericOption::SkyBlue, "SkyBlue"},
    };
    for (const auto& row : rows) {
        const ProfileValue& value = ProfileValueOf(row.Option);
        EXPECT_STREQ(value.Name, row.Name);
        EXPECT_EQ(value.Kind, ValueKind::Numeric);
        EXPECT_EQ(value.Numeric, row.Option) << row.Name;
    }
}

TEST(LauncherSettings, ConstructedWithEverySwitchAndModeOff) {
    const LauncherSettings settings;
    for (int i = 0; i < ProfileValueCount; ++i)
        if (ProfileValues()[i].Field != nullptr) {
            EXPECT_EQ(settings.*ProfileValues()[i].Field, 0) << ProfileValues()[i].Name;
        }
}

TEST(LoadedValue, StoredNumbersBecomeFieldsOrDefaults) {
    struct Row {
        const char* Name;
        int32_t Stored, Current, Expected;
    };
    const Row rows[] = {
        // Switches: any nonzero number means on; 0 keeps what the field holds.
        {"Debug", 5, 0, 1},
        {"Debug", 1, 0, 1},
        {"Debug", 0, 0, 0},
        {"Debug", 0, 1, 1},
        {"LoadZimmit", -1, 0, 1},
        {"AddLight", Int32Min, 0, 1},
        {"ShowPolycount", Int32Max, 0, 1},
        // The texture mode must be a list index.
        {"WireFrame", 0, 0, 0},
        {"WireFrame", 3, 0, 3},
        {"WireFrame", 4, 2, 0},
        {"WireFrame", -1, 2, 0},
        // Out-of-range numbers take the default and are never clamped to the nearer bound.
        {"TimeScale", 0, 0, 100},
        {"TimeScale", 1, 0, 1},
        {"TimeScale", 400, 0, 400},
        {"TimeScale", 401, 0, 100},
        {"LeanScale", 0, 0, 0},
        {"LeanScale", 1000, 0, 1000},
        {"LeanScale", 1001, 0, 100},
        {"TrackerVolume", -1, 0, 100},
        {"TrackerVolume", 0, 0, 0},
        {"TrackerVolume", 100, 0, 100},
        {"TrackerVolume", 101, 0, 100},
        {"TrackerSpeed", 1600, 0, 1600},
        {"TrackerSpeed", 1601, 0, 100},
        {"TrackerSpeed", Int32Min, 0, 100},
        {"TrackerSpeed", Int32Max, 0, 100},
        {"TrackerSpeed", ErrorReply(100), 0, 100},
        {"TimeScale", ErrorReply(5), 0, 100},
        {"LeanScale", 65636, 0, 100},
        {"SkyRed", 255, 0, 255},
        {"SkyRed", 256, 0, 50},
        {"SkyGreen", -1, 0, 50},
        {"SkyGreen", 0, 0, 0},
        {"SkyBlue", 256, 0, 60},
        {"SkyBlue", 255, 0, 255},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LoadedValue(ValueNamed(row.Name), row.Stored, row.Current), row.Expected)
            << row.Name << " stored " << row.Stored << " over " << row.Current;
}

TEST(SavedValue, SwitchesAreNormalisedOthersStoredAsHeld) {
    struct Row {
        const char* Name;
        int32_t Held, Expected;
    };
    const Row rows[] = {
        {"Debug", 0, 0},
        {"Debug", 1, 1},
        {"Debug", 5, 1},
        {"GodMode", -1, 1},
        {"LoadHurok", Int32Min, 1},
        {"WireFrame", 3, 3},
        {"WireFrame", -1, -1},
        {"WireFrame", 7, 7},
        // An up-down reply with the error flag is stored whole, so the next load takes the default.
        {"TimeScale", ErrorReply(5), ErrorReply(5)},
        {"TrackerVolume", 0x00010064, 0x00010064},
        {"TrackerSpeed", 1600, 1600},
        {"SkyBlue", 300, 300},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SavedValue(ValueNamed(row.Name), row.Held), row.Expected) << row.Name << " " << row.Held;
}

TEST(SavedValue, ErrorRepliesSavedThenLoadedComeBackAsDefault) {
    const ProfileValue& time = ProfileValueOf(NumericOption::TimeScale);
    EXPECT_EQ(LoadedValue(time, SavedValue(time, ErrorReply(250)), 0), 100);
    const ProfileValue& debug = ValueNamed("Debug");
    EXPECT_EQ(LoadedValue(debug, SavedValue(debug, 5), 0), 1);
}

TEST(SanitizedValue, ControlRepliesOutsideTheRangeBecomeDefault) {
    struct Row {
        NumericOption Option;
        int32_t Reply, Expected;
    };
    const Row rows[] = {
        {NumericOption::TrackerVolume, 7, 7},
        {NumericOption::TrackerVolume, 0, 0},
        {NumericOption::TrackerVolume, 100, 100},
        {NumericOption::TrackerVolume, 0x00010064, 100},
        {NumericOption::TrackerVolume, ErrorReply(5), 100},
        {NumericOption::TrackerSpeed, 1600, 1600},
        {NumericOption::TrackerSpeed, 1601, 100},
        {NumericOption::TrackerSpeed, ErrorReply(0), 100},
        {NumericOption::TimeScale, 0, 100},
        {NumericOption::TimeScale, 1, 1},
        {NumericOption::TimeScale, 400, 400},
        {NumericOption::TimeScale, ErrorReply(1), 100},
        {NumericOption::LeanScale, 1000, 1000},
        {NumericOption::LeanScale, -1, 100},
        {NumericOption::LeanScale, Int32Min, 100},
        {NumericOption::SkyRed, 256, 50},
        {NumericOption::SkyBlue, 256, 60},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SanitizedValue(row.Option, row.Reply), row.Expected)
            << ProfileValueOf(row.Option).Name << " reply " << row.Reply;
}

} // namespace
