#include "location/windows_location_platform.h"

#include <windows.h>

#include <commdlg.h>

#include "framework/registry.h"
#include "framework/code_page.h"
#include "framework/file_dialog.h"
#include "framework/growing_buffer.h"
#include "res/resource.h"

std::string WindowsLocationPlatform::ReadRegistryString(const std::string& key, const char* valueName,
                                                        const std::string& defaultText) {
    return ::ReadRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), valueName, defaultText);
}

bool WindowsLocationPlatform::WriteRegistryString(const std::string& key, const char* valueName,
                                                  const std::string& text) {
    return ::WriteRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), valueName, text.c_str());
}

std::optional<std::string> WindowsLocationPlatform::SearchGame(const char* folder) {
    return CallWithGrowingBuffer([folder](char* path, size_t size) {
        return SearchPathA(folder, GameExeName, nullptr, static_cast<DWORD>(size), path, nullptr);
    });
}

bool WindowsLocationPlatform::IsUsableFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0; // the failure value has every bit set
}

void WindowsLocationPlatform::ShowGameNotFound() {
    context_.ShowMessage(context_.ResourceString(SKV_STR_GAME_NOT_FOUND), MB_OK | MB_ICONINFORMATION);
}

bool WindowsLocationPlatform::ConfirmChange(const std::string& currentFolder) {
    std::string text = "The Current Path is: " + currentFolder + "\nDo you want to change it?";
    return context_.ShowMessage(text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

FileChoice WindowsLocationPlatform::AskForGameFile() {
    OpenFileRequest request;
    request.Owner = context_.OwnerWindow();
    request.Filter = context_.ResourceString(SKV_STR_EXE_FILTER);
    request.InitialName = GameExeName;
    request.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ENABLESIZING;
    return ShowOpenFileDialog(request);
}

void WindowsLocationPlatform::ShowFileDialogFailed(unsigned long error) {
    // In hexadecimal, at least four digits, as the dialog's error numbers are written.
    std::string number;
    for (unsigned long rest = error; rest != 0 || number.size() < 4; rest >>= 4)
        number.insert(number.begin(), "0123456789ABCDEF"[rest & 0xF]);
    context_.ShowMessage("ERROR: The dialog to locate 'SKV.EXE' could not be shown (error 0x" + number + ").",
                         MB_OK | MB_ICONERROR);
}

void WindowsLocationPlatform::SetCurrentFolder(const std::string& folder) {
    SetCurrentDirectoryA(folder.c_str());
}

LeadBytes WindowsLocationPlatform::PathLeadBytes() {
    return SystemLeadBytes();
}

void WindowsLocationPlatform::ShowFolderUnusable(const std::string& folder) {
    context_.ShowMessage(
        "ERROR: This Windows cannot give the launcher the name of the game's folder:\n" + folder +
            "\nThe name has letters of another language than the one Windows is set to use for "
            "programs like this one. Rename the folder, or use Windows 10 version 1903 or later.",
        MB_OK | MB_ICONERROR);
}
