// The real main dialog loading profiles whose 26 values all hold the same data of one registry type:
// what each control shows, which controls the loaded " Debug mode " enables, and what "Close" stores back.
// The expected states come from the option rows and the loading rules, not from the launcher's tables.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "dialog_harness.h"
#include "raw_registry.h"
#include "tests/profile_options.h"

namespace {

using namespace raw_registry;

struct StoredData {
    const char* What;
    DWORD Type;
    std::string Bytes;
};

std::string Bytes(const char* data, size_t size) {
    return std::string(data, size);
}

// Four-byte contents read as numbers that mean something to the options (2 is a texture mode, 100 the
// scaled default, 1000 the lean maximum); shorter and longer data must give the defaults, however their
// first bytes read.
const StoredData Cases[] = {
    {"string \"12\" (three bytes)", REG_SZ, Bytes("12\0", 3)},
    {"string \"123\" (four bytes)", REG_SZ, Bytes("123\0", 4)},
    {"string \"d\" padded to four bytes (100)", REG_SZ, Bytes("d\0\0\0", 4)},
    {"string \"1000\" (five bytes)", REG_SZ, Bytes("1000\0", 5)},
    {"empty string (one byte)", REG_SZ, Bytes("\0", 1)},
    {"expandable \"%A%\" (four bytes)", REG_EXPAND_SZ, Bytes("%A%\0", 4)},
    {"expandable \"\\a\" padded to four bytes (7)", REG_EXPAND_SZ, Bytes("\a\0\0\0", 4)},
    {"expandable \"%TEMP%\" (seven bytes)", REG_EXPAND_SZ, Bytes("%TEMP%\0", 7)},
    {"binary, no bytes", REG_BINARY, Bytes("", 0)},
    {"binary, one byte", REG_BINARY, Bytes("\x02", 1)},
    {"binary, two bytes", REG_BINARY, Bytes("\x02\x00", 2)},
    {"binary, three bytes", REG_BINARY, Bytes("\x02\x00\x00", 3)},
    {"binary, four bytes (2)", REG_BINARY, Bytes("\x02\x00\x00\x00", 4)},
    {"binary, five bytes", REG_BINARY, Bytes("\x02\x00\x00\x00\x00", 5)},
    {"binary, six bytes", REG_BINARY, Bytes("\x02\x00\x00\x00\x00\x00", 6)},
    {"binary, seven bytes", REG_BINARY, Bytes("\x02\x00\x00\x00\x00\x00\x00", 7)},
    {"binary, eight bytes", REG_BINARY, Bytes("\x02\x00\x00\x00\x00\x00\x00\x00", 8)},
    {"big-endian 3 (bytes read as they lie)", REG_DWORD_BIG_ENDIAN, Bytes("\x00\x00\x00\x03", 4)},
    {"big-endian 0x03000000 (bytes read as 3)", REG_DWORD_BIG_ENDIAN, Bytes("\x03\x00\x00\x00", 4)},
    {"qword 5", REG_QWORD, Bytes("\x05\x00\x00\x00\x00\x00\x00\x00", 8)},
    {"qword with only four bytes (1000)", REG_QWORD, DwordBytes(1000)},
    {"multi-string \"a\" (three bytes)", REG_MULTI_SZ, Bytes("a\0\0", 3)},
    {"multi-string \"ab\" (four bytes)", REG_MULTI_SZ, Bytes("ab\0\0", 4)},
    {"multi-string \"\\3\" (four bytes, 3)", REG_MULTI_SZ, Bytes("\x03\0\0\0", 4)},
    {"dword 0", REG_DWORD, DwordBytes(0)},
    {"dword 1", REG_DWORD, DwordBytes(1)},
    {"dword -1", REG_DWORD, DwordBytes(0xFFFFFFFFu)},
    {"dword INT_MIN", REG_DWORD, DwordBytes(static_cast<uint32_t>(INT_MIN))},
    {"dword INT_MAX", REG_DWORD, DwordBytes(INT_MAX)},
    {"dword 1000", REG_DWORD, DwordBytes(1000)},
};

// Controls enabled only while " Debug mode " is on.
constexpr int DebugDependent[] = {SKV_ID_LOAD_BOTS,  SKV_ID_SHOW_FPS,  SKV_ID_WIREFRAME, SKV_ID_SKY_RED,
                                  SKV_ID_SPEED_EDIT, SKV_ID_TIME_EDIT, SKV_ID_LEAN_SPIN, SKV_ID_GOD_MODE};

std::string TextOf(HWND control) {
    char text[64] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

// The dialog shows `expected` for the option: check state, list selection, up-down position and buddy
// text (without the error flag), trackbar position and label.
void ExpectShown(LauncherDialog& dialog, const ProfileOption& option, int32_t expected) {
    SCOPED_TRACE(option.Name);
    HWND control = dialog.Item(option.Id);
    ASSERT_NE(control, nullptr);
    switch (option.Kind) {
    case OptionKind::Switch:
        EXPECT_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), expected ? BST_CHECKED : BST_UNCHECKED);
        break;
    case OptionKind::Mode:
        EXPECT_EQ(SendMessageA(control, CB_GETCURSEL, 0, 0), expected);
        break;
    case OptionKind::Spin: {
        LRESULT reply = SendMessageA(control, UDM_GETPOS, 0, 0);
        EXPECT_EQ(HIWORD(reply), 0) << "error flag";
        EXPECT_EQ(LOWORD(reply), expected);
        EXPECT_EQ(TextOf(dialog.Item(option.TextId)), BuddyText(expected));
        break;
    }
    case OptionKind::Slider:
        EXPECT_EQ(SendMessageA(control, TBM_GETPOS, 0, 0), expected);
        EXPECT_EQ(TextOf(dialog.Item(option.TextId)), std::to_string(expected));
        break;
    }
}

using StoredValueTypes = FreshMainDialog;

TEST_F(StoredValueTypes, EveryValueOfOneTypeLoadsByTheRulesAndCloseStoresSaneDwords) {
    for (const StoredData& data : Cases) {
        SCOPED_TRACE(data.What);
        DeleteTree(HKEY_CURRENT_USER, ProfileKey);
        for (const ProfileOption& option : ProfileOptions)
            SetRaw(ProfileKey, option.Name, data.Type, data.Bytes);
        const std::optional<int32_t> stored = StoredNumber(data.Bytes);

        RunDialog([&](LauncherDialog& dialog) {
            for (const ProfileOption& option : ProfileOptions)
                ExpectShown(dialog, option, LoadedOption(option, stored));
            const bool debug = LoadedOption(ProfileOptions[0], stored) != 0;
            for (int id : DebugDependent)
                EXPECT_EQ(IsWindowEnabled(dialog.Item(id)) != FALSE, debug) << "control " << id;
            EXPECT_TRUE(IsWindowEnabled(dialog.Item(SKV_ID_VOLUME_EDIT)));
            // "Close", as the button sends it.
            SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(dialog.Item(IDCANCEL)));
        });

        // Every value rewritten as a four-byte REG_DWORD holding what was shown; nothing else stored.
        EXPECT_EQ(ValueCount(ProfileKey), kProfileOptionCount);
        for (const ProfileOption& option : ProfileOptions) {
            RawValue saved = GetRaw(ProfileKey, option.Name);
            ASSERT_TRUE(saved.Present) << option.Name;
            EXPECT_EQ(saved.Type, static_cast<DWORD>(REG_DWORD)) << option.Name;
            EXPECT_EQ(saved.Bytes, DwordBytes(LoadedOption(option, stored))) << option.Name;
        }
    }
}

} // namespace
