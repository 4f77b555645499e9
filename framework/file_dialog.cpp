#include "framework/file_dialog.h"
#include "framework/loaded_on_demand.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <vector>

FileChoice ShowOpenFileDialog(const OpenFileRequest& request) {
    // The dialog wants the filter pairs separated by zero bytes and ended by two.
    std::string filter = request.Filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');

    // Room for the longest path that Windows accepts, 259 characters, at up to three bytes each (in UTF-8;
    // two in the double-byte code pages): a path cut short must never reach the launcher.
    std::vector<char> file(MAX_PATH * 3, '\0');
    request.InitialName.copy(file.data(), file.size() - 1);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.Owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.Flags = request.Flags;
    if (!GetOpenFileNameOnDemand(&dialog))
        return {std::nullopt, CommDlgExtendedErrorOnDemand()}; // 0 for a cancel
    return {std::string(file.data(), strnlen(file.data(), file.size()))};
}
