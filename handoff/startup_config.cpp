#include "handoff/startup_config.h"

#include <cstdio>

namespace {

// printf-style formatting of one line; the formats used here are plain integer conversions, which do
// not depend on the locale.
template <typename... Args> void AppendLine(std::string& out, const char* format, Args... args) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, format, args...);
    if (length > 0)
        out.append(buffer, static_cast<size_t>(length) < sizeof buffer ? length : sizeof buffer - 1);
}

void AppendFlag(std::string& out, const char* command, int32_t flag) {
    out += command;
    out += flag != 0 ? " 1\r\n" : " 0\r\n";
}

void AppendIf(std::string& out, const char* line, int32_t flag) {
    if (flag != 0)
        out += line;
}

// Hundredths as a fixed-point number; the value has been sanitised and is never negative.
void AppendHundredths(std::string& out, const char* format, int32_t value) {
    AppendLine(out, format, static_cast<int>(value / 100), static_cast<int>(value % 100));
}

int32_t SanitizedWireFrame(int32_t mode) {
    return mode >= WireFrameMin && mode <= WireFrameMax ? mode : WireFrameDefault;
}

} // namespace

std::string BuildStartupConfig(const LauncherSettings& settings, const ControlPositions& positions) {
    std::string out;
    AppendFlag(out, "EXPV", settings.VerboseText);
    AppendFlag(out, "CROUCHMODE", settings.Crouchmode);
    AppendFlag(out, "EXTRAPOLATE_MOVEMENT", settings.Extrapolation);
    AppendHundredths(out, "MOTIONTRACKERVOLUME %.1d.%.2d\r\n",
                     SanitizedValue(NumericOption::TrackerVolume, positions.TrackerVolume));
    if (settings.Debug == 0)
        return out;

    // Trackbar positions cannot leave their range, so they are written as they are.
    AppendLine(out, "SKY_RED %d\r\n", static_cast<int>(positions.SkyRed));
    AppendLine(out, "SKY_GREEN %d\r\n", static_cast<int>(positions.SkyGreen));
    AppendLine(out, "SKY_BLUE %d\r\n", static_cast<int>(positions.SkyBlue));
    AppendHundredths(out, "MOTIONTRACKERSPEED %d.%.2d\r\n",
                     SanitizedValue(NumericOption::TrackerSpeed, positions.TrackerSpeed));
    AppendHundredths(out, "LEANSCALE %d.%.2d\r\n",
                     SanitizedValue(NumericOption::LeanScale, positions.LeanScale));
    AppendHundredths(out, "TIMESCALE %d.%.2d\r\n",
                     SanitizedValue(NumericOption::TimeScale, positions.TimeScale));
    AppendLine(out, "WIREFRAMEMODE %d\r\n", static_cast<int>(SanitizedWireFrame(settings.WireFrame)));
    AppendIf(out, "SHOWFPS\r\n", settings.ShowFPS);
    AppendIf(out, "SHOWPOLYCOUNT\r\n", settings.ShowPolycount);
    AppendFlag(out, "DOPPLERSHIFT", settings.Dopplershift);
    AppendIf(out, "GIVEALLWEAPONS\r\n", settings.AllWeapons);
    AppendIf(out, "GOD\r\n", settings.GodMode);
    AppendIf(out, "LIGHT\r\n", settings.AddLight);
    return out;
}
