// The display settings dialog, and the main dialog's "Display..." command that opens it.
#include "ui/display_settings_dialog.h"

#include <ddraw.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/loaded_on_demand.h"
#include "res/resource.h"
#include "video/display_selection.h"
#include "video/video_file.h"

namespace {
// ---- Item-data blocks: allocated when an entry is added, owned by the entry, counted while alive ----

size_t liveBlocks = 0;

struct BlockDeleter {
    template <typename T> void operator()(T* block) const {
        delete block;
        --liveBlocks;
    }
};
template <typename T> using Block = std::unique_ptr<T, BlockDeleter>;

template <typename T> Block<T> NewBlock() {
    Block<T> block(new T{});
    ++liveBlocks;
    return block;
}

// An entry's block, or nullptr when the entry has no data (null or the list's error value).
template <typename T> T* EntryData(const ComboBoxControl& list, int index) {
    LRESULT data = list.Send(CB_GETITEMDATA, static_cast<WPARAM>(index));
    if (data == CB_ERR || data == 0)
        return nullptr;
    return reinterpret_cast<T*>(data);
}

// Every entry's block, in list order (nullptr for entries without data).
template <typename T> std::vector<const T*> EntryBlocks(const ComboBoxControl& list) {
    std::vector<const T*> blocks;
    int count = static_cast<int>(list.Send(CB_GETCOUNT));
    blocks.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    for (int i = 0; i < count; ++i)
        blocks.push_back(EntryData<T>(list, i));
    return blocks;
}

// Frees the block of every entry; the entries stay, without data.
template <typename T> void FreeEntryBlocks(const ComboBoxControl& list) {
    int count = static_cast<int>(list.Send(CB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
        Block<T>(EntryData<T>(list, i)).reset();
        list.Send(CB_SETITEMDATA, static_cast<WPARAM>(i), 0);
    }
}

// Adds an entry and hands the block to it; when the entry can't be added, nothing is allocated.
template <typename T> T* AddEntry(const ComboBoxControl& list, const std::string& text) {
    LRESULT index = list.Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0)
        return nullptr;
    Block<T> block = NewBlock<T>();
    if (list.Send(CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(block.get())) ==
        CB_ERR)
        return nullptr;
    return block.release();
}

void EmptyModeList(const ComboBoxControl& modes) {
    FreeEntryBlocks<DisplayMode>(modes);
    modes.Send(CB_RESETCONTENT);
}

// ---- DirectDraw ----

// IID_IDirectDraw4, spelled out here so the launcher does not link the table of every DirectX identity.
constexpr GUID DirectDraw4Interface = {
    0x9c59509a, 0x39bd, 0x11d1, {0x8c, 0x4a, 0x00, 0xc0, 0x4f, 0xd9, 0x30, 0xc5}};

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T> using ComPointer = std::unique_ptr<T, ComReleaser>;

// Called once per device from inside DirectDrawEnumerateA; the context is the device list.
BOOL WINAPI AddDeviceEntry(GUID* guid, LPSTR description, LPSTR driverName, LPVOID context) {
    const auto& devices = *static_cast<const ComboBoxControl*>(context);
    if (DeviceGuid* block = AddEntry<DeviceGuid>(devices, DeviceEntryText(description, driverName))) {
        static_assert(sizeof(GUID) == sizeof block->Bytes, "a device identity is a GUID's 16 bytes");
        if (guid)
            std::memcpy(block->Bytes, guid, sizeof block->Bytes);
    }
    return TRUE; // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks): the entry owns the block until freed
}

// Called once per display mode from inside EnumDisplayModes; the context is the mode list.
HRESULT WINAPI AddModeEntry(LPDDSURFACEDESC2 description, LPVOID context) {
    const auto& modes = *static_cast<const ComboBoxControl*>(context);
    DisplayMode mode;
    mode.Width = description->dwWidth;
    mode.Height = description->dwHeight;
    mode.BitsPerPixel = description->ddpfPixelFormat.dwRGBBitCount;
    if (IsAcceptedMode(mode)) {
        if (DisplayMode* block = AddEntry<DisplayMode>(modes, ModeEntryText(mode)))
            *block = mode;
    }
    return DDENUMRET_OK; // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks): the entry owns the block
}
} // namespace

size_t LiveDisplayListBlocks() {
    return liveBlocks;
}

DisplaySettingsDialog::DisplaySettingsDialog(HWND parent, std::string gameFolder)
    : Dialog(SKV_DLG_DISPLAY, parent), gameFolder_(std::move(gameFolder)) {}

DisplaySettingsDialog::~DisplaySettingsDialog() = default;

const MessageMap* DisplaySettingsDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        SKV_ON_MESSAGE(WM_DESTROY, DisplaySettingsDialog::OnDestroy),
        SKV_ON_COMMAND_CODE(SKV_ID_DEVICE_LIST, CBN_SELCHANGE, DisplaySettingsDialog::FillModeList),
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
    WaitCursor wait;
    if (FAILED(DirectDrawEnumerateOnDemand(&AddDeviceEntry, &deviceList_))) {
        AppMessageBox("ERROR: Failed to enumerate DirectDraw devices!", MB_OK | MB_ICONERROR);
        EnableWindow(deviceList_.Handle(), FALSE);
        EnableWindow(modeList_.Handle(), FALSE);
        EnableWindow(Item(IDOK), FALSE);
        FocusControl(Item(IDCANCEL));
        return FALSE;
    }
    deviceList_.Send(CB_SETCURSEL, 0);
    if (std::optional<VideoConfig> stored = ReadVideoConfig(gameFolder_)) {
        int device = FindDevice(EntryBlocks<DeviceGuid>(deviceList_), stored->Device);
        if (device >= 0)
            deviceList_.Send(CB_SETCURSEL, static_cast<WPARAM>(device));
        // The stored mode is looked for among the modes of whichever device is now selected.
        FillModeList();
        int mode = FindMode(EntryBlocks<DisplayMode>(modeList_), stored->Mode);
        if (mode >= 0)
            modeList_.Send(CB_SETCURSEL, static_cast<WPARAM>(mode));
    } else {
        FillModeList();
    }
    return TRUE;
}

void DisplaySettingsDialog::FillModeList() {
    WaitCursor wait;
    DisplayMode remembered;
    int selectedMode = static_cast<int>(modeList_.Send(CB_GETCURSEL));
    if (const DisplayMode* mode =
            selectedMode >= 0 ? EntryData<DisplayMode>(modeList_, selectedMode) : nullptr)
        remembered = *mode;
    EmptyModeList(modeList_);

    int device = static_cast<int>(deviceList_.Send(CB_GETCURSEL));
    DeviceGuid* guid = device >= 0 ? EntryData<DeviceGuid>(deviceList_, device) : nullptr;
    if (!guid)
        return;
    // A device that can't be opened leaves the list empty and the enabling as it was. DirectDraw names the
    // active display driver by a null GUID pointer; a GUID of zeros is no identity it documents.
    IDirectDraw* created = nullptr;
    GUID* identity = guid->IsActiveDriver() ? nullptr : reinterpret_cast<GUID*>(guid->Bytes);
    if (FAILED(DirectDrawCreateOnDemand(identity, &created, nullptr)) || !created)
        return;
    ComPointer<IDirectDraw> draw(created);
    IDirectDraw4* queried = nullptr;
    draw->QueryInterface(DirectDraw4Interface, reinterpret_cast<void**>(&queried));
    draw.reset();
    if (!queried)
        return;
    ComPointer<IDirectDraw4> draw4(queried);
    draw4->EnumDisplayModes(0, nullptr, &modeList_, &AddModeEntry);
    draw4.reset();

    if (modeList_.Send(CB_GETCOUNT) <= 0) {
        EnableWindow(modeList_.Handle(), FALSE);
        EnableWindow(Item(IDOK), FALSE);
        FocusControl(Item(IDCANCEL));
        return;
    }
    EnableWindow(modeList_.Handle(), TRUE);
    EnableWindow(Item(IDOK), TRUE);
    modeList_.Send(CB_SETCURSEL,
                   static_cast<WPARAM>(ModeAfterRefill(EntryBlocks<DisplayMode>(modeList_), remembered)));
}

void DisplaySettingsDialog::OnOK() {
    WaitCursor wait;
    int device = static_cast<int>(deviceList_.Send(CB_GETCURSEL));
    int mode = static_cast<int>(modeList_.Send(CB_GETCURSEL));
    if (device < 0) {
        AppMessageBox("Please select a rendering Device!", MB_OK | MB_ICONINFORMATION);
        FocusControl(deviceList_.Handle());
        return;
    }
    if (mode < 0) {
        AppMessageBox("Please select the Resolution!", MB_OK | MB_ICONINFORMATION);
        FocusControl(modeList_.Handle());
        return;
    }
    const DeviceGuid* guid = EntryData<DeviceGuid>(deviceList_, device);
    const DisplayMode* chosen = EntryData<DisplayMode>(modeList_, mode);
    if (!guid || !chosen) {
        AppMessageBox("ERROR: Failed to get device GUID or Resolution!", MB_OK | MB_ICONERROR);
        return;
    }
    // A failed write has told the user already; the dialog stays open with the choice unchanged.
    if (!WriteVideoConfig(gameFolder_, *guid, device, *chosen))
        return;
    Dialog::OnOK();
}

std::optional<LRESULT> DisplaySettingsDialog::OnDestroy(const Message&) {
    // The device entries stay (the window is going away); the mode entries go with their blocks.
    FreeEntryBlocks<DeviceGuid>(deviceList_);
    EmptyModeList(modeList_);
    return std::nullopt;
}

void ShowDisplaySettings(HWND parent, const std::string& gameFolder) {
    DisplaySettingsDialog dialog(parent, gameFolder);
    dialog.DoModal();
}
