// The launcher's main dialog: every option, the level choice and every command. It does the window's work
// and hands each command to the subsystem that owns its subject.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "framework/dialog.h"
#include "framework/handles.h"
#include "location/game_location.h"
#include "res/resource.h"
#include "settings/launcher_settings.h"

class LauncherDialog : public Dialog {
  public:
    // The location is the application's: "Location..." changes it through `locationPlatform`, "Start" and
    // "Display..." use it. The options are kept in the profile under HKEY_CURRENT_USER\Software\<profileKey>.
    LauncherDialog(AppContext& context, GameLocation& location, LocationPlatform& locationPlatform,
                   std::string profileKey);
    ~LauncherDialog() override;

  protected:
    const MessageMap* GetMessageMap() const override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(DataExchange& exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    // Commands.
    void StartGame();
    void CloseLauncher();
    void ResetSettings();
    void ShowLevelMenu();
    // Notes a level-menu id as the chosen level.
    void FilterLevelCommand(UINT id);
    void ChangeGameLocation();
    void ShowDisplaySettings();
    void ShowAboutBox();
    void OpenWebSite();
    void OpenBugReport();
    // Enabling of the controls that depend on " Debug mode " and " Pre-load Bots: ".
    void OnDebugMode();
    void OnPreloadBots();

    // The up-downs and trackbars take the ranges of their options, and then the options' values.
    void SetNumericRanges();
    void ShowNumericOptions();
    // The three sky value labels show their trackbars' positions.
    void UpdateSkyLabels();
    // The bold captions of the group boxes, in the size of the dialog's text.
    void SetGroupCaptionFont();
    // The banner and the logo fill their frames at the display's scale.
    void FitPicturesToFrames();

    std::optional<LRESULT> OnSysCommand(const Message& message);
    std::optional<LRESULT> OnPaint(const Message& message);
    std::optional<LRESULT> OnQueryDragIcon(const Message& message);
    std::optional<LRESULT> OnSetCursor(const Message& message);
    std::optional<LRESULT> OnCtlColor(const Message& message);
    std::optional<LRESULT> OnHScroll(const Message& message);

    GameLocation& location_;
    LocationPlatform& locationPlatform_;
    const std::string profileKey_;
    LauncherSettings settings_;
    // The chosen level as a level-menu command; never stored, so every run starts with "No Level".
    uint32_t levelCommand_ = SKV_CMD_NO_LEVEL;
    // The texts of the trackbars' value labels, by the labels' ids.
    std::map<int, std::string> labelTexts_;
    HICON windowIcon_;
    // The picture in the title bar and on the taskbar button, in the system's small-icon size.
    IconHandle smallIcon_;
    FontHandle groupBoxFont_;
    // The banner and the logo drawn for this display's scale, when it is not the one their bitmaps were
    // drawn for; shown by their controls, which do not free them.
    BitmapHandle bannerPicture_, logoPicture_;
};
