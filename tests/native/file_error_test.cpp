#include "framework/file_error_cause.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

TEST(FileError, EveryWindowsErrorCodeHasItsCause) {
    using C = FileErrorCause;
    const struct {
        FileErrorCause Cause;
        const char* Codes;
    } rows[] = {
        {C::None, "0"},
        {C::Generic, "1 7 9 31 100 1000 4294967295"},
        {C::FileNotFound, "2 6 18 107"},
        {C::BadPath, "3 15 17 34 52 53 55 67 70 85 111 123 124 125 144 154 161 206 208 267"},
        {C::TooManyOpenFiles, "4 36 68 113"},
        {C::AccessDenied, "5 12 19 29 54 58 64 65 71 80 82 86 170 183 999"},
        {C::InvalidFile, "11 26 60 66 114 182 191 193"},
        {C::RemoveCurrentDir, "16 145"},
        {C::DirectoryFull, "62"},
        {C::BadSeek, "24 25 27 30 131 132"},
        {C::HardwareIo, "20 21 22 23 57 59 88 117 995 996 997"},
        {C::SharingViolation, "32"},
        {C::LockViolation, "33 108 167"},
        {C::DiskFull, "39 112"},
        {C::EndOfFile, "38"},
    };
    for (const auto& row : rows) {
        std::istringstream codes(row.Codes);
        for (uint32_t code; codes >> code;)
            EXPECT_EQ(CauseOfSystemError(code), row.Cause) << "error " << code;
    }
}

} // namespace
