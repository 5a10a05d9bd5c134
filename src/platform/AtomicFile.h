#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The permissions of the new file: those of the file it replaces (or of any new file), or
// readable and runnable by everyone, writable by the owner.
enum class NewFileMode { Kept, Executable };

// Replaces a file as a whole. The new contents go to a temporary file beside it, which
// then takes the old file's place in one step, so a crash or a full disk while writing
// leaves the old file as it was.
class AtomicFileWriter {
  public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file. False when the file may not be replaced: its folder
    // or an existing file is not writable.
    bool Begin(const std::string& path, NewFileMode mode = NewFileMode::Kept);
    // Writes a part of the contents. False when this or an earlier write failed; the
    // commit then fails as well.
    bool Write(std::string_view part);
    // Writes the rest of the contents and puts them in place of the old file. False when
    // anything failed; the old file is then untouched.
    bool Commit(std::string_view rest = {});
    // Drops the temporary file without touching the old one.
    void Abandon();

    bool IsBegun() const { return handle_ >= 0; }

  private:
    std::string target_;
    std::string temporary_;
    int handle_ = -1;
    bool writeFailed_ = false;
};

}  // namespace quorvex
