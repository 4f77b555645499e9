#include "video/display_devices.h"

#include <ddraw.h>

#include <cstring>

#include "framework/handles.h"
#include "framework/loaded_on_demand.h"
#include "video/display_selection.h"

namespace {

// IID_IDirectDraw4, spelled out here so the launcher does not link the table of every DirectX identity.
constexpr GUID DirectDraw4Interface = {
    0x9c59509a, 0x39bd, 0x11d1, {0x8c, 0x4a, 0x00, 0xc0, 0x4f, 0xd9, 0x30, 0xc5}};

// Called once per device from inside DirectDrawEnumerateA; the context is the device list.
BOOL WINAPI AddDeviceEntry(GUID* guid, LPSTR description, LPSTR driverName, LPVOID context) {
    DisplayDevice device;
    static_assert(sizeof(GUID) == sizeof device.Identity.Bytes, "a device identity is a GUID's 16 bytes");
    if (guid)
        std::memcpy(device.Identity.Bytes, guid, sizeof device.Identity.Bytes);
    device.EntryText = DeviceEntryText(description, driverName);
    static_cast<std::vector<DisplayDevice>*>(context)->push_back(std::move(device));
    return TRUE;
}

// Called once per display mode from inside EnumDisplayModes; the context is the mode list.
HRESULT WINAPI AddModeEntry(LPDDSURFACEDESC2 description, LPVOID context) {
    DisplayMode mode;
    mode.Width = description->dwWidth;
    mode.Height = description->dwHeight;
    mode.BitsPerPixel = description->ddpfPixelFormat.dwRGBBitCount;
    if (IsAcceptedMode(mode))
        static_cast<std::vector<DisplayMode>*>(context)->push_back(mode);
    return DDENUMRET_OK;
}

} // namespace

DisplayDevices EnumerateDisplayDevices() {
    DisplayDevices devices;
    devices.Failed = FAILED(DirectDrawEnumerateOnDemand(&AddDeviceEntry, &devices.Reported));
    return devices;
}

std::optional<std::vector<DisplayMode>> AcceptedDisplayModes(const DeviceGuid& device) {
    // DirectDraw names the active display driver by a null GUID pointer; a GUID of zeros is no identity
    // it documents.
    GUID identity;
    std::memcpy(&identity, device.Bytes, sizeof identity);
    ComPointer<IDirectDraw> draw;
    if (FAILED(DirectDrawCreateOnDemand(device.IsActiveDriver() ? nullptr : &identity, draw.Receive(),
                                        nullptr)) ||
        !draw)
        return std::nullopt;
    ComPointer<IDirectDraw4> draw4;
    draw.Get()->QueryInterface(DirectDraw4Interface, reinterpret_cast<void**>(draw4.Receive()));
    draw.Reset();
    if (!draw4)
        return std::nullopt;
    std::vector<DisplayMode> modes;
    draw4.Get()->EnumDisplayModes(0, nullptr, &modes, &AddModeEntry);
    return modes;
}
