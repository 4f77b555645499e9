// The launcher's dialogs in this process: the main dialog's enabling rules, level menu, sky labels, "Reset",
// window menu, About box, help button, the question of "Location...", links to the maker's site and the bug
// report, logo cursor and group captions; what it loads from any profile; the About box's link; the display
// settings dialog; and the dialogs at each display scale.
#include "harness.h"

#include <objbase.h>

#include "framework/window_text.h"
#include "ui/about_dialog.h"

using namespace harness;
using namespace std::string_literals;

// A fresh main dialog in each test, ended without saving.
class MainDialog : public ::testing::Test {
    void SetUp() override { CleanSlate(); }
};

// A list's entries, each ended by "|", then the index of the selected one.
static std::string Listed(HWND dialog, int id) {
    std::string listed;
    char text[128];
    for (int i = 0; SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, LPARAM(text)) >= 0; ++i)
        listed += text + std::string("|");
    return listed + std::to_string(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

// The launcher's pointing hand.
static HCURSOR Hand() {
    return LoadCursorA(Context().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK));
}

// Each option's control (a spin with its edit box) is enabled when its row needs no more than what is ticked:
// nothing, debug mode, or pre-load bots too; all else stays enabled.
static void ExpectEnabledWith(HWND window, Needs ticked) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        Needs needs = Needs::Nothing;
        for (const Option& option : Options)
            if (id == option.Id || (id == option.TextId && option.Kind == OptionKind::Spin))
                needs = option.Enabled;
        EXPECT_EQ(IsWindowEnabled(child) != 0, needs <= ticked) << Named(window, id);
    }
}

TEST_F(MainDialog, DebugModeAndPreloadBotsEnableTheirControls) {
    // Clicks: the check boxes clicked in turn, D debug mode, B pre-load bots.
    // clang-format off
    const std::pair<const char*, Needs> rows[] = {{"", Needs::Nothing}, {"D", Needs::Debug}, {"DB", Needs::Bots},
        {"DBD", Needs::Nothing}, {"DBDD", Needs::Bots}, {"DBB", Needs::Debug}};
    // clang-format on
    for (const auto& [clicks, ticked] : rows)
        RunMainDialog([&](HWND window) {
            SCOPED_TRACE(std::string("clicked \"") + clicks + "\"");
            for (const char* c = clicks; *c; ++c)
                Click(window, *c == 'D' ? SKV_ID_DEBUG : SKV_ID_LOAD_BOTS);
            ExpectEnabledWith(window, ticked);
        });
}

// The texture drawing list offers its four modes, in this order.
TEST_F(MainDialog, TextureDrawingListsFourModes) {
    RunMainDialog([](HWND window) {
        EXPECT_EQ(Listed(window, SKV_ID_WIREFRAME),
                  "Full textures|Only objects|Only environment|No textures|0");
    });
}

// The level menu, opened by its button and read while it is open: its submenus, the item with the check mark
// where it stands, and the default item. Its commands must run from the first level to "No Level" in order.
static std::string LevelMenu(HWND dialog) {
    std::string read;
    UINT next = 32771;
    const std::function<void(HMENU)> walk = [&](HMENU popup) {
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            char label[32] = {};
            GetMenuStringA(popup, i, label, sizeof label, MF_BYPOSITION);
            if (HMENU submenu = GetSubMenu(popup, i)) {
                read += label + std::string(" ");
                walk(submenu);
            } else if (UINT id = GetMenuItemID(popup, i); id != 0) {
                EXPECT_EQ(id, next++) << label;
                if (GetMenuState(popup, i, MF_BYPOSITION) & MF_CHECKED)
                    read += "(checked " + std::to_string(id) + ") ";
            }
        }
    };
    WhenOpen([&](HWND menu) {
        HMENU popup = HMENU(SendMessageA(menu, MN_GETHMENU, 0, 0));
        walk(popup);
        read += "default " + std::to_string(GetMenuDefaultItem(popup, FALSE, 0));
        EndMenu();
    });
    Click(dialog, SKV_ID_LEVEL);
    EXPECT_EQ(next, 32814u);
    return read;
}

// The level menu marks the level last chosen, through the menu or by a command from anywhere with any code,
// inside its submenu; "No Level" is the default item and is marked while no level is chosen. Closing the
// menu without a pick changes nothing.
TEST_F(MainDialog, LevelMenuMarksTheChosenLevel) {
    const std::string none = "Grax Vastor Hurok Deathmatch Coop (checked 32813) default 32813",
                      velmaro = "Grax (checked 32773) Vastor Hurok Deathmatch Coop default 32813";
    // Command: sent before the menu opens, as the menu sends a pick.
    // clang-format off
    const struct { const char* Case; WPARAM Command; std::string Menu; } rows[] = {
        {"first opening", 0, none}, {"Level 3 - Velmaro", 32773, velmaro},
        {"closed without a pick", 0, velmaro}, {"No Level, with a code", MAKEWPARAM(32813, 1), none},
    };
    // clang-format on
    RunMainDialog([&](HWND window) {
        for (const auto& row : rows) {
            if (row.Command)
                SendMessageA(window, WM_COMMAND, row.Command, 0);
            EXPECT_EQ(LevelMenu(window), row.Menu) << row.Case;
        }
    });
}

// Each value label shows its trackbar's position in plain decimal after every kind of trackbar notification.
TEST_F(MainDialog, SkyLabelsFollowTheirTrackbars) {
    RunMainDialog([](HWND window) {
        int position = 0;
        for (int code : {TB_THUMBTRACK, TB_LINEDOWN, TB_PAGEUP, TB_THUMBPOSITION, TB_ENDTRACK, TB_BOTTOM})
            for (const Option& slider : {Options[23], Options[24], Options[25]}) {
                HWND control = GetDlgItem(window, slider.Id);
                SendMessageA(control, TBM_SETPOS, TRUE, position = (position + 37) % 256);
                SendMessageA(window, WM_HSCROLL, code, LPARAM(control));
                EXPECT_EQ(Text(window, slider.TextId), std::to_string(position))
                    << slider.Name << ", code " << code;
            }
    });
}

// Runs the main dialog with every option changed and a level chosen, presses "Reset", then `check`.
static void AfterReset(const std::function<void(HWND)>& check) {
    RunMainDialog([&](HWND window) {
        Type(window,
             "Debug=1 LoadBots=1 LoadGrax=1 LoadTolmen=1 LoadVastor=1 LoadKolvane=1 LoadHurgrax=1 "
             "LoadHurok=1 LoadZimmit=1 ShowFPS=1 ShowPolycount=1 WireFrame=2 VerboseText=1 Crouchmode=1 "
             "Dopplershift=1 Extrapolation=1 AllWeapons=1 GodMode=1 AddLight=1 TrackerVolume=5 "
             "TrackerSpeed=9 TimeScale=abc LeanScale=1 SkyRed=1 SkyGreen=2 SkyBlue=3");
        SendMessageA(window, WM_COMMAND, 32790, 0);
        Click(window, SKV_ID_RESET);
        check(window);
    });
}

TEST_F(MainDialog, ResetShowsTheDefaults) {
    AfterReset([](HWND window) { ExpectShown(window, ""); });
}

// With debug mode off again, only the controls usable without it are enabled.
TEST_F(MainDialog, ResetEnablesAsDebugModeOff) {
    AfterReset([](HWND window) { ExpectEnabledWith(window, Needs::Nothing); });
}

TEST_F(MainDialog, ResetKeepsTheChosenLevel) {
    AfterReset([](HWND window) {
        EXPECT_EQ(LevelMenu(window), "Grax Vastor (checked 32790) Hurok Deathmatch Coop default 32813");
    });
}

// The defaults reach the profile only with "Start" or "Close": its key, made on the first opening, stays
// empty.
TEST_F(MainDialog, ResetStoresNothing) {
    AfterReset([](HWND) {});
    EXPECT_EQ(KeyHolds(HKEY_CURRENT_USER, ProfileKey), "0 values, 0 keys");
}

// The window menu ends with a separator and "&About...", command 16, which opens the About box whatever the
// command's low four bits.
TEST_F(MainDialog, WindowMenuItemOpensTheAboutBox) {
    RunMainDialog([](HWND window) {
        HMENU menu = GetSystemMenu(window, FALSE);
        const int count = GetMenuItemCount(menu);
        char label[32] = {};
        GetMenuStringA(menu, count - 1, label, sizeof label, MF_BYPOSITION);
        EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_EQ(label + std::string(" ") + std::to_string(GetMenuItemID(menu, count - 1)), "&About... 16");
        WhenOpen([](HWND box) { // else the main dialog's run fails: the box never opened
            EXPECT_EQ(WindowText(box), "Program information");
            Click(box, IDOK);
        });
        SendMessageA(window, WM_SYSCOMMAND, 16 | 0xF, 0);
    });
}

// The caption's help button says that there is no help.
TEST_F(MainDialog, HelpButtonSaysThereIsNoHelp) {
    RunMainDialog([](HWND window) {
        EXPECT_EQ(Boxes([&] { SendMessageA(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }),
                  Texts{"Sorry, there's no Help file available in this BETA version :) (information: OK)"});
    });
}

// "Location..." first asks whether to change the game's folder, naming it as held.
TEST_F(MainDialog, LocationAsksFirst) {
    const std::string question = "The Current Path is: C:\\Games\\Skarnvale\\\nDo you want to change it?";
    RunMainDialog("C:\\Games\\Skarnvale\\", [&](HWND window) {
        EXPECT_EQ(Boxes([&] { Click(window, SKV_ID_LOCATION); }), Texts{question + " (question: Yes/No)"});
    });
}

// The logo, a static control that tells its clicks, opens the maker's site, and "Bug report..."
// a mail to the maker: both through the shell, called from a single-threaded COM apartment as it asks. The
// shell's "http" and "mailto" handlers point at the stand-in game meanwhile, so that an address handed over
// comes back in its report.
TEST_F(MainDialog, LinksHandTheShellTheSiteAndTheBugReport) {
    SKIP_UNLESS(OnTheBench(), "Windows opens addresses with the player's own browser and mail program");
    std::vector<std::pair<std::string, std::string>> saved; // the machine's handlers, "type:bytes"
    for (const char* scheme : {"http", "mailto"}) {
        const std::string key = std::string("Software\\Classes\\") + scheme + "\\shell\\open\\command";
        saved.push_back({key, GetValue(HKEY_LOCAL_MACHINE, key.c_str(), nullptr)});
        SetString(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, "\"" + std::string(StandinExe) + "\" \"%1\"");
    }
    // clang-format off
    const struct { int Id, Code; const char* Address; } rows[] = {
        {SKV_ID_LOGO, STN_CLICKED, "\"http://www.harbeck-games.example/\""},
        {SKV_ID_BUG_REPORT, BN_CLICKED, "\"mailto:bugs@harbeck-games.example?Subject=Skv Launcher (Beta)\""},
    };
    // clang-format on
    RunMainDialog([&](HWND window) {
        for (const auto& row : rows) {
            DeleteFileA(ReportFile);
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(row.Id, row.Code),
                         LPARAM(GetDlgItem(window, row.Id)));
            EXPECT_EQ(Reported("params"), row.Address) << Named(window, row.Id);
        }
    });
    const HRESULT joined = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(joined))
        CoUninitialize();
    EXPECT_EQ(joined, RPC_E_CHANGED_MODE) << "this thread is in a single-threaded apartment";
    for (const auto& [key, value] : saved)
        if (value != "<absent>")
            SetValue(HKEY_LOCAL_MACHINE, key.c_str(), nullptr, std::stoul(value),
                     value.substr(value.find(':') + 1));
}

// The pointing hand over the logo, the usual pointer elsewhere.
TEST_F(MainDialog, PointingHandOverTheLogo) {
    const std::pair<int, bool> rows[] = {{SKV_ID_LOGO, true}, {IDOK, false}};
    RunMainDialog([&](HWND window) {
        for (const auto& [id, pointing] : rows) {
            SetCursor(nullptr);
            SendMessageA(window, WM_SETCURSOR, WPARAM(GetDlgItem(window, id)),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor() == Hand(), pointing) << Named(window, id);
        }
    });
}

// The captions of the seven group boxes are bold and navy, in the size of the dialog's text; no other
// control's text is bold or navy.
TEST_F(MainDialog, GroupCaptionsAreBoldNavy) {
    const std::set<std::string> groups = {"Commandline", "Rendering", "General",     "Motiontracker",
                                          "Scaling",     "Cheating",  "Sky coloring"};
    RunMainDialog([&](HWND window) {
        const WindowDC dc(window);
        LOGFONTA text{};
        GetObjectA(HFONT(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof text, &text);
        for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            LOGFONTA font{};
            GetObjectA(HFONT(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
            SendMessageA(window, WM_CTLCOLORSTATIC, WPARAM(dc.Get()), LPARAM(control));
            const std::string caption = WindowText(control);
            const std::string look =
                std::string(font.lfWeight == FW_BOLD ? "bold" : "regular") +
                (GetTextColor(dc.Get()) == RGB(0, 0, 128) ? " navy" : "") +
                (font.lfWeight == FW_BOLD && font.lfHeight != text.lfHeight ? " large" : "");
            EXPECT_EQ(look, groups.count(caption) ? "bold navy" : "regular") << caption;
        }
    });
}

// Numbers at and just beyond the ends of each range load as they are inside and as the default outside,
// never as the nearer end; values not named are absent. Data of any type stored under every name is a
// number when it has four bytes, whatever the type says, and the default at any other length.
TEST(Profile, AnyStoredDataLoadsAsANumberOrTheDefault) {
    std::string allOn; // every switch on
    for (const Option& option : Options)
        allOn += option.Kind == OptionKind::Switch ? option.Name + std::string("=1 ") : "";
    // Stored: "Name=number ..." as four bytes each, or the bytes of every value. Loaded: what differs from
    // the defaults; "=" when it is what is stored.
    // clang-format off
    const struct { DWORD Type; std::string Stored, Loaded; } rows[] = {
        {REG_DWORD, "WireFrame=0 TrackerVolume=0 TrackerSpeed=0 TimeScale=1 LeanScale=0 SkyRed=0 SkyGreen=0 SkyBlue=0", "="},
        {REG_DWORD, "WireFrame=3 TrackerVolume=100 TrackerSpeed=1600 TimeScale=400 LeanScale=1000 SkyRed=255 SkyGreen=255 SkyBlue=255", "="},
        {REG_DWORD, "WireFrame=-1 TrackerVolume=-1 TrackerSpeed=-1 TimeScale=0 LeanScale=-1 SkyRed=-1 SkyGreen=-1 SkyBlue=-1", ""},
        {REG_DWORD, "WireFrame=4 TrackerVolume=101 TrackerSpeed=1601 TimeScale=401 LeanScale=1001 SkyRed=256 SkyGreen=256 SkyBlue=256", ""},
        // An up-down's error flag over 50, and far out.
        {REG_DWORD, "WireFrame=65536 TrackerVolume=65586 TrackerSpeed=65586 TimeScale=65586 LeanScale=65586 SkyRed=-2147483648 SkyGreen=2147483647 SkyBlue=65596", ""},
        {REG_BINARY, Dword(0xFFFFFFFF), allOn}, {REG_BINARY, std::string("\x07\0\0", 3), ""},
        {REG_QWORD, Dword(2) + Dword(0), ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        const bool named = row.Stored.find('=') != std::string::npos;
        SCOPED_TRACE("type " + std::to_string(row.Type) + ": " + (named ? row.Stored : Hex(row.Stored)));
        CleanSlate();
        std::istringstream words(row.Stored);
        for (std::string word; named && words >> word;)
            SetValue(HKEY_CURRENT_USER, ProfileKey, word.substr(0, word.find('=')).c_str(), row.Type,
                     Dword(uint32_t(std::stoll(word.substr(word.find('=') + 1)))));
        for (const Option& option : Options)
            if (!named)
                SetValue(HKEY_CURRENT_USER, ProfileKey, option.Name, row.Type, row.Stored);
        RunMainDialog([&](HWND window) { ExpectShown(window, row.Loaded == "=" ? row.Stored : row.Loaded); });
    }
}

// Over its text only, the About box's link shows the hand and turns purple, and holds the mouse to see it
// leave; a press on the text holds the button down in red, and once it ends the text is blue, under the
// pointer too; a press beside the text does nothing.
TEST(AboutLink, AnswersTheMouseOverItsTextOnly) {
    // Steps: the mouse's, a move ("m") or a press ("d") on its text ("T"), right of it ("R") or below it
    // ("B"), both still on the button; or another window taking the mouse ("x"). Seen: what a player sees
    // then: the cursor, whether the link holds the mouse, whether it is down, and the link colours it shows.
    // clang-format off
    const struct { const char *Case, *Steps, *Seen; } rows[] = {
        {"on the text", "mT", "hand, held, up, purple"}, {"right of the text", "mR", "arrow, free, up, blue"},
        {"below the text", "mB", "arrow, free, up, blue"},
        {"onto the text and off", "mT mR", "arrow, free, up, blue"},
        {"off the text and back", "mB mT", "hand, held, up, purple"},
        {"pressed on the text", "mT dT", "hand, held, down, red"},
        {"pressed on the text, then taken away", "mT dT x", "hand, free, up, blue"},
        {"pressed right of the text", "mR dR", "arrow, free, up, blue"},
    };
    // clang-format on
    for (const auto& row : rows) {
        AboutDialog about(Context()); // a fresh link for each row
        RunModally(about, [&](HWND box) {
            HWND link = GetDlgItem(box, SKV_ID_ABOUT_LINK);
            RECT area{};
            GetClientRect(link, &area);
            std::istringstream words(row.Steps);
            for (std::string step; words >> step;) {
                const LPARAM at =
                    MAKELPARAM(step[1] == 'R' ? area.right - 2 : 2, step[1] == 'B' ? area.bottom - 2 : 2);
                if (step[0] == 'm')
                    SetCursor(LoadCursorA(nullptr, IDC_ARROW)); // as the pointer shows elsewhere
                step[0] == 'x'
                    ? (void)ReleaseCapture()
                    : (void)SendMessageA(link, step[0] == 'm' ? WM_MOUSEMOVE : WM_LBUTTONDOWN, 0, at);
            }
            std::string looks = std::string(GetCursor() == Hand() ? "hand" : "arrow") +
                                (GetCapture() == link ? ", held" : ", free") +
                                (SendMessageA(link, BM_GETSTATE, 0, 0) & BST_PUSHED ? ", down" : ", up");
            std::set<COLORREF> shown;
            const WindowDC dc(link);
            for (int i = 0; i < area.right * area.bottom; ++i)
                shown.insert(GetPixel(dc.Get(), i % area.right, i / area.right));
            for (const auto& [colour, label] : {std::pair(RGB(0, 0, 192), ", blue"),
                                                {RGB(255, 0, 0), ", red"},
                                                {RGB(192, 0, 192), ", purple"}})
                looks += shown.count(colour) ? label : "";
            EXPECT_EQ(looks, row.Seen) << row.Case;
        });
    }
}

// The display settings dialog on the bench's own screen (Xvfb, 1280 x 1024), where Wine's DirectDraw reports
// one device, without a GUID, and the screen's own size at 32, 16 and 8 bits per pixel.
class DisplayDialog : public ::testing::Test {
  protected:
    void SetUp() override { SKIP_UNLESS(OnTheBench(), "these expect the bench's screen and its one device"); }
    // Runs the dialog over a video file holding `stored` ("<absent>": none); gives how it ended.
    INT_PTR Run(const std::string& stored, const std::function<void(HWND)>& body) {
        DeleteFileA(file.c_str());
        if (stored != "<absent>")
            WriteContents(file, stored);
        DisplaySettingsDialog dialog(Context(), nullptr, game.Path);
        return RunModally(dialog, body);
    }
    GameFolderOnDisk game{"display"};
    const std::string file = game.Path + "Skv_Video.cfg";
};

// That device's records (16 zero bytes, index 0) at 1280 x 1024 and 32 or 16 bits, and the modes it lists.
const std::string Record32 = std::string(20, '\0') + "\0\5\0\0\0\4\0\0\x20\0\0\0"s,
                  Record16 = std::string(20, '\0') + "\0\5\0\0\0\4\0\0\x10\0\0\0"s,
                  Modes = "1280 * 1024 (32 bpp)|1280 * 1024 (16 bpp)|";

// The stored device, else the first; then the stored mode among that device's modes, else the first.
TEST_F(DisplayDialog, PreselectsTheStoredDeviceAndMode) {
    // Mode: the one selected.
    // clang-format off
    const struct { std::string Case, Stored; int Mode; } rows[] = {
        {"no file", "<absent>", 0}, {"the 16-bit mode", Record16, 1},
        {"a device no longer there: its mode all the same", std::string(16, 'G') + Record16.substr(16), 1},
        {"cut after the first byte of the bits per pixel", Record16.substr(0, 29), 1},
        {"a mode not offered, 640 x 480", std::string(20, '\0') + "\x80\2\0\0\xe0\1\0\0\x10\0\0\0"s, 0},
    };
    // clang-format on
    for (const auto& row : rows)
        Run(row.Stored, [&](HWND window) {
            EXPECT_EQ(Listed(window, SKV_ID_DEVICE_LIST), "DirectDraw HAL (display)|0") << row.Case;
            EXPECT_EQ(Listed(window, SKV_ID_MODE_LIST), Modes + std::to_string(row.Mode)) << row.Case;
        });
}

// OK replaces the file with exactly the record of the chosen device and mode; Cancel leaves it as it was.
TEST_F(DisplayDialog, OnlyOkWritesTheChoice) {
    for (const int button : {IDOK, IDCANCEL}) {
        const INT_PTR result = Run(Record16 + "more", [&](HWND window) {
            SendDlgItemMessageA(window, SKV_ID_MODE_LIST, CB_SETCURSEL, 0, 0);
            Click(window, button);
        });
        EXPECT_EQ(result, button);
        EXPECT_EQ(FileContents(file), button == IDOK ? Record32 : Record16 + "more");
    }
}

// Choosing a device again rebuilds its modes and keeps the chosen one.
TEST_F(DisplayDialog, RefillKeepsTheChosenMode) {
    Run("<absent>", [](HWND window) {
        SendDlgItemMessageA(window, SKV_ID_MODE_LIST, CB_SETCURSEL, 1, 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(SKV_ID_DEVICE_LIST, CBN_SELCHANGE),
                     LPARAM(GetDlgItem(window, SKV_ID_DEVICE_LIST)));
        EXPECT_EQ(Listed(window, SKV_ID_MODE_LIST), Modes + "1");
    });
}

// The width of the image in the icon or cursor resource that the system picks for its size of icons or
// cursors.
static std::string ResourceImageFor(int id, bool icon) {
    const int size = GetSystemMetrics(icon ? SM_CXICON : SM_CXCURSOR);
    HINSTANCE instance = Context().Instance();
    HRSRC group = FindResourceA(instance, MAKEINTRESOURCEA(id), icon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
    const int image = LookupIconIdFromDirectoryEx(
        static_cast<BYTE*>(LockResource(LoadResource(instance, group))), icon, size, size, LR_DEFAULTCOLOR);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(image), icon ? RT_ICON : RT_CURSOR);
    const BYTE* bits = static_cast<BYTE*>(LockResource(LoadResource(instance, found))) + (icon ? 0 : 4);
    return std::to_string(reinterpret_cast<const BITMAPINFOHEADER*>(bits)->biWidth);
}

// A bitmap's size as "WxH"; "0x0" without one.
static std::string SizeOf(HGDIOBJ bitmap) {
    BITMAP image{};
    GetObjectA(bitmap, sizeof image, &image);
    return std::to_string(image.bmWidth) + "x" + std::to_string(image.bmHeight);
}

// A control's picture.
static std::string PictureSize(HWND control) {
    return SizeOf(HGDIOBJ(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0)));
}

// What the main dialog shows at this program's scale: its banner's and logo's pictures, its small icon (in
// its title bar and on its taskbar button), and the images the launcher's icon and cursor hold for the sizes
// the system asks for.
static std::string Seen() {
    std::string seen;
    RunMainDialog([&](HWND window) {
        ICONINFO icon{}; // the launcher's icon has colours: its colour image has the icon's size
        GetIconInfo(HICON(SendMessageA(window, WM_GETICON, ICON_SMALL, 0)), &icon);
        const BitmapHandle colour(icon.hbmColor), mask(icon.hbmMask);
        seen = "banner " + PictureSize(GetWindow(window, GW_CHILD)) + ", logo " +
               PictureSize(GetDlgItem(window, SKV_ID_LOGO)) + ", small icon " + SizeOf(colour.Get());
    });
    return seen + ", icon " + ResourceImageFor(SKV_ICON_APP, true) + ", cursor " +
           ResourceImageFor(SKV_CUR_LINK, false);
}

// The dialogs at the display scales players use, each row what the main dialog shows there. The banner
// (313 x 38 dialog units) and the logo (55 x 16) fill their frames less their 1-pixel border: a dialog unit
// is a quarter of the dialog font's average width and an eighth of its height, 6 x 13 pixels at 96 DPI,
// 8 x 16 at 120 and 9 x 20 at 144 and 192, since "MS Sans Serif" has no larger size under Wine. The icon and
// the cursor hold an image of the size the system asks for: 32, 40, 48, 64 pixels for the icon, 32, 32, 48,
// 64 for the cursor; the small icon is half the icon's size. Wine takes the scale from LogPixels when a
// program starts, so this test runs again in a program of its own for each scale but 96, this program's
// own; that program also runs the group captions' test and, at 144, every test of the dialogs (main dialog,
// display settings, About box), which must behave as at 96. (What the launcher's manifest declares is
// checked with its imports.)
TEST(Dpi, PicturesFitAtEachScale) {
    // clang-format off
    const std::pair<DWORD, const char*> rows[] = {
        {96, "banner 468x60, logo 81x24, small icon 16x16, icon 32, cursor 32"},
        {120, "banner 624x74, logo 108x30, small icon 20x20, icon 40, cursor 32"},
        {144, "banner 702x93, logo 122x38, small icon 24x24, icon 48, cursor 48"},
        {192, "banner 702x93, logo 122x38, small icon 32x32, icon 64, cursor 64"},
    };
    // clang-format on
    const DWORD own = GetDeviceCaps(WindowDC(nullptr).Get(), LOGPIXELSY);
    const std::string asked = Variable("SKV_DPI"); // in the program of one scale
    ASSERT_TRUE(asked.empty() || own == DWORD(std::stoi(asked))) << "the scale taken: " << own;
    for (const auto& [dpi, seen] : rows)
        EXPECT_TRUE(dpi != own || Seen() == seen) << "at " << dpi << " DPI: " << Seen();
    if (!asked.empty())
        return;
    SKIP_UNLESS(UnixSideAtHand(), "the other scales, each in a test program of its own");
    const auto setScale = [](DWORD dpi) {
        SetValue(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, Dword(dpi));
        SetValue(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts",
                 "LogPixels", REG_DWORD, Dword(dpi));
    };
    for (const auto& [dpi, seen] : rows) {
        if (dpi == own)
            continue;
        setScale(dpi);
        const char* tests =
            dpi == 144 ? "Dpi.*:MainDialog.*:DisplayDialog.*:AboutLink.*" : "Dpi.*:*GroupCaptions*";
        EXPECT_EQ(RunAgain("SKV_DPI=" + std::to_string(dpi), tests, 120), 0)
            << "the tests at " << dpi << " DPI";
    }
    setScale(own);
}
