#pragma once

#include <cstdint>
#include <string>

// Why a file operation failed; the value plus 61856 is the string-table entry of its message.
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

constexpr uint32_t FirstFileErrorMessage = 61856; // string entry of FileErrorCause::None
constexpr uint32_t UnnamedFileText = 61446;       // "an unnamed file", for failures without a name at hand

// Win32 error code -> cause (every unlisted code -> Generic). A short write is DiskFull (callers decide).
FileErrorCause CauseOfSystemError(uint32_t code);

// The message text templates live in the string table (entry 61856 + cause); this fills "%1" in a
// template with the name. Inserted text is not scanned again, so a name holding "%1" stays as it is.
std::string FormatFileError(const std::string& messageTemplate, const std::string& fileName);
