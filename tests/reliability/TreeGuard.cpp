#include "reliability/TreeGuard.h"

#include "support/TempDir.h"

namespace quorvex::test {

namespace {

bool IsFolder(const TreeContents& tree, const std::string& path) {
    const auto found = tree.find(path);
    return found != tree.end() && found->second == kFolderMark;
}

bool IsFile(const TreeContents& tree, const std::string& path) {
    const auto found = tree.find(path);
    return found != tree.end() && found->second != kFolderMark;
}

// What a copy of a source entry holds: a link is read through.
std::string CopiedContent(const TreeContents& tree, const std::string& root,
                          const std::string& path) {
    const std::string& value = tree.at(path);
    return value.rfind(kLinkMark, 0) == 0 ? ReadFile(root + path) : value;
}

std::string Judge(const std::string& path, const std::string& before, const TreeContents& source,
                  const std::string& sourceRoot, const TreeContents& target, bool mirror) {
    const bool sourceHasKind =
        before == kFolderMark ? IsFolder(source, path) : IsFile(source, path);
    const auto now = target.find(path);
    if (now == target.end()) {
        return mirror && !sourceHasKind ? "" : "lost: " + path + "\n";
    }
    if (now->second == before) {
        return "";
    }
    if (IsFile(source, path) && now->second == CopiedContent(source, sourceRoot, path)) {
        return "";
    }
    if (mirror && !sourceHasKind && source.count(path) != 0) {
        return "";  // replaced by the source's entry of the other kind
    }
    return "damaged: " + path + "\n";
}

}  // namespace

std::string LossReport(const TreeContents& sourceBefore, const TreeContents& targetBefore,
                       const std::string& source, const std::string& target, bool mirror) {
    std::string report;
    const TreeContents sourceNow = ReadTree(source);
    if (sourceNow != sourceBefore) {
        report += "the source changed\n";
    }
    const TreeContents targetNow = ReadTree(target);
    for (const auto& [path, before] : targetBefore) {
        report += Judge(path, before, sourceNow, source, targetNow, mirror);
    }
    for (const auto& [path, now] : targetNow) {
        if (targetBefore.count(path) != 0) {
            continue;
        }
        const bool copied = now == kFolderMark ? IsFolder(sourceNow, path)
                                               : IsFile(sourceNow, path) &&
                                                     now == CopiedContent(sourceNow, source, path);
        if (!copied) {
            report += "unexpected: " + path + "\n";
        }
    }
    return report;
}

}  // namespace quorvex::test
