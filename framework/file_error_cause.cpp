#include "framework/file_error_cause.h"

namespace {

struct CodeCause {
    uint32_t Code;
    FileErrorCause Cause;
};

using C = FileErrorCause;

// Win32 error numbers grouped by the cause the user is told about.
const CodeCause Causes[] = {
    {0, C::None},
    {2, C::FileNotFound},
    {6, C::FileNotFound},
    {18, C::FileNotFound},
    {107, C::FileNotFound},
    {3, C::BadPath},
    {15, C::BadPath},
    {17, C::BadPath},
    {34, C::BadPath},
    {52, C::BadPath},
    {53, C::BadPath},
    {55, C::BadPath},
    {67, C::BadPath},
    {70, C::BadPath},
    {85, C::BadPath},
    {111, C::BadPath},
    {123, C::BadPath},
    {124, C::BadPath},
    {125, C::BadPath},
    {144, C::BadPath},
    {154, C::BadPath},
    {161, C::BadPath},
    {206, C::BadPath},
    {208, C::BadPath},
    {267, C::BadPath},
    {4, C::TooManyOpenFiles},
    {36, C::TooManyOpenFiles},
    {68, C::TooManyOpenFiles},
    {113, C::TooManyOpenFiles},
    {5, C::AccessDenied},
    {12, C::AccessDenied},
    {19, C::AccessDenied},
    {29, C::AccessDenied},
    {54, C::AccessDenied},
    {58, C::AccessDenied},
    {64, C::AccessDenied},
    {65, C::AccessDenied},
    {71, C::AccessDenied},
    {80, C::AccessDenied},
    {82, C::AccessDenied},
    {86, C::AccessDenied},
    {170, C::AccessDenied},
    {183, C::AccessDenied},
    {999, C::AccessDenied},
    {11, C::InvalidFile},
    {26, C::InvalidFile},
    {60, C::InvalidFile},
    {66, C::InvalidFile},
    {114, C::InvalidFile},
    {182, C::InvalidFile},
    {191, C::InvalidFile},
    {193, C::InvalidFile},
    {16, C::RemoveCurrentDir},
    {145, C::RemoveCurrentDir},
    {62, C::DirectoryFull},
    {24, C::BadSeek},
    {25, C::BadSeek},
    {27, C::BadSeek},
    {30, C::BadSeek},
    {131, C::BadSeek},
    {132, C::BadSeek},
    {20, C::HardwareIo},
    {21, C::HardwareIo},
    {22, C::HardwareIo},
    {23, C::HardwareIo},
    {57, C::HardwareIo},
    {59, C::HardwareIo},
    {88, C::HardwareIo},
    {117, C::HardwareIo},
    {995, C::HardwareIo},
    {996, C::HardwareIo},
    {997, C::HardwareIo},
    {32, C::SharingViolation},
    {33, C::LockViolation},
    {108, C::LockViolation},
    {167, C::LockViolation},
    {39, C::DiskFull},
    {112, C::DiskFull},
    {38, C::EndOfFile},
};

} // namespace

FileErrorCause CauseOfSystemError(uint32_t code) {
    for (const CodeCause& entry : Causes)
        if (entry.Code == code) // cppcheck-suppress useStlAlgorithm
            return entry.Cause;
    return FileErrorCause::Generic;
}

std::string FormatFileError(const std::string& messageTemplate, const std::string& fileName) {
    std::string message;
    std::string::size_type from = 0;
    for (std::string::size_type at; (at = messageTemplate.find("%1", from)) != std::string::npos;
         from = at + 2) {
        message.append(messageTemplate, from, at - from);
        message += fileName;
    }
    message.append(messageTemplate, from, std::string::npos);
    return message;
}
