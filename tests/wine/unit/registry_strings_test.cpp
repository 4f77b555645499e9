// The registry string routines on the real registry: what a read gives for each kind of stored value,
// the 4096-byte limit on both sides of its edge, the default for anything missing, and writes that create
// their key and store REG_SZ bytes with the terminating zero.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/registry_strings.h"
#include "raw_registry.h"

namespace {

constexpr const char* TestKey = "Software\\Harbeck\\Skv Launcher Registry Strings Test";
constexpr const char* MissingKey = "Software\\Harbeck\\Skv Launcher Registry Strings Test\\Missing";

using raw_registry::DeleteTree;
using raw_registry::GetRaw;
using raw_registry::KeyExists;

void StoreRaw(const char* valueName, DWORD type, const std::string& bytes) {
    raw_registry::SetRaw(TestKey, valueName, type, bytes);
}

std::string Read(const char* valueName, const char* defaultText) {
    return ReadRegistryString(HKEY_CURRENT_USER, TestKey, valueName, defaultText);
}

class RegistryStrings : public ::testing::Test {
  protected:
    void SetUp() override { DeleteTree(HKEY_CURRENT_USER, TestKey); }
    void TearDown() override { DeleteTree(HKEY_CURRENT_USER, TestKey); }
};

struct ReadCase {
    const char* what;
    DWORD type;
    std::string stored;   // raw bytes as stored
    std::string expected; // what the read gives, default "DEFAULT"
};

TEST_F(RegistryStrings, ReadGivesTheStoredTextWhateverItsType) {
    const std::string fits(4095, 'x');
    const std::string tooLong(4096, 'y');
    const ReadCase cases[] = {
        {"plain string", REG_SZ, std::string("C:\\Games\\Skarnvale\0", 19), "C:\\Games\\Skarnvale"},
        {"empty string", REG_SZ, std::string("\0", 1), ""},
        {"expandable string, not expanded", REG_EXPAND_SZ, std::string("%WINDIR%\\Skv\0", 13),
         "%WINDIR%\\Skv"},
        {"number: its bytes", REG_DWORD, std::string("ABC\0", 4), "ABC"},
        {"number with a zero low byte", REG_DWORD, std::string("\0\1\0\0", 4), ""},
        {"4095 characters and the zero", REG_SZ, fits + '\0', fits},
        {"4096 characters and the zero: does not fit", REG_SZ, tooLong + '\0', "DEFAULT"},
        {"4096 bytes without a zero: does not fit", REG_BINARY, tooLong, "DEFAULT"},
        {"4095 bytes without a zero: the buffer ends it", REG_BINARY, fits, fits},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        StoreRaw("Value", c.type, c.stored);
        EXPECT_EQ(Read("Value", "DEFAULT"), c.expected);
    }
}

TEST_F(RegistryStrings, MissingKeyOrValueGivesTheDefault) {
    EXPECT_STREQ(ReadRegistryString(HKEY_CURRENT_USER, MissingKey, "Path", "fallback"), "fallback");
    EXPECT_STREQ(ReadRegistryString(HKEY_CURRENT_USER, MissingKey, "Path", ""), "");
    StoreRaw("Other", REG_SZ, std::string("x\0", 2));
    EXPECT_EQ(Read("Path", "fallback"), "fallback");
    EXPECT_EQ(Read(nullptr, "no default value"), "no default value");
}

TEST_F(RegistryStrings, NoNameReadsTheKeysDefaultValue) {
    StoreRaw(nullptr, REG_SZ, std::string("Z:\\game\\Skv.exe\0", 16));
    StoreRaw("Path", REG_SZ, std::string("Z:\\game\0", 8));
    EXPECT_EQ(Read(nullptr, ""), "Z:\\game\\Skv.exe");
    EXPECT_EQ(Read("Path", ""), "Z:\\game");
}

TEST_F(RegistryStrings, NoTextOfAnEarlierReadShowsThroughAShorterOne) {
    StoreRaw("Long", REG_SZ, std::string(300, 'L') + '\0');
    StoreRaw("Short", REG_BINARY, "ab"); // no terminating zero of its own
    ASSERT_EQ(Read("Long", ""), std::string(300, 'L'));
    EXPECT_EQ(Read("Short", ""), "ab");
    ASSERT_EQ(Read("Long", ""), std::string(300, 'L'));
    EXPECT_EQ(Read("Missing", "d"), "d");
}

TEST_F(RegistryStrings, ReadsShareOneBufferThatTheNextReadOverwrites) {
    StoreRaw("A", REG_SZ, std::string("first\0", 6));
    StoreRaw("B", REG_SZ, std::string("second\0", 7));
    const char* first = ReadRegistryString(HKEY_CURRENT_USER, TestKey, "A", "");
    const char* second = ReadRegistryString(HKEY_CURRENT_USER, TestKey, "B", "");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "second");
}

TEST_F(RegistryStrings, WriteCreatesTheKeyAndStoresRegSzWithItsZero) {
    const char* nested = "Software\\Harbeck\\Skv Launcher Registry Strings Test\\App Paths\\skvprog.exe";
    ASSERT_FALSE(KeyExists(nested));
    EXPECT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, nested, "Path", "Z:\\games\\skv"));
    raw_registry::RawValue path = GetRaw(nested, "Path");
    ASSERT_TRUE(path.Present);
    EXPECT_EQ(path.Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(path.Bytes, std::string("Z:\\games\\skv\0", 13));

    EXPECT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, nested, nullptr, "Z:\\games\\skv\\Skv.exe"));
    raw_registry::RawValue exe = GetRaw(nested, nullptr);
    ASSERT_TRUE(exe.Present);
    EXPECT_EQ(exe.Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(exe.Bytes, std::string("Z:\\games\\skv\\Skv.exe\0", 21));
    EXPECT_EQ(GetRaw(nested, "Path").Bytes, std::string("Z:\\games\\skv\0", 13)) << "named value kept";
}

TEST_F(RegistryStrings, WriteReplacesAValueOfAnotherType) {
    StoreRaw("Path", REG_DWORD, std::string("\1\0\0\0", 4));
    EXPECT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, TestKey, "Path", ""));
    raw_registry::RawValue path = GetRaw(TestKey, "Path");
    EXPECT_EQ(path.Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(path.Bytes, std::string("\0", 1));
}

TEST_F(RegistryStrings, WriteThatCannotOpenItsKeyGivesFalse) {
    // A key that is not a key at all cannot be created below.
    EXPECT_FALSE(WriteRegistryString(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x5A5A5A58)), "Software",
                                     "Path", "x"));
}

TEST_F(RegistryStrings, WrittenTextReadsBack) {
    const std::string longest(4095, 'p');
    for (const std::string& text : {std::string("Z:\\a b\\c\\"), std::string(""), longest}) {
        ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, TestKey, "Path", text.c_str()));
        EXPECT_EQ(Read("Path", "DEFAULT"), text);
    }
}

} // namespace
