#include "sync/CopyFileBuffered.h"

#include <algorithm>
#include <memory>
#include <new>

#include "platform/FileSystem.h"
#include "platform/Ticks.h"
#include "program/Program.h"
#include "sync/PauseAbort.h"

namespace quorvex {

namespace {

// One poll costs a few microseconds with a window, so a block loop polls at most once
// per millisecond.
class BlockPoll {
  public:
    explicit BlockPoll(Program& program) : program_(program), last_(program.clock->TicksNow()) {}
    void AfterBlock() {
        const Ticks now = program_.clock->TicksNow();
        if (now != last_) {
            last_ = now;
            PollPauseAbort(program_);
        }
    }

  private:
    Program& program_;
    Ticks last_;
};

// Moves the content block by block: inside the kernel where the system can, otherwise
// through a buffer of the block size, allocated when first needed.
class BlockMover {
  public:
    BlockMover(SourceFile& input, NewFile& output, std::size_t blockSize)
        : input_(input), output_(output), blockSize_(blockSize) {}

    // Moves up to size bytes (at most the block size). Bytes moved; 0 when nothing more
    // could be moved; kCopyNoMemory without a buffer.
    long Next(std::size_t size) {
        if (!buffer_) {
            const long moved = output_.CopyFrom(input_, size);
            if (moved != kKernelCopyUnsupported) {
                return moved < 0 ? 0 : moved;
            }
            buffer_.reset(new (std::nothrow) char[blockSize_]);
            if (!buffer_) {
                return kCopyNoMemory;
            }
        }
        const long got = input_.Read(buffer_.get(), size);
        if (got <= 0 || !output_.Write(buffer_.get(), static_cast<std::size_t>(got))) {
            return 0;
        }
        return got;
    }

  private:
    SourceFile& input_;
    NewFile& output_;
    const std::size_t blockSize_;
    std::unique_ptr<char[]> buffer_;
};

// An abort stops the copy into a temporary file, whose target stays whole. An in-place
// write has no old version left to keep, so there an abort waits for the file's end.
int CopyContent(Program& program, SourceFile& input, NewFile& output,
                const CopyProgress& progress) {
    const std::int64_t length = input.Length();
    if (length == 0) {
        return kCopyDone;
    }
    const std::size_t blockSize = length < static_cast<std::int64_t>(kCopyBlockSize)
                                      ? static_cast<std::size_t>(length)
                                      : kCopyBlockSize;
    BlockMover mover(input, output, blockSize);
    BlockPoll poll(program);
    const bool stoppable = !output.InPlace();
    std::int64_t written = 0;
    while (written < length && !(stoppable && AbortRequested(program))) {
        // A file that grows while it is copied is taken at the length it had when opened.
        const long moved = mover.Next(static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(blockSize), length - written)));
        if (moved == kCopyNoMemory) {
            return kCopyNoMemory;
        }
        if (moved <= 0) {
            break;
        }
        written += moved;
        if (progress) {
            progress(static_cast<int>(written * 100 / length));
        }
        poll.AfterBlock();
    }
    if (stoppable && AbortRequested(program)) {
        return kCopyAborted;
    }
    return written < length ? kCopyIncomplete : kCopyDone;
}

// Without permission or room for a temporary file, the new content may still go straight
// into the existing target.
bool WriteInPlace(Program& program, NewFile& output, const std::string& target,
                  std::int64_t length) {
    const WriteFailure failure = output.Failure();
    if ((failure != WriteFailure::NoPermission && failure != WriteFailure::NoRoom) ||
        !output.OpenInPlace(target, length)) {
        return false;
    }
    program.log.Debug("Schreibe Zieldatei direkt (kein Platz/keine Rechte für temporäre Datei): '" +
                      target + "'");
    return true;
}

int CopyInto(Program& program, SourceFile& input, NewFile& output, const std::string& target,
             const CopyProgress& progress) {
    if (!output.Create(target) && !WriteInPlace(program, output, target, input.Length())) {
        return kCopyTargetNotCreated;
    }
    const int result = CopyContent(program, input, output, progress);
    if (result != kCopyIncomplete || output.InPlace() || !input.Rewind() ||
        !WriteInPlace(program, output, target, input.Length())) {
        return result;
    }
    return CopyContent(program, input, output, progress);
}

// A source written to during its copy keeps the time of the write, so the next run's
// comparison sees it as changed and copies it again.
void StampCopy(Program& program, const std::string& source, SourceFile& input, NewFile& output) {
    const DirEntry& facts = input.Facts();
    output.TakeOwner(input);
    if (input.ChangedSinceOpened()) {
        program.log.WriteLog("! QUELLDATEI WÄHREND DES KOPIERENS GEÄNDERT: '" + source + "'");
        output.SetAttributes(facts.attributes);
    } else {
        output.Stamp(facts.attributes, facts.modified + program.settings.UTC_Time * 3600,
                     input.Accessed());
    }
}

}  // namespace

int CopyFileBuffered(Program& program, const std::string& source, const std::string& target,
                     const CopyProgress& progress, std::int64_t* bytesCopied, std::string* reason) {
    bool missing = false;
    std::unique_ptr<SourceFile> input = program.files->OpenFile(source, &missing, reason);
    if (!input) {
        return missing ? kCopySourceMissing : kCopySourceUnreadable;
    }
    const std::int64_t length = input->Length();
    const std::unique_ptr<NewFile> output = program.engine.target->StartNewFile();
    int result = CopyInto(program, *input, *output, target, progress);
    if (result == kCopyDone) {
        StampCopy(program, source, *input, *output);
    }
    input.reset();
    if (!output->Finish() && result == kCopyDone) {
        result = kCopyIncomplete;
    }
    if (result == kCopyDone && !output->Commit()) {
        result = kCopyTargetNotCreated;
    }
    if (result != kCopyDone) {
        if (reason != nullptr) {
            *reason = output->Reason();
        }
        return result;
    }
    if (bytesCopied != nullptr) {
        *bytesCopied = length;
    }
    return kCopyDone;
}

}  // namespace quorvex
