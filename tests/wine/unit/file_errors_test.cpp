// Replacing a file's contents in real folders: exact bytes, the old file whole after every failure, the
// cause of each failure, and never a temporary file left behind. Read-only cases use files made
// unchangeable with the file system's immutable flag (as root, Wine writes over files that only lack
// write permission); the full disk is a tiny memory file system mounted for the test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "framework/application.h"
#include "framework/file_errors.h"

namespace {

std::string ThisExePath() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

// "Z:\a\b" -> "/a/b": Wine maps the Unix root to drive Z:.
std::string UnixPath(std::string path) {
    if (path.size() >= 2 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':')
        path.erase(0, 2);
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size()) << path;
}

// The whole file, or "<absent>" when it cannot be opened.
std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<absent>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Runs a shell command line on the Unix side and gives its exit status (-1 when it did not finish in
// time). Wine starts Unix programs but does not pass their status back, so the shell writes it to a file.
int RunUnix(const std::string& command, DWORD timeoutMs = 10000) {
    // Beside this program, on the drive that maps the Unix root, so both sides name it.
    const std::string exe = ThisExePath();
    const std::string statusFile =
        exe.substr(0, exe.find_last_of('\\') + 1) + "unix-status-" + std::to_string(GetCurrentProcessId());
    DeleteFileA(statusFile.c_str());
    std::string line = "/bin/sh -c \"export PATH=/usr/sbin:/usr/bin:/sbin:/bin; " + command +
                       "; echo $? > '" + UnixPath(statusFile) + ".part'; mv '" + UnixPath(statusFile) +
                       ".part' '" + UnixPath(statusFile) + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        std::string status = ReadBytes(statusFile);
        if (status != "<absent>") {
            DeleteFileA(statusFile.c_str());
            return std::atoi(status.c_str());
        }
        Sleep(20);
    }
    return -1;
}

// A fresh folder beside this program, removed with its contents afterwards.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name) {
        const std::string exe = ThisExePath();
        path_ = exe.substr(0, exe.find_last_of('\\') + 1) + "file-errors-" + name + "\\";
        Remove();
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { Remove(); }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }
    void Remove() const {
        RunUnix("umount '" + UnixPath(path_) + "disk' 2>/dev/null; chattr -R -i '" + UnixPath(path_) +
                "' 2>/dev/null; rm -rf '" + UnixPath(path_) + "'");
    }

  private:
    std::string path_;
};

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
    if (RunUnix("mount -t tmpfs -o size=64k skv-full-disk '" + UnixPath(mount) + "'") != 0)
        GTEST_SKIP() << "this machine does not allow mounting a small file system for the test";
    struct Unmount {
        std::string where;
        ~Unmount() { RunUnix("umount '" + where + "'"); }
    } unmount{UnixPath(mount)};

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

// A file or folder nobody may change, the super-user included (as root, Wine would write over a file
// that only lacks write permission): the file system's immutable flag.
void MakeUnchangeable(const std::string& path) {
    ASSERT_EQ(RunUnix("chattr +i '" + UnixPath(path) + "'"), 0) << "chattr +i " << path;
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

// Reads the launcher's message box from another thread of this process and presses OK.
struct SeenBox {
    std::string text;
    bool hasOk = false, hasCancel = false;
};

SeenBox ReportAndRead(FileErrorCause cause, const std::string& name) {
    SeenBox seen;
    const std::string title = Application::Current().Title();
    std::thread reader([&] {
        for (int i = 0; i < 500; ++i) {
            HWND box = FindWindowA("#32770", title.c_str());
            DWORD process = 0;
            if (box)
                GetWindowThreadProcessId(box, &process);
            if (box && process == GetCurrentProcessId() && IsWindowVisible(box)) {
                char text[1024] = "";
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                seen.text = text;
                seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
                seen.hasCancel =
                    GetDlgItem(box, IDCANCEL) != nullptr && IsWindowVisible(GetDlgItem(box, IDCANCEL));
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    ReportFileError(cause, name);
    reader.join();
    return seen;
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
    for (const Case& c : cases) {
        SeenBox seen = ReportAndRead(c.cause, c.name);
        EXPECT_EQ(seen.text, c.text) << int(c.cause);
        EXPECT_TRUE(seen.hasOk);
        EXPECT_FALSE(seen.hasCancel);
    }
}

} // namespace
