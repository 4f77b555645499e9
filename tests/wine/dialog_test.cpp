// The real main dialog in this process: the enabling rules, the sky labels, "Reset", the level menu, the
// window menu, the help button, the question of "Location...", the logo's cursor and the group captions.
#include "harness.h"

#include <commctrl.h>

#include "framework/application.h"
#include "ui/launcher_dialog.h"

using namespace harness;

namespace {

class MainDialog : public ::testing::Test {
  protected:
    void SetUp() override { CleanRegistry(); }
    // Runs a fresh dialog with `body`; it is ended without saving.
    void Run(const std::function<void(HWND)>& body) {
        LauncherDialog fresh;
        dialog = &fresh;
        RunModally(fresh, body);
    }
    LauncherDialog* dialog = nullptr;
};

TEST_F(MainDialog, DebugModeAndPreloadBotsEnableTheirControls) {
    const struct {
        const char* Clicks; // check boxes clicked in turn: D debug, B pre-load bots, G Grax
        bool Dependent, Species;
    } rows[] = {{"", false, false},     {"D", true, false},    {"DB", true, true},
                {"DBGD", false, false}, {"DBGDD", true, true}, {"DBGB", true, false}};
    for (const auto& row : rows)
        Run([&](HWND window) {
            for (const char* c = row.Clicks; *c; ++c)
                Click(window, *c == 'D' ? SKV_ID_DEBUG : *c == 'B' ? SKV_ID_LOAD_BOTS : SKV_ID_LOAD_GRAX);
            // Each option's control (a spin with its edit box) as its row says; all else stays enabled.
            for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                const int id = GetDlgCtrlID(child);
                Needs needs = Needs::Nothing;
                for (const Option& option : Options)
                    if (id == option.Id || (id == option.TextId && option.Kind == OptionKind::Spin))
                        needs = option.Enabled;
                EXPECT_EQ(IsWindowEnabled(child) != 0,
                          needs == Needs::Nothing || (needs == Needs::Debug ? row.Dependent : row.Species))
                    << "clicked \"" << row.Clicks << "\": " << Named(window, id);
            }
            // Disabling never changes a value.
            EXPECT_EQ(Shown(window, Options[2]), std::string(row.Clicks).find('G') != std::string::npos);
        });
}

TEST_F(MainDialog, SkyLabelsFollowTheirTrackbarsOnEveryNotification) {
    Run([&](HWND window) {
        int position = 0;
        for (int code : {TB_THUMBTRACK, TB_LINEDOWN, TB_PAGEUP, TB_THUMBPOSITION, TB_ENDTRACK, TB_BOTTOM})
            for (const Option& slider : {Options[23], Options[24], Options[25]}) {
                HWND control = GetDlgItem(window, slider.Id);
                SendMessageA(control, TBM_SETPOS, TRUE, position = (position + 37) % 256);
                SendMessageA(window, WM_HSCROLL, code, reinterpret_cast<LPARAM>(control));
                EXPECT_EQ(Text(window, slider.TextId), std::to_string(position))
                    << slider.Name << ", code " << code;
            }
    });
}

TEST_F(MainDialog, ResetShowsTheDefaultsAndStoresNothing) {
    Run([&](HWND window) {
        Type(window,
             "Debug=1 LoadBots=1 LoadGrax=1 LoadTolmen=1 LoadVastor=1 LoadKolvane=1 LoadHurgrax=1 "
             "LoadHurok=1 LoadZimmit=1 ShowFPS=1 ShowPolycount=1 WireFrame=2 VerboseText=1 Crouchmode=1 "
             "Dopplershift=1 Extrapolation=1 AllWeapons=1 GodMode=1 AddLight=1 TrackerVolume=5 "
             "TrackerSpeed=9 TimeScale=abc LeanScale=1 SkyRed=1 SkyGreen=2 SkyBlue=3");
        SendMessageA(window, WM_COMMAND, 32790, 0);
        Click(window, SKV_ID_RESET);
        ExpectShown(window, "");
        for (const Option& option : Options)
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(window, option.Id)) != 0, option.Enabled == Needs::Nothing)
                << option.Name;
        EXPECT_EQ(dialog->LevelCommand, 32790u) << "the level is not reset";
    });
    EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, ProfileKey), 0);
}

// The menu of levels, read while it is open: its submenus, the item with the check mark and the default
// item; the commands must run from the first level to "No Level" in menu order.
std::string LevelMenu(HWND dialog) {
    std::string submenus;
    UINT next = FirstLevelCommand, checked = 0, fallback = 0;
    const std::function<void(HMENU)> walk = [&](HMENU popup) {
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            char label[32] = {};
            GetMenuStringA(popup, i, label, sizeof label, MF_BYPOSITION);
            if (HMENU submenu = GetSubMenu(popup, i)) {
                submenus += label + std::string(" ");
                walk(submenu);
            } else if (UINT id = GetMenuItemID(popup, i); id != 0) {
                EXPECT_EQ(id, next++) << label;
                checked = GetMenuState(popup, i, MF_BYPOSITION) & MF_CHECKED ? id : checked;
            }
        }
    };
    WhenOpen([](HWND) { return true; },
             [&](HWND menu) {
                 HMENU popup = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
                 walk(popup);
                 fallback = GetMenuDefaultItem(popup, FALSE, 0);
                 EndMenu();
             });
    Click(dialog, SKV_ID_LEVEL);
    EXPECT_EQ(next, NoLevelCommand + 1);
    return submenus + "| checked " + std::to_string(checked) + " | default " + std::to_string(fallback);
}

TEST_F(MainDialog, LevelMenuMarksTheChosenLevel) {
    Run([&](HWND window) {
        const std::string submenus = "Grax Vastor Hurok Deathmatch Coop | checked ";
        EXPECT_EQ(LevelMenu(window), submenus + "32813 | default 32813");
        SendMessageA(window, WM_COMMAND, 32773, 0); // as the menu sends a pick
        EXPECT_EQ(LevelMenu(window), submenus + "32773 | default 32813");
        EXPECT_EQ(dialog->LevelCommand, 32773u) << "a menu closed without a pick changes nothing";
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(32813, 1), 0); // from anywhere, with any code
        SendMessageA(window, WM_COMMAND, 32814, 0);
        EXPECT_EQ(dialog->LevelCommand, 32813u);
    });
}

TEST_F(MainDialog, WindowMenuHelpLocationLogoAndGroupCaptions) {
    Run([&](HWND window) {
        HMENU menu = GetSystemMenu(window, FALSE);
        const int count = GetMenuItemCount(menu);
        char label[32] = {};
        GetMenuStringA(menu, count - 1, label, sizeof label, MF_BYPOSITION);
        EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_EQ(label + std::string(" ") + std::to_string(GetMenuItemID(menu, count - 1)), "&About... 16");

        // The window menu's item (its low four bits ignored) and the button open the same About box.
        std::vector<std::string> about;
        for (int way = 0; way < 2; ++way) {
            WhenOpen([](HWND) { return true; },
                     [&](HWND box) {
                         char title[64] = {};
                         GetWindowTextA(box, title, sizeof title);
                         about.push_back(title + ("|" + Text(box, SKV_ID_LOGO)));
                         Click(box, IDOK);
                     });
            if (way == 0)
                SendMessageA(window, WM_SYSCOMMAND, SKV_SYSCMD_ABOUT | 0xF, 0);
            else
                Click(window, SKV_ID_ABOUT);
        }
        EXPECT_EQ(about,
                  std::vector<std::string>(2, "Program information|http://www.harbeck-games.example/"));

        EXPECT_EQ(Boxes([&] { SendMessageA(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }),
                  std::vector<std::string>{
                      "Sorry, there's no Help file available in this BETA version :) (information: OK)"});
        // "Location..." asks first, naming the game's folder as held (answered here with neither Yes nor No).
        GameFolder = "C:\\Games\\Skarnvale\\";
        EXPECT_EQ(
            Boxes([&] { Click(window, SKV_ID_LOCATION); }),
            std::vector<std::string>{
                "The Current Path is: C:\\Games\\Skarnvale\\\nDo you want to change it? (question: Yes/No)"});

        // The pointing hand over the logo only.
        const HCURSOR hand = LoadCursorA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK));
        for (int id : {SKV_ID_LOGO, IDOK}) {
            SetCursor(nullptr);
            SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(GetDlgItem(window, id)),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor() == hand, id == SKV_ID_LOGO) << Named(window, id);
        }

        // Bold navy captions on the seven group boxes, nowhere else.
        HDC dc = CreateCompatibleDC(nullptr);
        for (int id = SKV_ID_GROUP_COMMANDLINE - 2; id <= SKV_ID_GROUP_SKY + 1; ++id) {
            HWND control = GetDlgItem(window, id);
            LOGFONTA font{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
            SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control));
            const bool group = id >= SKV_ID_GROUP_COMMANDLINE && id <= SKV_ID_GROUP_SKY;
            EXPECT_EQ(font.lfWeight == FW_BOLD, group) << Named(window, id);
            EXPECT_EQ(GetTextColor(dc) == RGB(0, 0, 128), group) << Named(window, id);
        }
        DeleteDC(dc);
    });
}

} // namespace
