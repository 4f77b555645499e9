// The real display settings dialog opened over "Skv_Video.cfg" files of every length from 0 to 64 bytes of
// random content, over records made on purpose, and over files it cannot read: whatever lies there, the
// dialog opens with both lists filled, a selection in each and OK enabled, selects what the file names
// where the lists offer it (else the first entries), never touches the file, and gives back every block it
// allocated. The time per opening goes to the test output.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "dialog_harness.h"
#include "framework/application.h"
#include "quick_renderer.h"
#include "res/resource.h"
#include "test_support.h"
#include "ui/display_settings_dialog.h"
#include "video/video_config.h"

using namespace test_support;

namespace {

// ---- The file's fields, read from its bytes here rather than by the launcher's decoder ----

uint32_t WordAt(const std::string& file, size_t offset) {
    uint32_t word = 0;
    for (size_t i = 0; i < 4; ++i)
        if (offset + i < file.size())
            word |= uint32_t(static_cast<uint8_t>(file[offset + i])) << (8 * i);
    return word;
}

DeviceGuid GuidOf(const std::string& file) {
    DeviceGuid guid;
    for (size_t i = 0; i < 16 && i < file.size(); ++i)
        guid.Bytes[i] = static_cast<uint8_t>(file[i]);
    return guid;
}

DisplayMode ModeOf(const std::string& file) {
    return {WordAt(file, 20), WordAt(file, 24), WordAt(file, 28)};
}

std::string Record(const DeviceGuid& guid, int32_t index, const DisplayMode& mode) {
    return std::string(reinterpret_cast<const char*>(guid.Bytes), 16) +
           LittleEndianWords({static_cast<uint32_t>(index), mode.Width, mode.Height, mode.BitsPerPixel});
}

// ---- What the open dialog shows ----

struct Shown {
    std::vector<DeviceGuid> Devices; // the blocks of the device entries, in list order
    std::vector<DisplayMode> Modes;  // the blocks of the mode entries
    int Device = -1, Mode = -1;      // selections
    bool ModesEnabled = false, OkEnabled = false;
    size_t LiveBlocks = 0;
    bool EntryWithoutData = false;
};

template <typename T> std::vector<T> Blocks(HWND list, bool& missing) {
    std::vector<T> blocks;
    const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LRESULT data = SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        if (data == CB_ERR || data == 0) {
            missing = true;
            blocks.push_back(T{});
        } else {
            blocks.push_back(*reinterpret_cast<const T*>(data));
        }
    }
    return blocks;
}

Shown Inspect(DisplaySettingsDialog& dialog) {
    Shown shown;
    HWND devices = dialog.Item(SKV_ID_DEVICE_LIST), modes = dialog.Item(SKV_ID_MODE_LIST);
    shown.Devices = Blocks<DeviceGuid>(devices, shown.EntryWithoutData);
    shown.Modes = Blocks<DisplayMode>(modes, shown.EntryWithoutData);
    shown.Device = static_cast<int>(SendMessageA(devices, CB_GETCURSEL, 0, 0));
    shown.Mode = static_cast<int>(SendMessageA(modes, CB_GETCURSEL, 0, 0));
    shown.ModesEnabled = IsWindowEnabled(modes) != FALSE;
    shown.OkEnabled = IsWindowEnabled(dialog.Item(IDOK)) != FALSE;
    shown.LiveBlocks = LiveDisplayListBlocks();
    return shown;
}

// The index of the first element equal to `wanted`, or 0 when there is none: the dialog's preselection.
template <typename T> int FirstOrZero(const std::vector<T>& entries, const T& wanted) {
    auto found = std::find(entries.begin(), entries.end(), wanted);
    return found == entries.end() ? 0 : static_cast<int>(found - entries.begin());
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

class DisplayFileSweep : public ::testing::Test {
  protected:
    ScratchGameFolder folder_{"display-sweep"};
    std::vector<DeviceGuid> devices_;
    std::vector<DisplayMode> firstDeviceModes_;
    double slowestMs_ = 0, totalMs_ = 0;
    int openings_ = 0;

    // Opens the dialog over `file` and checks what it shows.
    void OpenOver(const std::string& name, const std::string& file) {
        SCOPED_TRACE(name);
        WriteBytes(folder_.VideoFile(), file);
        OpenAndCheck(file);
        EXPECT_EQ(ReadBytes(folder_.VideoFile()), file) << "the file was touched";
    }

    // Opens the dialog over whatever lies in the file's place and checks what it shows: the selections
    // that `file` names, or the first entries when nothing can be read (nullptr).
    void OpenAndCheck(const std::string* file) {
        const bool absent = file == nullptr;
        Shown shown;
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        {
            DisplaySettingsDialog dialog(nullptr);
            RunModally(dialog, [&](DisplaySettingsDialog& open) { shown = Inspect(open); });
        }
        QueryPerformanceCounter(&end);
        const double ms = Milliseconds(start, end);
        slowestMs_ = std::max(slowestMs_, ms);
        totalMs_ += ms;
        ++openings_;

        // The lists: every reported device, the first device's usable modes, a selection in each.
        if (devices_.empty()) {
            devices_ = shown.Devices;
            firstDeviceModes_ = shown.Modes;
        }
        ASSERT_FALSE(shown.Devices.empty());
        ASSERT_FALSE(shown.Modes.empty());
        EXPECT_FALSE(shown.EntryWithoutData);
        EXPECT_EQ(shown.Devices, devices_);
        EXPECT_TRUE(shown.ModesEnabled);
        EXPECT_TRUE(shown.OkEnabled);
        EXPECT_EQ(shown.LiveBlocks, shown.Devices.size() + shown.Modes.size());
        EXPECT_EQ(LiveDisplayListBlocks(), 0u) << "blocks left after the dialog closed";
        for (const DisplayMode& mode : shown.Modes)
            EXPECT_TRUE((mode.BitsPerPixel == 16 || mode.BitsPerPixel == 32) && mode.Width >= 512 &&
                        mode.Height >= 384)
                << mode.Width << " x " << mode.Height << " x " << mode.BitsPerPixel;

        // The selections: the stored device where the list has it, else the first; the stored mode
        // among that device's modes where offered, else the first.
        const int device = absent ? 0 : FirstOrZero(shown.Devices, GuidOf(*file));
        EXPECT_EQ(shown.Device, device);
        if (shown.Device == 0) {
            EXPECT_EQ(shown.Modes, firstDeviceModes_);
        }
        EXPECT_EQ(shown.Mode, absent ? 0 : FirstOrZero(shown.Modes, ModeOf(*file)));
    }
    void OpenAndCheck(const std::string& file) { OpenAndCheck(&file); }
};

TEST_F(DisplayFileSweep, EveryLengthOfRandomBytesOpensWithBothListsFilledAndSelected) {
    SKV_RUN_ON_QUICK_RENDERER();
    Watchdog watchdog(120000, "the sweep of the display settings dialog");
    {
        SCOPED_TRACE("no file");
        OpenAndCheck(nullptr);
    }
    ASSERT_FALSE(devices_.empty());
    const DeviceGuid first = devices_[0];
    const DisplayMode last = firstDeviceModes_.back();

    // Random bytes of every length; seeded, so a failure comes back the same way.
    std::mt19937 random(20240611);
    for (size_t length = 0; length <= 64; ++length) {
        std::string file(length, '\0');
        for (char& byte : file)
            byte = static_cast<char>(random() & 0xFF);
        OpenOver("random bytes, length " + std::to_string(length), file);
    }

    // A real record cut short or followed by junk: only a file that reaches the mode's last byte can
    // name the mode; bytes after the 32nd change nothing.
    const std::string stored = Record(first, 0, last);
    for (size_t length : {20u, 31u, 32u, 33u, 64u}) {
        std::string file = stored.substr(0, std::min<size_t>(length, 32));
        while (file.size() < length)
            file.push_back(static_cast<char>(random() & 0xFF));
        OpenOver("stored record, length " + std::to_string(length), file);
    }

    DeviceGuid unknown;
    for (uint8_t i = 0; i < 16; ++i)
        unknown.Bytes[i] = static_cast<uint8_t>(0xA0 + i);
    const struct {
        const char* Name;
        std::string File;
    } crafted[] = {
        {"stored mode absent", Record(first, 0, {1234, 567, 16})},
        {"stored mode at 8 bpp", Record(first, 0, {last.Width, last.Height, 8})},
        {"device unknown, mode present", Record(unknown, 0x7FFFFFFF, last)},
        {"device unknown, mode absent", Record(unknown, -1, {0xFFFFFFFF, 0xFFFFFFFF, 32})},
    };
    for (const auto& c : crafted)
        OpenOver(c.Name, c.File);

    // Nothing readable in the file's place: the first entries, as without a file.
    {
        SCOPED_TRACE("held by another program without sharing");
        const std::string stored = Record(first, 0, last);
        WriteBytes(folder_.VideoFile(), stored);
        HANDLE holder =
            CreateFileA(folder_.VideoFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        OpenAndCheck(nullptr);
        CloseHandle(holder);
        EXPECT_EQ(ReadBytes(folder_.VideoFile()), stored);
    }
    {
        SCOPED_TRACE("a folder in the file's place");
        DeleteFileA(folder_.VideoFile().c_str());
        ASSERT_TRUE(CreateDirectoryA(folder_.VideoFile().c_str(), nullptr));
        OpenAndCheck(nullptr);
        EXPECT_TRUE(RemoveDirectoryA(folder_.VideoFile().c_str()));
    }
    {
        // Opens, but reading fails: the memory of the reading process, at an address nothing is mapped at.
        // Missing or read as far as it went (nothing), the first entries are selected either way.
        SCOPED_TRACE("a file that opens but cannot be read");
        ASSERT_EQ(RunUnix("ln -s /proc/self/mem '" + UnixPath(folder_.VideoFile()) + "'"), 0);
        HANDLE probe = CreateFileA(folder_.VideoFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(probe, INVALID_HANDLE_VALUE) << "the unreadable file does not even open";
        char byte = 0;
        DWORD got = 0;
        EXPECT_FALSE(ReadFile(probe, &byte, 1, &got, nullptr)) << "the unreadable file reads";
        CloseHandle(probe);
        OpenAndCheck(nullptr);
        DeleteFileA(folder_.VideoFile().c_str());
    }

    std::printf("%d openings of the display dialog: %.1f ms on average, the slowest %.1f ms\n", openings_,
                totalMs_ / openings_, slowestMs_);
}

} // namespace
