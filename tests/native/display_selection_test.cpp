#include "video/display_selection.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

TEST(DisplaySelection, ModeFilter) {
    struct Case {
        DisplayMode Mode;
        bool Accepted;
    };
    const Case cases[] = {
        {{512, 384, 16}, true},
        {{512, 384, 32}, true},
        {{640, 480, 16}, true},
        {{UINT32_MAX, UINT32_MAX, 32}, true},
        {{0x80000000, 0x80000000, 16}, true},
        {{512, 383, 16}, false},
        {{511, 384, 32}, false},
        {{640, 480, 24}, false},
        {{640, 480, 8}, false},
        {{640, 480, 15}, false},
        {{640, 480, 0}, false},
        {{0, 0, 16}, false},
        {{0, 0, 0}, false},
        {{1024, 768, 33}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsAcceptedMode(c.Mode), c.Accepted)
            << c.Mode.Width << " x " << c.Mode.Height << " x " << c.Mode.BitsPerPixel;
}

TEST(DisplaySelection, EntryTexts) {
    EXPECT_EQ(DeviceEntryText("Primary Display Driver", "display"), "Primary Display Driver (display)");
    EXPECT_EQ(DeviceEntryText("", ""), " ()");
    EXPECT_EQ(ModeEntryText({800, 600, 16}), "800 * 600 (16 bpp)");
    EXPECT_EQ(ModeEntryText({0, 0, 0}), "0 * 0 (0 bpp)");
    EXPECT_EQ(ModeEntryText({UINT32_MAX, 384, 32}), "4294967295 * 384 (32 bpp)");
}

DeviceGuid Guid(uint8_t tag) {
    DeviceGuid guid;
    for (uint8_t i = 0; i < 16; ++i)
        guid.Bytes[i] = static_cast<uint8_t>(tag + i);
    return guid;
}

TEST(DisplaySelection, FindSkipsEntriesWithoutData) {
    const DeviceGuid zero, a = Guid(0x10), b = Guid(0x20);
    EXPECT_EQ(FindDevice({}, a), -1);
    EXPECT_EQ(FindDevice({nullptr, &a, &b, &a}, a), 1);
    EXPECT_EQ(FindDevice({nullptr, &a, &b}, b), 2);
    EXPECT_EQ(FindDevice({nullptr, &a}, zero), -1);
    EXPECT_EQ(FindDevice({nullptr, &a, &zero}, zero), 2);

    const DisplayMode m1{640, 480, 16}, m2{640, 480, 32}, m3{800, 600, 16};
    EXPECT_EQ(FindMode({}, m1), -1);
    EXPECT_EQ(FindMode({&m2, nullptr, &m1, &m1}, m1), 2);
    EXPECT_EQ(FindMode({&m1, &m3}, DisplayMode{640, 600, 16}), -1);
    EXPECT_EQ(FindMode({nullptr}, DisplayMode{}), -1);
}

TEST(DisplaySelection, ModeAfterRefill) {
    const DisplayMode a{640, 480, 16}, b{1024, 768, 16}, c{1024, 768, 32}, zeroWidth{0, 768, 16},
        zeroHeight{1024, 0, 16};
    struct Case {
        const char* Name;
        std::vector<const DisplayMode*> Entries;
        DisplayMode Remembered;
        int Expected;
    };
    const Case cases[] = {
        {"nothing remembered", {&a, &b}, {}, 0},
        {"remembered and offered", {&a, &c, &b}, b, 2},
        {"remembered, offered twice: the first", {&a, &b, &b}, b, 1},
        {"remembered, only other depth offered", {&a, &c}, b, 0},
        {"remembered behind an entry without data", {nullptr, &b}, b, 1},
        {"zero width remembered never searched", {&a, &zeroWidth}, zeroWidth, 0},
        {"zero height remembered never searched", {&a, &zeroHeight}, zeroHeight, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ModeAfterRefill(c.Entries, c.Remembered), c.Expected) << c.Name;
}

// A device as the enumeration reports it.
struct FakeDevice {
    std::optional<DeviceGuid> Guid; // nothing: reported without a GUID
    std::vector<DisplayMode> Modes; // as reported, before filtering
    bool HasData = true;            // false: the list entry lost its data block
};

// The display dialog's lists driven by the selection rules, against a fake enumeration.
class DialogModel {
  public:
    explicit DialogModel(const std::vector<FakeDevice>& devices) : devices_(devices) {
        for (const FakeDevice& device : devices)
            deviceBlocks_.push_back(device.Guid.value_or(DeviceGuid{}));
    }

    void Open(const std::optional<VideoConfig>& stored) {
        deviceSel_ = devices_.empty() ? -1 : 0;
        if (stored) {
            const int device = FindDevice(DeviceEntries(), stored->Device);
            if (device >= 0)
                deviceSel_ = device;
            FillModeList();
            const int mode = FindMode(ModeEntries(), stored->Mode);
            if (mode >= 0)
                modeSel_ = mode;
        } else {
            FillModeList();
        }
    }

    void SwitchDevice(int index) {
        deviceSel_ = index;
        FillModeList();
    }

    int SelectedDevice() const { return deviceSel_; }
    std::optional<DisplayMode> SelectedMode() const {
        if (modeSel_ < 0)
            return std::nullopt;
        return modeBlocks_[modeSel_];
    }
    bool OkEnabled() const { return okEnabled_; }

  private:
    std::vector<const DeviceGuid*> DeviceEntries() const {
        std::vector<const DeviceGuid*> entries;
        for (size_t i = 0; i < devices_.size(); ++i)
            entries.push_back(devices_[i].HasData ? &deviceBlocks_[i] : nullptr);
        return entries;
    }
    std::vector<const DisplayMode*> ModeEntries() const {
        std::vector<const DisplayMode*> entries;
        for (const DisplayMode& mode : modeBlocks_)
            entries.push_back(&mode);
        return entries;
    }

    void FillModeList() {
        const DisplayMode remembered = modeSel_ >= 0 ? modeBlocks_[modeSel_] : DisplayMode{};
        modeBlocks_.clear();
        modeSel_ = -1;
        if (deviceSel_ < 0)
            return;
        for (const DisplayMode& mode : devices_[deviceSel_].Modes) {
            if (IsAcceptedMode(mode))
                modeBlocks_.push_back(mode);
        }
        okEnabled_ = !modeBlocks_.empty();
        if (!modeBlocks_.empty())
            modeSel_ = ModeAfterRefill(ModeEntries(), remembered);
    }

    std::vector<FakeDevice> devices_;
    std::vector<DeviceGuid> deviceBlocks_;
    std::vector<DisplayMode> modeBlocks_;
    int deviceSel_ = -1;
    int modeSel_ = -1;
    bool okEnabled_ = true;
};

const DeviceGuid CardA = Guid(0x10), CardB = Guid(0x40), Gone = Guid(0x70);

const std::vector<FakeDevice> Machine = {
    // 0: the primary display, reported without a GUID; its first reported modes are filtered out.
    {std::nullopt, {{320, 200, 8}, {640, 480, 24}, {640, 480, 16}, {800, 600, 16}, {1024, 768, 16}}},
    // 1: offers 1024 x 768 only at 32 bits.
    {CardA, {{512, 384, 32}, {1024, 768, 32}, {1280, 1024, 32}}},
    // 2: offers 1024 x 768 at 16 bits, not first.
    {CardB, {{640, 480, 32}, {1024, 768, 16}, {800, 600, 16}}},
    // 3: nothing acceptable.
    {Guid(0x90), {{320, 240, 16}, {640, 480, 8}, {1600, 1200, 24}}},
};

VideoConfig Stored(const DeviceGuid& device, DisplayMode mode) {
    VideoConfig config;
    config.Device = device;
    config.DeviceIndex = 99; // never used for the choice
    config.Mode = mode;
    return config;
}

struct SelectionCase {
    const char* Name;
    std::vector<FakeDevice> Devices;
    std::optional<VideoConfig> Stored;
    std::vector<int> Switches;
    int Device;
    std::optional<DisplayMode> Mode;
    bool OkEnabled;
};

const std::vector<SelectionCase> SelectionCases = {
    {"no stored record: first device, its first accepted mode",
     Machine,
     std::nullopt,
     {},
     0,
     DisplayMode{640, 480, 16},
     true},
    {"stored device and mode both offered",
     Machine,
     Stored(CardB, {800, 600, 16}),
     {},
     2,
     DisplayMode{800, 600, 16},
     true},
    {"stored device no longer reported: first device, stored mode looked up there",
     Machine,
     Stored(Gone, {1024, 768, 16}),
     {},
     0,
     DisplayMode{1024, 768, 16},
     true},
    {"stored device gone and first device lacks the mode: its first mode",
     Machine,
     Stored(Gone, {1280, 1024, 32}),
     {},
     0,
     DisplayMode{640, 480, 16},
     true},
    {"stored mode no longer offered by the stored device: its first mode",
     Machine,
     Stored(CardA, {1024, 768, 16}),
     {},
     1,
     DisplayMode{512, 384, 32},
     true},
    {"all-zero record picks the device without a GUID",
     Machine,
     Stored(DeviceGuid{}, {}),
     {},
     0,
     DisplayMode{640, 480, 16},
     true},
    {"all-zero record skips an entry without data",
     {{CardA, {{640, 480, 16}}, false}, Machine[1], Machine[0]},
     Stored(DeviceGuid{}, {800, 600, 16}),
     {},
     2,
     DisplayMode{800, 600, 16},
     true},
    {"stored device found behind an entry without data",
     {{CardB, {{640, 480, 16}}, false}, Machine[2]},
     Stored(CardB, {1024, 768, 16}),
     {},
     1,
     DisplayMode{1024, 768, 16},
     true},
    {"stored device without accepted modes",
     Machine,
     Stored(Guid(0x90), {640, 480, 16}),
     {},
     3,
     std::nullopt,
     false},
    {"switch keeps 1024 x 768 x 16 when the new device offers it",
     Machine,
     Stored(DeviceGuid{}, {1024, 768, 16}),
     {2},
     2,
     DisplayMode{1024, 768, 16},
     true},
    {"switch to a device without 1024 x 768 x 16 selects its first mode",
     Machine,
     Stored(DeviceGuid{}, {1024, 768, 16}),
     {1},
     1,
     DisplayMode{512, 384, 32},
     true},
    {"switch there and back keeps the mode",
     Machine,
     Stored(DeviceGuid{}, {1024, 768, 16}),
     {2, 0},
     0,
     DisplayMode{1024, 768, 16},
     true},
    {"switch to a device without accepted modes disables OK",
     Machine,
     std::nullopt,
     {3},
     3,
     std::nullopt,
     false},
    {"switch back from a device without modes enables OK, first mode",
     Machine,
     Stored(DeviceGuid{}, {1024, 768, 16}),
     {3, 0},
     0,
     DisplayMode{640, 480, 16},
     true},
    {"no devices at all: nothing selected", {}, Stored(CardA, {640, 480, 16}), {}, -1, std::nullopt, true},
};

TEST(DisplaySelection, PreselectionAndDeviceSwitch) {
    for (const SelectionCase& c : SelectionCases) {
        SCOPED_TRACE(c.Name);
        DialogModel dialog(c.Devices);
        dialog.Open(c.Stored);
        for (int device : c.Switches)
            dialog.SwitchDevice(device);
        EXPECT_EQ(dialog.SelectedDevice(), c.Device);
        ASSERT_EQ(dialog.SelectedMode().has_value(), c.Mode.has_value());
        if (c.Mode) {
            const DisplayMode mode = *dialog.SelectedMode();
            EXPECT_TRUE(mode == *c.Mode) << ModeEntryText(mode);
        }
        EXPECT_EQ(dialog.OkEnabled(), c.OkEnabled);
    }
}

} // namespace
