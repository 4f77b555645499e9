#pragma once

#include <cstdint>
#include <string>

// Why writing a file failed: a cause of the program's file-error messages, numbered in their order.
enum class FileErrorCause {
    None = 0,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardwareIo,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile
};

// Win32 error code -> cause (every unlisted code -> Generic). A short write is DiskFull (callers decide).
FileErrorCause CauseOfSystemError(uint32_t code);

// Fills "%1" in a message template of the string table with the file's name. Inserted text is not scanned
// again, so a name holding "%1" stays as it is.
std::string FormatFileError(const std::string& messageTemplate, const std::string& fileName);
