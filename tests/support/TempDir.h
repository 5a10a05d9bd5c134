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

}  // namespace quorvex::test
