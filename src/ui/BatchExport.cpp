#include "ui/BatchExport.h"

#include "platform/AtomicFile.h"
#include "ui/BatchScript.h"

namespace quorvex {

namespace {

constexpr const char* kTitle = "Quorvex";

BatchAnswers AskAnswers(Program& program) {
    UserDialogs& dialogs = *program.dialogs;
    BatchAnswers answers;
    answers.autoStart = dialogs.AskYesNo(
        "Sollen die Syncronisationsjobs automatisch gestartet werden (-start)?", kTitle);
    answers.showWindow =
        dialogs.AskYesNo("Soll ein Fenster während der Syncronisation angezeigt werden?", kTitle);
    // Without a window, or when the program ends or waits for the next run, no statistics
    // could be looked at.
    const Settings& settings = program.settings;
    if (answers.showWindow && !IsOn(settings.AutoExit) && !IsOn(settings.LongTerm)) {
        answers.showStatistics =
            dialogs.AskYesNo("Soll eine Statistik am Ende angezeigt werden?", kTitle);
    }
    return answers;
}

void ReportNotCreated(Program& program) {
    program.log.Debug("Button: BatchFile, Status: Konnte Datei nicht anlegen");
    program.dialogs->ShowMessage("Konnte Datei nicht anlegen!", kTitle, MessageIcon::Error);
}

}  // namespace

void ExportBatchFile(Program& program, ScriptFlavour flavour, const SaveFileChooser& chooseFile) {
    const Settings& settings = program.settings;
    if (program.jobs.Count() == 0) {
        program.log.Debug("Button: BatchFile, Status: Keine Jobs!");
        program.dialogs->ShowMessage("Es liegen keine Jobs vor!", kTitle, MessageIcon::None);
        return;
    }
    const std::string path =
        chooseFile("Job(s) in Batchdatei speichern",
                   settings.ProgramFolder + BatchFileName(flavour), BatchFileFilter(flavour));
    if (path.empty()) {
        return;
    }
    // The old file stays until the new one is complete.
    AtomicFileWriter file;
    if (!file.Begin(path, NewFileMode::Executable)) {
        ReportNotCreated(program);
        return;
    }
    const BatchAnswers answers = AskAnswers(program);
    const BatchScript script =
        WriteBatchScript(flavour, settings.ProgramFolder + settings.ProgramFile,
                         BatchCommands(settings, program.jobs, answers));
    if (!script.refused.empty()) {
        file.Abandon();
        program.log.Debug("Button: BatchFile, Status: Pfad nicht darstellbar");
        program.dialogs->ShowMessage(
            "Dieser Pfad kann nicht in eine Batchdatei geschrieben werden:\n" + script.refused,
            kTitle, MessageIcon::Error);
        return;
    }
    if (!file.Commit(script.text)) {
        ReportNotCreated(program);
        return;
    }
    program.log.Debug("Button: BatchFile, Status: ok");
}

}  // namespace quorvex
