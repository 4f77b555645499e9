// Writing "startup.cfg" into the game's folder from the options and the controls' current positions.
#include <string>

#include "app/launcher_app.h"
#include "framework/file_errors.h"
#include "handoff/startup_config.h"
#include "ui/launcher_dialog.h"

namespace {

// The absolute form of a path, for naming a file whose contents could not be written.
std::string FullPathOf(const std::string& path) {
    char buffer[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

} // namespace

bool LauncherDialog::WriteStartupConfig() {
    const std::string path = GameFolder + StartupConfigName;
    const ControlPositions positions{
        ReadNumericOption(NumericOption::TrackerVolume), ReadNumericOption(NumericOption::TrackerSpeed),
        ReadNumericOption(NumericOption::TimeScale),     ReadNumericOption(NumericOption::LeanScale),
        ReadNumericOption(NumericOption::SkyRed),        ReadNumericOption(NumericOption::SkyGreen),
        ReadNumericOption(NumericOption::SkyBlue)};
    const std::string content = BuildStartupConfig(Settings, positions);

    const FileWriteResult result = ReplaceFileContents(path, content.data(), content.size());
    switch (result.FailedAt) {
    case FileWriteResult::Stage::Done:
        return true;
    case FileWriteResult::Stage::Open:
        ReportFileError(result.Cause, path);
        break;
    case FileWriteResult::Stage::Write:
        ReportFileError(result.Cause, FullPathOf(path));
        break;
    case FileWriteResult::Stage::Close:
        ReportFileError(result.Cause, ""); // no name is at hand once the file is being closed
        break;
    }
    return false;
}
