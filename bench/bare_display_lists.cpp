// The floor for the display settings: "Display..." opens a dialog whose two lists are filled
// with the DirectDraw devices and the first device's modes of 16 or 32 bits from 512 by 384 up,
// with the launcher's entry texts, but without item data, stored choices or wait cursor.
#include <windows.h>

#include <ddraw.h>

#include <cstdio>

#include "bench/bare_dialog_proc.h"
#include "bench/bare_ids.h"
#include "bench/direct_draw4.h"

namespace {
GUID firstDevice;
bool firstDeviceHasGuid = false;

BOOL WINAPI AddDevice(GUID* guid, LPSTR description, LPSTR driverName, LPVOID context) {
    HWND devices = static_cast<HWND>(context);
    if (SendMessageA(devices, CB_GETCOUNT, 0, 0) == 0 && guid) {
        firstDevice = *guid;
        firstDeviceHasGuid = true;
    }
    char text[512];
    std::snprintf(text, sizeof text, "%s (%s)", description, driverName);
    SendMessageA(devices, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return TRUE;
}

HRESULT WINAPI AddMode(LPDDSURFACEDESC2 description, LPVOID context) {
    const DWORD bits = description->ddpfPixelFormat.dwRGBBitCount;
    if ((bits == 16 || bits == 32) && description->dwWidth >= 512 && description->dwHeight >= 384) {
        char text[128];
        std::snprintf(text, sizeof text, "%lu * %lu (%lu bpp)", description->dwWidth, description->dwHeight,
                      bits);
        SendMessageA(static_cast<HWND>(context), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    return DDENUMRET_OK;
}

void FillLists(HWND dialog) {
    HWND devices = GetDlgItem(dialog, BARE_ID_DEVICE_LIST);
    HWND modes = GetDlgItem(dialog, BARE_ID_MODE_LIST);
    firstDeviceHasGuid = false;
    if (FAILED(DirectDrawEnumerateA(AddDevice, devices)))
        return;
    SendMessageA(devices, CB_SETCURSEL, 0, 0);
    IDirectDraw4* draw4 = bench::OpenDirectDraw4(firstDeviceHasGuid ? &firstDevice : nullptr);
    if (!draw4)
        return;
    draw4->EnumDisplayModes(0, nullptr, modes, AddMode);
    draw4->Release();
    SendMessageA(modes, CB_SETCURSEL, 0, 0);
}

// "Display...": opens the dialog with the two lists.
bool Pressed(HWND dialog, int id) {
    if (id != BARE_ID_DISPLAY)
        return false;
    DialogBoxParamA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)),
                    MAKEINTRESOURCEA(BARE_DLG_LISTS), dialog, bare::DialogProc<bare::NoOwnButton, FillLists>,
                    0);
    return true;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(BARE_DLG_MAIN), nullptr, bare::DialogProc<Pressed>, 0);
    return 0;
}
