// The display settings dialog: the DirectDraw device the game renders on and its screen mode, stored in
// the game's video file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "framework/dialog.h"

class DisplaySettingsDialog : public Dialog {
  public:
    // The video file is read from and written to gameFolder.
    DisplaySettingsDialog(HWND parent, std::string gameFolder);
    ~DisplaySettingsDialog() override;

  protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(DataExchange& exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    // Rebuilds the mode list for the selected device, keeping the chosen mode when the device offers it.
    void FillModeList();
    std::optional<LRESULT> OnDestroy(const Message& message);

    std::string gameFolder_;
    // Each entry owns a block as item data: a DeviceGuid per device, a DisplayMode per mode.
    ComboBoxControl deviceList_, modeList_;
};

// "Display...": runs the dialog over `parent` for the game in gameFolder.
void ShowDisplaySettings(HWND parent, const std::string& gameFolder);

// Item-data blocks of the display lists now allocated and not yet freed, in the whole process: lets a
// test see that every block is freed when a list is emptied or its window goes away.
size_t LiveDisplayListBlocks();
