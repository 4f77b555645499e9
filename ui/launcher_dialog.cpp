#include "ui/launcher_dialog.h"

#include <commctrl.h>

#include <array>
#include <utility>

#include "handoff/game_start.h"
#include "levels/level_table.h"
#include "res/resource.h"
#include "settings/profile.h"
#include "ui/about_dialog.h"
#include "ui/display_settings_dialog.h"
#include "ui/level_menu.h"
#include "ui/scaled_pictures.h"
#include "ui/web_links.h"

namespace {
// Controls usable only in debug mode, in the order they are switched.
constexpr std::array<int, 17> DebugDependentControls = {
    SKV_ID_LOAD_BOTS, SKV_ID_SHOW_FPS,  SKV_ID_SHOW_POLYCOUNT, SKV_ID_WIREFRAME,  SKV_ID_SKY_RED,
    SKV_ID_SKY_GREEN, SKV_ID_SKY_BLUE,  SKV_ID_DOPPLERSHIFT,   SKV_ID_SPEED_SPIN, SKV_ID_SPEED_EDIT,
    SKV_ID_TIME_SPIN, SKV_ID_TIME_EDIT, SKV_ID_LEAN_SPIN,      SKV_ID_LEAN_EDIT,  SKV_ID_ALL_WEAPONS,
    SKV_ID_GOD_MODE,  SKV_ID_ADD_LIGHT};

// Species check boxes, usable only with both debug mode and bot pre-loading.
constexpr std::array<int, 7> SpeciesControls = {SKV_ID_LOAD_GRAX,    SKV_ID_LOAD_TOLMEN,  SKV_ID_LOAD_VASTOR,
                                                SKV_ID_LOAD_KOLVANE, SKV_ID_LOAD_HURGRAX, SKV_ID_LOAD_HUROK,
                                                SKV_ID_LOAD_ZIMMIT};

constexpr COLORREF GroupCaptionColor = RGB(0, 0, 128);

bool IsGroupBox(int id) {
    return id >= SKV_ID_GROUP_COMMANDLINE && id <= SKV_ID_GROUP_SKY;
}

// The value labels show their trackbars' defaults until UpdateSkyLabels first runs.
std::map<int, std::string> DefaultLabelTexts() {
    std::map<int, std::string> texts;
    for (const LauncherOption& option : LauncherOptions)
        if (option.Control == ControlKind::Trackbar)
            texts[option.TextId] = std::to_string(option.Default);
    return texts;
}
} // namespace

LauncherDialog::LauncherDialog(AppContext& context, GameLocation& location,
                               LocationPlatform& locationPlatform, std::string profileKey)
    : Dialog(context, SKV_DLG_MAIN, nullptr), location_(location), locationPlatform_(locationPlatform),
      profileKey_(std::move(profileKey)), labelTexts_(DefaultLabelTexts()),
      windowIcon_(LoadIconA(context.Instance(), MAKEINTRESOURCEA(SKV_ICON_APP))) {}

LauncherDialog::~LauncherDialog() = default;

const MessageMap* LauncherDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MAP_MESSAGE(WM_SYSCOMMAND, LauncherDialog::OnSysCommand),
        MAP_MESSAGE(WM_PAINT, LauncherDialog::OnPaint),
        MAP_MESSAGE(WM_QUERYDRAGICON, LauncherDialog::OnQueryDragIcon),
        MAP_COMMAND(SKV_ID_RESET, LauncherDialog::ResetSettings),
        MAP_COMMAND(SKV_ID_ABOUT, LauncherDialog::ShowAboutBox),
        MAP_COMMAND(SKV_ID_LOGO, LauncherDialog::OpenWebSite),
        MAP_COMMAND(SKV_ID_DEBUG, LauncherDialog::OnDebugMode),
        MAP_COMMAND(SKV_ID_LOAD_BOTS, LauncherDialog::OnPreloadBots),
        MAP_MESSAGE(WM_SETCURSOR, LauncherDialog::OnSetCursor),
        MAP_MESSAGE(WM_CTLCOLORMSGBOX, LauncherDialog::OnCtlColor),
        MAP_MESSAGE(WM_CTLCOLOREDIT, LauncherDialog::OnCtlColor),
        MAP_MESSAGE(WM_CTLCOLORLISTBOX, LauncherDialog::OnCtlColor),
        MAP_MESSAGE(WM_CTLCOLORBTN, LauncherDialog::OnCtlColor),
        MAP_MESSAGE(WM_CTLCOLORDLG, LauncherDialog::OnCtlColor),
        MAP_MESSAGE(WM_CTLCOLORSCROLLBAR, LauncherDialog::OnCtlColor),
        MAP_MESSAGE(WM_CTLCOLORSTATIC, LauncherDialog::OnCtlColor),
        MAP_MESSAGE(WM_HSCROLL, LauncherDialog::OnHScroll),
        MAP_COMMAND(SKV_ID_BUG_REPORT, LauncherDialog::OpenBugReport),
        MAP_COMMAND(SKV_ID_DISPLAY, LauncherDialog::ShowDisplaySettings),
        MAP_COMMAND(SKV_ID_LEVEL, LauncherDialog::ShowLevelMenu),
        MAP_COMMAND(SKV_ID_LOCATION, LauncherDialog::ChangeGameLocation),
    };
    static const MessageMap map{Dialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

// Every command of the dialog passes the level filter before its normal routing.
bool LauncherDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    FilterLevelCommand(LOWORD(wParam));
    return RouteCommand(wParam, lParam);
}

void LauncherDialog::OnOK() {
    StartGame();
}

void LauncherDialog::OnCancel() {
    CloseLauncher();
}

// The numeric options live in their controls: read at the moments the options are used, written only by
// loading and "Reset" (ShowNumericOptions).
void LauncherDialog::DoDataExchange(DataExchange& exchange) {
    for (const LauncherOption& option : LauncherOptions) {
        int32_t& value = settings_.*option.Field;
        switch (option.Control) {
        case ControlKind::CheckBox:
            exchange.Check(option.ControlId, value);
            break;
        case ControlKind::List:
            exchange.ComboIndex(option.ControlId, value);
            break;
        case ControlKind::UpDown:
            exchange.Reading(option.ControlId, UDM_GETPOS, value);
            break;
        case ControlKind::Trackbar:
            exchange.Text(option.TextId, labelTexts_[option.TextId]);
            exchange.Reading(option.ControlId, TBM_GETPOS, value);
            break;
        }
    }
}

BOOL LauncherDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    Context().SetMainWindow(Handle());

    if (HMENU windowMenu = GetSystemMenu(Handle(), FALSE)) {
        std::string aboutItem = Context().ResourceString(SKV_STR_ABOUT_ITEM);
        if (!aboutItem.empty()) {
            AppendMenuA(windowMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(windowMenu, MF_STRING, SKV_SYSCMD_ABOUT, aboutItem.c_str());
        }
    }
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowIcon_));
    // Without a small icon of its own the system shrinks the big one, and the icon's small art never shows.
    smallIcon_.Reset(static_cast<HICON>(LoadImageA(Context().Instance(), MAKEINTRESOURCEA(SKV_ICON_APP),
                                                   IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
    SetGroupCaptionFont();
    FitPicturesToFrames();

    SetNumericRanges();
    settings_ = LoadSettings(profileKey_);
    ShowNumericOptions();
    UpdateData(false);
    UpdateSkyLabels();
    OnDebugMode();
    return TRUE;
}

// Captions in the size of the dialog's own text: where the display's scale gives the GUI font another size
// than the dialog's font, the dialog's font itself is made bold. (It also stays bold where a system draws
// the GUI font's bold face no heavier than its regular one, as Wine's does.) Without a font of their own
// the group boxes keep the dialog's.
void LauncherDialog::SetGroupCaptionFont() {
    LOGFONTA description{};
    if (HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT)) {
        GetObjectA(guiFont, sizeof description, &description);
        LOGFONTA dialogFont{};
        if (GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)), sizeof dialogFont,
                       &dialogFont) &&
            dialogFont.lfHeight != description.lfHeight)
            description = dialogFont;
        description.lfWeight = FW_BOLD;
        groupBoxFont_.Reset(CreateFontIndirectA(&description));
    }
    if (groupBoxFont_)
        for (int id = SKV_ID_GROUP_COMMANDLINE; id <= SKV_ID_GROUP_SKY; ++id)
            SendDlgItemMessageA(Handle(), id, WM_SETFONT, reinterpret_cast<WPARAM>(groupBoxFont_.Get()),
                                TRUE);
}

void LauncherDialog::SetNumericRanges() {
    for (const LauncherOption& option : LauncherOptions) {
        if (option.Control == ControlKind::Trackbar) {
            SendDlgItemMessageA(Handle(), option.ControlId, TBM_SETRANGEMIN, FALSE, option.Min);
            SendDlgItemMessageA(Handle(), option.ControlId, TBM_SETRANGEMAX, FALSE, option.Max);
        } else if (option.Control == ControlKind::UpDown) {
            SendDlgItemMessageA(Handle(), option.ControlId, UDM_SETRANGE, 0,
                                MAKELPARAM(option.Max, option.Min));
        }
    }
}

void LauncherDialog::ShowNumericOptions() {
    for (const LauncherOption& option : LauncherOptions) {
        const int32_t position = settings_.*option.Field;
        if (option.Control == ControlKind::Trackbar)
            SendDlgItemMessageA(Handle(), option.ControlId, TBM_SETPOS, TRUE, position);
        else if (option.Control == ControlKind::UpDown)
            SendDlgItemMessageA(Handle(), option.ControlId, UDM_SETPOS, 0, MAKELPARAM(position, 0));
    }
}

// "Start": the options are kept before anything can fail, so they survive a game that does not start.
void LauncherDialog::StartGame() {
    UpdateData(true);
    SaveSettings(profileKey_, settings_);
    if (HandOverToGame(Context(), Handle(), location_.ExePath, location_.Folder, settings_, levelCommand_))
        Dialog::OnOK();
}

// "Close", Esc and the close box keep the options and start nothing.
void LauncherDialog::CloseLauncher() {
    UpdateData(true);
    SaveSettings(profileKey_, settings_);
    EndDialog(IDCANCEL);
}

// Puts the defaults on screen; they reach the profile only with the next "Start" or "Close".
void LauncherDialog::ResetSettings() {
    settings_ = LauncherSettings();
    UpdateData(false);
    ShowNumericOptions();
    UpdateSkyLabels();
    OnDebugMode();
}

// Built anew on every click; a pick arrives later as a WM_COMMAND, which FilterLevelCommand notes.
void LauncherDialog::ShowLevelMenu() {
    ::ShowLevelMenu(Context().Instance(), Handle(), Item(SKV_ID_LEVEL), levelCommand_);
}

// Any level-menu id, from the menu or from anywhere else, becomes the chosen level, whatever the
// notification code.
void LauncherDialog::FilterLevelCommand(UINT id) {
    if (IsLevelMenuCommand(id))
        levelCommand_ = id;
}

void LauncherDialog::ChangeGameLocation() {
    ::ChangeGameLocation(locationPlatform_, location_);
}

void LauncherDialog::ShowDisplaySettings() {
    ::ShowDisplaySettings(Context(), Handle(), location_.Folder);
}

void LauncherDialog::ShowAboutBox() {
    ::ShowAboutBox(Context(), Handle());
}

void LauncherDialog::OpenWebSite() {
    ::OpenWebSite(Context());
}

void LauncherDialog::OpenBugReport() {
    ::OpenBugReport(Context());
}

// The banner and the logo fill their frames at the display's scale.
void LauncherDialog::FitPicturesToFrames() {
    bannerPicture_ =
        FitPictureToFrame(Context().Instance(), Handle(), GetWindow(Handle(), GW_CHILD), // the first
                          PictureFrame{SKV_FRAME_BANNER}, SKV_BMP_BANNER_LARGE);
    logoPicture_ = FitPictureToFrame(Context().Instance(), Handle(), Item(SKV_ID_LOGO),
                                     PictureFrame{SKV_FRAME_LOGO}, SKV_BMP_LOGO_LARGE);
}

void LauncherDialog::OnDebugMode() {
    UpdateData(true);
    for (int id : DebugDependentControls)
        EnableWindow(Item(id), settings_.Debug != 0);
    OnPreloadBots();
}

void LauncherDialog::OnPreloadBots() {
    UpdateData(true);
    bool enable = settings_.LoadBots != 0 && settings_.Debug != 0;
    for (int id : SpeciesControls)
        EnableWindow(Item(id), enable);
}

// The first exchange reads the trackbars' positions into the record, the second shows them in the labels.
void LauncherDialog::UpdateSkyLabels() {
    UpdateData(true);
    for (const LauncherOption& option : LauncherOptions)
        if (option.Control == ControlKind::Trackbar)
            labelTexts_[option.TextId] = std::to_string(settings_.*option.Field);
    UpdateData(false);
}

std::optional<LRESULT> LauncherDialog::OnSysCommand(const Message& message) {
    switch (message.WParam & 0xFFF0) {
    case SKV_SYSCMD_ABOUT:
        ShowAboutBox();
        return 0;
    case SC_CONTEXTHELP:
        Context().ShowMessage("Sorry, there's no Help file available in this BETA version :)",
                              MB_OK | MB_ICONINFORMATION);
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> LauncherDialog::OnPaint(const Message&) {
    if (!IsIconic(Handle()))
        return std::nullopt;
    PaintScope paint(Handle());
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.Get()), 0);
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(Handle(), &client);
    int x = (client.right - client.left - iconWidth + 1) / 2;
    int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(paint.Get(), x, y, windowIcon_);
    return 0;
}

std::optional<LRESULT> LauncherDialog::OnQueryDragIcon(const Message&) {
    return reinterpret_cast<LRESULT>(windowIcon_);
}

std::optional<LRESULT> LauncherDialog::OnSetCursor(const Message& message) {
    if (reinterpret_cast<HWND>(message.WParam) != Item(SKV_ID_LOGO))
        return std::nullopt;
    SetCursor(LoadCursorA(Context().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK)));
    return TRUE;
}

std::optional<LRESULT> LauncherDialog::OnCtlColor(const Message& message) {
    LRESULT brush = DefaultControlColor(message);
    auto control = reinterpret_cast<HWND>(message.LParam);
    if (GetParent(control) == Handle() && IsGroupBox(GetDlgCtrlID(control)))
        SetTextColor(reinterpret_cast<HDC>(message.WParam), GroupCaptionColor);
    return brush;
}

std::optional<LRESULT> LauncherDialog::OnHScroll(const Message& message) {
    auto source = reinterpret_cast<HWND>(message.LParam);
    for (const LauncherOption& option : LauncherOptions)
        if (option.Control == ControlKind::Trackbar && source == Item(option.ControlId))
            UpdateSkyLabels();
    return 0;
}
