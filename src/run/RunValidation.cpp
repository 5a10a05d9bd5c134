#include "run/RunValidation.h"

#include <algorithm>

#include "platform/Paths.h"
#include "program/Program.h"

namespace quorvex {

namespace {

void Refuse(Program& program, const std::string& text) {
    // These boxes carry no caption of their own.
    program.dialogs->ShowMessage(text, "", MessageIcon::Error);
}

enum class Overlap { None, SameFolder, OneInsideTheOther };

bool Contains(const std::vector<FolderIdentity>& folders, const FolderIdentity& identity) {
    return std::find(folders.begin(), folders.end(), identity) != folders.end();
}

// A bind mount shows a folder at a second place whose path has nothing in common with
// the first: only the identities of the folders tell.
Overlap IdentityOverlap(FileSystem& files, const std::string& source, const std::string& target) {
    const IdentityChain sourceChain = files.IdentityChainOf(source);
    const IdentityChain targetChain = files.IdentityChainOf(target);
    const bool sourceAbove =
        sourceChain.exists && Contains(targetChain.folders, sourceChain.folders.front());
    const bool targetAbove =
        targetChain.exists && Contains(sourceChain.folders, targetChain.folders.front());
    if (sourceAbove && targetAbove) {
        return Overlap::SameFolder;
    }
    return sourceAbove || targetAbove ? Overlap::OneInsideTheOther : Overlap::None;
}

// A target inside its source would be copied into itself again with every run; a source
// inside its target would be deleted by the mirror as surplus. Paths are compared as the
// folders they name, so another spelling, a link or a bind mount does not hide either case.
Overlap OverlapOf(FileSystem& files, const std::string& source, const std::string& target) {
    const std::string sourceFolder = ResolveFolderPath(source);
    const std::string targetFolder = ResolveFolderPath(target);
    if (sourceFolder == targetFolder) {
        return Overlap::SameFolder;
    }
    const bool nested = targetFolder.compare(0, sourceFolder.size(), sourceFolder) == 0 ||
                        sourceFolder.compare(0, targetFolder.size(), targetFolder) == 0;
    return nested ? Overlap::OneInsideTheOther : IdentityOverlap(files, source, target);
}

}  // namespace

bool OnProtectedDrive(FileSystem& files, const std::string& saveDrives, const std::string& target,
                      std::string& drive) {
    drive = files.DriveOf(target);
    std::size_t start = 0;
    while (start <= saveDrives.size()) {
        std::size_t end = saveDrives.find(',', start);
        if (end == std::string::npos) {
            end = saveDrives.size();
        }
        const std::string element = saveDrives.substr(start, end - start);
        if (!element.empty() && WithoutTrailingSeparators(element) == drive) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool ValidateRun(Program& program) {
    const Settings& settings = program.settings;
    if (settings.CommandLineGiven == 0 && program.jobs.Count() == 0) {
        Refuse(program, "Es wurde kein(e) Job(s) angelegt.");
        return false;
    }
    if (settings.FileCheck_Date == 0 && settings.FileCheck_Attribute == 0 &&
        settings.Filecheck_Exist == 0) {
        Refuse(program, "Es wurden keine Vergleichsmethoden aktiviert. Vorgang abgebrochen");
        if (settings.WindowHidden == 0) {
            program.display->ShowPage(2);
        }
        return false;
    }
    std::int32_t active = 0;
    for (const SyncJob& job : program.jobs) {
        // Without a window these reach the terminal: an unattended run that was refused
        // says why.
        if (job.Source == job.Target) {
            Refuse(program, "Quell- und Zielverzeichnis sind identisch!");
            return false;
        }
        if (job.Source.size() < 3 || job.Target.size() < 3) {
            Refuse(program, "Quell- oder Zielverzeichnis nicht zulässig!\r\n\r\nQuelle: " +
                                job.Source + "\r\nZiel: " + job.Target);
            return false;
        }
        const Overlap overlap = OverlapOf(*program.files, job.Source, job.Target);
        if (overlap != Overlap::None) {
            Refuse(program, overlap == Overlap::SameFolder
                                ? "Quell- und Zielverzeichnis sind identisch!"
                                : "Quell- und Zielverzeichnis überschneiden sich!");
            return false;
        }
        std::string drive;
        if (job.IsActive() && IsOn(settings.ProtectDrives) &&
            OnProtectedDrive(*program.files, settings.SaveDrives, job.Target, drive)) {
            Refuse(program, "Zielverzeichnis '" + drive +
                                "' gehört zu den geschützten Laufwerken!\rBitte prüfen Sie die "
                                "Konfiguration");
            return false;
        }
        if (job.IsActive()) {
            ++active;
        }
    }
    if (active == 0) {
        Refuse(program, "Es wurde kein Job auf aktiv gesetzt. Bitte Job-Liste prüfen!");
        return false;
    }
    program.engine.activeJobs = active;
    return true;
}

}  // namespace quorvex
