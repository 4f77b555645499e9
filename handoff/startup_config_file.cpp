#include "handoff/startup_config_file.h"

#include "framework/file_writing.h"
#include "handoff/startup_config.h"

bool WriteStartupConfig(const std::string& gameFolder, const LauncherSettings& settings) {
    const std::string path = gameFolder + StartupConfigName;
    const std::string content = BuildStartupConfig(settings);
    const FileWriteResult result = ReplaceFileContents(path, content.data(), content.size());
    if (!result.Ok())
        ReportReplaceFailure(result, path);
    return result.Ok();
}
