// The parts of a path held as bytes in the process's code page. In the double-byte code pages (932, 936,
// 949, 950) the second byte of a character can be 0x5C, the byte of "\": a separator is found only by
// walking the path character by character from its start.
#pragma once

#include <bitset>
#include <optional>
#include <string>

// Which bytes of a code page begin a two-byte character. Empty for single-byte code pages and for UTF-8,
// whose multi-byte characters never hold a byte below 0x80.
class LeadBytes {
  public:
    void AddRange(unsigned char first, unsigned char last) {
        for (unsigned byte = first; byte <= last; ++byte)
            lead_.set(byte);
    }
    bool Has(unsigned char byte) const { return lead_.test(byte); }

  private:
    std::bitset<256> lead_;
};

// Where the file name starts: just after the last "\" or "/" that is a character of its own (0 when there
// is none).
std::string::size_type NameStart(const std::string& path, const LeadBytes& lead);

// The folder part of a path, without its last separator; nothing when the path holds no separator.
std::optional<std::string> FolderOf(const std::string& path, const LeadBytes& lead);

// Ends a folder with a separator: "\" is appended unless its last character is "\" or "/" already.
void ApplyTrailingSeparator(std::string& folder, const LeadBytes& lead);

// A path in its usual form: "\\?\C:\..." as "C:\...", "\\?\UNC\server\share\..." (in any case: "unc") as
// "\\server\share\...". Other paths stay as they are.
std::string WithoutLongPathPrefix(const std::string& path);
