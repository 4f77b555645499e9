// The display settings dialog: the DirectDraw device the game renders on and its screen mode, stored in
// the game's video file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "framework/dialog.h"

class DisplaySettingsDialog : public Dialog {
  public:
    explicit DisplaySettingsDialog(HWND parent);
    ~DisplaySettingsDialog() override;

    // Each entry owns a block as item data: a DeviceGuid per device, a DisplayMode per mode.
    ComboBoxControl DeviceList, ModeList;

    // Rebuilds the mode list for the selected device, keeping the chosen mode when the device offers it.
    void FillModeList();

  protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(DataExchange& exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    std::optional<LRESULT> OnDestroy(const Message& message);
};

// Item-data blocks of the display lists now allocated and not yet freed, in the whole process: lets a
// test see that every block is freed when a list is emptied or its window goes away.
size_t LiveDisplayListBlocks();
