// The floor for the display settings: "Display..." opens a dialog whose two lists are filled
// with the DirectDraw devices and the first device's modes of 16 or 32 bits from 512 by 384 up,
// with the launcher's entry texts, but without item data, stored choices or wait cursor.
#include <windows.h>

#include <ddraw.h>

#include <cstdio>

#include "bench/bare_ids.h"

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
    IDirectDraw* draw = nullptr;
    if (FAILED(DirectDrawCreate(firstDeviceHasGuid ? &firstDevice : nullptr, &draw, nullptr)) || !draw)
        return;
    IDirectDraw4* draw4 = nullptr;
    draw->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&draw4));
    draw->Release();
    if (!draw4)
        return;
    draw4->EnumDisplayModes(0, nullptr, modes, AddMode);
    draw4->Release();
    SendMessageA(modes, CB_SETCURSEL, 0, 0);
}

INT_PTR CALLBACK ListsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        FillLists(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK MainProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == BARE_ID_DISPLAY) {
        DialogBoxParamA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)),
                        MAKEINTRESOURCEA(BARE_DLG_LISTS), dialog, ListsProc, 0);
        return TRUE;
    }
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(BARE_DLG_MAIN), nullptr, MainProc, 0);
    return 0;
}
