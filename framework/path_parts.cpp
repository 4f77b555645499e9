#include "framework/path_parts.h"

#include <algorithm>

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The position of the last separator character, or npos. A lead byte takes the byte after it along.
std::string::size_type LastSeparator(const std::string& path, const LeadBytes& lead) {
    std::string::size_type last = std::string::npos;
    for (std::string::size_type i = 0; i < path.size(); ++i) {
        if (lead.Has(static_cast<unsigned char>(path[i])))
            ++i;
        else if (IsSeparator(path[i]))
            last = i;
    }
    return last;
}

// Whether text begins with the ASCII `start`, letters compared without regard to case.
bool StartsWithIgnoringCase(const std::string& text, const std::string& start) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return text.size() >= start.size() && std::equal(start.begin(), start.end(), text.begin(),
                                                     [&](char a, char b) { return lower(a) == lower(b); });
}

} // namespace

std::string::size_type NameStart(const std::string& path, const LeadBytes& lead) {
    const std::string::size_type separator = LastSeparator(path, lead);
    return separator == std::string::npos ? 0 : separator + 1;
}

std::optional<std::string> FolderOf(const std::string& path, const LeadBytes& lead) {
    const std::string::size_type separator = LastSeparator(path, lead);
    if (separator == std::string::npos)
        return std::nullopt;
    return path.substr(0, separator);
}

void ApplyTrailingSeparator(std::string& folder, const LeadBytes& lead) {
    if (folder.empty() || NameStart(folder, lead) != folder.size())
        folder += '\\';
}

std::string WithoutLongPathPrefix(const std::string& path) {
    const std::string prefix = "\\\\?\\", networkPrefix = prefix + "UNC\\";
    if (StartsWithIgnoringCase(path, networkPrefix)) // Windows reads "unc" as "UNC", as every name
        return "\\\\" + path.substr(networkPrefix.size());
    if (path.compare(0, prefix.size(), prefix) == 0)
        return path.substr(prefix.size());
    return path;
}
