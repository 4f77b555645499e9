// The display settings dialog: the DirectDraw device the game renders on and its screen mode, stored in
// the game's video file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/dialog.h"
#include "video/display_devices.h"

class DisplaySettingsDialog : public Dialog {
  public:
    // The video file is read from and written to gameFolder.
    DisplaySettingsDialog(AppContext& context, HWND parent, std::string gameFolder);

  protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(DataExchange& exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    // Rebuilds the mode list for the selected device, keeping the chosen mode when the device offers it.
    void FillModeList();

    std::string gameFolder_;
    // What the lists show: each entry's item data points at its device's identity or at its mode here.
    std::vector<DisplayDevice> devices_;
    std::vector<DisplayMode> modes_;
    Control deviceList_, modeList_;
};

// "Display...": runs the dialog over `parent` for the game in gameFolder.
void ShowDisplaySettings(AppContext& context, HWND parent, const std::string& gameFolder);
