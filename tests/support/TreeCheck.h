#pragma once

#include <string>
#include <vector>

namespace quorvex::test {

// What an independent comparison finds different between two trees: content, file times and
// permissions ("rsync -anicO", with --delete for mirrors) on POSIX; content, file times and
// the read-only, hidden and system attributes on Windows. Empty when the target holds the
// source (and nothing more, for mirrors).
std::string RsyncDifferences(const std::string& source, const std::string& target,
                             bool mirror = false);

// The lines of a run log (CR LF), with durations, rates, the date and the system's name
// masked, so whole outlines can be compared.
std::vector<std::string> MaskedLogLines(const std::string& logPath);
std::vector<std::string> MaskLines(std::vector<std::string> lines);

// The lines of a log from the first one equal to `from` up to (excluding) the first
// one equal to `to` after it; to the end when `to` is empty.
std::vector<std::string> LogSection(const std::vector<std::string>& lines, const std::string& from,
                                    const std::string& to);

// Runs a shell command line and returns its output (POSIX only).
std::string ShellOutput(const std::string& command);

}  // namespace quorvex::test
