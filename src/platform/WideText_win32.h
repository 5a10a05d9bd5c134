#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "platform/FileFacts.h"

namespace quorvex {

// The program keeps its texts in UTF-8; Windows takes and gives UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// A path as the wide file calls take it: absolute, "\" separators, and the "\\?\" prefix
// (or "\\?\UNC\" for a share), so paths of any length work. "." and ".." are applied first,
// for the prefix stops Windows from doing so.
std::wstring LongPath(const std::string& path);

// The system's words for an error code, without the line break it ends with.
std::string ErrorText(DWORD error);

// A file time (UTC) as a DateValue and back, with the zone's current offset.
DateValue DateOfFileTime(const FILETIME& time);
FILETIME FileTimeOfDate(DateValue value);

// Whether an error code means the path names nothing.
bool IsAbsentError(DWORD error);

// Kind, size, attributes and date of an entry from what a listing or lookup gives.
// A reparse point (link, junction) is kind Link; the attribute bits are the system's.
void DescribeWin32Entry(DWORD attributes, std::uint64_t size, const FILETIME& modified,
                        DirEntry& entry);
// The same for a path, read without opening it; a link is described, not followed.
LookupResult DescribeWin32Path(const std::string& path, DirEntry& entry);

}  // namespace quorvex
