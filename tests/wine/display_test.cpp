// The display settings dialog on Wine's DirectDraw (one device, reported without a GUID, and the modes
// of the bench's screen): what it preselects from "Skv_Video.cfg", what OK writes and that Cancel writes
// nothing.
#include "harness.h"

#include <cstdio>

#include "ui/display_settings_dialog.h"

using namespace harness;

namespace {

struct Lists {
    std::vector<std::string> Devices, Modes;
    int Device = -1, Mode = -1;
};

Lists Read(HWND dialog) {
    Lists lists;
    for (auto [id, texts, selected] : {std::tuple(SKV_ID_DEVICE_LIST, &lists.Devices, &lists.Device),
                                       std::tuple(SKV_ID_MODE_LIST, &lists.Modes, &lists.Mode)}) {
        for (int i = 0; i < SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0); ++i) {
            char text[128] = {};
            SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            texts->push_back(text);
        }
        *selected = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
    }
    return lists;
}

// The record of the device without a GUID (listed first) in the mode a list entry names.
std::string Record(const std::string& modeText) {
    unsigned width = 0, height = 0, bits = 0;
    EXPECT_EQ(sscanf(modeText.c_str(), "%u * %u (%u bpp)", &width, &height, &bits), 3) << modeText;
    return std::string(16, '\0') + Dword(0) + Dword(width) + Dword(height) + Dword(bits);
}

TEST(DisplayDialog, PreselectsTheStoredChoiceAndWritesTheChosenOne) {
    GameFolderOnDisk game("display");
    const std::string file = game.Path + "Skv_Video.cfg";
    Lists shown;
    DisplaySettingsDialog first(nullptr, game.Path);
    RunModally(first, [&](HWND dialog) { shown = Read(dialog); });
    ASSERT_EQ(shown.Devices, std::vector<std::string>{"DirectDraw HAL (display)"});
    ASSERT_EQ(shown.Modes.size(), 2u) << "the bench's screen offers one size at 32 and 16 bpp";
    const std::string second = Record(shown.Modes[1]);
    const std::string otherGuid = std::string(16, 'G') + second.substr(16);

    const struct {
        const char* Case;
        std::string Stored; // "<absent>": no file
        int Mode;           // selected when the dialog opens
        bool Ok;            // else Cancel, after choosing the other mode
    } rows[] = {
        {"no file", "<absent>", 0, true},
        {"empty file", "", 0, true},
        {"cut after the mode's first bits byte", second.substr(0, 29), 1, true},
        {"second mode", second, 1, true},
        {"second mode, longer file", second + "trailing bytes", 1, true},
        {"a device no longer there", otherGuid, 1, true},
        {"cancelled", second.substr(0, 5), 0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        DeleteFileA(file.c_str());
        if (row.Stored != "<absent>")
            WriteContents(file, row.Stored);
        DisplaySettingsDialog dialog(nullptr, game.Path);
        std::string chosen;
        const INT_PTR result = RunModally(dialog, [&](HWND window) {
            const Lists lists = Read(window);
            EXPECT_EQ(lists.Device, 0);
            EXPECT_EQ(lists.Mode, row.Mode);
            // Refilling the modes for the same device keeps the chosen one.
            SendDlgItemMessageA(window, SKV_ID_MODE_LIST, CB_SETCURSEL, 1 - row.Mode, 0);
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(SKV_ID_DEVICE_LIST, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, SKV_ID_DEVICE_LIST)));
            EXPECT_EQ(Read(window).Mode, 1 - row.Mode);
            chosen = Record(lists.Modes[1 - row.Mode]);
            Click(window, row.Ok ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(result, row.Ok ? IDOK : IDCANCEL);
        EXPECT_EQ(FileContents(file), row.Ok ? chosen : row.Stored);
        EXPECT_EQ(LiveDisplayListBlocks(), 0u) << "every entry's block is freed with the dialog";
    }
}

} // namespace
