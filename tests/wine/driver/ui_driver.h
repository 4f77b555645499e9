// Drives the real SkvLauncher.exe from another process, for end-to-end tests under Wine.
//
// Every wait is bounded (kDefaultWaitMs unless given) and reports a readable GoogleTest failure
// instead of hanging. All strings are ANSI (the launcher's own code page); Windows paths use "\".
//
// Typical use:
//   uidriver::CleanRegistry registry;                 // no installer entries, no profile
//   uidriver::GameFolder game;                        // fresh folder holding the stand-in Skv.exe
//   uidriver::SetGamePathEntry(game.PathWithoutSeparator());
//   uidriver::Launcher launcher(uidriver::LaunchOptions::ForGame(game));
//   uidriver::DialogWindow dialog = launcher.WaitForMainWindow();
//   dialog.SetCheck(SKV_ID_DEBUG, true);
//   dialog.Click(IDOK);                               // returns when handled, a window opened or the process
//   ended ASSERT_TRUE(launcher.WaitForExit()); uidriver::StandinReport report =
//   uidriver::WaitForReport(game.ReportPath());
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace uidriver {

constexpr DWORD kDefaultWaitMs = 10000;

// The launcher's own caption, also the caption of all its message boxes.
constexpr const char* kAppTitle = "Skarnvale Launcher (BETA 2)";
// The question after a "startup.cfg" that could not be written: start the game anyway?
constexpr const char* kSaveQuestion =
    "ERROR: Failed to save configuration file.\nDo you want to continue anyway?";
// A "startup.cfg" an earlier start left, for tests that check it is kept whole or replaced.
constexpr const char* kPreviousStartupCfg =
    "EXPV 1\r\nCROUCHMODE 1\r\nEXTRAPOLATE_MOVEMENT 1\r\nMOTIONTRACKERVOLUME 0.50\r\n";

// ---- Paths ----------------------------------------------------------------------------------

// "/a/b" -> "Z:\a\b" (Wine maps the Unix root to drive Z:).
std::string WindowsPath(const char* unixPath);
std::string LauncherExePath(); // the built SkvLauncher.exe, Windows form
std::string StandinExePath();  // the built stand-in Skv.exe, Windows form
std::string TestExeFolder();   // folder of the running test program, with trailing "\"
// "Suite.Name" of the running GoogleTest test (or "no-test" outside one).
std::string CurrentTestName();

// Polls `done` (pumping this thread's messages) every few ms until it is true or `ms` passed.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = kDefaultWaitMs);

// ---- Game folder ----------------------------------------------------------------------------

// A fresh folder "<test exe folder>\ui-games\<name>\" holding a copy of the stand-in game.
// Removed with everything in it (read-only attributes cleared first) on destruction.
class GameFolder {
  public:
    // `exeName`: the stand-in's name in the folder; nullptr for a folder without any game.
    explicit GameFolder(const std::string& name = CurrentTestName(), const char* exeName = "Skv.exe");
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::string& Path() const { return path_; } // ends with "\"
    std::string PathWithoutSeparator() const;         // as the game's installer writes it
    std::string File(const std::string& name) const { return path_ + name; }
    std::string ReportPath() const { return File("standin-report.txt"); } // for SKV_STANDIN_REPORT

    bool Exists(const std::string& name) const;
    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::optional<std::string> ReadFile(const std::string& name) const; // nullopt when absent
    void RemoveFile(const std::string& name) const;
    void CopyStandin(const std::string& name) const; // another copy of the stand-in game
    void CopyLauncher(const std::string& name = "SkvLauncher.exe") const;
    void MakeFolder(const std::string& name) const;
    void SetReadOnly(const std::string& name, bool readOnly) const;

  private:
    std::string path_;
};

// Reads a whole file; nullopt when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);

// ---- Registry -------------------------------------------------------------------------------
// The test program is 32-bit like the launcher, so HKLM\Software is the same (Wow6432Node) view.

constexpr const char* kGameKey = "Software\\Quillon\\Skarnvale";
constexpr const char* kAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\skvprog.exe";
constexpr const char* kProfileKey = "Software\\Harbeck\\Skv Launcher";

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string bytes; // raw data, exactly as stored
};

// `valueName` nullptr = the key's default value. Writes create the key and fail the test on error.
void SetRegistryString(HKEY root, const char* key, const char* valueName, const std::string& text);
void SetRegistryDword(HKEY root, const char* key, const char* valueName, DWORD value);
void SetRegistryRaw(HKEY root, const char* key, const char* valueName, DWORD type, const std::string& bytes);
// Reads give nullopt when the key or value is absent; the string read also when the type is not REG_SZ.
std::optional<std::string> GetRegistryString(HKEY root, const char* key, const char* valueName);
std::optional<DWORD> GetRegistryDword(HKEY root, const char* key, const char* valueName);
std::optional<RegistryValue> GetRegistryRaw(HKEY root, const char* key, const char* valueName);
std::vector<std::string> RegistryValueNames(HKEY root, const char* key); // in stored order
bool KeyExists(HKEY root, const char* key);
void DeleteRegistryValue(HKEY root, const char* key, const char* valueName);
void DeleteRegistryKey(HKEY root, const char* key); // with its subkeys; absent is fine

// The installer's entries: HKLM kGameKey "Path", HKLM kAppPathsKey "Path" and its default value.
void SetGamePathEntry(const std::string& folder);                               // kGameKey "Path"
void SetAppPathsEntries(const std::string& folder, const std::string& exePath); // both App Paths values
struct InstallerEntries {
    std::optional<std::string> gamePath;     // kGameKey "Path"
    std::optional<std::string> appPathsPath; // kAppPathsKey "Path"
    std::optional<std::string> appPathsExe;  // kAppPathsKey default value
};
InstallerEntries ReadInstallerEntries();

// Profile values under HKCU kProfileKey.
void SetProfileDword(const char* name, DWORD value);
std::optional<DWORD> GetProfileDword(const char* name);

// Removes the installer entries and the profile key on construction and again on destruction.
class CleanRegistry {
  public:
    CleanRegistry();
    ~CleanRegistry();
    CleanRegistry(const CleanRegistry&) = delete;
    CleanRegistry& operator=(const CleanRegistry&) = delete;
};
void ClearGameRegistry();

// ---- Windows of another process -------------------------------------------------------------

struct ButtonInfo {
    int id = 0;
    std::string text;
};

// A dialog (or any window) of the launcher, addressed from outside; does not own the window.
// Control accessors fail the test (ADD_FAILURE) when the control id does not exist.
class DialogWindow {
  public:
    DialogWindow() = default;
    explicit DialogWindow(HWND hwnd) : hwnd_(hwnd) {}
    HWND Handle() const { return hwnd_; }
    operator HWND() const { return hwnd_; }
    bool IsOpen() const; // the window still exists
    std::string Title() const;

    HWND Control(int id) const; // nullptr (and a test failure) when missing
    bool HasControl(int id) const;
    std::string ClassOf(int id) const;
    bool IsEnabled(int id) const;
    bool IsVisible(int id) const;

    std::string Text(int id) const;                      // WM_GETTEXT, works across processes
    void SetText(int id, const std::string& text) const; // WM_SETTEXT, e.g. typing into an edit box

    // Check boxes. SetCheck clicks like a user (so the dialog gets BN_CLICKED) only when the state differs.
    int CheckState(int id) const; // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    bool IsChecked(int id) const { return CheckState(id) == BST_CHECKED; }
    void SetCheck(int id, bool checked) const;

    // A user's click on a button: refuses (test failure, returns false) a disabled or hidden control.
    // Returns when the click was handled, OR a new window of the process appeared (a message box,
    // dialog or menu running modally), OR the process ended; fails after `ms`.
    bool Click(int id, DWORD ms = kDefaultWaitMs) const;

    // Combo boxes. SelectItem sets the selection and notifies CBN_SELCHANGE like a user's choice.
    int CurSel(int id) const;
    void SelectItem(int id, int index) const;
    std::vector<std::string> ComboItems(int id) const;

    // Up-down controls: the whole UDM_GETPOS reply (low word position, high word error flag).
    struct SpinReply {
        int position = 0;
        bool error = false;
    };
    SpinReply SpinPos(int id) const;
    void SetSpinPos(int id, int position) const; // UDM_SETPOS: the control rewrites its buddy edit box
    std::pair<int, int> SpinRange(int id) const; // UDM_GETRANGE as (lower, upper)

    // Trackbars. SetSliderPos moves the thumb and notifies the dialog with WM_HSCROLL `code`.
    int SliderPos(int id) const;
    void SetSliderPos(int id, int position, int code = TB_THUMBPOSITION) const;
    std::pair<int, int> SliderRange(int id) const;

    // Raw messages (no pointers in wParam/lParam: they are not marshalled across processes).
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const; // to the dialog
    LRESULT SendTo(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void PostCommand(int id, int code = BN_CLICKED) const; // WM_COMMAND as a control would send it
    void PostSysCommand(WPARAM command) const;             // e.g. SC_CONTEXTHELP, SC_CLOSE, 16

    // Children in z-order (= template order for a dialog).
    std::vector<HWND> Children() const;
    // Button children whose ids are IDOK..IDCONTINUE with their texts, in z-order.
    std::vector<ButtonInfo> Buttons() const;

  private:
    HWND hwnd_ = nullptr;
};

// ---- Message boxes --------------------------------------------------------------------------

enum class IconKind { None, Information, Exclamation, Question, Error, Unknown };
const char* IconKindName(IconKind kind);

struct MessageBoxInfo {
    HWND hwnd = nullptr; // nullptr when none appeared in time
    std::string title;
    std::string text; // raw text with "\n"
    std::vector<ButtonInfo> buttons;
    IconKind icon = IconKind::None;
    explicit operator bool() const { return hwnd != nullptr; }
};

// Reads a visible message box (icon included) once it is painted.
MessageBoxInfo ReadMessageBox(HWND box, DWORD ms = kDefaultWaitMs);
// Presses a button of a message box (or any dialog) by id, e.g. IDYES; waits until it closes.
bool Answer(HWND box, int buttonId, DWORD ms = kDefaultWaitMs);

// ---- Pixels ---------------------------------------------------------------------------------

// Copies what the screen shows of `window` (nullptr: the whole screen) into a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::string& bmpPath);
// The colour shown at client coordinates (x, y) of `window`, read from the screen.
COLORREF PixelAt(HWND window, int x, int y);

// ---- The launcher process -------------------------------------------------------------------

struct LaunchOptions {
    std::string exePath = LauncherExePath();
    std::string copyInto;      // when set: the launcher exe is copied into this folder and run from there
    std::string workingFolder; // empty: the test program's current folder
    std::string arguments;     // appended after the quoted program name
    std::string reportPath;    // SKV_STANDIN_REPORT for the game it starts; empty: the variable is removed
    std::vector<std::pair<std::string, std::string>> environment; // further variables to set

    // Report into the folder's report file; nothing else changed.
    static LaunchOptions ForGame(const GameFolder& game);
};

class Launcher {
  public:
    explicit Launcher(const LaunchOptions& options = LaunchOptions());
    ~Launcher(); // kills the process if it still runs
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD ProcessId() const { return processId_; }
    HANDLE Process() const { return process_; }

    // The main dialog: "#32770" titled kAppTitle with a control 1 "Start", belonging to this process.
    DialogWindow WaitForMainWindow(DWORD ms = kDefaultWaitMs);
    // A message box of this process (not a known dialog); its details once painted.
    MessageBoxInfo WaitForMessageBox(DWORD ms = kDefaultWaitMs);
    // Another visible dialog of this process by exact title (e.g. "Display settings", "Open").
    DialogWindow WaitForDialog(const std::string& title, DWORD ms = kDefaultWaitMs);
    // Visible top-level windows of this process.
    std::vector<HWND> Windows() const;

    bool IsRunning() const;
    bool WaitForExit(DWORD ms = kDefaultWaitMs);
    std::optional<DWORD> ExitCode() const; // nullopt while running
    void Kill();

  private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};

// Waits for `launcher`'s next message box and checks that it carries the launcher's title, `text`, `icon`
// and an OK button alone; gives it (not yet answered) for the test to look further and answer.
MessageBoxInfo WaitForOkBox(Launcher& launcher, const std::string& text, IconKind icon);
// Presses "Start" on `dialog` and expects the file error `text` (answered OK), then the question whether
// to go on anyway: gives the question's window, for the test to answer; nullptr when it did not come.
HWND StartExpectingFileError(Launcher& launcher, DialogWindow& dialog, const std::string& text);

// Visible top-level windows of process `processId`.
std::vector<HWND> TopLevelWindows(DWORD processId);
bool IsMessageBox(HWND window);

// ---- The "Open" dialog ------------------------------------------------------------------------

// The id of the dialog's file-name field; 0 (and a test failure) when it has none.
int FileNameField(const DialogWindow& open);
// Waits for the launcher's "Open" dialog, types `path` into it and confirms; false (with a test
// failure) when no dialog came or it did not close.
bool ChooseFile(Launcher& launcher, const std::string& path);

// A test with a clean registry, a fresh game folder that the installer's entry points to, and the
// launcher started on it with its main dialog open; SetUp fails the test when the dialog does not come.
class LauncherOnGameTest : public ::testing::Test {
  protected:
    void SetUp() override;

    CleanRegistry registry;
    GameFolder game;
    std::unique_ptr<Launcher> launcher;
    DialogWindow dialog;
};

// ---- The stand-in game's report -------------------------------------------------------------

struct StandinReport {
    std::string exe;
    std::string folder;
    std::string params;
    std::vector<std::string> args;
    std::optional<std::string> startupCfg; // raw bytes; nullopt when the file was absent
    std::optional<std::string> videoCfg;   // raw bytes of Skv_Video.cfg; nullopt when absent
};

// Parses report text; nullopt (with a test failure) when the text is not a complete report.
std::optional<StandinReport> ParseReport(const std::string& text);
// Reads the report once the file exists and is complete.
std::optional<StandinReport> WaitForReport(const std::string& path, DWORD ms = kDefaultWaitMs);

// ---- The video record ------------------------------------------------------------------------

// The 32 bytes "Display settings" -> OK writes to Skv_Video.cfg for the device listed without a GUID
// (16 zero bytes, index 0) and the mode shown as e.g. "1280 * 1024 (16 bpp)"; a mode text that does
// not read that way fails the test.
std::string GuidlessVideoRecord(const std::string& modeText);

} // namespace uidriver
