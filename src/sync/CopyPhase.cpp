#include "sync/CopyPhase.h"

#include "config/ProductInfo.h"
#include "platform/Paths.h"
#include "platform/TextFormat.h"
#include "program/Program.h"
#include "sync/CopyFileBuffered.h"
#include "sync/JobDisplay.h"
#include "sync/PauseAbort.h"
#include "sync/ProgressRefresh.h"

namespace quorvex {

const char* CopyFailureReason(int code) {
    switch (code) {
        case kCopyTargetNotCreated:
            return ": Konnte Zieldatei nicht erstellen";
        case kCopySourceUnreadable:
            return ": Konnte Quelldatei nicht öffnen";
        case kCopySourceMissing:
            return ": Quelldatei nicht (mehr) gefunden";
        case kCopyAborted:
            return ": Benutzer hat Operation abgebrochen";
        case kCopyNoMemory:
            return ": Speicherfehler";
        case kCopyIncomplete:
            return ": Zieldatei konnte nicht korrekt geschrieben werden";
        default:
            return ": Unbekannter Fehler";
    }
}

namespace {

class CopyRun {
  public:
    CopyRun(Program& program, const std::string& sourceRoot, const std::string& targetRoot)
        : program_(program),
          settings_(program.settings),
          stats_(program.engine.stats),
          sourceRoot_(sourceRoot),
          targetRoot_(targetRoot),
          refresh_(program, {10, 250, 250}),
          phaseStart_(refresh_.Now()) {}

    void CheckFreeSpace();
    void CopyAll();
    void ShowLoopEnd();
    Ticks PhaseStart() const { return phaseStart_; }

  private:
    void Refresh();
    void ShowBytesCopied();
    void CreateFolders(const FileEntry& entry);
    void CopyOneFile(const FileEntry& entry);
    void ReportFailure(int code, const std::string& source, const std::string& target,
                       const std::string& reason);
    std::int32_t FilesToCopy() const { return stats_.newFiles + stats_.changedFiles; }

    Program& program_;
    Settings& settings_;
    JobStats& stats_;
    const std::string& sourceRoot_;
    const std::string& targetRoot_;
    ProgressRefresh refresh_;
    const Ticks phaseStart_;
    std::int32_t processed_ = 0;
};

void CopyRun::CheckFreeSpace() {
    if (WindowMode(program_)) {
        program_.display->SetStatusText(0, "Prüfe Speicherplatz auf Ziel...");
    }
    std::int64_t sum = 0;
    for (const FileEntry& entry : program_.engine.copyList) {
        sum += entry.size;
    }
    const std::string drive = program_.files->DriveOf(targetRoot_);
    const std::int64_t neededMB = RoundedQuotient(sum, 1024 * 1024);
    const std::int64_t available = program_.files->FreeMB(drive);
    if (available >= neededMB) {
        return;
    }
    RunLog& log = program_.log;
    log.WriteLog("!!! FREIER SPEICHERPLATZ NICHT AUSREICHEND AUF " + drive);
    log.WriteLog("!!! ES WERDEN " + FormatThousands(RoundedQuotient(sum, 1024)) + "kb BENÖTIGT!");
    log.WriteLog("!!! VORGANG ABGEBROCHEN!");
    log.WriteLog("");
    if (WindowMode(program_)) {
        program_.dialogs->ShowMessage(
            "Speicherplatz auf Ziel nicht ausreichend!\r\n\r\nBenötigt:\t\t" +
                FormatThousands(neededMB) + " MB\r\nVorhanden:\t" + FormatThousands(available) +
                " MB",
            "Quorvex", MessageIcon::Error);
    }
    program_.run.abortRequested = true;
}

void CopyRun::Refresh() {
    refresh_.ReadClock();
    const std::int32_t toCopy = FilesToCopy();
    // The tooltip goes by the title's interval; with the window hidden it never waits.
    if (IsOn(settings_.Systray) && refresh_.Due(ProgressRefresh::kTitle)) {
        const std::int32_t sourceFiles = stats_.sourceFiles;
        refresh_.ShowPercentInTray("Kopiere", sourceFiles > 0 ? processed_ * 100 / sourceFiles : 0);
        if (WindowMode(program_)) {
            refresh_.Done(ProgressRefresh::kTitle);
        }
    }
    if (!WindowMode(program_)) {
        return;
    }
    SyncDisplay& display = *program_.display;
    if (refresh_.Due(ProgressRefresh::kStatus)) {
        display.SetStatisticsField(StatField::NewFolders,
                                   FormatThousands(static_cast<float>(stats_.foldersCreated)));
        ShowBytesCopied();
        if (toCopy > 0) {
            display.SetJobProgress(processed_ * 100 / toCopy);
        }
        display.SetStatusText(0, "Verarbeite Job " + std::to_string(program_.engine.jobNumber) +
                                     "/" + std::to_string(program_.engine.activeJobs) + ", Datei " +
                                     FormatThousands(static_cast<float>(processed_)) + "/" +
                                     FormatThousands(static_cast<float>(toCopy)) + "...");
        refresh_.ShowDuration();
        const std::int32_t sincePhase = TicksSince(phaseStart_, refresh_.Now());
        if (stats_.bytesCopied > 0 && sincePhase >= 1000 && processed_ > 0) {
            display.SetStatusText(
                2, "Rest: ~" + FormatDuration(sincePhase / processed_ * (toCopy - processed_)));
            display.SetStatusText(3, "Rate: ~" +
                                         FormatThousands(stats_.bytesCopied / 1024.0f /
                                                         static_cast<float>(sincePhase / 1000)) +
                                         " kb/s");
        }
        FlushEvents(program_);
        refresh_.Done(ProgressRefresh::kStatus);
    }
    if (refresh_.Due(ProgressRefresh::kTitle)) {
        if (toCopy > 0) {
            refresh_.ShowPercentInTitle(processed_ * 100 / toCopy);
        }
        display.RefreshStatisticsLabels();
        refresh_.Done(ProgressRefresh::kTitle);
    }
}

// With the status, not after every file: a text field redrawn per small file costs more
// than copying it.
void CopyRun::ShowBytesCopied() {
    if (stats_.filesCopied > 0) {
        ShowCount(program_, StatField::BytesCopied, stats_.bytesCopied);
    }
}

void CopyRun::CreateFolders(const FileEntry& entry) {
    const std::string relative = entry.path.substr(sourceRoot_.size());
    TargetRoom& tree = *program_.engine.target;
    std::string built;
    std::size_t start = 0;
    while (start < relative.size()) {
        std::size_t end = relative.find(kPathSeparator, start);
        if (end == std::string::npos) {
            end = relative.size();
        }
        const std::string component = relative.substr(start, end - start);
        const std::string folder = targetRoot_ + built + component;
        std::string reason;
        if (!component.empty() && !tree.IsFolder(folder)) {
            if (tree.MakeFolder(folder, &reason)) {
                ++stats_.foldersCreated;
                tree.StampFolder(folder, entry.attributes,
                                 entry.modified + settings_.UTC_Time * 3600);
                program_.log.WriteLog("Ordner angelegt: '" + folder + "'");
                AddChangeRow(program_, "|Ordner nicht vorhanden|" + folder);
            } else {
                AddChangeRow(program_, "|ORDNERFEHLER|" + folder);
                program_.log.WriteLog("!!! FEHLER BEIM ANLEGEN DES ORDNERS: '" + folder + "'");
                program_.log.DebugReason(reason);
                ++program_.engine.otherProblems;
            }
        }
        built += component + kPathSeparator;
        start = end + 1;
    }
}

void CopyRun::ReportFailure(int code, const std::string& source, const std::string& target,
                            const std::string& reason) {
    ++stats_.copyErrors;
    program_.log.WriteLog("!!! FEHLER BEIM KOPIEREN: '" + source + "' -> '" + target + "'");
    program_.log.WriteLog("\t" + std::to_string(code) + CopyFailureReason(code));
    program_.log.DebugReason(reason);
    ShowCount(program_, StatField::CopyErrors, stats_.copyErrors);
    AddChangeRow(program_, "|KOPIERFEHLER|" + target);
}

void CopyRun::CopyOneFile(const FileEntry& entry) {
    ++processed_;
    const std::string& source = entry.path;
    const std::string target = targetRoot_ + source.substr(sourceRoot_.size());
    const bool window = WindowMode(program_);
    if (window) {
        program_.display->SetFileStatus(ShortenPath(target, 60));
    }
    TargetRoom& tree = *program_.engine.target;
    DirEntry existing;
    std::string reason;
    if (!entry.targetMissing && tree.Lookup(target, existing) == LookupResult::Found &&
        existing.kind == EntryKind::File && (existing.attributes & kAttributeReadOnly) != 0 &&
        !tree.MakeWritable(target, &reason)) {
        program_.log.WriteLog("!!! FEHLER BEIM LÖSCHEN DES READONLY-ATTRIBUTES FÜR '" + target +
                              "'");
        program_.log.DebugReason(reason);
        AddChangeRow(program_, "|ATTRIBUTFEHLER|" + target);
    }
    CopyProgress progress;
    if (window) {
        progress = [this](int percent) { program_.display->SetFileProgress(percent); };
    }
    std::int64_t bytes = 0;
    const int code = CopyFileBuffered(program_, source, target, progress, &bytes, &reason);
    if (code == kCopyDone) {
        ++stats_.filesCopied;
        stats_.bytesCopied += bytes;
        AddChangeRow(program_, "|Datei kopiert|" + source);
        program_.log.WriteLog("Datei kopiert: '" + source + "' -> '" + target + "'");
        return;
    }
    // An abort is no failure: the file is simply not copied, and the loop logs the abort.
    if (code == kCopyAborted) {
        return;
    }
    program_.log.WriteLog("! PROBLEM BEIM KOPIEREN, STARTE 2.VERSUCH: '" + source + "' -> '" +
                          target + "'");
    if (tree.SystemCopy(source, target, nullptr)) {
        program_.log.WriteLog("! DATEI ERFOLGREICH KOPIERT: '" + source + "' -> '" + target + "'");
        return;
    }
    ReportFailure(code, source, target, reason);
}

void CopyRun::CopyAll() {
    stats_.foldersCreated = 0;
    stats_.filesCopied = 0;
    stats_.bytesCopied = 0;
    stats_.copyErrors = 0;
    processed_ = 0;
    refresh_.Restart();
    if (WindowMode(program_)) {
        program_.display->SetStatusText(0, "Starte Kopiervorgang...");
    }
    if (program_.run.Preview()) {
        return;
    }
    for (const FileEntry& entry : program_.engine.copyList) {
        if (AbortRequested(program_)) {
            break;
        }
        Refresh();
        if (IsFolderEntry(entry)) {
            CreateFolders(entry);
        } else {
            CopyOneFile(entry);
        }
        // An abort inside a file's copy ends the loop with the same line as one here.
        const bool stoppedInsideCopy = AbortRequested(program_);
        if (stoppedInsideCopy || PollPauseAbort(program_)) {
            program_.log.WriteLog("!!! BENUTZERABBRUCH");
            break;
        }
    }
}

void CopyRun::ShowLoopEnd() {
    if (!WindowMode(program_)) {
        return;
    }
    SyncDisplay& display = *program_.display;
    if (stats_.foldersCreated > 0) {
        display.SetStatisticsField(StatField::NewFolders,
                                   FormatThousands(static_cast<float>(stats_.foldersCreated)));
    }
    ShowBytesCopied();
    display.SetFileProgress(0);
    display.SetJobProgress(0);
    display.SetStatusText(0, "Kopieren beendet.");
    display.SetFileStatus("");
    display.RefreshStatisticsLabels();
}

}  // namespace

void RunCopyPhase(Program& program, const std::string& sourceRoot, const std::string& targetRoot) {
    program.log.WriteLog("### KOPIEREN:");
    CopyRun run(program, sourceRoot, targetRoot);
    if (WindowMode(program)) {
        program.display->SetStatusText(0, "Kopiere...");
    }
    if (IsOn(program.settings.Systray)) {
        program.display->SetTrayTooltip("Kopiere...");
    }
    if (IsOn(program.settings.CheckTargetSpace)) {
        run.CheckFreeSpace();
    }
    run.CopyAll();
    run.ShowLoopEnd();
    EngineState& engine = program.engine;
    engine.copyList.clear();
    engine.copyList.shrink_to_fit();
    engine.stats.copyTime = TicksSince(run.PhaseStart(), program.clock->TicksNow());
    program.log.WriteLog("### KOPIEREN (" + std::to_string(engine.stats.filesCopied) +
                         ") DAUERTE: " + FormatDuration(engine.stats.copyTime));
    program.log.WriteLog("");
    engine.scanList.clear();
    engine.scanList.shrink_to_fit();
}

}  // namespace quorvex
