// DirectDraw opened as the launcher's display dialog opens it, shared by the bare display lists
// and the benchmark's own count of what those lists hold.
#pragma once

#include <windows.h>

#include <ddraw.h>

namespace bench {

// Opens `device` (nullptr: the primary one) with the interface whose modes the lists show; the
// caller releases it. nullptr when the device cannot be opened or lacks that interface.
inline IDirectDraw4* OpenDirectDraw4(GUID* device) {
    IDirectDraw* draw = nullptr;
    if (FAILED(DirectDrawCreate(device, &draw, nullptr)) || !draw)
        return nullptr;
    IDirectDraw4* draw4 = nullptr;
    draw->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&draw4));
    draw->Release();
    return draw4;
}

} // namespace bench
