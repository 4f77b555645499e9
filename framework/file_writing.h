// Replacing a file's contents in one step (or in place while another program has it open), and the message
// box that reports a failure.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "framework/file_error_cause.h"

// How replacing a file's contents ended.
struct FileWriteResult {
    enum class Stage { Done, Open, Write, Close };
    Stage FailedAt = Stage::Done;
    FileErrorCause Cause = FileErrorCause::None; // a short write is DiskFull
    bool Ok() const { return FailedAt == Stage::Done; }
};

// Replaces the file at path with exactly these bytes. The new contents go to a temporary file in the same
// folder, which takes the file's place only once it is complete and closed, so a failure leaves the
// previous file whole (or absent). Windows lets nothing take the place of a file that another program has
// open (a scanner, an editor, the game): while that program keeps it open past a quarter of a second, the
// file is emptied and rewritten in place instead, which works if that program lets others write to it; a
// write that fails there leaves the file as far as it got, possibly empty. A file that cannot be opened
// for writing is never touched. No temporary file is left behind in any outcome. Failures carry the cause
// of the failing step, as opening, writing or closing the file itself would have.
FileWriteResult ReplaceFileContents(const std::string& path, const void* data, size_t size);

// The file-error message of a cause with "%1" filled in ("an unnamed file" when name is empty), in a
// message box with an OK button and the exclamation icon.
void ReportFileError(FileErrorCause cause, const std::string& name);

// The file-error message of a failed ReplaceFileContents(path, ...), naming the file as the launcher's
// messages do for the step that failed: the path as given when the file could not be opened, its full
// path when it could not be written, and "an unnamed file" when it could not be closed.
void ReportReplaceFailure(const FileWriteResult& failure, const std::string& path);
