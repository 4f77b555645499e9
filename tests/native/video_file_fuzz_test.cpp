// "Skv_Video.cfg" of random content and every length from 0 to 64 bytes, decoded and put through the
// display dialog's selection rules against random lists of devices and modes. Seeded, so a failure comes
// back the same way. Each file lies in a heap block of exactly its length, so the sanitizers catch any read
// past its end.
#include "video/display_selection.h"
#include "video/video_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Inputs = 20000;
constexpr size_t LongestFile = 64;

// ---- The file's fields straight from its bytes: what is there lands in its field, the rest is zero ----

uint8_t ByteAt(const uint8_t* file, size_t length, size_t offset) {
    return offset < length ? file[offset] : 0;
}

uint32_t WordAt(const uint8_t* file, size_t length, size_t offset) {
    uint32_t word = 0;
    for (size_t i = 0; i < 4; ++i)
        word |= uint32_t(ByteAt(file, length, offset + i)) << (8 * i);
    return word;
}

// ---- A random machine: devices as the dialog's list holds them, each with the modes it reports ----

struct Device {
    DeviceGuid Guid;
    bool HasData = true; // false: the entry lost its block
    std::vector<DisplayMode> Modes;
};

class Fuzzer {
  public:
    explicit Fuzzer(uint32_t seed) : random_(seed) {}

    uint32_t Below(uint32_t bound) { return static_cast<uint32_t>(random_() % bound); }
    uint8_t Byte() { return static_cast<uint8_t>(random_()); }

    // Widths and heights near the filter's edges, and anything at all.
    uint32_t Size() {
        static const uint32_t edges[] = {0, 1, 383, 384, 511, 512, 640, 800, 1024, 0x80000000, 0xFFFFFFFF};
        return Below(4) == 0 ? static_cast<uint32_t>(random_()) : edges[Below(std::size(edges))];
    }
    uint32_t Depth() {
        static const uint32_t depths[] = {0, 8, 15, 24, 33, 0xFFFFFFFF};
        if (Below(2) == 0)
            return Below(2) == 0 ? 16 : 32;
        return depths[Below(std::size(depths))];
    }
    DisplayMode Mode() { return {Size(), Size(), Depth()}; }

    std::vector<Device> Machine() {
        std::vector<Device> devices(Below(5));
        for (Device& device : devices) {
            if (Below(4) != 0) // a quarter of them reported without a GUID: all zero
                for (uint8_t& byte : device.Guid.Bytes)
                    byte = Byte();
            if (Below(3) == 0 && &device != &devices[0])
                device.Guid = devices[0].Guid; // the same identity twice
            device.HasData = Below(8) != 0;
            device.Modes.resize(Below(9));
            for (DisplayMode& mode : device.Modes)
                mode = Mode();
            if (!device.Modes.empty() && Below(2) == 0)
                device.Modes.push_back(device.Modes[Below(static_cast<uint32_t>(device.Modes.size()))]);
        }
        return devices;
    }

    // Random bytes; often a record that names one of the machine's devices and modes, so that matches
    // happen and the file's length decides how much of it is seen.
    std::vector<uint8_t> File(size_t length, const std::vector<Device>& devices) {
        std::vector<uint8_t> bytes(length);
        for (uint8_t& byte : bytes)
            byte = Byte();
        if (devices.empty() || Below(2) == 0)
            return bytes;
        const Device& device = devices[Below(static_cast<uint32_t>(devices.size()))];
        VideoConfig config;
        config.Device = device.Guid;
        config.DeviceIndex = static_cast<int32_t>(random_());
        config.Mode = device.Modes.empty() || Below(4) == 0
                          ? Mode()
                          : device.Modes[Below(static_cast<uint32_t>(device.Modes.size()))];
        const auto record = EncodeVideoConfig(config);
        std::copy_n(record.begin(), std::min(length, record.size()), bytes.begin());
        return bytes;
    }

  private:
    std::mt19937 random_;
};

bool Accepted(const DisplayMode& mode) {
    return (mode.BitsPerPixel == 16 || mode.BitsPerPixel == 32) && mode.Width >= 512 && mode.Height >= 384;
}

// The first index whose entry has data equal to `wanted`, or -1.
template <typename T> int FirstWithData(const std::vector<const T*>& entries, const T& wanted) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] && *entries[i] == wanted)
            return static_cast<int>(i);
    return -1;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : bytes) {
        text.push_back(digits[byte >> 4]);
        text.push_back(digits[byte & 15]);
    }
    return text;
}

TEST(VideoFileFuzz, RandomFilesOfEveryLengthDecodeAndPreselectWithinTheLists) {
    Fuzzer fuzz(0x5C0FF1E);
    int deviceFound = 0, modeFound = 0, modeKept = 0;
    for (int input = 0; input < Inputs; ++input) {
        const size_t length = static_cast<size_t>(input) % (LongestFile + 1);
        const std::vector<Device> machine = fuzz.Machine();
        const std::vector<uint8_t> bytes = fuzz.File(length, machine);
        SCOPED_TRACE("input " + std::to_string(input) + ", " + std::to_string(length) +
                     " bytes: " + Hex(bytes));

        // Exactly `length` bytes on the heap (none at all for an empty file): a read past the end is caught.
        std::unique_ptr<uint8_t[]> file(new uint8_t[length]);
        std::copy(bytes.begin(), bytes.end(), file.get());
        const VideoConfig config = DecodeVideoConfig(file.get(), length);

        // Each field holds the bytes of the file that reach it, zero for the rest; nothing after byte 32.
        for (size_t i = 0; i < 16; ++i)
            ASSERT_EQ(config.Device.Bytes[i], ByteAt(file.get(), length, i)) << "identity byte " << i;
        ASSERT_EQ(static_cast<uint32_t>(config.DeviceIndex), WordAt(file.get(), length, 16));
        ASSERT_EQ(config.Mode.Width, WordAt(file.get(), length, 20));
        ASSERT_EQ(config.Mode.Height, WordAt(file.get(), length, 24));
        ASSERT_EQ(config.Mode.BitsPerPixel, WordAt(file.get(), length, 28));
        const auto record = EncodeVideoConfig(config);
        for (size_t i = 0; i < record.size(); ++i)
            ASSERT_EQ(record[i], ByteAt(file.get(), length, i)) << "the record written back, byte " << i;

        // The device list, as the dialog holds it: a block per entry, or none.
        std::vector<const DeviceGuid*> devices;
        for (const Device& device : machine)
            devices.push_back(device.HasData ? &device.Guid : nullptr);
        const int found = FindDevice(devices, config.Device);
        ASSERT_EQ(found, FirstWithData(devices, config.Device));
        deviceFound += found >= 0;
        const int device = found >= 0 ? found : (machine.empty() ? -1 : 0);
        if (device < 0)
            continue; // no device: the mode list stays empty

        // The selected device's usable modes, in the reported order.
        std::vector<DisplayMode> usable;
        for (const DisplayMode& mode : machine[device].Modes) {
            ASSERT_EQ(IsAcceptedMode(mode), Accepted(mode))
                << mode.Width << " x " << mode.Height << " x " << mode.BitsPerPixel;
            if (IsAcceptedMode(mode))
                usable.push_back(mode);
        }
        std::vector<const DisplayMode*> modes;
        for (const DisplayMode& mode : usable)
            modes.push_back(&mode);
        if (modes.empty()) {
            ASSERT_EQ(FindMode(modes, config.Mode), -1);
            continue; // no usable mode: the list and OK are disabled
        }

        // Preselection: the list's first mode, unless the stored one is offered.
        const int stored = FindMode(modes, config.Mode);
        ASSERT_EQ(stored, FirstWithData(modes, config.Mode));
        ASSERT_EQ(ModeAfterRefill(modes, DisplayMode{}), 0) << "a fresh list starts at its first entry";
        modeFound += stored >= 0;
        const int selected = stored >= 0 ? stored : 0;
        ASSERT_LT(selected, static_cast<int>(modes.size()));
        EXPECT_TRUE(Accepted(usable[selected]));

        // Switching to another device keeps the chosen mode where it is offered, else takes the first.
        const Device& other = machine[fuzz.Below(static_cast<uint32_t>(machine.size()))];
        std::vector<DisplayMode> otherUsable;
        for (const DisplayMode& mode : other.Modes)
            if (Accepted(mode))
                otherUsable.push_back(mode);
        if (otherUsable.empty())
            continue;
        std::vector<const DisplayMode*> otherModes;
        for (const DisplayMode& mode : otherUsable)
            otherModes.push_back(&mode);
        const int kept = FirstWithData(otherModes, usable[selected]);
        modeKept += kept > 0;
        ASSERT_EQ(ModeAfterRefill(otherModes, usable[selected]), kept >= 0 ? kept : 0);
    }
    // The inputs reach every branch of the rules, not only the "nothing stored matches" one.
    std::printf("%d inputs: stored device found %d times, stored mode %d, mode kept past entry 0 %d\n",
                Inputs, deviceFound, modeFound, modeKept);
    EXPECT_GT(deviceFound, Inputs / 10);
    EXPECT_GT(modeFound, Inputs / 100);
    EXPECT_GT(modeKept, Inputs / 400);
}

} // namespace
