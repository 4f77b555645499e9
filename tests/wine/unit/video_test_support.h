// Shared by the video file and display dialog tests: a scratch game folder, byte-exact file access and
// an answerer that closes the launcher's message boxes and records what they said.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

extern std::string GameFolder;

namespace video_test {

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size()) << path;
}

// The file's bytes, or "<absent>" when it can't be opened.
inline std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<absent>";
    std::string bytes;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

inline std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// A fresh, empty game folder for one test; GameFolder points at it while the object lives.
class ScratchGameFolder {
  public:
    explicit ScratchGameFolder(const std::string& name) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "skv-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
        Clear();
        CreateDirectoryA(path_.c_str(), nullptr);
        previous_ = GameFolder;
        GameFolder = path_;
    }
    ~ScratchGameFolder() {
        GameFolder = previous_;
        Clear();
    }
    ScratchGameFolder(const ScratchGameFolder&) = delete;
    ScratchGameFolder& operator=(const ScratchGameFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string VideoFile() const { return path_ + "Skv_Video.cfg"; }

  private:
    void Clear() {
        for (const std::string& name : FolderEntries(path_)) {
            std::string file = path_ + name;
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string path_;
    std::string previous_;
};

// What a message box showed.
struct ShownBox {
    std::string Caption, Text, Icon; // Icon: "error", "information", "exclamation", "question" or "none"
    bool operator==(const ShownBox& other) const {
        return Caption == other.Caption && Text == other.Text && Icon == other.Icon;
    }
};
inline std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    return out << "{" << box.Caption << " | " << box.Text << " | " << box.Icon << "}";
}

// While it lives, every message box of this thread is read and closed with its first button, from a
// thread timer that runs inside the box's own message loop.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer() {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 10, &MessageBoxAnswerer::Tick);
    }
    ~MessageBoxAnswerer() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    std::vector<ShownBox> Boxes;

  private:
    static std::string ClassOf(HWND window) {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        return name;
    }

    // A message box: a dialog with its text in control 0xFFFF and nothing but texts, an icon and
    // buttons. (The launcher's dialogs have unnamed labels too, but also lists.)
    static bool IsMessageBox(HWND window) {
        if (ClassOf(window) != "#32770" || !IsWindowVisible(window) || !GetDlgItem(window, 0xFFFF))
            return false;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::string name = ClassOf(child);
            if (name != "Static" && name != "Button")
                return false;
        }
        return true;
    }

    static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
        if (!IsMessageBox(window))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static std::string IconOf(HWND box) {
        struct Named {
            LPCSTR Id;
            const char* Name;
        };
        const Named icons[] = {{IDI_HAND, "error"},
                               {IDI_ASTERISK, "information"},
                               {IDI_EXCLAMATION, "exclamation"},
                               {IDI_QUESTION, "question"}};
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            HICON shown = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            if (!shown)
                continue;
            for (const Named& icon : icons)
                if (shown == LoadIconA(nullptr, icon.Id))
                    return icon.Name;
        }
        return "none";
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current_)
            return;
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            return;
        char caption[256] = {}, text[1024] = {};
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        current_->Boxes.push_back({caption, text, IconOf(box)});
        // The first button of every box the launcher shows is OK.
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    static MessageBoxAnswerer* current_;
    UINT_PTR timer_ = 0;
};
inline MessageBoxAnswerer* MessageBoxAnswerer::current_ = nullptr;

} // namespace video_test
