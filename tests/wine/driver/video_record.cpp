// The video record as the game reads it, built from what the display dialog shows.
#include "driver/ui_driver.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace uidriver {

namespace {

std::string LittleEndian(uint32_t word) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((word >> shift) & 0xFF));
    return bytes;
}

} // namespace

std::string GuidlessVideoRecord(const std::string& modeText) {
    unsigned width = 0, height = 0, bits = 0;
    EXPECT_EQ(std::sscanf(modeText.c_str(), "%u * %u (%u bpp)", &width, &height, &bits), 3) << modeText;
    return std::string(16, '\0') + LittleEndian(0) + LittleEndian(width) + LittleEndian(height) +
           LittleEndian(bits);
}

} // namespace uidriver
