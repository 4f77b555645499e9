#include "handoff/startup_config.h"

namespace {

// Decimal digits of a number, at least `minDigits` of them (zeros in front), with a minus sign when
// negative: what "%d" and "%.2d" print, without pulling the C library's whole printf into the launcher.
void AppendDecimal(std::string& out, int32_t value, int minDigits = 1) {
    // Counted as unsigned so that the most negative number has its magnitude too.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char digits[16];
    int count = 0;
    while (magnitude != 0 || count < minDigits) {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (value < 0)
        out += '-';
    while (count > 0)
        out += digits[--count];
}

// "COMMAND <value>" and the line end.
void AppendNumberLine(std::string& out, const char* command, int32_t value) {
    out += command;
    out += ' ';
    AppendDecimal(out, value);
    out += "\r\n";
}

void AppendFlag(std::string& out, const char* command, int32_t flag) {
    out += command;
    out += flag != 0 ? " 1\r\n" : " 0\r\n";
}

void AppendIf(std::string& out, const char* line, int32_t flag) {
    if (flag != 0)
        out += line;
}

// "COMMAND <whole>.<two digits>": hundredths as a fixed-point number; the value has been sanitised and is
// never negative.
void AppendHundredths(std::string& out, const char* command, int32_t value) {
    out += command;
    out += ' ';
    AppendDecimal(out, value / 100);
    out += '.';
    AppendDecimal(out, value % 100, 2);
    out += "\r\n";
}

} // namespace

std::string BuildStartupConfig(const LauncherSettings& settings) {
    using S = LauncherSettings;
    std::string out;
    AppendFlag(out, "EXPV", settings.VerboseText);
    AppendFlag(out, "CROUCHMODE", settings.Crouchmode);
    AppendFlag(out, "EXTRAPOLATE_MOVEMENT", settings.Extrapolation);
    AppendHundredths(out, "MOTIONTRACKERVOLUME", SanitizedValue(&S::TrackerVolume, settings.TrackerVolume));
    if (settings.Debug == 0)
        return out;

    // Trackbar positions cannot leave their range, so they are written as they are.
    AppendNumberLine(out, "SKY_RED", settings.SkyRed);
    AppendNumberLine(out, "SKY_GREEN", settings.SkyGreen);
    AppendNumberLine(out, "SKY_BLUE", settings.SkyBlue);
    AppendHundredths(out, "MOTIONTRACKERSPEED", SanitizedValue(&S::TrackerSpeed, settings.TrackerSpeed));
    AppendHundredths(out, "LEANSCALE", SanitizedValue(&S::LeanScale, settings.LeanScale));
    AppendHundredths(out, "TIMESCALE", SanitizedValue(&S::TimeScale, settings.TimeScale));
    AppendNumberLine(out, "WIREFRAMEMODE", SanitizedValue(&S::WireFrame, settings.WireFrame));
    AppendIf(out, "SHOWFPS\r\n", settings.ShowFPS);
    AppendIf(out, "SHOWPOLYCOUNT\r\n", settings.ShowPolycount);
    AppendFlag(out, "DOPPLERSHIFT", settings.Dopplershift);
    AppendIf(out, "GIVEALLWEAPONS\r\n", settings.AllWeapons);
    AppendIf(out, "GOD\r\n", settings.GodMode);
    AppendIf(out, "LIGHT\r\n", settings.AddLight);
    return out;
}
