// The display settings dialog, and the main dialog's "Display..." command that opens it.
#include "ui/display_settings_dialog.h"

#include <optional>
#include <string>
#include <vector>

#include "handoff/file_error_report.h"
#include "res/resource.h"
#include "video/display_selection.h"
#include "video/video_file.h"

namespace {

// An entry's data, or nullptr when the entry has none (null or the list's error value).
template <typename T> const T* EntryData(const Control& list, int index) {
    LRESULT data = list.Send(CB_GETITEMDATA, static_cast<WPARAM>(index));
    if (data == CB_ERR || data == 0)
        return nullptr;
    return reinterpret_cast<const T*>(data);
}

// Every entry's data, in list order (nullptr for entries without data).
template <typename T> std::vector<const T*> EntriesData(const Control& list) {
    std::vector<const T*> entries;
    int count = static_cast<int>(list.Send(CB_GETCOUNT));
    entries.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    for (int i = 0; i < count; ++i)
        entries.push_back(EntryData<T>(list, i));
    return entries;
}

// Adds an entry showing text with data as its item data; an entry that can't be added is left out.
void AddEntry(const Control& list, const std::string& text, const void* data) {
    LRESULT index = list.Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0)
        list.Send(CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(data));
}

} // namespace

DisplaySettingsDialog::DisplaySettingsDialog(AppContext& context, HWND parent, std::string gameFolder)
    : Dialog(context, SKV_DLG_DISPLAY, parent), gameFolder_(std::move(gameFolder)) {}

const MessageMap* DisplaySettingsDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MAP_COMMAND_CODE(SKV_ID_DEVICE_LIST, CBN_SELCHANGE, DisplaySettingsDialog::FillModeList),
    };
    static const MessageMap map{Dialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void DisplaySettingsDialog::DoDataExchange(DataExchange& exchange) {
    Dialog::DoDataExchange(exchange);
    exchange.Attach(SKV_ID_DEVICE_LIST, deviceList_);
    exchange.Attach(SKV_ID_MODE_LIST, modeList_);
}

BOOL DisplaySettingsDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    WaitCursor wait(Context());
    DisplayDevices found = EnumerateDisplayDevices();
    devices_ = std::move(found.Reported);
    for (const DisplayDevice& device : devices_)
        AddEntry(deviceList_, device.EntryText, &device.Identity);
    if (found.Failed) {
        Context().ShowMessage("ERROR: Failed to enumerate DirectDraw devices!", MB_OK | MB_ICONERROR);
        EnableWindow(deviceList_.Handle(), FALSE);
        EnableWindow(modeList_.Handle(), FALSE);
        EnableWindow(Item(IDOK), FALSE);
        FocusControl(Item(IDCANCEL));
        return FALSE;
    }
    deviceList_.Send(CB_SETCURSEL, 0);
    if (std::optional<VideoConfig> stored = ReadVideoConfig(gameFolder_)) {
        int device = FindDevice(EntriesData<DeviceGuid>(deviceList_), stored->Device);
        if (device >= 0)
            deviceList_.Send(CB_SETCURSEL, static_cast<WPARAM>(device));
        // The stored mode is looked for among the modes of whichever device is now selected.
        FillModeList();
        int mode = FindMode(EntriesData<DisplayMode>(modeList_), stored->Mode);
        if (mode >= 0)
            modeList_.Send(CB_SETCURSEL, static_cast<WPARAM>(mode));
    } else {
        FillModeList();
    }
    return TRUE;
}

void DisplaySettingsDialog::FillModeList() {
    WaitCursor wait(Context());
    DisplayMode remembered;
    int selectedMode = static_cast<int>(modeList_.Send(CB_GETCURSEL));
    if (const DisplayMode* mode =
            selectedMode >= 0 ? EntryData<DisplayMode>(modeList_, selectedMode) : nullptr)
        remembered = *mode;
    modeList_.Send(CB_RESETCONTENT);
    modes_.clear();

    int device = static_cast<int>(deviceList_.Send(CB_GETCURSEL));
    const DeviceGuid* guid = device >= 0 ? EntryData<DeviceGuid>(deviceList_, device) : nullptr;
    if (!guid)
        return;
    // A device that can't be opened leaves the list empty and the enabling as it was.
    std::optional<std::vector<DisplayMode>> offered = AcceptedDisplayModes(*guid);
    if (!offered)
        return;
    modes_ = std::move(*offered);
    for (const DisplayMode& mode : modes_)
        AddEntry(modeList_, ModeEntryText(mode), &mode);

    if (modeList_.Send(CB_GETCOUNT) <= 0) {
        EnableWindow(modeList_.Handle(), FALSE);
        EnableWindow(Item(IDOK), FALSE);
        FocusControl(Item(IDCANCEL));
        return;
    }
    EnableWindow(modeList_.Handle(), TRUE);
    EnableWindow(Item(IDOK), TRUE);
    modeList_.Send(CB_SETCURSEL,
                   static_cast<WPARAM>(ModeAfterRefill(EntriesData<DisplayMode>(modeList_), remembered)));
}

void DisplaySettingsDialog::OnOK() {
    WaitCursor wait(Context());
    int device = static_cast<int>(deviceList_.Send(CB_GETCURSEL));
    int mode = static_cast<int>(modeList_.Send(CB_GETCURSEL));
    if (device < 0) {
        Context().ShowMessage("Please select a rendering Device!", MB_OK | MB_ICONINFORMATION);
        FocusControl(deviceList_.Handle());
        return;
    }
    if (mode < 0) {
        Context().ShowMessage("Please select the Resolution!", MB_OK | MB_ICONINFORMATION);
        FocusControl(modeList_.Handle());
        return;
    }
    const DeviceGuid* guid = EntryData<DeviceGuid>(deviceList_, device);
    const DisplayMode* chosen = EntryData<DisplayMode>(modeList_, mode);
    if (!guid || !chosen) {
        Context().ShowMessage("ERROR: Failed to get device GUID or Resolution!", MB_OK | MB_ICONERROR);
        return;
    }
    // A failed write leaves the dialog open with the choice unchanged. A file that cannot be opened for
    // writing, or replaced, gets a message of its own; any other failure the file-error message of its
    // cause, naming the file.
    const FileWriteResult written = WriteVideoConfig(gameFolder_, *guid, device, *chosen);
    if (written.FailedAt == FileWriteResult::Stage::Open ||
        written.FailedAt == FileWriteResult::Stage::Replace)
        Context().ShowMessage("ERROR: Failed to open configuration file for writing!", MB_OK | MB_ICONERROR);
    else if (!written.Ok())
        ReportReplaceFailure(Context(), written, gameFolder_ + VideoConfigName);
    if (!written.Ok())
        return;
    Dialog::OnOK();
}

void ShowDisplaySettings(AppContext& context, HWND parent, const std::string& gameFolder) {
    DisplaySettingsDialog dialog(context, parent, gameFolder);
    dialog.DoModal();
}
