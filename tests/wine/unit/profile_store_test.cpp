// The per-user profile store on the real registry: where it keeps its values, what a read makes of
// every kind of stored data, and what a write leaves behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/application.h"
#include "raw_registry.h"
#include "res/resource.h"
#include "settings/profile_store.h"

namespace {

constexpr const char* ProfileKey = "Software\\Harbeck\\Skv Launcher";

using namespace raw_registry;

class ProfileStore : public ::testing::Test {
  protected:
    void SetUp() override {
        // The launcher's own place: the key from the string table, no profile name.
        Application::Current().SetRegistryKey(SKV_STR_REGISTRY_KEY);
        Application::Current().SetProfileName("");
        ASSERT_EQ(Application::Current().RegistryKey(), "Harbeck\\Skv Launcher");
        DeleteTree(HKEY_CURRENT_USER, ProfileKey);
    }
    void TearDown() override {
        Application::Current().SetProfileName("");
        DeleteTree(HKEY_CURRENT_USER, ProfileKey);
    }
};

TEST_F(ProfileStore, FirstReadGivesTheDefaultAndCreatesTheEmptyKey) {
    ASSERT_FALSE(KeyExists(ProfileKey));
    EXPECT_EQ(GetProfileInt("", "Debug", 7), 7);
    EXPECT_TRUE(KeyExists(ProfileKey));
    EXPECT_EQ(ValueCount(ProfileKey), 0u);
}

struct StoredCase {
    const char* What;
    DWORD Type;
    std::string Bytes;
    int32_t Expected; // Default when the read must fall back
};

constexpr int32_t Default = 1234;

TEST_F(ProfileStore, ReadTakesExactlyFourBytesWhateverTheType) {
    const StoredCase cases[] = {
        {"dword 5", REG_DWORD, std::string("\x05\x00\x00\x00", 4), 5},
        {"dword 0", REG_DWORD, std::string("\x00\x00\x00\x00", 4), 0},
        {"dword all bits set", REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4), -1},
        {"dword 65636", REG_DWORD, std::string("\x64\x00\x01\x00", 4), 65636},
        {"dword lowest", REG_DWORD, std::string("\x00\x00\x00\x80", 4), INT32_MIN},
        {"big-endian dword, bytes as they lie", REG_DWORD_BIG_ENDIAN, std::string("\x00\x00\x00\x07", 4),
         0x07000000},
        {"binary of four bytes", REG_BINARY, std::string("\x01\x02\x03\x04", 4), 0x04030201},
        {"binary of two bytes", REG_BINARY, std::string("\x05\x00", 2), Default},
        {"binary of no bytes", REG_BINARY, std::string(), Default},
        {"binary of five bytes", REG_BINARY, std::string("\x01\x00\x00\x00\x00", 5), Default},
        {"qword 5", REG_QWORD, std::string("\x05\x00\x00\x00\x00\x00\x00\x00", 8), Default},
        {"string longer than four bytes", REG_SZ, std::string("100\0", 4) + std::string("0\0", 2), Default},
        {"string \"12\" (three bytes)", REG_SZ, std::string("12\0", 3), Default},
        {"string \"abc\" (four bytes)", REG_SZ, std::string("abc\0", 4), 0x00636261},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.What);
        SetRaw(ProfileKey, "Value", c.Type, c.Bytes);
        EXPECT_EQ(GetProfileInt("", "Value", Default), c.Expected);
        // Reading never rewrites what is stored.
        RawValue after = GetRaw(ProfileKey, "Value");
        EXPECT_EQ(after.Type, c.Type);
    }
}

TEST_F(ProfileStore, MissingValueGivesTheDefault) {
    SetRaw(ProfileKey, "Other", REG_DWORD, std::string("\x05\x00\x00\x00", 4));
    EXPECT_EQ(GetProfileInt("", "Value", -7), -7);
    EXPECT_EQ(GetProfileInt("", "Value", 0), 0);
}

TEST_F(ProfileStore, WriteStoresFourBytesOfTypeDword) {
    const struct {
        int32_t Value;
        std::string Bytes;
    } cases[] = {
        {0, std::string("\x00\x00\x00\x00", 4)},
        {1, std::string("\x01\x00\x00\x00", 4)},
        {-1, std::string("\xFF\xFF\xFF\xFF", 4)},
        {65636, std::string("\x64\x00\x01\x00", 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Value);
        EXPECT_TRUE(WriteProfileInt("", "Value", c.Value));
        RawValue stored = GetRaw(ProfileKey, "Value");
        ASSERT_TRUE(stored.Present);
        EXPECT_EQ(stored.Type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(stored.Bytes, c.Bytes);
        EXPECT_EQ(GetProfileInt("", "Value", Default), c.Value);
    }
}

TEST_F(ProfileStore, WriteReplacesAValueOfAnotherType) {
    SetRaw(ProfileKey, "Value", REG_SZ, std::string("hello\0", 6));
    EXPECT_TRUE(WriteProfileInt("", "Value", 9));
    RawValue stored = GetRaw(ProfileKey, "Value");
    EXPECT_EQ(stored.Type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.Bytes, std::string("\x09\x00\x00\x00", 4));
}

TEST_F(ProfileStore, FirstWriteCreatesTheKey) {
    ASSERT_FALSE(KeyExists(ProfileKey));
    EXPECT_TRUE(WriteProfileInt("", "TimeScale", 400));
    EXPECT_EQ(GetRaw(ProfileKey, "TimeScale").Bytes, std::string("\x90\x01\x00\x00", 4));
}

TEST_F(ProfileStore, ProfileNameAndSectionEachAddALevelWhenNotEmpty) {
    const std::string named = std::string(ProfileKey) + "\\Test Profile";
    Application::Current().SetProfileName("Test Profile");
    EXPECT_TRUE(WriteProfileInt("", "InProfile", 1));
    EXPECT_TRUE(WriteProfileInt("Section", "InSection", 2));
    EXPECT_EQ(GetRaw(named, "InProfile").Bytes, std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(GetRaw(named + "\\Section", "InSection").Bytes, std::string("\x02\x00\x00\x00", 4));
    EXPECT_EQ(GetProfileInt("Section", "InSection", 0), 2);
    EXPECT_EQ(GetProfileInt("", "InSection", 0), 0);
    EXPECT_FALSE(GetRaw(ProfileKey, "InProfile").Present);

    Application::Current().SetProfileName("");
    EXPECT_TRUE(WriteProfileInt("Section", "NoProfileName", 3));
    EXPECT_EQ(GetRaw(std::string(ProfileKey) + "\\Section", "NoProfileName").Bytes,
              std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(GetProfileInt(nullptr, "NoProfileName", 0), 0);
}

TEST_F(ProfileStore, KeyThatCannotBeCreatedGivesDefaultsAndDropsWrites) {
    // No registry key name may be longer than 255 characters.
    Application::Current().SetProfileName(std::string(300, 'x'));
    EXPECT_EQ(GetProfileInt("", "Debug", 42), 42);
    EXPECT_FALSE(WriteProfileInt("", "Debug", 1));
    EXPECT_EQ(ValueCount(ProfileKey), 0u);
    EXPECT_FALSE(GetRaw(ProfileKey, "Debug").Present);
}

} // namespace
