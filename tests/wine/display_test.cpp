// The display settings dialog on whatever DirectDraw reports in this run, asked by the test itself: the
// lists it shows, what it preselects from "Skv_Video.cfg", what OK writes and that Cancel writes nothing.
#include "harness.h"

#include <ddraw.h>

#include "ui/display_settings_dialog.h"

using namespace harness;

namespace {

// A list's entries, each ended by "|", then the index of the selected one.
std::string Listed(HWND dialog, int id) {
    std::string listed;
    for (int i = 0; i < SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0); ++i) {
        char text[128] = {};
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, LPARAM(text));
        listed += text + std::string("|");
    }
    return listed + std::to_string(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

// DirectDraw's own report: every device as "description (driver)", and the modes of the first one, the
// active display driver (enumerated first, without a GUID), that the game can use: 16 or 32 bits per
// pixel, at least 512 by 384, in DirectDraw's order, each with the record that stores it.
struct Reported {
    std::string Devices, Modes; // each entry ended by "|"
    std::vector<std::string> Records;
};

BOOL WINAPI AddDevice(GUID*, LPSTR description, LPSTR driver, LPVOID reported) {
    static_cast<Reported*>(reported)->Devices += description + std::string(" (") + driver + ")|";
    return TRUE;
}

HRESULT WINAPI AddMode(DDSURFACEDESC2* mode, LPVOID context) {
    auto& reported = *static_cast<Reported*>(context);
    const DWORD width = mode->dwWidth, height = mode->dwHeight, bits = mode->ddpfPixelFormat.dwRGBBitCount;
    if ((bits == 16 || bits == 32) && width >= 512 && height >= 384) {
        reported.Modes +=
            std::to_string(width) + " * " + std::to_string(height) + " (" + std::to_string(bits) + " bpp)|";
        reported.Records.push_back(std::string(20, 0) + Dword(width) + Dword(height) + Dword(bits));
    }
    return DDENUMRET_OK;
}

Reported AskDirectDraw() {
    Reported reported;
    IDirectDraw* draw = nullptr;
    IDirectDraw4* draw4 = nullptr;
    EXPECT_EQ(DirectDrawEnumerateA(AddDevice, &reported), DD_OK);
    EXPECT_EQ(DirectDrawCreate(nullptr, &draw, nullptr), DD_OK);
    draw->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&draw4));
    draw->Release();
    draw4->EnumDisplayModes(0, nullptr, &reported, AddMode);
    draw4->Release();
    return reported;
}

TEST(DisplayDialog, ListsPreselectsAndWritesTheChoice) {
    GameFolderOnDisk game("display");
    GameFolder = game.Path;
    const std::string file = game.Path + "Skv_Video.cfg";
    const Reported reported = AskDirectDraw();
    const int last = int(reported.Records.size()) - 1; // the first mode too on a screen that offers one
    const std::string lastMode = last < 0 ? std::string(32, 0) : reported.Records[last];
    const struct {
        const char* Case;
        std::string Stored; // "<absent>": no file
        int Mode;           // selected when the dialog opens
        bool Ok;            // else Cancel, after choosing another mode
    } rows[] = {
        // clang-format off
        {"no file", "<absent>", 0, true}, {"empty file", "", 0, true},
        {"a device no longer there, the file cut after the first byte of the mode's bits",
         std::string(16, 'G') + lastMode.substr(16, 13), last, true},
        {"the last mode, longer file, cancelled", lastMode + "trailing bytes", last, false},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        DeleteFileA(file.c_str());
        if (row.Stored != "<absent>")
            WriteContents(file, row.Stored);
        DisplaySettingsDialog dialog(nullptr);
        std::string chosen = row.Stored;
        const INT_PTR result = RunModally(dialog, [&](HWND window) {
            EXPECT_EQ(Listed(window, SKV_ID_DEVICE_LIST), reported.Devices + "0");
            EXPECT_EQ(Listed(window, SKV_ID_MODE_LIST),
                      reported.Modes + std::to_string(last < 0 ? -1 : row.Mode));
            if (last < 0) { // no mode to choose: only Cancel is left
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDOK)));
                return Click(window, IDCANCEL);
            }
            // Refilling the modes for the same device keeps the chosen one.
            const int other = last - row.Mode;
            SendDlgItemMessageA(window, SKV_ID_MODE_LIST, CB_SETCURSEL, other, 0);
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(SKV_ID_DEVICE_LIST, CBN_SELCHANGE),
                         LPARAM(GetDlgItem(window, SKV_ID_DEVICE_LIST)));
            EXPECT_EQ(Listed(window, SKV_ID_MODE_LIST), reported.Modes + std::to_string(other));
            chosen = row.Ok ? reported.Records[other] : row.Stored;
            Click(window, row.Ok ? IDOK : IDCANCEL);
        });
        EXPECT_EQ(result, row.Ok && last >= 0 ? IDOK : IDCANCEL);
        EXPECT_EQ(FileContents(file), chosen);
        EXPECT_EQ(LiveDisplayListBlocks(), 0u) << "every entry's block is freed with the dialog";
    }
}

} // namespace
