#include "sync/TargetListing.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "program/Program.h"

namespace quorvex {

namespace {

class TargetWalk {
  public:
    TargetWalk(Program& program, const std::string& sourceRoot, const std::string& targetRoot)
        : program_(program), sourceRoot_(sourceRoot), targetRoot_(targetRoot) {}

    // True for a temporary file of a copy, which is removed when it is stale.
    bool LeftOver(const std::string& folder, const std::string& name, EntryKind kind) {
        if (kind != EntryKind::File || !IsTemporaryFileName(name)) {
            return false;
        }
        const std::string path = folder + name;
        DirEntry source;
        if (program_.files->Lookup(sourceRoot_ + path.substr(targetRoot_.size()), source) !=
            LookupResult::Missing) {
            return false;
        }
        if (program_.engine.target->RemoveStaleTemporary(path)) {
            program_.log.Debug("Temporäre Datei eines abgebrochenen Laufs entfernt: '" + path +
                               "'");
        }
        return true;
    }

    std::int32_t Count(const std::string& folder) {
        std::vector<NamedKind> entries;
        if (!program_.engine.target->ListKinds(folder, entries)) {
            return 0;
        }
        std::int32_t count = 0;
        for (const NamedKind& entry : entries) {
            if (entry.kind == EntryKind::Folder) {
                count += Count(folder + entry.name + kPathSeparator);
            } else if ((entry.kind == EntryKind::File || entry.kind == EntryKind::Link) &&
                       !LeftOver(folder, entry.name, entry.kind)) {
                ++count;
            }
        }
        return count;
    }

  private:
    Program& program_;
    const std::string& sourceRoot_;
    const std::string& targetRoot_;
};

}  // namespace

bool ListTargetFolder(Program& program, const std::string& sourceRoot,
                      const std::string& targetRoot, const std::string& folder,
                      std::vector<DirEntry>& entries) {
    if (!program.engine.target->List(folder, entries)) {
        return false;
    }
    TargetWalk walk(program, sourceRoot, targetRoot);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const DirEntry& entry) {
                                     return walk.LeftOver(folder, entry.name, entry.kind);
                                 }),
                  entries.end());
    for (DirEntry& entry : entries) {
        if (entry.kind == EntryKind::Link) {
            entry.kind = EntryKind::File;
        }
    }
    return true;
}

std::int32_t CountTargetFiles(Program& program, const std::string& sourceRoot,
                              const std::string& targetRoot) {
    return TargetWalk(program, sourceRoot, targetRoot).Count(targetRoot);
}

}  // namespace quorvex
