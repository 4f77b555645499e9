// Whatever the profile holds, the main dialog opens with a number or the default for each option, and
// "Close" leaves 26 four-byte numbers in the profile's key.
#include "harness.h"

#include <climits>

#include "ui/launcher_dialog.h"

using namespace harness;

namespace {

TEST(Profile, AnyStoredDataLoadsAsANumberOrTheDefault) {
    const struct {
        DWORD Type;
        std::string Bytes;
    } rows[] = {
        {REG_DWORD, Dword(0)},
        {REG_DWORD, Dword(1)},
        {REG_DWORD, Dword(5)},
        {REG_DWORD, Dword(255)},
        {REG_DWORD, Dword(256)},
        {REG_DWORD, Dword(1000)},
        {REG_DWORD, Dword(1001)},
        {REG_DWORD, Dword(UINT_MAX)},
        {REG_DWORD, Dword(INT_MIN)},
        {REG_DWORD, Dword(65636)},
        {REG_BINARY, Dword(3)},
        {REG_BINARY, "\x07\x00\x00"},
        {REG_BINARY, ""},
        {REG_BINARY, Dword(2) + "x"},
        {REG_QWORD, Dword(2) + Dword(0)},
        {REG_SZ, std::string("7\0", 2)},
        {REG_SZ, std::string("12\0", 4)},
        {REG_DWORD_BIG_ENDIAN, Dword(400)},
    };
    for (const auto& row : rows) {
        CleanRegistry();
        for (const Option& option : Options)
            SetValue(HKEY_CURRENT_USER, ProfileKey, option.Name, row.Type, row.Bytes);
        const int32_t stored =
            row.Bytes.size() == 4 ? *reinterpret_cast<const int32_t*>(row.Bytes.data()) : 0;
        SCOPED_TRACE(std::to_string(row.Type) + ", " + std::to_string(row.Bytes.size()) + " bytes, " +
                     std::to_string(stored));
        std::string loaded;
        for (const Option& option : Options)
            loaded += std::string(option.Name) + "=" +
                      std::to_string(row.Bytes.size() == 4 ? Loaded(option, stored) : option.Default) + " ";
        GameLocation location;
        LauncherDialog dialog(location);
        RunModally(dialog, [&](HWND window) {
            ExpectShown(window, loaded);
            Click(window, IDCANCEL);
        });
        ExpectStored(loaded);
    }
}

} // namespace
