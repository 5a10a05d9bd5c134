#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/AtomicFile.h"

namespace quorvex {

// An INI-style text file, either read or written, one file at a time.
//
// Reading accepts any file, also one edited by hand: a UTF-8 byte-order mark is skipped,
// blank lines and leading blanks do not matter, ";" starts a comment, "[" a group (up to
// "]" or the line end), anything else is a key line "key = value" (a line without "="
// is a key with an empty value). Group and key names are found without regard to case,
// the first match counts; key lines before the first group form the unnamed group "".
//
// Writing collects "; comment", "[group]" and "key = value" lines ending in CR LF in
// memory; a group line appears just before the first line that follows its selection.
// Close puts the whole file in place of the old one.
class IniFile {
  public:
    // Reads the whole file at once. False when it cannot be read.
    bool OpenForReading(const std::string& path);
    // False when the file cannot be written; nothing is changed until Close.
    bool CreateForWriting(const std::string& path);

    // Reading: whether the group exists; until a group is found again every read gives
    // its default. Writing: always true.
    bool SelectGroup(std::string_view name);

    // A missing key gives the default; a value not starting with a number gives 0.
    std::int32_t ReadInteger(std::string_view key, std::int32_t fallback) const;
    std::int64_t ReadInteger64(std::string_view key, std::int64_t fallback) const;
    // A missing key gives the default; the value loses its outer blanks and tabs.
    std::string ReadText(std::string_view key, std::string_view fallback) const;

    void WriteComment(std::string_view text);
    void WriteInteger(std::string_view key, std::int64_t value);
    void WriteText(std::string_view key, std::string_view value);

    // Writing: replaces the file with what was written; false when that failed, the old
    // file then stays as it was. Reading: forgets the contents.
    bool Close();

  private:
    enum class Mode { Closed, Reading, Writing };

    struct KeyLine {
        std::string key;
        std::string value;  // leading blanks and tabs already removed
    };
    // Key lines [first, last) of one group.
    struct Group {
        std::size_t first = 0;
        std::size_t last = 0;
    };

    void Parse(std::string_view contents);
    void AddLine(std::string_view line);
    Group& CurrentGroup();
    const KeyLine* FindKey(std::string_view key) const;
    void EmitGroupLine();
    void EmitLine(std::string_view line);

    Mode mode_ = Mode::Closed;
    // Reading.
    std::vector<KeyLine> keys_;
    Group unnamed_;
    std::vector<Group> groups_;
    std::unordered_map<std::string, std::size_t> groupIndex_;  // lower-case name → first
    const Group* selected_ = nullptr;
    // Writing.
    AtomicFileWriter writer_;
    std::string output_;
    std::string pendingGroup_;
    bool groupPending_ = false;
};

}  // namespace quorvex
