#include "harness.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "framework/window_text.h"
#include "location/windows_location_platform.h"
#include "ui/launcher_dialog.h"

namespace harness {

// The test program's context, while its tests run.
static AppContext* context = nullptr;

AppContext& Context() {
    return *context;
}

// ---- Registry and files ----

void SetValue(HKEY root, const char* key, const char* name, DWORD type, const std::string& bytes) {
    // The key is made when it is missing.
    EXPECT_EQ(SHSetValueA(root, key, name, type, bytes.data(), DWORD(bytes.size())), 0) << key << " " << name;
}

void SetString(HKEY root, const char* key, const char* name, const std::string& text) {
    SetValue(root, key, name, REG_SZ, text + '\0');
}

std::string GetValue(HKEY root, const char* key, const char* name) {
    RegistryKey opened;
    DWORD type = REG_NONE, size = 0;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, opened.Receive()) != 0 ||
        RegQueryValueExA(opened.Get(), name, nullptr, &type, nullptr, &size) != 0)
        return "<absent>";
    std::string bytes(size, '\0');
    RegQueryValueExA(opened.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
    return std::to_string(type) + ":" + bytes;
}

std::string KeyHolds(HKEY root, const char* key) {
    RegistryKey opened;
    DWORD keys = 0, values = 0, longest = 0;
    return RegOpenKeyExA(root, key, 0, KEY_READ, opened.Receive()) == 0 &&
                   SHQueryInfoKeyA(opened.Get(), &keys, &longest, &values, &longest) == 0
               ? std::to_string(values) + " values, " + std::to_string(keys) + " keys"
               : "<absent>";
}

void CleanSlate() { // each key with what lies below it, such as a profile of another layout
    SHDeleteKeyA(HKEY_CURRENT_USER, ProfileKey);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, GameKey);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, AppPathsKey);
    DeleteFileA(ReportFile);
}

std::string Dword(uint32_t value) {
    return std::string(reinterpret_cast<const char*>(&value), 4);
}

std::string FileContents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<absent>";
}

void WriteContents(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    EXPECT_TRUE(file.write(bytes.data(), bytes.size()).flush()) << path;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::u8path(folder), missing))
        names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// How long a step may take on this bench: `seconds`, or three times as long where the bench emulates 32-bit
// code (a 32-bit program takes seconds to start there, and more on a busy machine). Only a step that fails
// waits that long.
static int Allowed(int seconds) {
    return Variable("SKV_WINE_MODE") == "emulated" ? 3 * seconds : seconds;
}

// ---- Where the tests run ----

// Wine's own function, which Windows does not have.
static FARPROC WineToUnixPath() {
    return GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name");
}

bool OnTheBench() {
    return WineToUnixPath() != nullptr;
}

bool UnixSideAtHand() {
    return OnTheBench() && Variable("SKV_TESTS_AS_ON_WINDOWS") != "1";
}

std::string UnixPath(const std::string& windowsPath) {
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(WineToUnixPath()));
    char* unix = toUnix(std::wstring(windowsPath.begin(), windowsPath.end()).c_str());
    const std::string path = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

// Starts a program, a Unix one too, with this command line.
static bool StartProcess(const char* exe, std::string line, const char* folder,
                         PROCESS_INFORMATION& process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(exe, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process);
}

// Wine starts a Unix program but hands back neither its exit status (so the shell writes it to a file) nor
// real handles (so none may be closed: they could be this program's own). The command runs from a file of
// its own under `timeout`, which ends the command's whole process group when the time is up. A command run
// by a test program that such a command started stays in that group (`timeout` in the foreground), so the
// outermost timeout ends everything below it, Wine's processes included.
int RunUnix(const std::string& command, int seconds) {
    seconds = Allowed(seconds);
    // Files per program: a test program run from a shell command runs shell commands of its own.
    const std::string status = "C:\\skv-tests\\unix-" + std::to_string(GetCurrentProcessId()),
                      unix = UnixPath(status);
    DeleteFileA(status.c_str());
    WriteContents(status + ".sh", command);
    PROCESS_INFORMATION process{};
    const bool done =
        StartProcess(nullptr,
                     "/bin/sh -c \"export PATH=${SKV_WINE_BIN:+$SKV_WINE_BIN:}/usr/sbin:/usr/bin:/sbin:/bin; "
                     "timeout ${SKV_UNIX_GROUP:+--foreground} -k 5 " +
                         std::to_string(seconds) + " env SKV_UNIX_GROUP=1 /bin/sh '" + unix +
                         ".sh'; echo $? > '" + unix + ".part'; mv '" + unix + ".part' '" + unix + "'\"",
                     nullptr, process) &&
        WaitUntil([&] { return FileContents(status) != "<absent>"; }, (seconds + 10) * 1000);
    const int exitStatus = done ? std::stoi(FileContents(status)) : -1;
    EXPECT_TRUE(done && exitStatus != 124 && exitStatus != 137)
        << "not done in " << seconds << " s, so ended: " << command;
    DeleteFileA(status.c_str());
    DeleteFileA((status + ".sh").c_str());
    return exitStatus;
}

int RunAgain(const std::string& variables, const std::string& tests, int seconds) {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    return RunUnix(variables + " wine '" + UnixPath(program) + "' --gtest_brief=1 --gtest_filter=" + tests,
                   seconds);
}

GameFolderOnDisk::GameFolderOnDisk(const std::string& name) : Path("C:\\skv-tests\\" + name + "\\") {
    std::error_code left; // a folder that cannot go is emptied and used all the same
    std::filesystem::remove_all(std::filesystem::u8path(Path), left);
    std::filesystem::create_directory(std::filesystem::u8path(Path), left);
    EXPECT_TRUE(CopyFileA(StandinExe, (Path + "Skv.exe").c_str(), FALSE)) << Path;
}

GameFolderOnDisk::~GameFolderOnDisk() {
    std::error_code left;
    std::filesystem::remove_all(std::filesystem::u8path(Path), left);
}

std::string Reported(const std::string& keys) {
    std::string report; // written in one go, its last line last
    if (!WaitUntil(
            [&] { return (report = FileContents(ReportFile)).find("\nSkv_Video.cfg=") != report.npos; }))
        return "<no report>";
    // The game that wrote it has ended before the test goes on: until then its folder cannot be removed.
    const size_t pid = report.find("\npid=") + 5;
    const KernelHandle game(OpenProcess(SYNCHRONIZE, FALSE, std::stoul(report.substr(pid))));
    EXPECT_TRUE(!game || WaitForSingleObject(game.Get(), Allowed(20) * 1000) == WAIT_OBJECT_0)
        << "the game has not ended";
    std::string values;
    std::istringstream words(keys);
    for (std::string key, separator; words >> key; separator = " | ") {
        const size_t from = report.find("\n" + key + "=") + key.size() + 2;
        values += separator + report.substr(from, report.find('\n', from) - from);
    }
    return values;
}

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
    ms = ms ? ms : Allowed(20) * 1000;
    for (const DWORD start = GetTickCount(); !done(); Sleep(10)) {
        if (GetTickCount() - start > ms)
            return false;
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&message);
    }
    return true;
}

// The visible top-level windows of a thread or, with thread 0, of a process.
static std::vector<HWND> TopWindows(DWORD process, DWORD thread) {
    std::vector<HWND> windows;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, nullptr)) != nullptr;) {
        DWORD owner = 0;
        const DWORD owningThread = GetWindowThreadProcessId(window, &owner);
        if ((thread ? owningThread == thread : owner == process) && IsWindowVisible(window))
            windows.push_back(window);
    }
    return windows;
}

Launcher::Launcher(const std::string& exe, const std::string& arguments) {
    EXPECT_TRUE(StartProcess(exe.c_str(), "\"" + exe + "\" " + arguments, "C:\\skv-tests", process_));
    CloseHandle(process_.hThread);
}

Launcher::~Launcher() {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, Allowed(5) * 1000); // gone: the next launcher is no second one
    CloseHandle(process_.hProcess);
}

std::vector<HWND> Launcher::Windows() const {
    return TopWindows(process_.dwProcessId, 0);
}

HWND Launcher::Window(int id, const std::string& text) {
    return Find([&](HWND window) { return GetDlgItem(window, id) && Text(window, id) == text; },
                "showing \"" + text + "\"");
}

HWND Launcher::Find(const std::function<bool(HWND)>& match, const std::string& what) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : Windows())
            found = match(window) ? window : found;
        return found || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
    });
    EXPECT_TRUE(found) << "no window " << what;
    return found;
}

HWND Launcher::OpenDialog() {
    // Told by its file name box: its buttons speak the language of the locale.
    return Find([](HWND window) { return GetDlgItem(window, 1148) || GetDlgItem(window, 1152); },
                "with a file name box");
}

void Launcher::Choose(const std::string& path) {
    HWND open = OpenDialog();
    SetDlgItemTextW(open, GetDlgItem(open, 1148) ? 1148 : 1152, // the file name box
                    std::filesystem::u8path(path).wstring().c_str());
    PostMessageA(open, WM_COMMAND, path.empty() ? IDCANCEL : IDOK, 0);
}

DWORD Launcher::ExitCode() {
    DWORD code = STILL_ACTIVE;
    WaitUntil([&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; });
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

// ---- Windows of this process ----

static std::deque<std::pair<std::function<bool(HWND)>, std::function<void(HWND)>>> steps;
static std::set<HWND> visited; // windows whose step has run, the dialogs under test among them
// While set, message boxes are expected: described there and answered with the buttons, then OK.
static std::pair<std::vector<std::string>*, std::deque<int>*> collected;

static std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// "text (icon: buttons)", with "[caption] " in front when it is not the launcher's title.
static std::string DescribeBox(HWND box) {
    std::string icon = "no icon", buttons;
    // clang-format off
    const std::pair<LPCSTR, const char*> icons[] = {{IDI_HAND, "error"}, {IDI_ASTERISK, "information"},
        {IDI_EXCLAMATION, "exclamation"}, {IDI_QUESTION, "question"}};
    // clang-format on
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LRESULT shown = SendMessageA(child, STM_GETICON, 0, 0);
        for (const auto& [id, name] : icons)
            icon = shown == LRESULT(LoadIconA(nullptr, id)) ? name : icon;
        if (ClassOf(child) == "Button" && IsWindowVisible(child))
            buttons += (buttons.empty() ? "" : "/") + Text(box, GetDlgCtrlID(child));
    }
    buttons.erase(std::remove(buttons.begin(), buttons.end(), '&'), buttons.end());
    const std::string caption = WindowText(box);
    return (caption == Context().Title() ? "" : "[" + caption + "] ") + Text(box, 0xFFFF) + " (" + icon +
           ": " + buttons + ")";
}

// Every 10 ms, in whichever modal loop runs: the first dialog, message box or menu on screen that no step
// has had yet gets the next step, or is closed as unexpected.
static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    for (auto it = visited.begin(); it != visited.end();)
        it = IsWindow(*it) ? std::next(it) : visited.erase(it);
    for (HWND window : TopWindows(0, GetCurrentThreadId())) {
        const std::string kind = ClassOf(window);
        if ((kind != "#32770" && kind != "#32768") || !visited.insert(window).second)
            continue;
        if (!steps.empty() && steps.front().first(window)) {
            const auto step = steps.front().second;
            steps.pop_front();
            step(window);
        } else if (collected.first && GetDlgItem(window, 0xFFFF) && !GetDlgItem(window, SKV_ID_DEVICE_LIST)) {
            collected.first->push_back(DescribeBox(window));
            std::deque<int>& buttons = *collected.second;
            SendMessageA(window, WM_COMMAND, buttons.empty() ? IDOK : buttons.front(), 0);
            if (!buttons.empty())
                buttons.pop_front();
        } else {
            ADD_FAILURE() << "a window opened that no test expected: "
                          << (kind == "#32768" ? "a menu" : DescribeBox(window));
            kind == "#32768" ? (void)EndMenu() : (void)EndDialog(window, IDCANCEL);
        }
        return;
    }
}

void WhenOpen(const std::function<void(HWND)>& action) {
    steps.emplace_back([](HWND) { return true; }, action);
}

Texts Boxes(const std::function<void()>& action, std::deque<int> buttons) {
    Texts shown;
    const auto outer = std::exchange(collected, {&shown, &buttons});
    action();
    collected = outer;
    return shown;
}

INT_PTR RunModally(Dialog& dialog, const std::function<void(HWND)>& body) {
    steps.emplace_back([&](HWND window) { return window == dialog.Handle(); },
                       [&](HWND window) {
                           body(window);
                           if (IsWindowVisible(window))
                               dialog.EndDialog(IDABORT);
                       });
    const INT_PTR result = dialog.DoModal();
    EXPECT_TRUE(steps.empty()) << steps.size() << " expected window(s) never opened";
    steps.clear();
    return result;
}

INT_PTR RunMainDialog(const std::function<void(HWND)>& body, const std::string& exePath,
                      const std::string& folder) {
    GameLocation location{exePath, folder};
    WindowsLocationPlatform platform(Context());
    // The launcher's profile, as its main dialog takes it: below HKEY_CURRENT_USER\Software.
    LauncherDialog dialog(Context(), location, platform, "Harbeck\\Skv Launcher");
    return RunModally(dialog, body);
}

INT_PTR RunMainDialog(const std::string& folder, const std::function<void(HWND)>& body) {
    return RunMainDialog(body, folder + "Skv.exe", folder);
}

// ---- Controls ----

void Click(HWND dialog, int id) {
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, id)) && IsWindowVisible(GetDlgItem(dialog, id)))
        << Named(dialog, id) << " cannot be clicked";
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

std::string Text(HWND dialog, int id) {
    char text[2048] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string Named(HWND dialog, int id) {
    return "\"" + Text(dialog, id) + "\" (" + std::to_string(id) + ")";
}

// What the control of an option holds: 0/1, the list index, the up-down's whole reply (error flag in the
// high word), the trackbar's position (whose label must show it).
static int32_t Shown(HWND dialog, const Option& option) {
    const UINT query[] = {BM_GETCHECK, CB_GETCURSEL, UDM_GETPOS, TBM_GETPOS}; // in OptionKind order
    const auto value = int32_t(SendDlgItemMessageA(dialog, option.Id, query[int(option.Kind)], 0, 0));
    EXPECT_TRUE(option.Kind != OptionKind::Slider || Text(dialog, option.TextId) == std::to_string(value))
        << option.Name << "'s label shows " << Text(dialog, option.TextId) << ", not " << value;
    return value;
}

// The option's value in "Name=value ..." (the last one given), or its default.
static std::string ValueIn(const std::string& pairs, const Option& option) {
    std::string value = std::to_string(option.Default);
    std::istringstream words(pairs);
    for (std::string word; words >> word;)
        value = word.substr(0, word.find('=')) == option.Name ? word.substr(word.find('=') + 1) : value;
    return value;
}

void Type(HWND dialog, const std::string& typed) {
    std::istringstream words(typed);
    for (std::string word; words >> word;) {
        const Option& option = *std::find_if(std::begin(Options), std::end(Options), [&](const Option& o) {
            return word.substr(0, word.find('=')) == o.Name;
        });
        const std::string value = ValueIn(word, option);
        HWND control = GetDlgItem(dialog, option.Id);
        ASSERT_TRUE(IsWindowEnabled(control)) << option.Name << " cannot be changed";
        if (option.Kind == OptionKind::Switch && (Shown(dialog, option) != 0) != (value != "0"))
            Click(dialog, option.Id);
        if (option.Kind == OptionKind::Spin)
            SetDlgItemTextA(dialog, option.TextId, value.c_str());
        if (option.Kind == OptionKind::Mode) {
            SendMessageA(control, CB_SETCURSEL, std::stoi(value), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(option.Id, CBN_SELCHANGE), LPARAM(control));
        }
        if (option.Kind == OptionKind::Slider) {
            SendMessageA(control, TBM_SETPOS, TRUE, std::stoi(value));
            SendMessageA(dialog, WM_HSCROLL, TB_THUMBPOSITION, LPARAM(control));
        }
    }
}

void ExpectShown(HWND dialog, const std::string& changed) {
    for (const Option& option : Options)
        EXPECT_EQ(std::to_string(Shown(dialog, option)), ValueIn(changed, option)) << option.Name;
}

void ExpectStored(const std::string& changed) {
    EXPECT_EQ(KeyHolds(HKEY_CURRENT_USER, ProfileKey), "26 values, 0 keys");
    for (const Option& option : Options)
        EXPECT_EQ(GetValue(HKEY_CURRENT_USER, ProfileKey, option.Name),
                  "4:" + Dword(uint32_t(std::stoll(ValueIn(changed, option)))))
            << option.Name;
}

} // namespace harness

// ---- The test program ----

namespace {
// Its message boxes are captioned with the launcher's title, as the launcher's are.
struct TestApplication : Application {
    TestApplication() : Application(SKV_STR_APP_TITLE) {}
    void InitInstance(AppContext& context) override {
        harness::context = &context;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, harness::Tick);
        SetExitCode(RUN_ALL_TESTS());
        KillTimer(nullptr, timer);
        harness::context = nullptr;
    }
};
TestApplication application;
} // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0); // every line reaches the log, also from a run that dies
    SetEnvironmentVariableA("SKV_STANDIN_REPORT", harness::ReportFile); // for every game started from here
    CreateDirectoryA("C:\\skv-tests", nullptr); // where the games report, in a new prefix too
    testing::InitGoogleTest(&argc, argv);
    return application.Run(GetModuleHandleA(nullptr));
}
