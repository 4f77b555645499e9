// The stand-in game's report of what it was started with: program, folder, command line and the
// bytes of the two files the launcher writes for the game.
#include "driver/ui_driver.h"

#include <gtest/gtest.h>

namespace uidriver {

namespace {

constexpr const char* kHeader = "SKV-STANDIN-REPORT 1";

// "absent" -> nullopt; lowercase hex -> bytes; anything else -> an error.
bool DecodeFile(const std::string& field, std::optional<std::string>& bytes, std::string& error) {
    if (field == "absent") {
        bytes.reset();
        return true;
    }
    if (field.size() % 2 != 0) {
        error = "odd number of hex digits";
        return false;
    }
    std::string decoded;
    for (size_t i = 0; i < field.size(); i += 2) {
        int value = 0;
        for (size_t j = i; j < i + 2; ++j) {
            const char c = field[j];
            if (c >= '0' && c <= '9')
                value = value * 16 + (c - '0');
            else if (c >= 'a' && c <= 'f')
                value = value * 16 + (c - 'a' + 10);
            else {
                error = std::string("not a lowercase hex digit: '") + c + "'";
                return false;
            }
        }
        decoded += static_cast<char>(value);
    }
    bytes = decoded;
    return true;
}

std::optional<StandinReport> Parse(const std::string& text, std::string& error) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size()) {
        error = "the last line is not ended by \\n";
        return std::nullopt;
    }
    if (lines.empty() || lines[0] != kHeader) {
        error = std::string("the first line is not \"") + kHeader + "\"";
        return std::nullopt;
    }

    StandinReport report;
    bool seen[5] = {};
    const char* keys[5] = {"exe=", "folder=", "params=", "startup.cfg=", "Skv_Video.cfg="};
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.compare(0, 4, "arg=") == 0) {
            report.args.push_back(line.substr(4));
            continue;
        }
        int key = 0;
        while (key < 5 && line.compare(0, strlen(keys[key]), keys[key]) != 0)
            ++key;
        if (key == 5 || seen[key]) {
            error = "unexpected line \"" + line + "\"";
            return std::nullopt;
        }
        seen[key] = true;
        const std::string value = line.substr(strlen(keys[key]));
        switch (key) {
        case 0:
            report.exe = value;
            break;
        case 1:
            report.folder = value;
            break;
        case 2:
            report.params = value;
            break;
        case 3:
            if (!DecodeFile(value, report.startupCfg, error))
                return std::nullopt;
            break;
        case 4:
            if (!DecodeFile(value, report.videoCfg, error))
                return std::nullopt;
            break;
        }
    }
    for (int key = 0; key < 5; ++key)
        if (!seen[key]) {
            error = std::string("no line \"") + keys[key] + "...\"";
            return std::nullopt;
        }
    return report;
}

} // namespace

std::optional<StandinReport> ParseReport(const std::string& text) {
    std::string error;
    std::optional<StandinReport> report = Parse(text, error);
    if (!report)
        ADD_FAILURE() << "not a stand-in report (" << error << "):\n" << text;
    return report;
}

std::optional<StandinReport> WaitForReport(const std::string& path, DWORD ms) {
    std::optional<StandinReport> report;
    std::string text;
    std::string error;
    // The file may be seen while the stand-in is still writing it: wait until it parses.
    WaitUntil(
        [&] {
            std::optional<std::string> read = ReadWholeFile(path);
            if (!read)
                return false;
            text = *read;
            report = Parse(text, error);
            return report.has_value();
        },
        ms);
    if (!report) {
        if (text.empty())
            ADD_FAILURE() << "the stand-in game wrote no report to " << path << " within " << ms << " ms";
        else
            ADD_FAILURE() << "the stand-in's report " << path << " is incomplete (" << error << "):\n"
                          << text;
    }
    return report;
}

} // namespace uidriver
