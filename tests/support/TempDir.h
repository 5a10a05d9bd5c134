#pragma once

#include <string>

namespace quorvex::test {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes away. path() ends with "/".
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + relative; }

  private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& contents);
std::string ReadFile(const std::string& path);
bool PathExists(const std::string& path);
void MakeFolder(const std::string& path);
// Sets a file's modification time to the given UTC seconds.
void SetModificationTime(const std::string& path, long long utcSeconds);
long long ModificationTime(const std::string& path);
// Read-only for everyone, the owner too.
void MakeReadOnly(const std::string& path);
// Removes a file or a folder with everything in it.
void RemovePath(const std::string& path);
// The names in a folder in byte order, each followed by "\n", as "ls -A" lists them.
std::string ListedNames(const std::string& folder);

}  // namespace quorvex::test
