// The stand-in game Skv.exe, run as a separate process from a scratch game folder: its report must
// give back exactly the command line, working folder and file bytes it was handed, and its window
// must show them in words.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/ui_driver.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace uidriver;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A scratch game folder (with a blank in its name) holding a copy of Skv.exe and a "work" subfolder
// to start it in.
class StandinTest : public ::testing::Test {
  protected:
    StandinTest() : game_("standin test " + CurrentTestName()) { game_.MakeFolder("work"); }
    void TearDown() override { SetEnvironmentVariableA("SKV_STANDIN_REPORT", nullptr); }

    std::string Exe() const { return game_.File("Skv.exe"); }
    std::string Work() const { return game_.File("work"); }

    DWORD Run(const std::string& commandLine) { return Run(commandLine, game_.ReportPath()); }

    // Starts the copy with the whole command line given and the report going to reportPath (no
    // report when empty) and waits for it; returns its exit code. whileRunning, when given, is
    // called once the process has started.
    DWORD Run(const std::string& commandLine, const std::string& reportPath,
              const std::function<void()>& whileRunning = nullptr) {
        game_.RemoveFile("standin-report.txt");
        SetEnvironmentVariableA("SKV_STANDIN_REPORT", reportPath.empty() ? nullptr : reportPath.c_str());
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(Exe().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, Work().c_str(),
                            &startup, &process)) {
            ADD_FAILURE() << "CreateProcess failed: " << GetLastError();
            return DWORD(-1);
        }
        if (whileRunning)
            whileRunning();
        DWORD code = DWORD(-1);
        if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        else
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }

    std::vector<std::string> Report() const {
        return Lines(game_.ReadFile("standin-report.txt").value_or(""));
    }

    GameFolder game_;
};

const char kStartupCfg[] = "EXPV 1\r\nCROUCHMODE 0\r\nEXTRAPOLATE_MOVEMENT 1\r\nMOTIONTRACKERVOLUME 0.07\r\n";
const char kStartupHex[] = "4558505620310d0a"                                 // EXPV 1
                           "43524f5543484d4f444520300d0a"                     // CROUCHMODE 0
                           "4558545241504f4c4154455f4d4f56454d454e5420310d0a" // EXTRAPOLATE_MOVEMENT 1
                           "4d4f54494f4e545241434b4552564f4c554d4520302e30370d0a";

// Device {04030201-0605-0807-090A-0B0C0D0E0F10}, index 2, 1024 * 768 at 32 bpp.
const std::string kVideoCfg("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x10"
                            "\x02\x00\x00\x00\x00\x04\x00\x00\x00\x03\x00\x00\x20\x00\x00\x00",
                            32);
const char kVideoHex[] = "0102030405060708090a0b0c0d0e0f10"
                         "02000000"
                         "00040000"
                         "00030000"
                         "20000000";

TEST_F(StandinTest, ReportsArgumentsFolderAndFileBytes) {
    game_.WriteFile("startup.cfg", kStartupCfg);
    game_.WriteFile("Skv_Video.cfg", kVideoCfg);
    ASSERT_EQ(Run("\"" + Exe() + "\" -debug -lacmprtx -n Quent03"), 0u);
    std::vector<std::string> expected = {
        "SKV-STANDIN-REPORT 1",
        "exe=" + Exe(),
        "folder=" + Work(),
        "params=-debug -lacmprtx -n Quent03",
        "arg=-debug",
        "arg=-lacmprtx",
        "arg=-n",
        "arg=Quent03",
        std::string("startup.cfg=") + kStartupHex,
        std::string("Skv_Video.cfg=") + kVideoHex,
    };
    EXPECT_EQ(Report(), expected);
}

TEST_F(StandinTest, ReportsAbsentFilesAndNoArguments) {
    ASSERT_EQ(Run("\"" + Exe() + "\""), 0u);
    std::vector<std::string> expected = {
        "SKV-STANDIN-REPORT 1", "exe=" + Exe(),         "folder=" + Work(), "params=",
        "startup.cfg=absent",   "Skv_Video.cfg=absent",
    };
    EXPECT_EQ(Report(), expected);
}

TEST_F(StandinTest, EmptyFilesAreReportedEmptyNotAbsent) {
    game_.WriteFile("startup.cfg", "");
    game_.WriteFile("Skv_Video.cfg", "");
    ASSERT_EQ(Run("\"" + Exe() + "\" -n Ossary"), 0u);
    std::vector<std::string> report = Report();
    ASSERT_EQ(report.size(), 8u);
    EXPECT_EQ(report[6], "startup.cfg=");
    EXPECT_EQ(report[7], "Skv_Video.cfg=");
}

// The program name is skipped as the runtime does: quoted up to its closing quote, else up to the
// first blank; blanks after it are dropped, blanks inside the parameters are kept as passed.
TEST_F(StandinTest, ParamsAreTheCommandLineAfterTheProgramName) {
    struct Case {
        std::string commandLine;
        std::string params;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"\"" + Exe() + "\"   -debug", "-debug", {"-debug"}},
        {"Skv.exe -n Ossary", "-n Ossary", {"-n", "Ossary"}},
        {"Skv.exe\t-debug  -l", "-debug  -l", {"-debug", "-l"}},
        {"Skv.exe -debug -l ", "-debug -l ", {"-debug", "-l"}},
        {"\"" + Exe() + "\"-n Orv-dm-coop", "-n Orv-dm-coop", {"-n", "Orv-dm-coop"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        ASSERT_EQ(Run(c.commandLine), 0u);
        std::vector<std::string> report = Report();
        ASSERT_EQ(report.size(), 6 + c.args.size());
        EXPECT_EQ(report[3], "params=" + c.params);
        for (size_t i = 0; i < c.args.size(); ++i)
            EXPECT_EQ(report[4 + i], "arg=" + c.args[i]);
    }
}

TEST_F(StandinTest, FailsWhenTheReportCannotBeWritten) {
    EXPECT_EQ(Run("\"" + Exe() + "\"", game_.File("no such folder\\report.txt")), 2u);
}

TEST_F(StandinTest, WindowShowsWhatTheGameReceivedAndClosesOnEscape) {
    game_.WriteFile("startup.cfg", "EXPV 0\r\nMOTIONTRACKERVOLUME 1.00\r\nWIREFRAMEMODE 3\nGOD");
    game_.WriteFile("Skv_Video.cfg", std::string(16, '\0') + std::string("\x01\x00\x00\x00"
                                                                         "\x20\x03\x00\x00"
                                                                         "\x58\x02\x00\x00"
                                                                         "\x10\x00\x00\x00",
                                                                         16));
    std::string text;
    HWND window = nullptr;
    auto readAndEscape = [&] {
        WaitUntil([&] { return (window = FindWindowA("#32770", "Skarnvale (stand-in)")) != nullptr; });
        if (!window)
            return;
        char buffer[8192] = {};
        SendMessageTimeoutA(GetDlgItem(window, 1001), WM_GETTEXT, sizeof buffer,
                            reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000, nullptr);
        text = buffer;
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    };
    // Ends only through Escape: otherwise the process is ended after the time-out with code 99.
    EXPECT_EQ(Run("\"" + Exe() + "\" -debug -lax -n Ossary", "", readAndEscape), 0u);
    ASSERT_NE(window, nullptr) << "no window titled \"Skarnvale (stand-in)\"";
    for (const char* shown : {
             "debug mode: on",
             "bots: Grax, Zimmit",
             "level: Ossary",
             "EXPV 0 -> verbose text reports off",
             "MOTIONTRACKERVOLUME 1.00 -> motion-tracker volume 1.00",
             "WIREFRAMEMODE 3 -> texture drawing: no textures   [ended by LF alone]",
             "GOD -> god mode   [no line end]",
             "device: default device",
             "device index: 1",
             "mode: 800 * 600 (16 bpp)",
         })
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\nin:\n" << text;
    EXPECT_NE(text.find("Working folder: " + Work() + "\r\n"), std::string::npos) << text;
}

} // namespace
