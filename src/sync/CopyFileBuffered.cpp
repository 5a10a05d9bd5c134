#include "sync/CopyFileBuffered.h"

#include <memory>
#include <new>

#include "platform/DirectoryListing.h"
#include "platform/FileIO.h"
#include "platform/FileSystem.h"
#include "platform/Ticks.h"
#include "run/PauseAbort.h"
#include "run/Program.h"

namespace quorvex {

namespace {

// One poll costs a few microseconds with a window, so a block loop polls at most once
// per millisecond.
class BlockPoll {
  public:
    explicit BlockPoll(Program& program) : program_(program), last_(TickCount()) {}
    void AfterBlock() {
        const Ticks now = TickCount();
        if (now != last_) {
            last_ = now;
            PollPauseAbort(program_);
        }
    }

  private:
    Program& program_;
    Ticks last_;
};

int CopyContent(Program& program, InputFile& input, ReplacementFile& output,
                const CopyProgress& progress) {
    const std::int64_t length = input.Length();
    if (length == 0) {
        return kCopyDone;
    }
    const std::size_t bufferSize = length < static_cast<std::int64_t>(kCopyBlockSize)
                                       ? static_cast<std::size_t>(length)
                                       : kCopyBlockSize;
    const std::unique_ptr<char[]> buffer(new (std::nothrow) char[bufferSize]);
    if (!buffer) {
        return kCopyNoMemory;
    }
    BlockPoll poll(program);
    std::int64_t written = 0;
    while (written < length && !AbortRequested(program)) {
        const long got = input.Read(buffer.get(), bufferSize);
        if (got <= 0) {
            break;
        }
        if (!output.Write(buffer.get(), static_cast<std::size_t>(got))) {
            break;
        }
        written += got;
        if (progress) {
            progress(static_cast<int>(written * 100 / length));
        }
        poll.AfterBlock();
    }
    if (written < length) {
        return kCopyIncomplete;
    }
    return AbortRequested(program) ? kCopyAborted : kCopyDone;
}

bool GiveSourceFacts(const std::string& path, std::int32_t attributes, DateValue modified) {
    const bool dated = SetModificationDate(path, modified);
    return SetFileAttributes(path, attributes) && dated;
}

}  // namespace

int CopyFileBuffered(Program& program, const std::string& source, const std::string& target,
                     const CopyProgress& progress) {
    DirEntry sourceFacts;
    if (LookupPath(source, sourceFacts) != LookupResult::Found ||
        sourceFacts.kind != EntryKind::File) {
        return kCopySourceMissing;
    }
    InputFile input;
    if (!input.Open(source)) {
        return kCopySourceUnreadable;
    }
    ReplacementFile output;
    if (!output.Create(target)) {
        return kCopyTargetNotCreated;
    }
    int result = CopyContent(program, input, output, progress);
    input.Close();
    if (!output.Finish() && result == kCopyDone) {
        result = kCopyIncomplete;
    }
    if (result != kCopyDone) {
        return result;
    }
    const DateValue shifted = sourceFacts.modified + program.settings.UTC_Time * 3600;
    GiveSourceFacts(output.TemporaryPath(), sourceFacts.attributes, shifted);
    return output.Commit() ? kCopyDone : kCopyTargetNotCreated;
}

}  // namespace quorvex
