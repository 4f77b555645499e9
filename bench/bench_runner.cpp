// Measures the launcher against bare programs in the same run, under the same conditions:
//   bench_runner.exe [--runs N] [--scratch WINDOWS_FOLDER] [--launcher WINDOWS_PATH_OF_ANOTHER_BUILD]
// Each figure alternates launcher and baseline runs (after one discarded warm-up round) and
// prints a markdown table on stdout; progress and failures go to stderr. Exits non-zero when
// anything could not be measured.
#include <windows.h>

#include <ddraw.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bench/bare_ids.h"
#include "bench/child_process.h"
#include "bench/direct_draw4.h"
#include "bench/sample_stats.h"
#include "res/resource.h"

namespace {

using bench::ChildProcess;
using bench::NowMs;
using bench::PollUntil;

constexpr DWORD kWaitMs = 15000;
constexpr const char* kProfileKey = "Software\\Harbeck\\Skv Launcher";
constexpr const char* kGameKey = "Software\\Quillon\\Skarnvale";
constexpr const char* kAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\skvprog.exe";

// "/a/b" -> "Z:\a\b": under Wine the Unix root is drive Z:.
std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string OwnFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe(path, length);
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

bool Fail(const std::string& what) {
    std::fprintf(stderr, "bench: %s\n", what.c_str());
    return false;
}

// One program measured: where it is, what it is given, and the control that tells its dialog apart
// from a message box.
struct Program {
    std::string name;
    std::string exe;
    std::string arguments;
    int mainControl;
};

struct Setup {
    std::string scratch;    // ends in "\"
    std::string gameFolder; // ends in "\"
    std::string reportPath;
    Program launcher;
    Program bareDialog;
    Program bareShellStart;
    Program bareDisplayLists;
    Program bareLauncherTemplate;
    Program bareLauncherTemplateStart; // the same, with "Start" handing the game to the shell
    int devices = 0;                   // what the display lists hold when filled
    int modes = 0;
};

// ---- Conditions every run starts from ----

void DeleteFileIfThere(const std::string& path) {
    DeleteFileA(path.c_str());
}

// No profile (the launcher starts from its defaults), no files the launcher or the game left.
void CleanState(const Setup& setup) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kProfileKey);
    DeleteFileIfThere(setup.gameFolder + "startup.cfg");
    DeleteFileIfThere(setup.gameFolder + "Skv_Video.cfg");
    DeleteFileIfThere(setup.reportPath);
}

bool SetRegistryString(HKEY root, const char* key, const char* value, const std::string& text) {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(opened, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>(text.size() + 1));
    RegCloseKey(opened);
    return result == ERROR_SUCCESS;
}

// A game folder holding the stand-in, registered as the game's installer does.
bool LayOutGame(const Setup& setup) {
    CreateDirectoryA(setup.scratch.c_str(), nullptr);
    CreateDirectoryA(setup.gameFolder.c_str(), nullptr);
    const std::string standin = WindowsPath(SKV_STANDIN_EXE);
    if (!CopyFileA(standin.c_str(), (setup.gameFolder + "Skv.exe").c_str(), FALSE))
        return Fail("cannot copy the stand-in game " + standin + " into " + setup.gameFolder);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kAppPathsKey);
    const std::string folder = setup.gameFolder.substr(0, setup.gameFolder.size() - 1);
    if (!SetRegistryString(HKEY_LOCAL_MACHINE, kGameKey, "Path", folder))
        return Fail("cannot register the game folder under HKLM\\" + std::string(kGameKey));
    // The stand-in reports instead of opening its window; every program started inherits this.
    SetEnvironmentVariableA("SKV_STANDIN_REPORT", setup.reportPath.c_str());
    return true;
}

// ---- What the display lists hold when filled: counted here the same way ----

struct DeviceCount {
    int devices = 0;
    GUID first{};
    bool firstHasGuid = false;
};

BOOL WINAPI CountDevice(GUID* guid, LPSTR, LPSTR, LPVOID context) {
    auto& count = *static_cast<DeviceCount*>(context);
    if (count.devices++ == 0 && guid) {
        count.first = *guid;
        count.firstHasGuid = true;
    }
    return TRUE;
}

HRESULT WINAPI CountMode(LPDDSURFACEDESC2 description, LPVOID context) {
    const DWORD bits = description->ddpfPixelFormat.dwRGBBitCount;
    if ((bits == 16 || bits == 32) && description->dwWidth >= 512 && description->dwHeight >= 384)
        ++*static_cast<int*>(context);
    return DDENUMRET_OK;
}

bool CountDisplayLists(Setup& setup) {
    DeviceCount count;
    if (FAILED(DirectDrawEnumerateA(CountDevice, &count)) || count.devices == 0)
        return Fail("DirectDraw reports no device here");
    IDirectDraw4* draw4 = bench::OpenDirectDraw4(count.firstHasGuid ? &count.first : nullptr);
    if (!draw4)
        return Fail("cannot open the first DirectDraw device with IDirectDraw4");
    int modes = 0;
    draw4->EnumDisplayModes(0, nullptr, &modes, CountMode);
    draw4->Release();
    if (modes == 0)
        return Fail("the first DirectDraw device offers no mode the lists would show");
    setup.devices = count.devices;
    setup.modes = modes;
    return true;
}

// ---- Driving one program ----

// Process start until its main dialog is visible, answers messages and waits for input.
HWND WaitUntilReady(const ChildProcess& child, const Program& program) {
    HWND dialog = nullptr;
    PollUntil(
        [&] {
            dialog = child.VisibleDialog();
            return dialog || !child.Running();
        },
        kWaitMs);
    if (!dialog)
        return Fail(program.name + ": no dialog appeared"), nullptr;
    if (!GetDlgItem(dialog, program.mainControl)) {
        char title[256] = {};
        GetWindowTextA(dialog, title, sizeof title);
        return Fail(program.name + ": the first window shown is \"" + title + "\", not its main dialog"),
               nullptr;
    }
    if (!bench::Answers(dialog, kWaitMs) || WaitForInputIdle(child.Handle(), kWaitMs) != 0)
        return Fail(program.name + ": the dialog does not become ready for input"), nullptr;
    return dialog;
}

// Starts `program` from the clean state and, once its main dialog is ready for input, gives
// `measure` the process, its dialog and when it was started; nullopt when it could not be started
// or did not become ready.
template <typename Measure>
auto MeasureFromReady(const Setup& setup, const Program& program, Measure measure)
    -> decltype(measure(std::declval<const ChildProcess&>(), HWND{}, 0.0)) {
    CleanState(setup);
    const double started = NowMs();
    ChildProcess child(program.exe, program.arguments, setup.scratch);
    if (!child.Started())
        return Fail("cannot start " + program.exe), std::nullopt;
    HWND dialog = WaitUntilReady(child, program);
    if (!dialog)
        return std::nullopt;
    return measure(child, dialog, started);
}

bool Press(HWND dialog, const Program& program, int id, const std::string& button) {
    if (!bench::PostClick(dialog, id))
        return Fail(program.name + ": cannot press " + button);
    return true;
}

bool CloseAndWait(const ChildProcess& child, HWND dialog, const Program& program) {
    bench::PostClick(dialog, IDCANCEL);
    if (!child.WaitForExit(kWaitMs))
        return Fail(program.name + ": did not end after Close");
    return true;
}

struct StartSample {
    double ms = 0;
    double peakWorkingSetKiB = 0;
};

std::optional<StartSample> MeasureStart(const Setup& setup, const Program& program) {
    return MeasureFromReady(
        setup, program,
        [&](const ChildProcess& child, HWND dialog, double started) -> std::optional<StartSample> {
            StartSample sample;
            sample.ms = NowMs() - started;
            PROCESS_MEMORY_COUNTERS counters = {};
            counters.cb = sizeof counters;
            if (!GetProcessMemoryInfo(child.Handle(), &counters, sizeof counters))
                return Fail(program.name + ": no memory counters"), std::nullopt;
            sample.peakWorkingSetKiB = static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
            if (!CloseAndWait(child, dialog, program))
                return std::nullopt;
            return sample;
        });
}

// The stand-in has written its report and closed it: the same end point whoever started it.
bool ReportComplete(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes) ||
        (attributes.nFileSizeLow == 0 && attributes.nFileSizeHigh == 0))
        return false;
    // Opened only after it has a size, so this never stands in the way of the stand-in's own open.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    FileHandle owner(file);
    char header[21] = {};
    DWORD got = 0;
    return ReadFile(file, header, 20, &got, nullptr) && got == 20 &&
           std::string(header) == "SKV-STANDIN-REPORT 1";
}

std::optional<double> MeasureGameStart(const Setup& setup, const Program& program) {
    return MeasureFromReady(
        setup, program, [&](const ChildProcess& child, HWND dialog, double) -> std::optional<double> {
            const double pressed = NowMs();
            if (!Press(dialog, program, IDOK, "Start"))
                return std::nullopt;
            if (!PollUntil([&] { return ReportComplete(setup.reportPath); }, kWaitMs))
                return Fail(program.name + ": the stand-in game wrote no report after Start"), std::nullopt;
            const double ms = NowMs() - pressed;
            if (!child.WaitForExit(kWaitMs))
                return Fail(program.name + ": still open after starting the game"), std::nullopt;
            return ms;
        });
}

int ListCount(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    DWORD_PTR count = 0;
    if (!list || !SendMessageTimeoutA(list, CB_GETCOUNT, 0, 0, SMTO_NORMAL, kWaitMs, &count))
        return -1;
    return static_cast<int>(static_cast<LRESULT>(count));
}

std::optional<double> MeasureDisplayLists(const Setup& setup, const Program& program) {
    return MeasureFromReady(
        setup, program, [&](const ChildProcess& child, HWND dialog, double) -> std::optional<double> {
            const double pressed = NowMs();
            if (!Press(dialog, program, SKV_ID_DISPLAY, "Display..."))
                return std::nullopt;
            HWND lists = nullptr;
            int devices = 0;
            int modes = 0;
            const bool filled = PollUntil(
                [&] {
                    lists = child.VisibleDialog(dialog);
                    if (!lists || !GetDlgItem(lists, SKV_ID_MODE_LIST))
                        return false;
                    devices = ListCount(lists, SKV_ID_DEVICE_LIST);
                    modes = ListCount(lists, SKV_ID_MODE_LIST);
                    return devices == setup.devices && modes == setup.modes;
                },
                kWaitMs);
            const double ms = NowMs() - pressed;
            if (!filled)
                return Fail(program.name + ": the display lists hold " + std::to_string(devices) +
                            " devices and " + std::to_string(modes) + " modes, not " +
                            std::to_string(setup.devices) + " and " + std::to_string(setup.modes)),
                       std::nullopt;
            bench::PostClick(lists, IDCANCEL);
            if (!PollUntil([&] { return !IsWindow(lists); }, kWaitMs))
                return Fail(program.name + ": the display dialog did not close"), std::nullopt;
            if (!CloseAndWait(child, dialog, program))
                return std::nullopt;
            return ms;
        });
}

// ---- Alternating runs ----

// Runs `measure` for each program by turns, program 0 (the launcher) first in round 0, the next
// one first in round 1 and so on, after one discarded warm-up round. `samples` gets one list per
// program. Gives false when any run fails.
bool Alternate(int runs, size_t programs, const std::function<std::optional<double>(size_t program)>& measure,
               std::vector<std::vector<double>>& samples) {
    samples.assign(programs, {});
    for (int round = -1; round < runs; ++round) {
        for (size_t turn = 0; turn < programs; ++turn) {
            const size_t program = (turn + static_cast<size_t>(round + 1)) % programs;
            std::optional<double> sample = measure(program);
            if (!sample)
                return false;
            if (round >= 0)
                samples[program].push_back(*sample);
        }
    }
    return true;
}

bench::Comparison Compare(const std::string& name, const std::string& unit, int decimals,
                          const std::vector<double>& launcher, const std::vector<double>& baseline,
                          double goal) {
    bench::Comparison comparison;
    comparison.name = name;
    comparison.unit = unit;
    comparison.decimals = decimals;
    comparison.launcher = bench::Summarize(launcher);
    comparison.baseline = bench::Summarize(baseline);
    comparison.goalRatio = goal;
    return comparison;
}

Setup MakeSetup(const std::string& scratch, const std::string& launcherExe) {
    Setup setup;
    setup.scratch = scratch.back() == '\\' ? scratch : scratch + "\\";
    setup.gameFolder = setup.scratch + "game\\";
    setup.reportPath = setup.gameFolder + "standin-report.txt";
    const std::string own = OwnFolder();
    setup.launcher = {"launcher", launcherExe, "", SKV_ID_DISPLAY};
    setup.bareDialog = {"bare dialog", own + "bare_dialog.exe", "", IDOK};
    setup.bareShellStart = {"bare shell start", own + "bare_shell_start.exe", setup.gameFolder + "Skv.exe",
                            IDOK};
    setup.bareDisplayLists = {"bare display lists", own + "bare_display_lists.exe", "", BARE_ID_DISPLAY};
    setup.bareLauncherTemplateStart = {"bare launcher template start", own + "bare_launcher_template.exe",
                                       setup.gameFolder + "Skv.exe", SKV_ID_DISPLAY};
    setup.bareLauncherTemplate = {"bare launcher template", own + "bare_launcher_template.exe", "",
                                  SKV_ID_DISPLAY};
    return setup;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 15;
    std::string scratch = OwnFolder() + "bench-scratch";
    std::string launcher = WindowsPath(SKV_LAUNCHER_EXE);
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--runs")
            runs = std::atoi(argv[i + 1]);
        else if (option == "--scratch")
            scratch = argv[i + 1];
        else if (option == "--launcher")
            launcher = argv[i + 1];
    }
    if (runs < 1)
        return Fail("--runs needs a positive count"), 2;

    Setup setup = MakeSetup(scratch, launcher);
    if (!LayOutGame(setup) || !CountDisplayLists(setup))
        return 1;

    // Start-up: the launcher, the bare dialog, and the launcher's own dialog shown by a bare program.
    const Program* starting[] = {&setup.launcher, &setup.bareDialog, &setup.bareLauncherTemplate};
    std::vector<std::vector<double>> start, memory(3);
    std::fprintf(stderr, "bench: start until ready, %d runs each\n", runs);
    bool measured = Alternate(
        runs, 3,
        [&](size_t program) -> std::optional<double> {
            std::optional<StartSample> sample = MeasureStart(setup, *starting[program]);
            if (!sample)
                return std::nullopt;
            memory[program].push_back(sample->peakWorkingSetKiB);
            return sample->ms;
        },
        start);
    // The warm-up's memory figures are dropped with its timings.
    for (std::vector<double>& figures : memory)
        if (!figures.empty())
            figures.erase(figures.begin());

    std::vector<std::vector<double>> game;
    if (measured) {
        std::fprintf(stderr, "bench: Start until the game has reported, %d runs each\n", runs);
        const Program* startingGame[] = {&setup.launcher, &setup.bareShellStart,
                                         &setup.bareLauncherTemplateStart};
        measured = Alternate(
            runs, 3, [&](size_t program) { return MeasureGameStart(setup, *startingGame[program]); }, game);
    }

    std::vector<std::vector<double>> lists;
    if (measured) {
        std::fprintf(stderr, "bench: Display... until both lists are filled, %d runs each\n", runs);
        measured = Alternate(
            runs, 2,
            [&](size_t program) {
                return MeasureDisplayLists(setup, program == 0 ? setup.launcher : setup.bareDisplayLists);
            },
            lists);
    }
    CleanState(setup);
    if (!measured)
        return 1;

    const bench::Comparison rows[] = {
        Compare("Process start → main dialog ready for input", "ms", 1, start[0], start[1], 1.10),
        Compare("\"Start\" → stand-in game has written its report", "ms", 1, game[0], game[1], 1.10),
        Compare("\"Display...\" → both display lists filled", "ms", 1, lists[0], lists[1], 1.20),
        Compare("Peak working set, main dialog ready", "KiB", 0, memory[0], memory[1], 1.20),
        Compare("Process start → ready, against the launcher's own dialog shown bare", "ms", 1, start[0],
                start[2], 0),
        Compare("Peak working set, against the launcher's own dialog shown bare", "KiB", 0, memory[0],
                memory[2], 0),
        Compare("\"Start\" → report, against the launcher's own dialog shown bare", "ms", 1, game[0], game[2],
                0),
    };
    std::printf("%s\n", bench::MarkdownHeader().c_str());
    bool allMet = true;
    for (const bench::Comparison& row : rows) {
        std::printf("%s\n", bench::MarkdownRow(row).c_str());
        allMet = allMet && bench::GoalMet(row);
    }
    std::printf("\nRuns: %d of each program per measurement, alternating, after one discarded warm-up round. "
                "Display lists when filled: %d device(s), %d mode(s).\n",
                runs, setup.devices, setup.modes);
    return allMet ? 0 : 3;
}
