#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace quorvex {

struct Program;

// Result codes of CopyFileBuffered.
constexpr int kCopyDone = 1;            // copied (also an empty source)
constexpr int kCopyAborted = -1;        // an abort stopped the copy: nothing was replaced
constexpr int kCopySourceMissing = -2;  // no such file, or a folder
constexpr int kCopySourceUnreadable = -3;
constexpr int kCopyTargetNotCreated = -4;
constexpr int kCopyIncomplete = -5;  // fewer bytes written than the source holds
constexpr int kCopyNoMemory = -6;

// Bytes moved per block; progress is reported and pause/abort polled after each one.
constexpr std::size_t kCopyBlockSize = 1024 * 1024;

using CopyProgress = std::function<void(int percent)>;

// Copies source to target (a path in the job's target tree) through a buffer of its own.
// The new content goes into a temporary file beside the target, which takes the source's
// dates (the UTC_Time hours added to the modification date), attributes and, as root,
// owner, and replaces the target only when every byte is written; on any other result the
// old target stays as it was. Without permission or room for the temporary file the
// content is written over the existing target, when it fits there. A source that changed
// while it was copied leaves the copy with the time of the write. bytesCopied receives the
// new target's length; reason, on a failure, the operating system's words for it.
int CopyFileBuffered(Program& program, const std::string& source, const std::string& target,
                     const CopyProgress& progress, std::int64_t* bytesCopied = nullptr,
                     std::string* reason = nullptr);

}  // namespace quorvex
