#include <sys/stat.h>

#include <vector>

#include "platform/FileIO_posix.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace quorvex {

bool CreateFolder(const std::string& path) {
    return mkdir(WithoutTrailingSeparators(path).c_str(), 0777) == 0;
}

namespace {

constexpr std::size_t kSystemCopyBlock = 1 << 20;

bool CopyContent(InputFile& source, ReplacementFile& target) {
    std::vector<char> buffer(kSystemCopyBlock);
    for (;;) {
        const long got = source.Read(buffer.data(), buffer.size());
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (!target.Write(buffer.data(), static_cast<std::size_t>(got))) {
            return false;
        }
    }
}

}  // namespace

bool SystemCopyFile(TargetTree& tree, const std::string& source, const std::string& target) {
    InputFile input;
    ReplacementFile replacement;
    return input.Open(source) && replacement.Create(tree, target) &&
           CopyContent(input, replacement) && replacement.TakeStatusOf(input) &&
           replacement.Finish() && replacement.Commit();
}

}  // namespace quorvex
