// Replacing a file's contents in one step, or in place while another program has it open.
#include "framework/file_writing.h"

#include "framework/code_page.h"
#include "framework/growing_buffer.h"
#include "framework/handles.h"

#include <algorithm>

namespace {

// The access the launcher asks for on the files it writes: read and write, others may only read.
constexpr DWORD WriteAccess = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD ShareReaders = FILE_SHARE_READ;

FileWriteResult Failed(FileWriteResult::Stage stage, FileErrorCause cause) {
    FileWriteResult result;
    result.FailedAt = stage;
    result.Cause = cause;
    return result;
}

FileWriteResult FailedWithLastError(FileWriteResult::Stage stage) {
    return Failed(stage, CauseOfSystemError(GetLastError()));
}

// Opens the file that will be replaced the way a direct rewrite would, so that a read-only file, a
// missing folder or a file another program holds without sharing fails here with its own cause.
// A file that does not exist yet is fine: it will be created.
bool TargetCanBeRewritten(const std::string& path, FileWriteResult& failure) {
    FileHandle target(CreateFileA(path.c_str(), WriteAccess, ShareReaders, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (target)
        return true;
    if (GetLastError() == ERROR_FILE_NOT_FOUND)
        return true;
    failure = FailedWithLastError(FileWriteResult::Stage::Open);
    return false;
}

// Creates a new, uniquely named file beside path; "" when none could be made (cause in failure). Its
// name ("~" and hexadecimal digits) is no longer than the file's own, so a folder whose path leaves just
// room for the file leaves room for its temporary too.
std::string CreateTemporarySibling(const std::string& path, FileHandle& file, FileWriteResult& failure) {
    const std::string::size_type nameStart = NameStart(path, SystemLeadBytes()); // 0 when there is no folder
    const std::string::size_type nameLength = path.size() - nameStart;
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        std::string name = "~";
        for (DWORD digits = seed + attempt * 0x9E3779B9u; name.size() < std::min<size_t>(nameLength, 9);
             digits >>= 4)
            name += "0123456789abcdef"[digits & 0xF];
        std::string candidate = path.substr(0, nameStart) + name;
        file.Reset(CreateFileA(candidate.c_str(), WriteAccess, ShareReaders, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file)
            return candidate;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    failure = FailedWithLastError(FileWriteResult::Stage::Open);
    return "";
}

// Writes everything with one request, flushes and closes the file; a short write means the disk is full.
// After a failed write the file is still open.
FileWriteResult WriteAndClose(FileHandle& file, const void* data, size_t size) {
    DWORD written = 0;
    if (!WriteFile(file.Get(), data, static_cast<DWORD>(size), &written, nullptr) ||
        !FlushFileBuffers(file.Get()))
        return FailedWithLastError(FileWriteResult::Stage::Write);
    if (written != size)
        return Failed(FileWriteResult::Stage::Write, FileErrorCause::DiskFull);
    if (!CloseHandle(file.Release()))
        return FailedWithLastError(FileWriteResult::Stage::Close);
    return FileWriteResult{};
}

// Windows will not replace a file that another program has open without sharing its deletion, and says
// ERROR_ACCESS_DENIED (Wine says the same while the file is open at all, whatever it shares); a scanner
// that is still looking into the new temporary file makes the move fail with ERROR_SHARING_VIOLATION.
// A target that refuses writing altogether fails before this, when it is opened for a rewrite.
bool InUse(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
}

// Moves the temporary file over path: ERROR_SUCCESS, or the error of the last attempt. While either file is
// in use it tries again up to five times, 50 ms apart: a scanner lets go of a file within a fraction of a
// second, and a program that keeps the file open costs a quarter of a second at most.
DWORD MoveIntoPlace(const std::string& temporary, const std::string& path) {
    constexpr DWORD Retries = 5, PauseMs = 50;
    for (DWORD retry = 0;; ++retry) {
        if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
            return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        if (retry == Retries || !InUse(error))
            return error;
        Sleep(PauseMs);
    }
}

// Rewrites the file itself, emptied and written from the start, for a target that another program keeps
// open while it lets others write. A write that fails leaves the file as far as it got, possibly empty.
FileWriteResult RewriteInPlace(const std::string& path, const void* data, size_t size) {
    FileHandle file(CreateFileA(path.c_str(), WriteAccess, ShareReaders, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return FailedWithLastError(FileWriteResult::Stage::Open);
    return WriteAndClose(file, data, size);
}

} // namespace

FileWriteResult ReplaceFileContents(const std::string& path, const void* data, size_t size) {
    FileWriteResult failure;
    if (!TargetCanBeRewritten(path, failure))
        return failure;

    FileHandle file;
    const std::string temporary = CreateTemporarySibling(path, file, failure);
    if (temporary.empty())
        return failure;

    failure = WriteAndClose(file, data, size);
    if (!failure.Ok()) {
        file.Reset();
        DeleteFileA(temporary.c_str());
        return failure;
    }
    // The complete new file takes the old one's place in one step. One that another program keeps open
    // is rewritten in place instead; the temporary file goes only once that is done.
    const DWORD moveError = MoveIntoPlace(temporary, path);
    if (moveError == ERROR_SUCCESS)
        return FileWriteResult{};
    failure = InUse(moveError) ? RewriteInPlace(path, data, size)
                               : Failed(FileWriteResult::Stage::Replace, CauseOfSystemError(moveError));
    DeleteFileA(temporary.c_str());
    return failure;
}

std::string FullPathOf(const std::string& path) {
    return CallWithGrowingBuffer([&path](char* buffer, size_t size) {
               return GetFullPathNameA(path.c_str(), static_cast<DWORD>(size), buffer, nullptr);
           })
        .value_or(path);
}
