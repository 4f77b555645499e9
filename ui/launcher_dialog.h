// The launcher's main dialog: every option, the level choice and every command.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/dialog.h"
#include "framework/handles.h"
#include "levels/level_table.h"
#include "settings/launcher_settings.h"

class LauncherDialog : public Dialog {
  public:
    LauncherDialog();
    ~LauncherDialog() override;

    // Control objects of the numeric options, attached by the first data exchange.
    TrackbarControl SkyRedSlider, SkyGreenSlider, SkyBlueSlider;
    UpDownControl TrackerVolumeSpin, TimeScaleSpin, TrackerSpeedSpin, LeanScaleSpin;
    // The switch and mode fields of the option record.
    LauncherSettings Settings;
    // Texts of the sky value labels.
    std::string SkyBlueText = "60", SkyGreenText = "50", SkyRedText = "50";
    HICON WindowIcon;
    // The banner and the logo drawn for this display's scale, when it is not the one their bitmaps were
    // drawn for; shown by their controls, which do not free them.
    BitmapHandle BannerPicture, LogoPicture;
    // The chosen level as a level-menu command; never stored, so every run starts with "No Level".
    uint32_t LevelCommand = NoLevelCommand;

    // A numeric option as its control holds it: an up-down's whole UDM_GETPOS reply (error flag in the
    // high word) or a trackbar's position; and the same written back.
    int32_t ReadNumericOption(NumericOption option) const;
    void WriteNumericOption(NumericOption option, int32_t value);

    // Enabling of the controls that depend on " Debug mode " and " Pre-load Bots: ".
    void OnDebugMode();
    void OnPreloadBots();
    // The three sky value labels show their trackbars' positions.
    void UpdateSkyLabels();
    // The banner and the logo fill their frames at the display's scale.
    void FitPicturesToFrames();

    // Options and the profile (settings/).
    void LoadSettings();
    void SaveSettings();
    void ResetSettings();
    // The level menu (levels/).
    void ShowLevelMenu();
    bool FilterLevelCommand(WPARAM wParam, LPARAM lParam);
    // Handing the options to the game (handoff/).
    void StartGame();
    void CloseLauncher();
    bool WriteStartupConfig();
    // "Location...".
    void ChangeGameLocation();
    // "Display...", "About...", the logo and "Bug report..." (ui/).
    void ShowDisplaySettings();
    void ShowAboutBox();
    void OpenWebSite();
    void OpenBugReport();

  protected:
    const MessageMap* GetMessageMap() const override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(DataExchange& exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    std::optional<LRESULT> OnSysCommand(const Message& message);
    std::optional<LRESULT> OnPaint(const Message& message);
    std::optional<LRESULT> OnQueryDragIcon(const Message& message);
    std::optional<LRESULT> OnSetCursor(const Message& message);
    std::optional<LRESULT> OnCtlColor(const Message& message);
    std::optional<LRESULT> OnHScroll(const Message& message);
};
