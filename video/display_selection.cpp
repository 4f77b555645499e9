#include "video/display_selection.h"

namespace {

template <typename Entry> int FindEntry(const std::vector<const Entry*>& entries, const Entry& wanted) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] != nullptr && *entries[i] == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

bool IsAcceptedMode(const DisplayMode& mode) {
    return (mode.BitsPerPixel == 16 || mode.BitsPerPixel == 32) && mode.Width >= 512 && mode.Height >= 384;
}

std::string DeviceEntryText(const char* description, const char* driverName) {
    return std::string(description ? description : "") + " (" + (driverName ? driverName : "") + ")";
}

std::string ModeEntryText(const DisplayMode& mode) {
    return std::to_string(mode.Width) + " * " + std::to_string(mode.Height) + " (" +
           std::to_string(mode.BitsPerPixel) + " bpp)";
}

int FindDevice(const std::vector<const DeviceGuid*>& entries, const DeviceGuid& wanted) {
    return FindEntry(entries, wanted);
}

int FindMode(const std::vector<const DisplayMode*>& entries, const DisplayMode& wanted) {
    return FindEntry(entries, wanted);
}

int ModeAfterRefill(const std::vector<const DisplayMode*>& entries, const DisplayMode& remembered) {
    if (remembered.Width == 0 || remembered.Height == 0)
        return 0;
    int found = FindMode(entries, remembered);
    return found >= 0 ? found : 0;
}
