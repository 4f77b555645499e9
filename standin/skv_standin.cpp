// Stand-in for the game "Skv.exe": shows what the launcher handed over (command line, working
// folder, "startup.cfg" and "Skv_Video.cfg" from the program's own folder) so a person or a test
// can check it. With SKV_STANDIN_REPORT set it writes a machine-readable report there instead and
// exits at once without a window.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "standin_ids.h"

namespace {

// Closes a kernel handle when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid())
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

struct FileContents {
    bool present = false;
    std::string bytes;
};

// Everything the game was given, gathered once at start.
struct Received {
    std::string exePath;
    std::string exeFolder; // ends in a separator
    std::string workingFolder;
    std::string params;
    std::vector<std::string> args;
    FileContents startupCfg;
    FileContents videoCfg;
};

FileContents ReadWholeFile(const std::string& path) {
    FileContents result;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return result;
    result.present = true;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        result.bytes.append(buffer, got);
    return result;
}

// The command line after the program's name, as the C runtime would skip it: a quoted name up to
// its closing quote, else up to the first blank; then the blanks that follow.
std::string ParamsOf(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

std::vector<std::string> SplitArgs(const std::string& params) {
    std::vector<std::string> args;
    std::string current;
    for (char c : params) {
        if (c == ' ' || c == '\t') {
            if (!current.empty())
                args.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        args.push_back(current);
    return args;
}

Received Gather() {
    Received r;
    char buffer[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    r.exePath.assign(buffer, length);
    r.exeFolder = r.exePath.substr(0, r.exePath.find_last_of("\\/") + 1);
    length = GetCurrentDirectoryA(sizeof buffer, buffer);
    r.workingFolder.assign(buffer, length < sizeof buffer ? length : 0);
    r.params = ParamsOf(GetCommandLineA());
    r.args = SplitArgs(r.params);
    r.startupCfg = ReadWholeFile(r.exeFolder + "startup.cfg");
    r.videoCfg = ReadWholeFile(r.exeFolder + "Skv_Video.cfg");
    return r;
}

std::string Hex(const FileContents& file) {
    if (!file.present)
        return "absent";
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : file.bytes) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

std::string Report(const Received& r) {
    std::string text = "SKV-STANDIN-REPORT 1\n";
    // Lets whoever reads the report wait for this process to have ended (its program file is in use
    // until then).
    text += "pid=" + std::to_string(GetCurrentProcessId()) + "\n";
    text += "exe=" + r.exePath + "\n";
    text += "folder=" + r.workingFolder + "\n";
    text += "params=" + r.params + "\n";
    for (const std::string& arg : r.args)
        text += "arg=" + arg + "\n";
    text += "startup.cfg=" + Hex(r.startupCfg) + "\n";
    text += "Skv_Video.cfg=" + Hex(r.videoCfg) + "\n";
    return text;
}

bool WriteReport(const std::string& path, const std::string& text) {
    FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file.valid() && WriteFile(file.get(), text.data(), DWORD(text.size()), &written, nullptr) &&
           written == text.size();
}

// ---- The readable description shown in the window ----

std::string BotName(char letter) {
    switch (letter) {
    case 'a':
        return "Grax";
    case 'c':
        return "Tolmen";
    case 'm':
        return "Vastor";
    case 'p':
        return "Hurok";
    case 'r':
        return "Hurgrax";
    case 't':
        return "Kolvane";
    case 'x':
        return "Zimmit";
    default:
        return std::string("'") + letter + "' (unknown letter)";
    }
}

void DescribeCommandLine(const Received& r, std::vector<std::string>& out) {
    out.push_back("Command line: " + (r.params.empty() ? std::string("(empty)") : r.params));
    bool debug = false;
    std::string bots = "not requested";
    std::string level = "none";
    std::vector<std::string> unknown;
    for (size_t i = 0; i < r.args.size(); ++i) {
        const std::string& arg = r.args[i];
        if (arg == "-debug") {
            debug = true;
        } else if (arg.compare(0, 2, "-l") == 0) {
            bots.clear();
            for (size_t k = 2; k < arg.size(); ++k)
                bots += (bots.empty() ? "" : ", ") + BotName(arg[k]);
            if (bots.empty())
                bots = "requested, but no species given";
        } else if (arg == "-n") {
            level = i + 1 < r.args.size() ? r.args[++i] : "(-n without a level identifier)";
        } else {
            unknown.push_back(arg);
        }
    }
    out.push_back(std::string("    debug mode: ") + (debug ? "on" : "off"));
    out.push_back("    bots: " + bots);
    out.push_back("    level: " + level);
    for (const std::string& arg : unknown)
        out.push_back("    unrecognised argument: " + arg); // cppcheck-suppress useStlAlgorithm
}

std::string OnOff(const std::string& what, const std::string& value) {
    if (value == "1")
        return what + " on";
    if (value == "0")
        return what + " off";
    return what + ": unexpected value \"" + value + "\"";
}

std::string TextureDrawing(const std::string& value) {
    static const char* const names[] = {"full textures", "only objects", "only environment", "no textures"};
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '3')
        return std::string("texture drawing: ") + names[value[0] - '0'];
    return "texture drawing: unexpected value \"" + value + "\"";
}

// One console command of "startup.cfg" in words.
std::string Interpret(const std::string& line) {
    size_t space = line.find(' ');
    std::string command = line.substr(0, space);
    std::string value = space == std::string::npos ? "" : line.substr(space + 1);
    struct Named {
        const char* command;
        const char* words;
    };
    static const Named valued[] = {
        {"MOTIONTRACKERVOLUME", "motion-tracker volume"},
        {"MOTIONTRACKERSPEED", "motion-tracker speed"},
        {"SKY_RED", "sky red"},
        {"SKY_GREEN", "sky green"},
        {"SKY_BLUE", "sky blue"},
        {"LEANSCALE", "lean scale"},
        {"TIMESCALE", "time scale"},
    };
    static const Named switches[] = {
        {"EXPV", "verbose text reports"},
        {"CROUCHMODE", "toggle crouch"},
        {"EXTRAPOLATE_MOVEMENT", "movement extrapolation"},
        {"DOPPLERSHIFT", "Doppler shift"},
    };
    static const Named bare[] = {
        {"SHOWFPS", "show frames per second"},
        {"SHOWPOLYCOUNT", "show polygon count"},
        {"GIVEALLWEAPONS", "all weapons"},
        {"GOD", "god mode"},
        {"LIGHT", "extra light"},
    };
    for (const Named& n : valued)
        if (command == n.command) // cppcheck-suppress useStlAlgorithm
            return std::string(n.words) + " " + value;
    for (const Named& n : switches)
        if (command == n.command) // cppcheck-suppress useStlAlgorithm
            return OnOff(n.words, value);
    for (const Named& n : bare)
        if (line == n.command) // cppcheck-suppress useStlAlgorithm
            return n.words;
    if (command == "WIREFRAMEMODE")
        return TextureDrawing(value);
    return "unknown command";
}

void DescribeStartupCfg(const FileContents& file, std::vector<std::string>& out) {
    if (!file.present) {
        out.push_back("startup.cfg: absent");
        return;
    }
    out.push_back("startup.cfg: " + std::to_string(file.bytes.size()) + " bytes");
    size_t start = 0;
    while (start < file.bytes.size()) {
        size_t end = file.bytes.find('\n', start);
        bool hasNewline = end != std::string::npos;
        std::string line = file.bytes.substr(start, hasNewline ? end - start : std::string::npos);
        bool crlf = hasNewline && !line.empty() && line.back() == '\r';
        if (crlf)
            line.pop_back();
        std::string text = "    " + line + " -> " + Interpret(line);
        if (!crlf)
            text += hasNewline ? "   [ended by LF alone]" : "   [no line end]";
        out.push_back(text);
        start = hasNewline ? end + 1 : file.bytes.size();
    }
}

uint32_t LittleEndian32(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        if (offset + i < bytes.size())
            value |= uint32_t(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

std::string GuidText(const std::string& record) {
    std::string guid = record.substr(0, 16);
    guid.resize(16, '\0');
    if (guid == std::string(16, '\0'))
        return "default device";
    auto byte = [&](size_t i) { return static_cast<unsigned char>(guid[i]); };
    char text[64];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(LittleEndian32(guid, 0)), byte(4) | byte(5) << 8,
                  byte(6) | byte(7) << 8, byte(8), byte(9), byte(10), byte(11), byte(12), byte(13), byte(14),
                  byte(15));
    return text;
}

void DescribeVideoCfg(const FileContents& file, std::vector<std::string>& out) {
    if (!file.present) {
        out.push_back("Skv_Video.cfg: absent");
        return;
    }
    const std::string& b = file.bytes;
    std::string size = std::to_string(b.size()) + " bytes";
    if (b.size() < 32)
        size += ", short: missing bytes read as zero";
    else if (b.size() > 32)
        size += ", only the first 32 used";
    out.push_back("Skv_Video.cfg: " + size);
    out.push_back("    device: " + GuidText(b));
    out.push_back("    device index: " + std::to_string(static_cast<int32_t>(LittleEndian32(b, 16))));
    out.push_back("    mode: " + std::to_string(LittleEndian32(b, 20)) + " * " +
                  std::to_string(LittleEndian32(b, 24)) + " (" + std::to_string(LittleEndian32(b, 28)) +
                  " bpp)");
}

std::string Description(const Received& r) {
    std::vector<std::string> lines;
    lines.push_back("Program: " + r.exePath);
    lines.push_back("Working folder: " + r.workingFolder);
    lines.push_back("");
    DescribeCommandLine(r, lines);
    lines.push_back("");
    DescribeStartupCfg(r.startupCfg, lines);
    lines.push_back("");
    DescribeVideoCfg(r.videoCfg, lines);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

INT_PTR CALLBACK WindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, SKV_STANDIN_TEXT, reinterpret_cast<const char*>(lParam));
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE; // focus set here, so the text is not selected
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const Received received = Gather();

    char reportPath[MAX_PATH * 4];
    DWORD length = GetEnvironmentVariableA("SKV_STANDIN_REPORT", reportPath, sizeof reportPath);
    if (length > 0 && length < sizeof reportPath)
        return WriteReport(reportPath, Report(received)) ? 0 : 2;

    const std::string text = Description(received);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(SKV_STANDIN_DLG), nullptr, WindowProc,
                    reinterpret_cast<LPARAM>(text.c_str()));
    return 0;
}
