// The names a folder holds, for tests that check no temporary or stray file is left beside the
// launcher's files. Header-only: both Windows test programs include it.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace folder_entries {

// Names in a folder (given with its trailing "\"), without "." and "..", sorted: the order a folder is
// listed in is the file system's, not the launcher's.
inline std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace folder_entries
