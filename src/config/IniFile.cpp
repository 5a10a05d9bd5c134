#include "config/IniFile.h"

#include "platform/FileText.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "platform/TextFormat.h"

namespace quorvex {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    return text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(0, end);
}

// A written text must stay on its line: a line break in it would start a new key or group.
std::string OnOneLine(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return result;
}

}  // namespace

bool IniFile::OpenForReading(const std::string& path) {
    Close();
    std::string contents;
    if (!ReadWholeFile(path, contents)) {
        return false;
    }
    Parse(TextOfFileBytes(contents));
    mode_ = Mode::Reading;
    return true;
}

void IniFile::Parse(std::string_view contents) {
    if (contents.size() > 2 && contents.substr(0, 3) == kByteOrderMark) {
        contents.remove_prefix(3);
    }
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t end = contents.find_first_of("\r\n", start);
        const std::size_t stop = end == std::string_view::npos ? contents.size() : end;
        AddLine(contents.substr(start, stop - start));
        start = stop + 1;
    }
    CurrentGroup().last = keys_.size();
}

IniFile::Group& IniFile::CurrentGroup() {
    return groups_.empty() ? unnamed_ : groups_.back();
}

void IniFile::AddLine(std::string_view line) {
    line = TrimLeft(line);
    if (line.empty() || line.front() == ';') {
        return;
    }
    if (line.front() == '[') {
        CurrentGroup().last = keys_.size();
        const std::string_view name = line.substr(1, line.find(']') - 1);
        groupIndex_.emplace(LowerCaseLatin1(name), groups_.size());
        groups_.push_back({keys_.size(), keys_.size()});
        return;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        keys_.push_back({std::string(TrimRight(line)), std::string()});
    } else {
        keys_.push_back({std::string(TrimRight(line.substr(0, equals))),
                         std::string(TrimLeft(line.substr(equals + 1)))});
    }
}

bool IniFile::CreateForWriting(const std::string& path) {
    Close();
    if (!writer_.Begin(path)) {
        return false;
    }
    mode_ = Mode::Writing;
    return true;
}

bool IniFile::SelectGroup(std::string_view name) {
    if (mode_ == Mode::Writing) {
        pendingGroup_ = OnOneLine(name);
        groupPending_ = true;
        return true;
    }
    selected_ = nullptr;
    if (mode_ != Mode::Reading) {
        return false;
    }
    if (name.empty()) {
        selected_ = &unnamed_;
        return unnamed_.last > unnamed_.first;
    }
    const auto found = groupIndex_.find(LowerCaseLatin1(name));
    if (found == groupIndex_.end()) {
        return false;
    }
    selected_ = &groups_[found->second];
    return true;
}

const IniFile::KeyLine* IniFile::FindKey(std::string_view key) const {
    if (selected_ == nullptr) {
        return nullptr;
    }
    for (std::size_t i = selected_->first; i < selected_->last; ++i) {
        if (EqualsIgnoringCase(keys_[i].key, key)) {
            return &keys_[i];
        }
    }
    return nullptr;
}

std::int32_t IniFile::ReadInteger(std::string_view key, std::int32_t fallback) const {
    const KeyLine* line = FindKey(key);
    return line == nullptr ? fallback : LeadingInteger(line->value);
}

std::int64_t IniFile::ReadInteger64(std::string_view key, std::int64_t fallback) const {
    const KeyLine* line = FindKey(key);
    return line == nullptr ? fallback : LeadingInteger64(line->value);
}

std::string IniFile::ReadText(std::string_view key, std::string_view fallback) const {
    const KeyLine* line = FindKey(key);
    return std::string(line == nullptr ? fallback : TrimRight(line->value));
}

void IniFile::EmitLine(std::string_view line) {
    if (mode_ != Mode::Writing) {
        return;
    }
    if (groupPending_) {
        groupPending_ = false;
        EmitLine("[" + pendingGroup_ + "]");
    }
    output_.append(line);
    output_.append("\r\n");
}

void IniFile::WriteComment(std::string_view text) {
    EmitLine("; " + OnOneLine(text));
}

void IniFile::WriteInteger(std::string_view key, std::int64_t value) {
    EmitLine(OnOneLine(key) + " = " + std::to_string(value));
}

void IniFile::WriteText(std::string_view key, std::string_view value) {
    EmitLine(OnOneLine(key) + " = " + OnOneLine(value));
}

bool IniFile::Close() {
    bool written = true;
    if (mode_ == Mode::Writing) {
        written = writer_.Commit(SettingsFileBytes(output_));
    }
    mode_ = Mode::Closed;
    keys_.clear();
    unnamed_ = Group{};
    groups_.clear();
    groupIndex_.clear();
    selected_ = nullptr;
    output_.clear();
    pendingGroup_.clear();
    groupPending_ = false;
    return written;
}

}  // namespace quorvex
