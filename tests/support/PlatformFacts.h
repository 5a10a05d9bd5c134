#pragma once

#include <cstdint>
#include <string>

namespace quorvex::test {

// An absolute path the test writes as "/folder/file", as this platform writes it: from the
// root on POSIX, from drive C: with backslashes on Windows.
std::string Rooted(const std::string& path);

// The attribute value the file system reports for a file a test has just written.
std::int32_t NewFileAttributes();

// Gives a just-written file other attributes that a copy carries over (mode 0600 on POSIX,
// hidden on Windows) and returns their value as the file system reports it.
std::int32_t GiveOtherAttributes(const std::string& path);

}  // namespace quorvex::test
