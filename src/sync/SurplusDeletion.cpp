#include "sync/SurplusDeletion.h"

#include "config/ProductInfo.h"
#include "platform/Paths.h"
#include "platform/TextCase.h"
#include "platform/TextFormat.h"
#include "program/Program.h"
#include "sync/JobDisplay.h"
#include "sync/PauseAbort.h"
#include "sync/ProgressRefresh.h"
#include "sync/Scanner.h"
#include "sync/TargetListing.h"

namespace quorvex {

namespace {

enum class SourceSide { Missing, File, Folder, OtherKind, Unknown };

SourceSide LookUpSource(FileSystem& files, const std::string& path) {
    DirEntry info;
    switch (files.Lookup(WithoutTrailingSeparators(path), info)) {
        case LookupResult::Missing:
            return SourceSide::Missing;
        case LookupResult::Inaccessible:
            return SourceSide::Unknown;
        case LookupResult::Found:
            break;
    }
    if (info.kind == EntryKind::File) {
        return SourceSide::File;
    }
    return info.kind == EntryKind::Folder ? SourceSide::Folder : SourceSide::OtherKind;
}

EntryKind TargetKind(TargetRoom& tree, const std::string& path, std::int32_t& attributes) {
    DirEntry info;
    if (tree.Lookup(path, info) != LookupResult::Found) {
        return EntryKind::Other;
    }
    attributes = info.attributes;
    return info.kind;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return !prefix.empty() && text.compare(0, prefix.size(), prefix) == 0;
}

// An empty source root while the target holds files is far more often an unplugged disk
// or a wrong path than a wish to empty the backup: only the user's explicit Yes lets the
// mirror go on.
bool MayEmptyTarget(Program& program, const std::string& sourceRoot) {
    if (program.engine.counters.filesSeen == 0 || !program.files->FolderIsEmpty(sourceRoot)) {
        return true;
    }
    if (WindowMode(program) &&
        program.dialogs->AskYesNo("Das Quell-Verzeichnis ist leer:\r\n\r\n" + sourceRoot +
                                      "\r\n\r\nSollen wirklich alle Dateien im Ziel gelöscht "
                                      "werden?",
                                  kProductTitle, PresetAnswer::No)) {
        return true;
    }
    program.log.WriteLog("!!! FEHLER: Quell-Verzeichnis ist leer, im Ziel wird nichts gelöscht: " +
                         sourceRoot);
    ++program.engine.otherProblems;
    return false;
}

class Deletion {
  public:
    Deletion(Program& program, const std::string& sourceRoot, const FolderIdentity& scannedSource,
             const std::string& targetRoot)
        : program_(program),
          stats_(program.engine.stats),
          tree_(*program.engine.target),
          sourceRoot_(sourceRoot),
          scannedSource_(scannedSource),
          targetRoot_(targetRoot),
          refresh_(program, {10, 500, 0}) {}

    void DeleteAll();

  private:
    bool SourceStillTheScannedFolder();
    void JudgeFolder(const std::string& path, const std::string& sourcePath);
    void JudgeFile(const std::string& path, const std::string& sourcePath);
    bool TakeSourceName(const std::string& path, const std::string& sourcePath, bool folder);
    void MoveEntriesBelow(const std::string& oldFolder, const std::string& newFolder);
    void Refresh(const std::string& path);

    Program& program_;
    JobStats& stats_;
    TargetRoom& tree_;
    const std::string& sourceRoot_;
    const FolderIdentity scannedSource_;
    const std::string& targetRoot_;
    ProgressRefresh refresh_;
    std::size_t judged_ = 0;
    // A target folder whose source counterpart could not be examined: nothing below it
    // is touched.
    std::string protectedFolder_;
    bool sourceLost_ = false;
    // The source folder listed last for a name that differs only in case.
    std::string listedFolder_;
    std::vector<DirEntry> listed_;
};

// A "missing" answer counts only while the source root is still the folder the scan read:
// a drive unmounted during the run leaves an empty mount point of the same name, and a
// folder renamed away may be replaced by another. Once it is not, nothing more is deleted.
bool Deletion::SourceStillTheScannedFolder() {
    FolderIdentity now;
    if (program_.files->IdentifyFolder(sourceRoot_, now) && now == scannedSource_) {
        return true;
    }
    const bool gone = !program_.files->FolderExists(sourceRoot_, nullptr);
    program_.log.WriteLog(gone ? "!!! FEHLER: Quell-Verzeichnis existiert nicht (mehr): " +
                                     sourceRoot_
                               : "!!! FEHLER: Quell-Verzeichnis ist nicht mehr derselbe Ordner, "
                                 "nichts wird gelöscht: " +
                                     sourceRoot_);
    ++program_.engine.otherProblems;
    sourceLost_ = true;
    return false;
}

void Deletion::Refresh(const std::string& path) {
    if (!WindowMode(program_)) {
        return;
    }
    refresh_.ReadClock();
    SyncDisplay& display = *program_.display;
    const std::size_t entries = program_.engine.scanList.size();
    if (refresh_.Due(ProgressRefresh::kStatus)) {
        display.SetFileStatus(ShortenPath(path, 60));
        display.SetStatisticsField(StatField::DeletedFiles,
                                   FormatThousands(static_cast<float>(stats_.filesDeleted)));
        refresh_.ShowDuration();
        display.SetStatusText(0, "Lösche... (" + std::to_string(stats_.filesDeleted) + "/" +
                                     std::to_string(entries) + ")...");
        refresh_.Done(ProgressRefresh::kStatus);
    }
    if (refresh_.Due(ProgressRefresh::kTitle)) {
        display.RefreshStatisticsLabels();
        refresh_.ShowPercentInTitle(
            static_cast<std::int64_t>(entries > 0 ? judged_ * 100 / entries : 0));
        refresh_.Done(ProgressRefresh::kTitle);
    }
}

void Deletion::JudgeFolder(const std::string& path, const std::string& sourcePath) {
    const SourceSide source = LookUpSource(*program_.files, sourcePath);
    if (source == SourceSide::Unknown || source == SourceSide::OtherKind) {
        protectedFolder_ = path;
        return;
    }
    std::int32_t attributes = 0;
    if (source == SourceSide::Folder || TargetKind(tree_, path, attributes) != EntryKind::Folder ||
        (source == SourceSide::Missing && !SourceStillTheScannedFolder()) ||
        (source == SourceSide::Missing && TakeSourceName(path, sourcePath, true))) {
        return;
    }
    if (tree_.RemoveFolderTree(path, nullptr)) {
        program_.log.WriteLog("Ordner gelöscht: '" + path + "'");
        ++stats_.foldersDeleted;
        AddChangeRow(program_, "|Quelle fehlt|" + path);
    } else {
        ++stats_.folderDeleteErrors;
    }
}

void Deletion::JudgeFile(const std::string& path, const std::string& sourcePath) {
    const SourceSide source = LookUpSource(*program_.files, sourcePath);
    std::int32_t attributes = 0;
    const EntryKind kind = TargetKind(tree_, path, attributes);
    // A link is removed itself, whatever it points to; only a file may be renamed.
    if (source == SourceSide::File || source == SourceSide::Unknown ||
        source == SourceSide::OtherKind || (kind != EntryKind::File && kind != EntryKind::Link) ||
        (source == SourceSide::Missing && !SourceStillTheScannedFolder()) ||
        (source == SourceSide::Missing && kind == EntryKind::File &&
         TakeSourceName(path, sourcePath, false))) {
        return;
    }
    RunLog& log = program_.log;
    std::string reason;
    if (kind == EntryKind::File && (attributes & kAttributeReadOnly) != 0 &&
        !tree_.MakeWritable(path, &reason)) {
        log.WriteLog("!!! FEHLER BEIM LÖSCHEN DES READONLY-ATTRIBUTES FÜR '" + path + "'");
        log.DebugReason(reason);
        AddChangeRow(program_, "|Attributfehler|" + path);
    }
    if (tree_.Remove(path, &reason)) {
        ++stats_.filesDeleted;
        log.WriteLog("Datei gelöscht '" + path + "'");
        AddChangeRow(program_, "|Quelle fehlt|" + path);
        Refresh(path);
    } else {
        ++stats_.deleteErrors;
        log.WriteLog("!!! FEHLER BEI DATEI LÖSCHEN '" + path + "'");
        log.DebugReason(reason);
        ShowCount(program_, StatField::DeleteErrors, stats_.deleteErrors);
        AddChangeRow(program_, "|Löschfehler|" + path);
    }
}

// On a target that sees names without case (vfat, exFAT, casefold folders) a source entry
// renamed only in case still finds its old target entry: that entry takes the source's
// name instead of being deleted, so the copy is not missing until the next run. True when
// the entry is such a one; it is then never deleted, also when the rename fails.
bool Deletion::TakeSourceName(const std::string& path, const std::string& sourcePath, bool folder) {
    const std::string targetFolder = ParentFolderOf(path);
    const std::string name = LastPartOf(path);
    const std::string sourceFolder = ParentFolderOf(sourcePath);
    if (sourceFolder != listedFolder_) {
        program_.files->List(sourceFolder, listed_, nullptr, nullptr);
        listedFolder_ = sourceFolder;
    }
    const std::string ending = folder ? std::string(1, kPathSeparator) : std::string();
    for (const DirEntry& sibling : listed_) {
        const std::string newPath = targetFolder + sibling.name + ending;
        if (sibling.name == name || !EqualsIgnoringCase(sibling.name, name) ||
            (sibling.kind == EntryKind::Folder) != folder || !tree_.SameEntry(path, newPath)) {
            continue;
        }
        const std::string oldPath = path;
        std::string reason;
        if (!tree_.Rename(oldPath, sibling.name, &reason)) {
            program_.log.WriteLog("!!! FEHLER BEIM UMBENENNEN: '" + oldPath + "' -> '" + newPath +
                                  "'");
            program_.log.DebugReason(reason);
            ++program_.engine.otherProblems;
            return true;
        }
        program_.log.WriteLog((folder ? "Ordner umbenannt: '" : "Datei umbenannt: '") + oldPath +
                              "' -> '" + newPath + "'");
        if (folder) {
            MoveEntriesBelow(oldPath, newPath);
        }
        return true;
    }
    return false;
}

// The entries still to judge below a renamed folder follow it to its new name.
void Deletion::MoveEntriesBelow(const std::string& oldFolder, const std::string& newFolder) {
    for (FileEntry& entry : program_.engine.scanList) {
        if (StartsWith(entry.path, oldFolder)) {
            entry.path = newFolder + entry.path.substr(oldFolder.size());
        }
    }
}

void Deletion::DeleteAll() {
    if (!SourceStillTheScannedFolder() || !MayEmptyTarget(program_, sourceRoot_)) {
        return;
    }
    for (const FileEntry& entry : program_.engine.scanList) {
        if (AbortRequested(program_)) {
            break;
        }
        ++judged_;
        if (!StartsWith(entry.path, protectedFolder_)) {
            const std::string sourcePath = sourceRoot_ + entry.path.substr(targetRoot_.size());
            if (IsFolderEntry(entry)) {
                JudgeFolder(entry.path, sourcePath);
            } else {
                JudgeFile(entry.path, sourcePath);
            }
        }
        if (sourceLost_) {
            break;
        }
        if (PollPauseAbort(program_)) {
            program_.log.WriteLog("!!! Benutzer hat Operation abgebrochen");
            break;
        }
    }
}

void ReadTarget(Program& program, const std::string& sourceRoot, const std::string& targetRoot,
                bool includeSubFolders, Ticks phaseStart) {
    EngineState& engine = program.engine;
    RunLog& log = program.log;
    log.WriteLog("### LESE ZIEL-ORDNER: '" + targetRoot + "'");
    if (WindowMode(program)) {
        program.display->SetStatusText(0, "Lese Ziel ein...");
        FlushEvents(program);
    }
    engine.scanList.clear();
    engine.counters = ScanCounters();
    const FolderLister list = [&program, &sourceRoot, &targetRoot](const std::string& folder,
                                                                   std::vector<DirEntry>& entries) {
        return ListTargetFolder(program, sourceRoot, targetRoot, folder, entries);
    };
    const std::int32_t taken =
        ScanDirectory(program, targetRoot, "", includeSubFolders, StatField::TargetFiles, list);
    log.WriteLog("Ordner: " + std::to_string(engine.counters.foldersSeen) +
                 ", Dateien: " + std::to_string(engine.counters.filesSeen));
    if (WindowMode(program)) {
        program.display->SetStatisticsField(StatField::TargetFiles,
                                            FormatThousands(static_cast<float>(taken)));
        program.display->SetStatusText(0, "Lösche überflüssige Dateien auf Ziel...");
        FlushEvents(program);
    }
    log.WriteLog("### EINLESEN DAUERTE: " +
                 FormatDuration(TicksSince(phaseStart, program.clock->TicksNow())));
    log.WriteLog("");
    log.WriteLog("### LÖSCHEN:");
}

}  // namespace

void DeleteSurplus(Program& program, const std::string& sourceRoot,
                   const FolderIdentity& scannedSource, const std::string& targetRoot,
                   bool includeSubFolders) {
    const Ticks phaseStart = program.clock->TicksNow();
    ReadTarget(program, sourceRoot, targetRoot, includeSubFolders, phaseStart);
    if (IsOn(program.settings.Systray)) {
        program.display->SetTrayTooltip("Lösche überflüssige Dateien auf Ziel...");
    }
    JobStats& stats = program.engine.stats;
    stats.filesDeleted = 0;
    stats.foldersDeleted = 0;
    stats.deleteErrors = 0;
    stats.folderDeleteErrors = 0;
    stats.targetFiles = program.engine.counters.filesSeen;
    if (!program.run.Preview()) {
        Deletion(program, sourceRoot, scannedSource, targetRoot).DeleteAll();
    }
    if (WindowMode(program) && stats.filesDeleted > 0) {
        program.display->SetStatisticsField(
            StatField::DeletedFiles, FormatThousands(static_cast<float>(stats.filesDeleted)));
    }
    stats.deleteTime = TicksSince(phaseStart, program.clock->TicksNow());
    program.log.WriteLog("### LÖSCHEN (" + std::to_string(stats.filesDeleted) +
                         ") DAUERTE: " + FormatDuration(stats.deleteTime));
    program.log.WriteLog("");
}

}  // namespace quorvex
