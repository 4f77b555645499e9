// Paths of the built programs and the throw-away game folders the UI tests run against.
#include "driver/ui_driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace uidriver {

std::string WindowsPath(const char* unixPath) {
    std::string path = "Z:";
    for (const char* c = unixPath; *c; ++c)
        path += (*c == '/') ? '\\' : *c;
    return path;
}

std::string LauncherExePath() {
    return WindowsPath(SKV_LAUNCHER_EXE);
}
std::string StandinExePath() {
    return WindowsPath(SKV_STANDIN_EXE);
}

std::string TestExeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string CurrentTestName() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (!test)
        return "no-test";
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name) // parameterised names carry "/"
        if (c == '/' || c == '\\' || c == ':')
            c = '_';
    return name;
}

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        // Our own messages must flow: replies of SendMessageCallback arrive as messages.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        if (done())
            return true;
        if (GetTickCount() - start >= ms)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

namespace {

// Deletes a folder tree; read-only files and folders are made writable first.
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
}

} // namespace

GameFolder::GameFolder(const std::string& name, const char* exeName) {
    const std::string root = TestExeFolder() + "ui-games";
    CreateDirectoryA(root.c_str(), nullptr);
    path_ = root + "\\" + name + "\\";
    RemoveTree(PathWithoutSeparator()); // a left-over of an interrupted run
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        ADD_FAILURE() << "cannot create the game folder " << path_ << " (error " << GetLastError() << ")";
    if (exeName)
        CopyStandin(exeName);
}

GameFolder::~GameFolder() {
    RemoveTree(PathWithoutSeparator());
}

std::string GameFolder::PathWithoutSeparator() const {
    return path_.substr(0, path_.size() - 1);
}

bool GameFolder::Exists(const std::string& name) const {
    return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void GameFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        ADD_FAILURE() << "cannot write " << File(name);
}

std::optional<std::string> GameFolder::ReadFile(const std::string& name) const {
    return ReadWholeFile(File(name));
}

void GameFolder::RemoveFile(const std::string& name) const {
    SetFileAttributesA(File(name).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(File(name).c_str());
}

void GameFolder::CopyStandin(const std::string& name) const {
    if (!CopyFileA(StandinExePath().c_str(), File(name).c_str(), FALSE))
        ADD_FAILURE() << "cannot copy the stand-in game " << StandinExePath() << " to " << File(name)
                      << " (error " << GetLastError() << ")";
}

void GameFolder::CopyLauncher(const std::string& name) const {
    if (!CopyFileA(LauncherExePath().c_str(), File(name).c_str(), FALSE))
        ADD_FAILURE() << "cannot copy the launcher " << LauncherExePath() << " to " << File(name)
                      << " (error " << GetLastError() << ")";
}

void GameFolder::MakeFolder(const std::string& name) const {
    if (!CreateDirectoryA(File(name).c_str(), nullptr))
        ADD_FAILURE() << "cannot create the folder " << File(name);
}

void GameFolder::SetReadOnly(const std::string& name, bool readOnly) const {
    DWORD attributes = GetFileAttributesA(File(name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        ADD_FAILURE() << "no such file " << File(name);
        return;
    }
    attributes = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY) : (attributes & ~FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(File(name).c_str(), attributes);
}

} // namespace uidriver
