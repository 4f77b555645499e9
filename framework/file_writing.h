// Replacing a file's contents in one step (or in place while another program has it open). What happened is
// reported to the caller, which decides what the user reads.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "framework/file_error_cause.h"

// How replacing a file's contents ended.
struct FileWriteResult {
    // The step that failed: opening the file (or creating the temporary one beside it), writing, closing,
    // or putting the complete new file in the old one's place.
    enum class Stage { Done, Open, Write, Close, Replace };
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

// The absolute form of a path (the path as given when Windows cannot tell it), as a file that could not be
// written is named to the user.
std::string FullPathOf(const std::string& path);
