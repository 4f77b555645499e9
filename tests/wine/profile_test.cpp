// Whatever the profile holds, the main dialog opens with a number or the default for each option, and
// "Close" leaves 26 four-byte numbers in the profile's key.
#include "harness.h"

#include <sstream>

#include "ui/launcher_dialog.h"

using namespace harness;

namespace {

// Numbers at and just beyond the ends of each range load as they are inside and as the default outside,
// never as the nearer end; values not named are absent. Data of any type stored under every name is a
// number when it has four bytes, whatever the type says, and the default at any other length.
TEST(Profile, AnyStoredDataLoadsAsANumberOrTheDefault) {
    std::string allOn; // every switch on
    for (const Option& option : Options)
        allOn += option.Kind == OptionKind::Switch ? option.Name + std::string("=1 ") : "";
    const struct {
        DWORD Type;
        std::string Stored; // "Name=number ..." as four bytes each, or the bytes of every value
        std::string Loaded; // what differs from the defaults; "=" when it is what is stored
    } rows[] = {
        // clang-format off
        {REG_DWORD, "WireFrame=0 TrackerVolume=0 TrackerSpeed=0 TimeScale=1 LeanScale=0 SkyRed=0 SkyGreen=0 "
         "SkyBlue=0", "="},
        {REG_DWORD, "WireFrame=3 TrackerVolume=100 TrackerSpeed=1600 TimeScale=400 LeanScale=1000 SkyRed=255 "
         "SkyGreen=255 SkyBlue=255", "="},
        {REG_DWORD, "WireFrame=-1 TrackerVolume=-1 TrackerSpeed=-1 TimeScale=0 LeanScale=-1 SkyRed=-1 "
         "SkyGreen=-1 SkyBlue=-1", ""},
        {REG_DWORD, "WireFrame=4 TrackerVolume=101 TrackerSpeed=1601 TimeScale=401 LeanScale=1001 SkyRed=256 "
         "SkyGreen=256 SkyBlue=256", ""},
        // An up-down's error flag over 50, and far out.
        {REG_DWORD, "WireFrame=65536 TrackerVolume=65586 TrackerSpeed=65586 TimeScale=65586 LeanScale=65586 "
         "SkyRed=-2147483648 SkyGreen=2147483647 SkyBlue=65596", ""},
        {REG_DWORD, Dword(5), allOn + "TrackerVolume=5 TrackerSpeed=5 TimeScale=5 LeanScale=5 SkyRed=5 "
         "SkyGreen=5 SkyBlue=5"},
        {REG_DWORD, Dword(0xFFFFFFFF), allOn},
        {REG_BINARY, Dword(3), allOn + "WireFrame=3 TrackerVolume=3 TrackerSpeed=3 TimeScale=3 LeanScale=3 "
         "SkyRed=3 SkyGreen=3 SkyBlue=3"},
        {REG_BINARY, std::string("\x07\0\0", 3), ""}, {REG_QWORD, Dword(2) + Dword(0), ""},
        // clang-format on
    };
    for (const auto& row : rows) {
        const bool named = row.Stored.find('=') != std::string::npos;
        SCOPED_TRACE("type " + std::to_string(row.Type) + ": " + (named ? row.Stored : Hex(row.Stored)));
        CleanRegistry();
        std::istringstream words(row.Stored);
        for (std::string word; named && words >> word;)
            SetValue(HKEY_CURRENT_USER, ProfileKey, word.substr(0, word.find('=')).c_str(), row.Type,
                     Dword(uint32_t(std::stoll(word.substr(word.find('=') + 1)))));
        for (const Option& option : Options)
            if (!named)
                SetValue(HKEY_CURRENT_USER, ProfileKey, option.Name, row.Type, row.Stored);
        LauncherDialog dialog;
        RunModally(dialog, [&](HWND window) {
            ExpectShown(window, row.Loaded == "=" ? row.Stored : row.Loaded);
            Click(window, IDCANCEL);
        });
        ExpectStored(row.Loaded == "=" ? row.Stored : row.Loaded);
    }
}

} // namespace
