#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The folder separator of this platform; every rule that appends, tests or cuts a
// trailing separator uses it, and folder paths built by the program end with it.
extern const char kPathSeparator;

bool EndsWithSeparator(std::string_view path);
std::string WithTrailingSeparator(std::string_view path);
std::string WithoutTrailingSeparators(std::string_view path);

// The folder that holds a path's last part, ending with the separator, and that last part;
// separators at the path's end are ignored.
std::string ParentFolderOf(std::string_view path);
std::string LastPartOf(std::string_view path);

// The absolute form of a folder path, ending with the separator: links, "." and ".."
// resolved in the part that exists; a part that does not exist (yet) is appended as
// written, with "." and ".." applied to the text. Two paths naming the same folder give
// the same result.
std::string ResolveFolderPath(const std::string& path);

struct ProgramLocation {
    std::string folder;  // ends with the separator
    std::string file;    // name of the program file without folder
};

ProgramLocation LocateProgram();

// Where the INI file and the default log folder live: the program folder when it is
// writable, otherwise a per-user folder (created on demand). Ends with the separator.
std::string ProgramDataFolder(const std::string& programFolder);

}  // namespace quorvex
