// The game's video file on disk: what reading makes of short, long and unreadable files, and that a
// write gives exactly 32 bytes or leaves the previous file whole, with the launcher's messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "video/video_file.h"
#include "test_support.h"

using namespace test_support;

namespace {

const std::string Title = "Skarnvale Launcher (BETA 2)";

// Bytes 1, 2, 3, ... so that every field read from a prefix is recognisable.
std::string CountingBytes(size_t size) {
    std::string bytes;
    for (size_t i = 0; i < size; ++i)
        bytes.push_back(static_cast<char>(i + 1));
    return bytes;
}

std::string AsBytes(const std::array<uint8_t, VideoConfigSize>& encoded) {
    return std::string(encoded.begin(), encoded.end());
}

DeviceGuid SampleGuid() {
    DeviceGuid guid;
    for (int i = 0; i < 16; ++i)
        guid.Bytes[i] = static_cast<uint8_t>(0xA0 + i);
    return guid;
}

TEST(VideoFileRead, NoFileGivesNothingAndNoMessage) {
    ScratchGameFolder folder("video-none");
    MessageBoxAnswerer answerer;
    EXPECT_FALSE(ReadVideoConfig().has_value());
    EXPECT_TRUE(answerer.Boxes.empty());
}

TEST(VideoFileRead, ShortFilesKeepMissingBytesZeroAndLongFilesGiveTheirFirst32) {
    ScratchGameFolder folder("video-lengths");
    for (size_t size : {0u, 1u, 16u, 20u, 31u, 32u, 33u, 100u}) {
        WriteBytes(folder.VideoFile(), CountingBytes(size));
        std::optional<VideoConfig> read = ReadVideoConfig();
        ASSERT_TRUE(read.has_value()) << size << " bytes";
        std::string expected = CountingBytes(std::min<size_t>(size, 32));
        expected.resize(32, '\0');
        EXPECT_EQ(AsBytes(EncodeVideoConfig(*read)), expected) << size << " bytes";
    }
}

TEST(VideoFileRead, TwentyByteFileGivesDeviceAndIndexOnly) {
    ScratchGameFolder folder("video-twenty");
    WriteBytes(folder.VideoFile(), CountingBytes(16) + std::string("\x07\x00\x00\x00", 4));
    std::optional<VideoConfig> read = ReadVideoConfig();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Device.Bytes[0], 1);
    EXPECT_EQ(read->Device.Bytes[15], 16);
    EXPECT_EQ(read->DeviceIndex, 7);
    EXPECT_EQ(read->Mode.Width, 0u);
    EXPECT_EQ(read->Mode.Height, 0u);
    EXPECT_EQ(read->Mode.BitsPerPixel, 0u);
}

TEST(VideoFileRead, FileHeldOpenForWritingByAnotherProgramGivesNothing) {
    ScratchGameFolder folder("video-held");
    WriteBytes(folder.VideoFile(), CountingBytes(32));
    HANDLE writer = CreateFileA(folder.VideoFile().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    MessageBoxAnswerer answerer;
    EXPECT_FALSE(ReadVideoConfig().has_value());
    CloseHandle(writer);
    EXPECT_TRUE(answerer.Boxes.empty());
    EXPECT_TRUE(ReadVideoConfig().has_value());
}

TEST(VideoFileWrite, DeviceWithoutGuidAt640x480x16GivesTheDocumentedBytes) {
    ScratchGameFolder folder("video-example");
    MessageBoxAnswerer answerer;
    ASSERT_TRUE(WriteVideoConfig(DeviceGuid{}, 0, DisplayMode{640, 480, 16}));
    const std::string expected = std::string(16, '\0') + std::string("\x00\x00\x00\x00", 4) +
                                 std::string("\x80\x02\x00\x00", 4) + std::string("\xE0\x01\x00\x00", 4) +
                                 std::string("\x10\x00\x00\x00", 4);
    EXPECT_EQ(ReadBytes(folder.VideoFile()), expected);
    EXPECT_TRUE(answerer.Boxes.empty());
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Skv_Video.cfg"});
}

TEST(VideoFileWrite, ReplacesALongerFileWithExactly32BytesThatReadBackTheSame) {
    ScratchGameFolder folder("video-replace");
    WriteBytes(folder.VideoFile(), std::string(100, '\x55'));
    ASSERT_TRUE(WriteVideoConfig(SampleGuid(), 3, DisplayMode{1024, 768, 32}));
    const std::string bytes = ReadBytes(folder.VideoFile());
    ASSERT_EQ(bytes.size(), 32u);
    EXPECT_EQ(bytes.substr(0, 4), "\xA0\xA1\xA2\xA3");
    EXPECT_EQ(bytes.substr(16, 4), std::string("\x03\x00\x00\x00", 4));
    std::optional<VideoConfig> read = ReadVideoConfig();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Device, SampleGuid());
    EXPECT_EQ(read->DeviceIndex, 3);
    EXPECT_EQ(read->Mode, (DisplayMode{1024, 768, 32}));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Skv_Video.cfg"});
}

// A file the launcher can't open for writing: its own message, and the user's previous choice stays.
void ExpectOpenFailureKeepsFile(const ScratchGameFolder& folder, const std::string& previous) {
    MessageBoxAnswerer answerer;
    EXPECT_FALSE(WriteVideoConfig(SampleGuid(), 1, DisplayMode{800, 600, 16}));
    ASSERT_EQ(answerer.Boxes.size(), 1u);
    EXPECT_EQ(answerer.Boxes[0],
              (ShownBox{Title, "ERROR: Failed to open configuration file for writing!", "error"}));
    EXPECT_EQ(ReadBytes(folder.VideoFile()), previous);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"Skv_Video.cfg"});
}

TEST(VideoFileWrite, FileHeldByAnotherProgramWithoutSharingIsLeftWhole) {
    ScratchGameFolder folder("video-locked");
    const std::string previous = CountingBytes(32);
    WriteBytes(folder.VideoFile(), previous);
    HANDLE holder = CreateFileA(folder.VideoFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ExpectOpenFailureKeepsFile(folder, previous);
    CloseHandle(holder);
}

TEST(VideoFileWrite, ReadOnlyFileIsLeftWhole) {
    ScratchGameFolder folder("video-readonly");
    const std::string previous = CountingBytes(32);
    WriteBytes(folder.VideoFile(), previous);
    MakeReadOnly(folder.VideoFile());
    ExpectOpenFailureKeepsFile(folder, previous);
}

// A game folder on a disk with no room left: the 32 bytes can't be written, so the file-error message
// names the file by its full path, and the previous record stays whole.
TEST(VideoFileWrite, FullDiskShowsTheFileErrorWithTheFullPathAndKeepsThePreviousFile) {
    ScratchFolder scratch("video-full-disk");
    const std::string disk = scratch.File("disk");
    ASSERT_TRUE(CreateDirectoryA(disk.c_str(), nullptr));
    if (!MountSmallDisk(disk, "64k"))
        GTEST_SKIP() << "this machine does not allow mounting a small file system for the test";
    // The scratch folder unmounts the disk when it is removed.
    const std::string previous = CountingBytes(32);
    WriteBytes(disk + "\\Skv_Video.cfg", previous);
    ASSERT_TRUE(FillDisk(disk)) << "the disk could not be filled";

    const std::string saved = GameFolder;
    GameFolder = disk + "\\";
    MessageBoxAnswerer answerer;
    const bool written = WriteVideoConfig(SampleGuid(), 1, DisplayMode{800, 600, 16});
    GameFolder = saved;
    EXPECT_FALSE(written);
    EXPECT_EQ(answerer.Boxes,
              (std::vector<ShownBox>{
                  {Title, "Disk full while accessing " + disk + "\\Skv_Video.cfg.", "exclamation"}}));
    EXPECT_EQ(ReadBytes(disk + "\\Skv_Video.cfg"), previous);
    EXPECT_EQ(FolderEntries(disk + "\\"), (std::vector<std::string>{"Skv_Video.cfg", "filler"}));
}

} // namespace
