#include "sync/Scanner.h"

#include <vector>

#include "platform/Paths.h"
#include "platform/TextCase.h"
#include "program/Program.h"
#include "sync/ExtensionFilter.h"
#include "sync/JobDisplay.h"
#include "sync/PauseAbort.h"

namespace quorvex {

namespace {

struct ScanRequest {
    std::string upperFilter;
    bool includeSubFolders;
    std::optional<StatField> countField;
    const FolderLister& list;
};

// A folder that cannot be read or a link that leads nowhere keeps its target copy (only a
// definite absence makes a target entry surplus), but the user must hear of it.
void ReportProblem(Program& program, const std::string& text) {
    program.log.WriteLog("!!! FEHLER: " + text);
    ++program.engine.otherProblems;
}

bool ListFolder(Program& program, const std::string& root, const ScanRequest& request,
                std::vector<DirEntry>& entries) {
    std::vector<ListingProblem> problems;
    std::string reason;
    if (!program.files->List(root, entries, &problems, &reason)) {
        ReportProblem(program, "Ordner nicht lesbar: '" + root + "' (" + reason + ")");
        return false;
    }
    for (const ListingProblem& problem : problems) {
        if (PassesFilter(request.upperFilter, UpperCaseLatin1(ExtensionOf(problem.name)))) {
            ReportProblem(program, std::string(problem.brokenLink ? "Verknüpfung ohne Ziel: '"
                                                                  : "Eintrag nicht lesbar: '") +
                                       root + problem.name + "' (" + problem.reason + ")");
        }
    }
    return true;
}

void ScanFolder(Program& program, const std::string& root, const ScanRequest& request) {
    std::vector<DirEntry> entries;
    const bool listed =
        request.list ? request.list(root, entries) : ListFolder(program, root, request, entries);
    if (!listed) {
        return;
    }
    EngineState& engine = program.engine;
    for (const DirEntry& entry : entries) {
        if (AbortRequested(program)) {
            break;
        }
        PollPauseAbort(program);
        if (entry.kind == EntryKind::File) {
            ++engine.counters.filesSeen;
            if (PassesFilter(request.upperFilter, UpperCaseLatin1(ExtensionOf(entry.name)))) {
                ++engine.counters.filesTaken;
                engine.scanList.push_back({root + entry.name, static_cast<std::int64_t>(entry.size),
                                           entry.modified, entry.attributes & ~kAttributeCompressed,
                                           false, std::string()});
            }
        } else if (entry.kind == EntryKind::Folder && request.includeSubFolders &&
                   entry.name != "." && entry.name != "..") {
            const std::string folder = root + entry.name + kPathSeparator;
            engine.scanList.push_back(
                {folder, 0, entry.modified, entry.attributes, false, std::string()});
            ++engine.counters.foldersSeen;
            ScanFolder(program, folder, request);
        }
    }
    if (request.countField && WindowMode(program)) {
        program.display->SetStatisticsField(*request.countField,
                                            std::to_string(engine.counters.filesTaken));
        FlushEvents(program);
    }
}

}  // namespace

std::int32_t ScanDirectory(Program& program, const std::string& root, const std::string& filter,
                           bool includeSubFolders, std::optional<StatField> countField,
                           const FolderLister& list) {
    const ScanRequest request{UpperCaseLatin1(filter), includeSubFolders, countField, list};
    ScanFolder(program, WithTrailingSeparator(root), request);
    return program.engine.counters.filesTaken;
}

}  // namespace quorvex
