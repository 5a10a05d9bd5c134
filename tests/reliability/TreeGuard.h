#pragma once

#include <map>
#include <string>
#include <vector>

namespace quorvex::test {

using Lines = std::vector<std::string>;

// Everything below a folder, by path relative to it: a file's content, "<folder>" for a
// folder, "<link>" + its target for a symbolic link, "<other>" for anything else.
using TreeContents = std::map<std::string, std::string>;
inline constexpr const char* kFolderMark = "<folder>";
inline constexpr const char* kLinkMark = "<link>";

// Reads a whole tree without following links. Works on names longer than a path may be.
// Paths below the folder are written with "/" on every system.
TreeContents ReadTree(const std::string& folder);

// What a run must never do, given both trees as they were before it:
// - change anything in the source;
// - leave a target file in any state other than its old or its source's content;
// - remove a target entry whose source counterpart still exists, or (outside mirror
//   mode) any target entry at all;
// - leave a temporary file behind.
// Returns one line per violation; empty when nothing was lost.
std::string LossReport(const TreeContents& sourceBefore, const TreeContents& targetBefore,
                       const std::string& source, const std::string& target, bool mirror);

}  // namespace quorvex::test
