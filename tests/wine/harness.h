// The Windows tests run inside an application object of their own, linked with the launcher's code and
// resources: the launcher's dialogs run modally in this process, driven from a thread timer inside their
// own message loops, and the real SkvLauncher.exe runs as another process, driven from outside.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <deque>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/handles.h"
#include "tests/options.h"
#include "ui/display_settings_dialog.h"

namespace harness {

// What the launcher's dialogs and messages need, as the test program's application object hands it on.
AppContext& Context();

// The launcher's profile, below HKEY_CURRENT_USER.
constexpr const char* ProfileKey = "Software\\Harbeck\\Skv Launcher";
constexpr const char* GameKey = "Software\\Quillon\\Skarnvale";
constexpr const char* AppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\skvprog.exe";
constexpr const char* StandinExe = SKV_STANDIN_EXE;
constexpr const char* LauncherExe = SKV_LAUNCHER_EXE;
// Where every game the tests start reports what it was given.
constexpr const char* ReportFile = "C:\\skv-tests\\report.txt";

// ---- Registry (the 32-bit view, as the launcher's) and files ----

void SetValue(HKEY root, const char* key, const char* name, DWORD type, const std::string& bytes);
void SetString(HKEY root, const char* key, const char* name, const std::string& text); // REG_SZ
// A value as "type:bytes", "<absent>" without it.
std::string GetValue(HKEY root, const char* key, const char* name);
std::string KeyHolds(HKEY root, const char* key); // "N values, N keys", "<absent>" without the key
void CleanSlate();                                // no profile, no installer's entries, no game's report
std::string Dword(uint32_t value);

std::string FileContents(const std::string& path); // "<absent>" when it cannot be opened
void WriteContents(const std::string& path, const std::string& bytes);
std::vector<std::string> FolderEntries(const std::string& folder); // sorted; the folder and names in UTF-8
std::string Variable(const char* name); // of this program's environment; "" without it

// ---- Where the tests run: Windows, or Wine on the bench ----

// True on the bench: under Wine, whose screen, DirectDraw device, DLL overrides and shell handlers the tests
// know. On Windows the tests that rely on them are skipped.
bool OnTheBench();
// True where the Unix side is at hand: under Wine, unless SKV_TESTS_AS_ON_WINDOWS=1 asks the test program to
// behave as on Windows. Only what needs Unix goes through it: a drive of a game folder's own, a test program
// started again under another locale or display scale, a launcher started without a display.
bool UnixSideAtHand();
#define SKIP_UNLESS(condition, what)                                                                         \
    if (!(condition))                                                                                        \
    GTEST_SKIP() << "this runs on the Wine bench only: " << what
// The Unix path of a Windows one.
std::string UnixPath(const std::string& windowsPath);
// A shell command's exit status. One that is not done in the time allowed for `seconds` is ended with
// everything it started, and fails the test.
int RunUnix(const std::string& command, int seconds = 20);
// This test program once more, in a Wine process of its own with these variables ("NAME=value ..."), running
// these tests; its exit status.
int RunAgain(const std::string& variables, const std::string& tests, int seconds);

// A fresh folder "C:\skv-tests\<name>\" holding a copy of the stand-in game: the same short path wherever
// the build lies. Removed with everything in it.
struct GameFolderOnDisk {
    explicit GameFolderOnDisk(const std::string& name);
    ~GameFolderOnDisk();
    std::string Path; // ends with "\"
};

// The values of these keys ("key ...") in the stand-in's report once it is complete and the game that wrote
// it has ended, joined by " | "; "<no report>" when none comes in the time allowed for 20 s.
std::string Reported(const std::string& keys);

// Polls `done` every 10 ms for up to `ms` (0: the time allowed for 20 s), handling this thread's messages
// meanwhile.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = 0);

// The real SkvLauncher.exe as a process of its own, started from a folder without the game (so that only
// the ways under test can find it) and ended when the test is done with it.
class Launcher {
  public:
    explicit Launcher(const std::string& exe = LauncherExe, const std::string& arguments = "");
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;
    std::vector<HWND> Windows() const; // its visible top-level windows
    // Its window with the control `id` showing `text` ("Start" for the main dialog; 0xFFFF for a message
    // box's text); nullptr once the time allowed has passed or the launcher has ended.
    HWND Window(int id, const std::string& text);
    // Its "Open" dialog; nullptr once the time allowed has passed or the launcher has ended.
    HWND OpenDialog();
    // Types `path` (UTF-8) into its "Open" dialog and presses OK, or Cancel when `path` is empty.
    void Choose(const std::string& path);
    // The exit status once it has ended; STILL_ACTIVE while it still runs when the time allowed has passed.
    DWORD ExitCode();

  private:
    // Its first window that `match`es; nullptr once the time allowed has passed or the launcher has ended.
    HWND Find(const std::function<bool(HWND)>& match, const std::string& what);
    PROCESS_INFORMATION process_{};
};

// ---- Windows of this process, driven from inside their modal loops ----

// Queues what to do with the next window that opens in this thread (a message box, a dialog, the level
// menu): `action` runs inside that window's own modal loop once it is on screen. A window that nobody
// expects is closed and fails the test, so that no test can hang on it.
void WhenOpen(const std::function<void(HWND)>& action);
// Texts in the order they came, such as the messages shown.
using Texts = std::vector<std::string>;
// Runs `action`, answering the message boxes it shows with `buttons` in turn, then with OK; gives their
// descriptions, "text (icon: buttons)", with "[caption] " in front when it is not the launcher's title.
Texts Boxes(const std::function<void()>& action, std::deque<int> buttons = {});

// Runs a dialog modally and `body` once it is on screen; ends it with IDABORT if the body did not end it.
// Fails the test when windows queued meanwhile never opened.
INT_PTR RunModally(Dialog& dialog, const std::function<void(HWND)>& body);
// Runs the launcher's main dialog, with the launcher's profile and location platform, over a game at this
// path in this folder, like RunModally.
INT_PTR RunMainDialog(const std::function<void(HWND)>& body, const std::string& exePath = "",
                      const std::string& folder = "");
// The same over the game "Skv.exe" in this folder.
INT_PTR RunMainDialog(const std::string& folder, const std::function<void(HWND)>& body);

// ---- Controls of a dialog, of this process or another ----

// A user's click: a control a user could not click fails the test (a click sent to a disabled check box
// toggles it all the same). Returns once the click has been handled.
void Click(HWND dialog, int id);
std::string Text(HWND dialog, int id);
// A control as failure messages name it: its text, then its id: "" Rendering " (1037)".
std::string Named(HWND dialog, int id);

// "Name=value ...", in order, set as a user would: a spin takes the text typed into its edit box.
void Type(HWND dialog, const std::string& typed);
// The 26 options as the defaults but for `changed` ("Name=number ..."): shown by the dialog, or stored in
// the profile as four-byte numbers.
void ExpectShown(HWND dialog, const std::string& changed);
void ExpectStored(const std::string& changed);

} // namespace harness
