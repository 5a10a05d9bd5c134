#include "sync/ChangeDetection.h"

#include "config/ProductInfo.h"
#include "platform/TextFormat.h"
#include "program/Program.h"
#include "sync/ChangeRule.h"
#include "sync/Fingerprints.h"
#include "sync/JobDisplay.h"
#include "sync/PauseAbort.h"
#include "sync/ProgressRefresh.h"
#include "sync/TargetListing.h"

namespace quorvex {

namespace {

// Only a file is a target file: a folder, a link or anything else of the source file's
// name counts as missing, so the file is copied (or its failure reported) instead of
// being judged by the other entry's time and size.
TargetFacts LookUpTarget(TargetRoom& tree, const std::string& targetPath) {
    DirEntry info;
    TargetFacts facts;
    if (tree.Lookup(targetPath, info) == LookupResult::Found && info.kind == EntryKind::File) {
        facts.exists = true;
        facts.modified = info.modified;
        facts.size = static_cast<std::int64_t>(info.size);
        facts.attributes = info.attributes & ~kAttributeCompressed;
    }
    return facts;
}

ChangeChecks ChecksOf(const Settings& settings, FingerprintMethod method) {
    ChangeChecks checks;
    checks.date = IsOn(settings.FileCheck_Date);
    checks.exist = IsOn(settings.Filecheck_Exist);
    checks.attributes = IsOn(settings.FileCheck_Attribute);
    checks.toleranceSeconds = settings.NTFS_TimeDifference;
    checks.method = method;
    return checks;
}

const char* FingerprintLabel(FingerprintMethod method) {
    switch (method) {
        case FingerprintMethod::Qsm:
            return "QSM-Fingerprint geändert: '";
        case FingerprintMethod::Crc32:
            return "CRC32-Fingerprint geändert: '";
        default:
            return "MD5-Fingerprint geändert: '";
    }
}

class Comparison {
  public:
    Comparison(Program& program, const std::string& sourceRoot, const std::string& targetRoot,
               FingerprintMethod method)
        : program_(program),
          settings_(program.settings),
          stats_(program.engine.stats),
          sourceRoot_(sourceRoot),
          targetRoot_(targetRoot),
          method_(method),
          checks_(ChecksOf(settings_, method)),
          refresh_(program, {10, 250, 1000}) {}

    void CompareAll();
    void TakeWholeSource();

  private:
    std::string TargetPathOf(const FileEntry& entry) const {
        return targetRoot_ + entry.path.substr(sourceRoot_.size());
    }
    void ShowProgress(const std::string& targetPath);
    std::string TargetFingerprint(const std::string& targetPath) {
        return FingerprintText(method_, program_.engine.target->OpenFile(targetPath).get());
    }
    Finding Judge(FileEntry& entry, const std::string& targetPath, const TargetFacts& target);
    void Report(Finding finding, FileEntry& entry, const std::string& targetPath,
                const TargetFacts& target);
    void TakeForCopy(FileEntry& entry, bool targetMissing) {
        program_.engine.copyList.push_back({std::move(entry.path), entry.size, entry.modified,
                                            entry.attributes, targetMissing, std::string()});
    }

    Program& program_;
    Settings& settings_;
    JobStats& stats_;
    const std::string& sourceRoot_;
    const std::string& targetRoot_;
    const FingerprintMethod method_;
    const ChangeChecks checks_;
    ProgressRefresh refresh_;
    std::int32_t compared_ = 0;
};

void Comparison::ShowProgress(const std::string& targetPath) {
    refresh_.ReadClock();
    const std::int32_t total = stats_.sourceFiles;
    const std::int32_t percent = total > 0 ? compared_ * 100 / total : 0;
    if (IsOn(settings_.Systray) && refresh_.Due(ProgressRefresh::kTray)) {
        refresh_.ShowPercentInTray("Vergleiche", percent);
        refresh_.Done(ProgressRefresh::kTray);
    }
    if (!WindowMode(program_)) {
        return;
    }
    SyncDisplay& display = *program_.display;
    if (refresh_.Due(ProgressRefresh::kStatus)) {
        display.SetStatusText(0, "Vergleiche (" + FormatThousands(static_cast<float>(compared_)) +
                                     "/" + FormatThousands(static_cast<float>(total)) + ")...");
        refresh_.ShowDuration();
        display.SetFileStatus(ShortenPath(targetPath, 60));
        display.SetFileProgress(percent);
        FlushEvents(program_);
        refresh_.Done(ProgressRefresh::kStatus);
    }
    if (refresh_.Due(ProgressRefresh::kTitle)) {
        display.RefreshStatisticsLabels();
        refresh_.ShowPercentInTitle(percent);
        refresh_.Done(ProgressRefresh::kTitle);
    }
}

Finding Comparison::Judge(FileEntry& entry, const std::string& targetPath,
                          const TargetFacts& target) {
    const SourceFacts source{entry.modified, entry.size, entry.attributes};
    return JudgeChange(source, target, checks_, [&]() {
        entry.fingerprint = FingerprintText(method_, *program_.files, entry.path);
        return entry.fingerprint != TargetFingerprint(targetPath);
    });
}

void Comparison::Report(Finding finding, FileEntry& entry, const std::string& targetPath,
                        const TargetFacts& target) {
    RunLog& log = program_.log;
    const std::string& path = entry.path;
    const std::string quoted = path + "'";
    std::string detail;
    switch (finding) {
        case Finding::DateChanged:
            log.WriteLog("Datum geändert: '" + quoted);
            log.Debug("- " + std::to_string(entry.modified - target.modified) + " -> " +
                      std::to_string(target.modified));
            detail = "|Datum geändert|" + path + " - " +
                     FormatDate(settings_.DateDisplayMask, entry.modified) + " -> " +
                     FormatDate(settings_.DateDisplayMask, target.modified);
            break;
        case Finding::NewFile:
            log.WriteLog("Neue Datei: '" + quoted);
            detail = "|Datei nicht vorhanden|" + path;
            break;
        case Finding::SizeChanged:
            log.WriteLog("Dateigröße geändert: '" + quoted);
            log.Debug("- " + std::to_string(entry.size) + " -> " + std::to_string(target.size));
            detail = "|Größe geändert|" + path;
            break;
        case Finding::AttributesChanged:
            log.WriteLog("Attribute geändert: '" + quoted);
            log.Debug("- " + std::to_string(entry.attributes) + " -> " +
                      std::to_string(target.attributes));
            detail = "|Attribute geändert|" + path;
            break;
        case Finding::Fingerprint:
            log.WriteLog(FingerprintLabel(method_) + quoted);
            if (IsOn(settings_.DebugMode)) {
                log.Debug("- " + entry.fingerprint + " -> " + TargetFingerprint(targetPath));
            }
            detail = "|CheckSum ungleich|" + path;
            break;
        case Finding::None:
            return;
    }
    if (finding == Finding::NewFile) {
        ++stats_.newFiles;
        ShowCount(program_, StatField::NewFiles, stats_.newFiles);
    } else {
        ++stats_.changedFiles;
        ShowCount(program_, StatField::ChangedFiles, stats_.changedFiles);
    }
    AddChangeRow(program_, detail);
    TakeForCopy(entry, finding == Finding::NewFile);
}

void Comparison::CompareAll() {
    for (FileEntry& entry : program_.engine.scanList) {
        if (AbortRequested(program_)) {
            break;
        }
        const std::string targetPath = TargetPathOf(entry);
        ShowProgress(targetPath);
        if (IsFolderEntry(entry)) {
            if (!program_.engine.target->IsFolder(targetPath)) {
                TakeForCopy(entry, true);
            }
        } else {
            ++compared_;
            const TargetFacts target = LookUpTarget(*program_.engine.target, targetPath);
            Report(Judge(entry, targetPath, target), entry, targetPath, target);
        }
        if (PollPauseAbort(program_)) {
            program_.log.WriteLog("!!! BENUTZERABBRUCH");
            break;
        }
    }
}

void Comparison::TakeWholeSource() {
    stats_.newFiles = stats_.sourceFiles;
    ShowCount(program_, StatField::NewFiles, stats_.newFiles);
    program_.engine.copyList.clear();
    program_.engine.copyList.reserve(program_.engine.scanList.size());
    for (FileEntry& entry : program_.engine.scanList) {
        if (AbortRequested(program_)) {
            break;
        }
        if (IsFolderEntry(entry)) {
            program_.log.WriteLog("Neuer Ordner: '" + entry.path + "'");
        } else {
            program_.log.WriteLog("Neue Datei: '" + entry.path + "'");
            ShowCount(program_, StatField::NewFiles, stats_.newFiles);
            AddChangeRow(program_, "|Datei nicht vorhanden|" + entry.path);
        }
        TakeForCopy(entry, true);
    }
}

}  // namespace

void DetectChanges(Program& program, const std::string& sourceRoot, const std::string& targetRoot,
                   FingerprintMethod fingerprintMethod, Ticks sourceReadEnd) {
    EngineState& engine = program.engine;
    JobStats& stats = engine.stats;
    program.log.WriteLog("### ÄNDERUNGEN:");
    engine.copyList.clear();
    if (WindowMode(program)) {
        program.display->SetStatusText(0, "Prüfe Zielordner...");
    }
    stats.newFiles = 0;
    stats.changedFiles = 0;
    stats.targetFiles = 0;
    Comparison comparison(program, sourceRoot, targetRoot, fingerprintMethod);
    stats.targetFiles = CountTargetFiles(program, sourceRoot, targetRoot);
    ShowCount(program, StatField::TargetFiles, stats.targetFiles);
    if (WindowMode(program)) {
        program.display->SetStatusText(0, "Vergleiche...");
    }
    if (IsOn(program.settings.Systray)) {
        program.display->SetTrayTooltip("Vergleiche...");
    }
    if (stats.targetFiles == 0) {
        comparison.TakeWholeSource();
    } else {
        comparison.CompareAll();
    }
    engine.scanList.clear();
    engine.scanList.shrink_to_fit();
    if (WindowMode(program)) {
        program.display->SetJobProgress(100);
    }
    stats.compareTime = TicksSince(sourceReadEnd, program.clock->TicksNow());
    program.log.WriteLog("### ÄNDERUNGEN (" + std::to_string(stats.newFiles + stats.changedFiles) +
                         ") FESTSTELLEN DAUERTE: " + FormatDuration(stats.compareTime));
    program.log.WriteLog("");
}

}  // namespace quorvex
