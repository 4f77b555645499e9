// What the player reads when a file the launcher writes for the game cannot be written: the file-error
// message of its cause, from the string table, naming the file.
#pragma once

#include <string>

#include "framework/app_context.h"
#include "framework/file_writing.h"

// The file-error message of a cause with "%1" filled in ("an unnamed file" when name is empty), in a
// message box with an OK button and the exclamation icon.
void ReportFileError(const AppContext& context, FileErrorCause cause, const std::string& name);

// The file-error message of a failed ReplaceFileContents(path, ...), naming the file as the launcher's
// messages do for the step that failed: the path as given when the file could not be opened or replaced,
// its full path when it could not be written, and "an unnamed file" when it could not be closed.
void ReportReplaceFailure(const AppContext& context, const FileWriteResult& failure, const std::string& path);
