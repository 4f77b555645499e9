#include "handoff/startup_config_file.h"

#include <windows.h>

#include "framework/file_writing.h"
#include "framework/growing_buffer.h"
#include "handoff/startup_config.h"

namespace {

// The absolute form of a path, for naming a file whose contents could not be written.
std::string FullPathOf(const std::string& path) {
    return CallWithGrowingBuffer([&path](char* buffer, size_t size) {
               return GetFullPathNameA(path.c_str(), static_cast<DWORD>(size), buffer, nullptr);
           })
        .value_or(path);
}

} // namespace

bool WriteStartupConfig(const std::string& gameFolder, const LauncherSettings& settings) {
    const std::string path = gameFolder + StartupConfigName;
    const std::string content = BuildStartupConfig(settings);

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
