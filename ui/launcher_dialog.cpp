#include "ui/launcher_dialog.h"

#include <commctrl.h>

#include <array>

#include "app/game_location.h"
#include "app/launcher_app.h"
#include "app/windows_location_platform.h"
#include "framework/application.h"
#include "framework/handles.h"
#include "res/resource.h"

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
} // namespace

LauncherDialog::LauncherDialog()
    : Dialog(SKV_DLG_MAIN, nullptr),
      WindowIcon(LoadIconA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_ICON_APP))) {}

LauncherDialog::~LauncherDialog() = default;

const MessageMap* LauncherDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        SKV_ON_MESSAGE(WM_SYSCOMMAND, LauncherDialog::OnSysCommand),
        SKV_ON_MESSAGE(WM_PAINT, LauncherDialog::OnPaint),
        SKV_ON_MESSAGE(WM_QUERYDRAGICON, LauncherDialog::OnQueryDragIcon),
        SKV_ON_COMMAND(SKV_ID_RESET, LauncherDialog::ResetSettings),
        SKV_ON_COMMAND(SKV_ID_ABOUT, LauncherDialog::ShowAboutBox),
        SKV_ON_COMMAND(SKV_ID_LOGO, LauncherDialog::OpenWebSite),
        SKV_ON_COMMAND(SKV_ID_DEBUG, LauncherDialog::OnDebugMode),
        SKV_ON_COMMAND(SKV_ID_LOAD_BOTS, LauncherDialog::OnPreloadBots),
        SKV_ON_MESSAGE(WM_SETCURSOR, LauncherDialog::OnSetCursor),
        SKV_ON_MESSAGE(WM_CTLCOLORMSGBOX, LauncherDialog::OnCtlColor),
        SKV_ON_MESSAGE(WM_CTLCOLOREDIT, LauncherDialog::OnCtlColor),
        SKV_ON_MESSAGE(WM_CTLCOLORLISTBOX, LauncherDialog::OnCtlColor),
        SKV_ON_MESSAGE(WM_CTLCOLORBTN, LauncherDialog::OnCtlColor),
        SKV_ON_MESSAGE(WM_CTLCOLORDLG, LauncherDialog::OnCtlColor),
        SKV_ON_MESSAGE(WM_CTLCOLORSCROLLBAR, LauncherDialog::OnCtlColor),
        SKV_ON_MESSAGE(WM_CTLCOLORSTATIC, LauncherDialog::OnCtlColor),
        SKV_ON_MESSAGE(WM_HSCROLL, LauncherDialog::OnHScroll),
        SKV_ON_COMMAND(SKV_ID_BUG_REPORT, LauncherDialog::OpenBugReport),
        SKV_ON_COMMAND(SKV_ID_DISPLAY, LauncherDialog::ShowDisplaySettings),
        SKV_ON_COMMAND(SKV_ID_LEVEL, LauncherDialog::ShowLevelMenu),
        SKV_ON_COMMAND(SKV_ID_LOCATION, LauncherDialog::ChangeGameLocation),
    };
    static const MessageMap map{Dialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

bool LauncherDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    return FilterLevelCommand(wParam, lParam);
}

void LauncherDialog::OnOK() {
    StartGame();
}

void LauncherDialog::OnCancel() {
    CloseLauncher();
}

void LauncherDialog::DoDataExchange(DataExchange& exchange) {
    exchange.Attach(SKV_ID_SKY_RED, SkyRedSlider);
    exchange.Attach(SKV_ID_SKY_GREEN, SkyGreenSlider);
    exchange.Attach(SKV_ID_SKY_BLUE, SkyBlueSlider);
    exchange.Attach(SKV_ID_VOLUME_SPIN, TrackerVolumeSpin);
    exchange.Attach(SKV_ID_TIME_SPIN, TimeScaleSpin);
    exchange.Attach(SKV_ID_SPEED_SPIN, TrackerSpeedSpin);
    exchange.Attach(SKV_ID_LEAN_SPIN, LeanScaleSpin);
    exchange.Check(SKV_ID_DEBUG, Settings.Debug);
    exchange.Check(SKV_ID_LOAD_BOTS, Settings.LoadBots);
    exchange.Check(SKV_ID_LOAD_GRAX, Settings.LoadGrax);
    exchange.Check(SKV_ID_LOAD_TOLMEN, Settings.LoadTolmen);
    exchange.Check(SKV_ID_LOAD_VASTOR, Settings.LoadVastor);
    exchange.Check(SKV_ID_LOAD_KOLVANE, Settings.LoadKolvane);
    exchange.Check(SKV_ID_LOAD_HURGRAX, Settings.LoadHurgrax);
    exchange.Check(SKV_ID_LOAD_HUROK, Settings.LoadHurok);
    exchange.Check(SKV_ID_LOAD_ZIMMIT, Settings.LoadZimmit);
    exchange.Check(SKV_ID_SHOW_FPS, Settings.ShowFPS);
    exchange.Check(SKV_ID_SHOW_POLYCOUNT, Settings.ShowPolycount);
    exchange.ComboIndex(SKV_ID_WIREFRAME, Settings.WireFrame);
    exchange.Check(SKV_ID_VERBOSE_TEXT, Settings.VerboseText);
    exchange.Check(SKV_ID_CROUCHMODE, Settings.Crouchmode);
    exchange.Check(SKV_ID_DOPPLERSHIFT, Settings.Dopplershift);
    exchange.Check(SKV_ID_EXTRAPOLATION, Settings.Extrapolation);
    exchange.Check(SKV_ID_ALL_WEAPONS, Settings.AllWeapons);
    exchange.Check(SKV_ID_GOD_MODE, Settings.GodMode);
    exchange.Check(SKV_ID_ADD_LIGHT, Settings.AddLight);
    exchange.Text(SKV_ID_SKY_BLUE_LABEL, SkyBlueText);
    exchange.Text(SKV_ID_SKY_GREEN_LABEL, SkyGreenText);
    exchange.Text(SKV_ID_SKY_RED_LABEL, SkyRedText);
}

BOOL LauncherDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    Application::Current().SetMainWindow(Handle());

    if (HMENU windowMenu = GetSystemMenu(Handle(), FALSE)) {
        std::string aboutItem = LoadResourceString(SKV_STR_ABOUT_ITEM);
        if (!aboutItem.empty()) {
            AppendMenuA(windowMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(windowMenu, MF_STRING, SKV_SYSCMD_ABOUT, aboutItem.c_str());
        }
    }

    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(WindowIcon));

    LOGFONTA description{};
    if (HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT)) {
        GetObjectA(guiFont, sizeof description, &description);
        // Captions in the size of the dialog's own text: where the display's scale gives the GUI font another
        // size than the dialog's font, the dialog's font itself is made bold. (It also stays bold where a
        // system draws the GUI font's bold face no heavier than its regular one, as Wine's does.)
        LOGFONTA dialogFont{};
        if (GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)), sizeof dialogFont,
                       &dialogFont) &&
            dialogFont.lfHeight != description.lfHeight)
            description = dialogFont;
        description.lfWeight = FW_BOLD;
        GroupBoxFont.Reset(CreateFontIndirectA(&description));
    }
    if (GroupBoxFont)
        for (int id = SKV_ID_GROUP_COMMANDLINE; id <= SKV_ID_GROUP_SKY; ++id)
            SendDlgItemMessageA(Handle(), id, WM_SETFONT, reinterpret_cast<WPARAM>(GroupBoxFont.Get()), TRUE);

    FitPicturesToFrames();

    for (TrackbarControl* slider : {&SkyRedSlider, &SkyGreenSlider, &SkyBlueSlider}) {
        slider->SetRangeMin(SkyMin, false);
        slider->SetRangeMax(SkyMax, false);
    }
    SkyRedSlider.SetPos(SkyRedDefault);
    SkyGreenSlider.SetPos(SkyGreenDefault);
    SkyBlueSlider.SetPos(SkyBlueDefault);

    TrackerVolumeSpin.SetRange(TrackerVolumeMin, TrackerVolumeMax);
    TrackerVolumeSpin.SetPos(TrackerVolumeDefault);
    TrackerSpeedSpin.SetRange(TrackerSpeedMin, TrackerSpeedMax);
    TrackerSpeedSpin.SetPos(TrackerSpeedDefault);
    TimeScaleSpin.SetRange(TimeScaleMin, TimeScaleMax);
    TimeScaleSpin.SetPos(TimeScaleDefault);
    LeanScaleSpin.SetRange(LeanScaleMin, LeanScaleMax);
    LeanScaleSpin.SetPos(LeanScaleDefault);

    LoadSettings();
    UpdateData(false);
    UpdateSkyLabels();
    OnDebugMode();
    return TRUE;
}

int32_t LauncherDialog::ReadNumericOption(NumericOption option) const {
    switch (option) {
    case NumericOption::TrackerVolume:
        return static_cast<int32_t>(TrackerVolumeSpin.GetPos());
    case NumericOption::TrackerSpeed:
        return static_cast<int32_t>(TrackerSpeedSpin.GetPos());
    case NumericOption::TimeScale:
        return static_cast<int32_t>(TimeScaleSpin.GetPos());
    case NumericOption::LeanScale:
        return static_cast<int32_t>(LeanScaleSpin.GetPos());
    case NumericOption::SkyRed:
        return SkyRedSlider.GetPos();
    case NumericOption::SkyGreen:
        return SkyGreenSlider.GetPos();
    case NumericOption::SkyBlue:
        return SkyBlueSlider.GetPos();
    }
    return 0;
}

void LauncherDialog::WriteNumericOption(NumericOption option, int32_t value) {
    switch (option) {
    case NumericOption::TrackerVolume:
        return TrackerVolumeSpin.SetPos(value);
    case NumericOption::TrackerSpeed:
        return TrackerSpeedSpin.SetPos(value);
    case NumericOption::TimeScale:
        return TimeScaleSpin.SetPos(value);
    case NumericOption::LeanScale:
        return LeanScaleSpin.SetPos(value);
    case NumericOption::SkyRed:
        return SkyRedSlider.SetPos(value);
    case NumericOption::SkyGreen:
        return SkyGreenSlider.SetPos(value);
    case NumericOption::SkyBlue:
        return SkyBlueSlider.SetPos(value);
    }
}

void LauncherDialog::OnDebugMode() {
    UpdateData(true);
    for (int id : DebugDependentControls)
        EnableWindow(Item(id), Settings.Debug != 0);
    OnPreloadBots();
}

void LauncherDialog::OnPreloadBots() {
    UpdateData(true);
    bool enable = Settings.LoadBots != 0 && Settings.Debug != 0;
    for (int id : SpeciesControls)
        EnableWindow(Item(id), enable);
}

void LauncherDialog::UpdateSkyLabels() {
    UpdateData(true);
    SkyRedText = std::to_string(SkyRedSlider.GetPos());
    SkyGreenText = std::to_string(SkyGreenSlider.GetPos());
    SkyBlueText = std::to_string(SkyBlueSlider.GetPos());
    UpdateData(false);
}

void LauncherDialog::ChangeGameLocation() {
    WindowsLocationPlatform platform;
    ::ChangeGameLocation(platform, GameExePath, GameFolder);
}

std::optional<LRESULT> LauncherDialog::OnSysCommand(const Message& message) {
    switch (message.WParam & 0xFFF0) {
    case SKV_SYSCMD_ABOUT:
        ShowAboutBox();
        return 0;
    case SC_CONTEXTHELP:
        AppMessageBox("Sorry, there's no Help file available in this BETA version :)",
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
    DrawIcon(paint.Get(), x, y, WindowIcon);
    return 0;
}

std::optional<LRESULT> LauncherDialog::OnQueryDragIcon(const Message&) {
    return reinterpret_cast<LRESULT>(WindowIcon);
}

std::optional<LRESULT> LauncherDialog::OnSetCursor(const Message& message) {
    if (reinterpret_cast<HWND>(message.WParam) != Item(SKV_ID_LOGO))
        return std::nullopt;
    SetCursor(LoadCursorA(Application::Current().Instance(), MAKEINTRESOURCEA(SKV_CUR_LINK)));
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
    if (source == SkyRedSlider.Handle() || source == SkyGreenSlider.Handle() ||
        source == SkyBlueSlider.Handle())
        UpdateSkyLabels();
    return 0;
}
