#include "handoff/startup_config_file.h"

#include "framework/file_writing.h"
#include "handoff/file_error_report.h"
#include "handoff/startup_config.h"

bool WriteStartupConfig(const AppContext& context, const std::string& gameFolder,
                        const LauncherSettings& settings) {
    const std::string path = gameFolder + StartupConfigName;
    const std::string content = BuildStartupConfig(settings);
    const FileWriteResult result = ReplaceFileContents(path, content.data(), content.size());
    if (!result.Ok())
        ReportReplaceFailure(context, result, path);
    return result.Ok();
}
