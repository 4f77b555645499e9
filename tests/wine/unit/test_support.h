// Helpers for the in-process tests that touch real files and show message boxes: byte-exact file access,
// shell commands on the Unix side, scratch folders (also as the game's folder) that are cleaned away even
// when a test made them unchangeable or mounted something in them, and an answerer that records and
// closes the launcher's message boxes.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "folder_entries.h"
#include "unix_shell.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern std::string GameFolder;

namespace test_support {

// ---- Paths ----

using unix_shell::ThisExeFolder;
using unix_shell::UnixPath;

// ---- Files ----

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size()) << path;
}

// The whole file, or "<absent>" when it can't be opened.
inline std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<absent>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

using folder_entries::FolderEntries;

// Four-byte words as the files store them, least significant byte first.
inline std::string LittleEndianWords(std::initializer_list<uint32_t> words) {
    std::string bytes;
    for (uint32_t word : words)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>((word >> shift) & 0xFF));
    return bytes;
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// ---- The Unix side ----

using unix_shell::FillDisk;
using unix_shell::MountSmallDisk;
using unix_shell::RunUnix;
using unix_shell::UnmountBelow;

// Makes a file or folder unchangeable for everyone, the super-user included, with the file system's
// immutable flag: as root, Wine writes over files that merely lack write permission. Fails the test when
// the flag can't be set.
inline void MakeUnchangeable(const std::string& path) {
    ASSERT_EQ(RunUnix("chattr +i '" + UnixPath(path) + "'"), 0) << "chattr +i " << path;
}

// Whether opening the file for writing is refused.
inline bool WritingIsRefused(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    CloseHandle(file);
    return false;
}

// Makes a file read-only as a user sees it (the attribute), and, where this process could write it all the
// same (root's file capabilities), unchangeable too. Fails the test when writing is still possible.
inline void MakeReadOnly(const std::string& path) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY)) << path;
    if (!WritingIsRefused(path))
        MakeUnchangeable(path);
    ASSERT_TRUE(WritingIsRefused(path)) << path << " can still be opened for writing";
}

// ---- Scratch folders ----

// A fresh, empty folder beside this program, removed with everything in it afterwards: also when a test
// made something in it unchangeable or mounted a file system in it.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name) : path_(ThisExeFolder() + "scratch-" + name + "\\") {
        Remove();
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder() { Remove(); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; } // ends with "\"
    std::string File(const std::string& name) const { return path_ + name; }

  private:
    // Plain files go the quick way; anything left over (unchangeable, mounted) through the shell.
    void Remove() const {
        for (const std::string& name : FolderEntries(path_)) {
            const std::string file = path_ + name;
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        }
        RemoveDirectoryA(path_.c_str());
        if (!Exists(path_))
            return;
        UnmountBelow(path_);
        const std::string unix = "'" + UnixPath(path_) + "'";
        RunUnix("chattr -R -i " + unix + " 2>/dev/null; rm -rf " + unix);
    }

    std::string path_;
};

// A scratch folder that is the game's folder while it lives.
class ScratchGameFolder : public ScratchFolder {
  public:
    explicit ScratchGameFolder(const std::string& name) : ScratchFolder(name), previous_(GameFolder) {
        GameFolder = Path();
    }
    ~ScratchGameFolder() { GameFolder = previous_; }

    std::string VideoFile() const { return File("Skv_Video.cfg"); }

  private:
    std::string previous_;
};

// ---- Bounds ----

// Ends this test program with a clear message when what it guards has not finished in time: a modal loop
// that never ends would otherwise hold the test runner until its own, much later limit.
class Watchdog {
  public:
    Watchdog(DWORD ms, std::string what)
        : what_(std::move(what)), done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = std::thread([this, ms] {
            if (WaitForSingleObject(done_, ms) != WAIT_TIMEOUT)
                return;
            std::fflush(stdout);
            std::fprintf(stderr, "\n%s did not finish within %lu s; the test program ends here.\n",
                         what_.c_str(), static_cast<unsigned long>(ms / 1000));
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        });
    }
    ~Watchdog() {
        SetEvent(done_);
        thread_.join();
        CloseHandle(done_);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

  private:
    std::string what_;
    HANDLE done_;
    std::thread thread_;
};

// ---- Message boxes ----

// What a message box showed.
struct ShownBox {
    std::string Caption, Text;
    std::string Icon;           // "error", "information", "exclamation", "question" or "none"
    std::string Buttons = "OK"; // captions of the visible buttons, "|" between them
    bool operator==(const ShownBox& other) const {
        return Caption == other.Caption && Text == other.Text && Icon == other.Icon &&
               Buttons == other.Buttons;
    }
};
inline std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    return out << "{" << box.Caption << " | " << box.Text << " | " << box.Icon << " | " << box.Buttons << "}";
}

// While it lives, every message box of this thread is read and closed with OK, from a thread timer that
// runs inside the box's own message loop.
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

    static std::string ButtonsOf(HWND box) {
        std::string buttons;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassOf(child) != "Button" || !IsWindowVisible(child))
                continue;
            char text[64] = {};
            GetWindowTextA(child, text, sizeof text);
            std::string caption;
            for (const char* c = text; *c; ++c)
                if (*c != '&')
                    caption.push_back(*c);
            buttons += (buttons.empty() ? "" : "|") + caption;
        }
        return buttons;
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
        current_->Boxes.push_back({caption, text, IconOf(box), ButtonsOf(box)});
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    static MessageBoxAnswerer* current_;
    UINT_PTR timer_ = 0;
};
inline MessageBoxAnswerer* MessageBoxAnswerer::current_ = nullptr;

} // namespace test_support
