#include "app/UpdateCheck.h"

#include <cstdio>
#include <cstdlib>

#include "app/VersionLine.h"
#include "config/ProductInfo.h"
#include "platform/Paths.h"
#include "platform/SystemInfo.h"
#include "platform/TextFile.h"
#include "platform/TextFormat.h"

namespace quorvex {

namespace {

constexpr const char* kTitle = "Quorvex";
constexpr const char* kVersionFile = "Quorvex.version";
// A version file is one short line; anything much longer is not one.
constexpr std::uint64_t kVersionFileLimit = 64 * 1024;
constexpr std::int32_t kStatusInterval = 10;
// Bounds one poll's work when events keep coming.
constexpr int kEventsPerPoll = 100;

std::string SetupFileName() {
    return std::string("Quorvex_Setup") + SetupPackageExtension();
}

std::string ProgressText(std::uint64_t received, std::int64_t total) {
    std::string text =
        "Lade Update: " + FormatThousands(static_cast<std::int64_t>(received)) + " Bytes";
    if (total > 0) {
        const std::int64_t percent = static_cast<std::int64_t>(received) * 100 / total;
        text += " (" + std::to_string(percent) + " %)";
    }
    return text;
}

// Keeps the window alive while a download runs: its events are dispatched, ESC or the
// close box cancels, and the setup's progress shows in status field 0.
class DownloadWatch {
  public:
    DownloadWatch(Program& program, bool showProgress)
        : program_(program), showProgress_(showProgress), shownAt_(program.clock->TicksNow()) {}

    bool operator()(std::uint64_t received, std::int64_t total) {
        if (showProgress_) {
            ShowProgress(received, total);
        }
        return !CancelRequested();
    }

  private:
    // Throttled, except that the end always shows.
    void ShowProgress(std::uint64_t received, std::int64_t total) {
        const Ticks now = program_.clock->TicksNow();
        const bool complete = total > 0 && received == static_cast<std::uint64_t>(total);
        std::string text = ProgressText(received, total);
        if (text != shown_ && (complete || TicksSince(shownAt_, now) >= kStatusInterval)) {
            shownAt_ = now;
            program_.display->SetStatusText(0, text);
            shown_ = std::move(text);
        }
    }

    bool CancelRequested() {
        for (int i = 0; i < kEventsPerPoll; ++i) {
            const PumpEvent event = program_.pump->PollOne();
            if (event == PumpEvent::None) {
                return false;
            }
            if (event == PumpEvent::EscapeKey || event == PumpEvent::CloseRequest) {
                return true;
            }
        }
        return false;
    }

    Program& program_;
    bool showProgress_;
    Ticks shownAt_;
    std::string shown_;
};

DownloadOutcome Fetch(Program& program, const std::string& resource, const std::string& file,
                      DownloadLimits limits, bool showProgress) {
    DownloadWatch watch(program, showProgress);
    std::string reason;
    const DownloadOutcome outcome = DownloadToFile(
        UpdateServerAddress() + resource, file, limits,
        [&watch](std::uint64_t received, std::int64_t total) { return watch(received, total); },
        &reason);
    if (outcome != DownloadOutcome::Done && outcome != DownloadOutcome::Cancelled) {
        program.log.DebugReason(reason);
    }
    return outcome;
}

void ReportCancelled(Program& program) {
    program.dialogs->ShowMessage("Benutzer hat Operation abgebrochen", kTitle, MessageIcon::None);
}

// Fetches the version file, reads its first line and deletes it; false after telling the
// user why there is no line.
bool FetchServerVersion(Program& program, const UpdateCheckServices& services, std::string& line) {
    DownloadLimits limits = services.limits;
    limits.maxBytes = kVersionFileLimit;
    const DownloadOutcome outcome =
        Fetch(program, "/download/Quorvex.version", kVersionFile, limits, false);
    if (outcome == DownloadOutcome::Cancelled) {
        ReportCancelled(program);
        return false;
    }
    if (outcome != DownloadOutcome::Done) {
        program.dialogs->ShowMessage("Konnte Versions-Info nicht herunterladen\r\rEvtl. Firewall?",
                                     kTitle, MessageIcon::Error);
        return false;
    }
    TextFile file;
    if (!file.Open(kVersionFile, OpenMode::Read)) {
        program.dialogs->ShowMessage("Konnte lokale Versions-Info nicht laden", kTitle,
                                     MessageIcon::Error);
        return false;
    }
    line.clear();
    file.ReadLine(line);
    file.Close();
    std::remove(kVersionFile);
    return true;
}

void ReportManualUpdate(Program& program, const UpdateCheckServices& services) {
    program.dialogs->ShowMessage(
        std::string("Fehler beim herunterladen der Update-Datei.\r\rBitte updaten Sie manuell "
                    "unter\r\r") +
            kWebAddress + "\r\rDanke.",
        kTitle, MessageIcon::None);
    services.openExternal(kWebAddress);
}

void FetchAndStartSetup(Program& program, const UpdateCheckServices& services) {
    const std::string setup = SetupFileName();
    const DownloadOutcome outcome =
        Fetch(program, "/download/" + setup, setup, services.limits, true);
    if (outcome == DownloadOutcome::Cancelled) {
        ReportCancelled(program);
        return;
    }
    if (outcome != DownloadOutcome::Done) {
        ReportManualUpdate(program, services);
        return;
    }
    // The whole path, so that whatever the desktop starts for it finds the file.
    if (services.openExternal(ResolveFolderPath(".") + setup)) {
        program.endAtOnce = true;
        return;
    }
    program.dialogs->ShowMessage(
        "Leider konnte das Setup nicht automatisch gestartet werden."
        "\r\rBitte starten Sie " +
            setup + " manuell.\r\rDanke.",
        kTitle, MessageIcon::Error);
}

}  // namespace

std::string UpdateServerAddress() {
    const char* configured = std::getenv("QUORVEX_UPDATE_URL");
    std::string address = configured != nullptr && *configured ? configured : QUORVEX_UPDATE_BASE;
    while (!address.empty() && address.back() == '/') {
        address.pop_back();
    }
    return address;
}

void UpdateCheck(Program& program, const UpdateCheckServices& services) {
    program.log.Debug("Update-Check");
    std::string line;
    if (!FetchServerVersion(program, services, line)) {
        return;
    }
    if (line == kVersionText) {
        program.dialogs->ShowMessage("Es liegt keine neue Version vor.", kTitle,
                                     MessageIcon::Information);
        return;
    }
    const std::string question = std::string(
                                     "Auf dem Server liegt eine andere Version vor!\r\r"
                                     "Diese Version: ") +
                                 kVersionText +
                                 "\rAuf dem Server: " + DisplayableVersionLine(line) +
                                 "\r\rSoll die Datei heruntergeladen werden?";
    if (!program.dialogs->AskYesNo(question, kTitle)) {
        ReportCancelled(program);
        return;
    }
    FetchAndStartSetup(program, services);
}

}  // namespace quorvex
