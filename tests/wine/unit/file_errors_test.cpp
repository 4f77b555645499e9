// Replacing a file's contents in real folders: exact bytes, the old file whole after every failure, the
// cause of each failure, and never a temporary file left behind. Read-only cases use files made
// unchangeable with the file system's immutable flag (as root, Wine writes over files that only lack
// write permission); the full disk is a tiny memory file system mounted for the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/file_errors.h"
#include "test_support.h"

namespace {

using namespace test_support;

FileWriteResult Replace(const std::string& path, const std::string& bytes) {
    return ReplaceFileContents(path, bytes.data(), bytes.size());
}

using Stage = FileWriteResult::Stage;

TEST(ReplaceFileContents, CreatesAMissingFileWithExactlyTheBytes) {
    ScratchFolder folder("new");
    const std::string bytes = std::string("EXPV 0\r\nCROUCHMODE 1\r\n") + '\0' + "\xff";
    FileWriteResult result = Replace(folder.File("startup.cfg"), bytes);
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(result.Cause, FileErrorCause::None);
    EXPECT_EQ(ReadBytes(folder.File("startup.cfg")), bytes);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"startup.cfg"});
}

TEST(ReplaceFileContents, ReplacesALongerFileCompletelyAndAnEmptyContentLeavesAnEmptyFile) {
    ScratchFolder folder("longer");
    const std::string path = folder.File("startup.cfg");
    WriteBytes(path, std::string(5000, 'x'));
    ASSERT_TRUE(Replace(path, "EXPV 1\r\n").Ok());
    EXPECT_EQ(ReadBytes(path), "EXPV 1\r\n");
    ASSERT_TRUE(Replace(path, "").Ok());
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"startup.cfg"});
}

TEST(ReplaceFileContents, AVanishedFolderIsABadPathAndCreatesNothing) {
    ScratchFolder folder("vanished");
    FileWriteResult result = Replace(folder.File("gone\\startup.cfg"), "EXPV 0\r\n");
    EXPECT_EQ(result.FailedAt, Stage::Open);
    EXPECT_EQ(result.Cause, FileErrorCause::BadPath);
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST(ReplaceFileContents, AFileHeldOpenWithoutSharingIsASharingViolationAndStaysWhole) {
    ScratchFolder folder("held");
    const std::string path = folder.File("startup.cfg");
    WriteBytes(path, "previous\r\n");
    HANDLE held =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    FileWriteResult result = Replace(path, "new contents\r\n");
    CloseHandle(held);
    EXPECT_EQ(result.FailedAt, Stage::Open);
    EXPECT_EQ(result.Cause, FileErrorCause::SharingViolation);
    EXPECT_EQ(ReadBytes(path), "previous\r\n");
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"startup.cfg"});
}

// Another program reading the file, even one that lets others write and delete it, keeps its name taken
// until it closes: the new contents cannot take the old file's place, so the old file stays whole.
TEST(ReplaceFileContents, AFileAnotherProgramHasOpenIsNotReplacedUnderIt) {
    ScratchFolder folder("reader");
    const std::string path = folder.File("startup.cfg");
    WriteBytes(path, "previous\r\n");
    HANDLE reader =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    FileWriteResult result = Replace(path, "new\r\n");
    CloseHandle(reader);
    EXPECT_EQ(result.FailedAt, Stage::Open);
    EXPECT_EQ(result.Cause, FileErrorCause::AccessDenied);
    EXPECT_EQ(ReadBytes(path), "previous\r\n");
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"startup.cfg"});
    // Once it has closed the file, the replacement goes through.
    EXPECT_TRUE(Replace(path, "new\r\n").Ok());
    EXPECT_EQ(ReadBytes(path), "new\r\n");
}

TEST(ReplaceFileContents, AFullDiskIsReportedAsSuchAndTheOldFileStaysWhole) {
    ScratchFolder folder("full-disk");
    const std::string mount = folder.File("disk");
    ASSERT_TRUE(CreateDirectoryA(mount.c_str(), nullptr));
    if (!MountSmallDisk(mount, "64k"))
        GTEST_SKIP() << "this machine does not allow mounting a small file system for the test";
    // The scratch folder unmounts the disk when it is removed.

    const std::string path = mount + "\\startup.cfg";
    WriteBytes(path, "previous\r\n");
    FileWriteResult result = Replace(path, std::string(200000, 'x'));
    EXPECT_EQ(result.FailedAt, Stage::Write);
    EXPECT_EQ(result.Cause, FileErrorCause::DiskFull);
    EXPECT_EQ(ReadBytes(path), "previous\r\n");
    EXPECT_EQ(FolderEntries(mount + "\\"), std::vector<std::string>{"startup.cfg"});
    // Space is back once the failed attempt is cleaned away: a small file fits again.
    EXPECT_TRUE(Replace(path, "EXPV 1\r\n").Ok());
    EXPECT_EQ(ReadBytes(path), "EXPV 1\r\n");
}

TEST(ReplaceFileContents, AReadOnlyFileIsAccessDeniedAndStaysWhole) {
    ScratchFolder folder("read-only-file");
    const std::string path = folder.File("startup.cfg");
    WriteBytes(path, "previous\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    MakeUnchangeable(path);
    FileWriteResult result = Replace(path, "new\r\n");
    EXPECT_EQ(result.FailedAt, Stage::Open);
    EXPECT_EQ(result.Cause, FileErrorCause::AccessDenied);
    EXPECT_EQ(ReadBytes(path), "previous\r\n");
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"startup.cfg"});
}

TEST(ReplaceFileContents, AFolderThatCannotBeWrittenIsAccessDeniedAndGetsNoFile) {
    ScratchFolder folder("read-only-folder");
    const std::string files = folder.File("files");
    ASSERT_TRUE(CreateDirectoryA(files.c_str(), nullptr));
    MakeUnchangeable(files);
    FileWriteResult result = Replace(files + "\\startup.cfg", "new\r\n");
    EXPECT_EQ(result.FailedAt, Stage::Open);
    EXPECT_EQ(result.Cause, FileErrorCause::AccessDenied);
    EXPECT_TRUE(FolderEntries(files + "\\").empty());
}

TEST(ReportFileError, ShowsTheCausesMessageWithTheNameFilledIn) {
    struct Case {
        FileErrorCause cause;
        std::string name, text;
    } cases[] = {
        {FileErrorCause::AccessDenied, "C:\\Games\\Skv\\startup.cfg",
         "Access to C:\\Games\\Skv\\startup.cfg was denied."},
        {FileErrorCause::BadPath, "C:\\Gone\\startup.cfg", "C:\\Gone\\startup.cfg contains an invalid path."},
        {FileErrorCause::SharingViolation, "D:\\startup.cfg",
         "A sharing violation occurred while accessing D:\\startup.cfg."},
        {FileErrorCause::DiskFull, "", "Disk full while accessing an unnamed file."},
        {FileErrorCause::Generic, "odd %1 name", "An unknown error occurred while accessing odd %1 name."},
    };
    const std::string title = Application::Current().Title();
    for (const Case& c : cases) {
        MessageBoxAnswerer answerer;
        ReportFileError(c.cause, c.name);
        EXPECT_EQ(answerer.Boxes, (std::vector<ShownBox>{{title, c.text, "exclamation", "OK"}}))
            << int(c.cause);
    }
}

} // namespace
