#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

#include "support/NativePath.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "support/TreeCheck.h"

namespace quorvex::test {

// A source, a target and a log folder in one temporary folder, and the built binary run
// over them unattended.
class SyncFixture {
  public:
    SyncFixture() {
        MakeFolder(src);
        MakeFolder(dst);
        MakeFolder(logs);
    }

    ProcessResult Sync(const std::vector<std::string>& extra = {},
                       ProcessOptions options = ProcessOptions()) {
        std::vector<std::string> arguments{"-s", src, "-d", dst, "-logdir", logs};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        arguments.push_back("-start");
        arguments.push_back("-nowin");
        if (options.workingFolder.empty()) {
            options.workingFolder = root.path();
        }
        return RunQuorvexBinary(arguments, options);
    }

    std::vector<std::string> Log() const { return MaskedLogLines(logs + "Quorvex.log"); }

    // Writes a file and gives it a fixed modification time (UTC seconds).
    void Put(const std::string& path, const std::string& contents, long long utcSeconds) {
        WriteFile(path, contents);
        SetModificationTime(path, utcSeconds);
    }

    TempDir root;
    const std::string src = root / Native("src/");
    const std::string dst = root / Native("dst/");
    const std::string logs = root / Native("logs/");
};

// A path's POSIX permission bits.
inline unsigned Permissions(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

}  // namespace quorvex::test
