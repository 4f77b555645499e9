#include "handoff/file_error_report.h"

#include "res/resource.h"

void ReportFileError(const AppContext& context, FileErrorCause cause, const std::string& name) {
    const std::string messageTemplate =
        context.ResourceString(SKV_STR_FILE_ERROR_FIRST + static_cast<UINT>(cause));
    const std::string shownName = name.empty() ? context.ResourceString(SKV_STR_UNNAMED_FILE) : name;
    context.ShowMessage(FormatFileError(messageTemplate, shownName), MB_OK | MB_ICONEXCLAMATION);
}

void ReportReplaceFailure(const AppContext& context, const FileWriteResult& failure,
                          const std::string& path) {
    switch (failure.FailedAt) {
    case FileWriteResult::Stage::Done:
        break;
    case FileWriteResult::Stage::Open:
    case FileWriteResult::Stage::Replace:
        ReportFileError(context, failure.Cause, path);
        break;
    case FileWriteResult::Stage::Write:
        ReportFileError(context, failure.Cause, FullPathOf(path));
        break;
    case FileWriteResult::Stage::Close:
        // The message of a failed close names no file: it says "an unnamed file".
        ReportFileError(context, failure.Cause, "");
        break;
    }
}
