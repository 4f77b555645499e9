#include "handoff/file_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using C = FileErrorCause;

TEST(CauseOfSystemError, EveryListedCode) {
    const struct {
        FileErrorCause Cause;
        std::vector<uint32_t> Codes;
    } rows[] = {
        {C::None, {0}},
        {C::FileNotFound, {2, 6, 18, 107}},
        {C::BadPath,
         {3, 15, 17, 34, 52, 53, 55, 67, 70, 85, 111, 123, 124, 125, 144, 154, 161, 206, 208, 267}},
        {C::TooManyOpenFiles, {4, 36, 68, 113}},
        {C::AccessDenied, {5, 12, 19, 29, 54, 58, 64, 65, 71, 80, 82, 86, 170, 183, 999}},
        {C::InvalidFile, {11, 26, 60, 66, 114, 182, 191, 193}},
        {C::RemoveCurrentDir, {16, 145}},
        {C::DirectoryFull, {62}},
        {C::BadSeek, {24, 25, 27, 30, 131, 132}},
        {C::HardwareIo, {20, 21, 22, 23, 57, 59, 88, 117, 995, 996, 997}},
        {C::SharingViolation, {32}},
        {C::LockViolation, {33, 108, 167}},
        {C::DiskFull, {39, 112}},
        {C::EndOfFile, {38}},
    };
    for (const auto& row : rows)
        for (uint32_t code : row.Codes)
            EXPECT_EQ(CauseOfSystemError(code), row.Cause) << "code " << code;
}

TEST(CauseOfSystemError, UnlistedCodesAreGeneric) {
    const uint32_t codes[] = {1,  7,  8,  9,   10,  13,  14,  28,   31,          35,          37,
                              40, 50, 87, 109, 122, 184, 998, 1000, 5 + 0x10000, 0x80070005u, 0xFFFFFFFFu};
    for (uint32_t code : codes)
        EXPECT_EQ(CauseOfSystemError(code), C::Generic) << "code " << code;
}

TEST(FileErrorCause, MessageEntriesFollowTheCause) {
    EXPECT_EQ(FirstFileErrorMessage + static_cast<uint32_t>(C::None), 61856u);
    EXPECT_EQ(FirstFileErrorMessage + static_cast<uint32_t>(C::AccessDenied), 61861u);
    EXPECT_EQ(FirstFileErrorMessage + static_cast<uint32_t>(C::EndOfFile), 61870u);
    EXPECT_EQ(UnnamedFileText, 61446u);
}

TEST(FormatFileError, FillsTheNameIntoTheTemplate) {
    const struct {
        const char* Template;
        const char* Name;
        const char* Expected;
    } rows[] = {
        {"Access to %1 was denied.", "Z:\\games\\skv\\startup.cfg",
         "Access to Z:\\games\\skv\\startup.cfg was denied."},
        {"%1 contains an invalid path.", "C:\\gone\\startup.cfg",
         "C:\\gone\\startup.cfg contains an invalid path."},
        {"Seek failed on %1", "an unnamed file", "Seek failed on an unnamed file"},
        {"No error occurred.", "x.cfg", "No error occurred."},
        {"%1%1", "ab", "abab"},
        {"%1 and %1", "f", "f and f"},
        {"100% sure: %1", "f", "100% sure: f"},
        {"%2 is not %1", "f", "%2 is not f"},
        {"%", "f", "%"},
        {"", "f", ""},
        // The name is inserted as it is and never read as a template itself.
        {"Access to %1 was denied.", "C:\\%1\\startup.cfg", "Access to C:\\%1\\startup.cfg was denied."},
        {"%1 / %1", "%1", "%1 / %1"},
        {"Disk full while accessing %1.", "", "Disk full while accessing ."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormatFileError(row.Template, row.Name), row.Expected)
            << row.Template << " with " << row.Name;
}

} // namespace
