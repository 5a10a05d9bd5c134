#pragma once

#include <cstdint>
#include <string>

namespace quorvex::test {

// An absolute path the test writes as "/folder/file", as this platform writes it: from the
// root on POSIX, from drive C: with backslashes on Windows.
std::string Rooted(const std::string& path);

// The attribute value the file system reports for a file a test has just written.
std::int32_t NewFileAttributes();

}  // namespace quorvex::test
