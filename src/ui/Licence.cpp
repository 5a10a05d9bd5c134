#include "ui/Licence.h"

#include "config/ProductInfo.h"
#include "platform/FileText.h"
#include "platform/TextFile.h"

namespace quorvex {

namespace {

const char* const kLicenceLines[] = {
    "LIZENZBEDINGUNGEN",
    "=================",
    "",
    "Quorvex v2.5 - Programm zum Vergleichen und Synchronisieren von Ordnern",
    "",
    "1. Nutzung",
    "Quorvex darf von Privatpersonen, Vereinen, Schulen und Firmen kostenlos",
    "genutzt werden. Eine Registrierung ist nicht erforderlich.",
    "",
    "2. Weitergabe",
    "Das Programm darf unverändert und vollständig weitergegeben werden, auch auf",
    "Datenträgern von Zeitschriften. Für die Weitergabe darf kein Entgelt verlangt",
    "werden, das über die Kosten des Datenträgers hinausgeht. Die Weitergabe in",
    "veränderter Form oder als Teil eines anderen Produkts bedarf der schriftlichen",
    "Zustimmung der Autoren.",
    "",
    "3. Veränderungen",
    "Das Programm darf nicht zurückentwickelt, dekompiliert oder disassembliert",
    "werden, soweit das Gesetz dies nicht ausdrücklich erlaubt.",
    "",
    "4. Haftungsausschluss",
    "Quorvex verändert, überschreibt und löscht auf Wunsch Dateien. Prüfen Sie vor",
    "jeder Synchronisation Quelle, Ziel und Optionen, besonders die Spiegelung",
    "(Löschen überflüssiger Dateien). Nutzen Sie die Vorschau, bevor Sie wichtige",
    "Daten synchronisieren. Das Programm wird so bereitgestellt, wie es ist, ohne",
    "jede ausdrückliche oder stillschweigende Gewährleistung. Die Autoren haften",
    "nicht für Schäden, Datenverluste oder entgangenen Gewinn, die aus der Nutzung",
    "oder der Unmöglichkeit der Nutzung entstehen, es sei denn, sie beruhen auf",
    "Vorsatz oder grober Fahrlässigkeit.",
    "",
    "5. Datensicherung",
    "Quorvex ersetzt kein durchdachtes Sicherungskonzept. Bewahren Sie wichtige",
    "Daten an mehreren Orten auf und prüfen Sie Ihre Sicherungen regelmäßig.",
    "",
    "6. Datenschutz",
    "Quorvex sendet keine Daten über Sie oder Ihre Dateien. Nur wenn Sie die",
    "Update-Prüfung einschalten oder \"Updatecheck\" wählen, fragt das Programm",
    "beim Server die aktuelle Versionsnummer ab. Protokolle schreibt es nur in den",
    "von Ihnen gewählten Log-Ordner.",
    "",
    "7. Schlussbestimmungen",
    "Sollte eine Bestimmung dieser Lizenz unwirksam sein, bleiben die übrigen",
    "Bestimmungen davon unberührt. Mit der Installation oder Nutzung des Programms",
    "erkennen Sie diese Lizenzbedingungen an.",
    "",
    "Fragen, Anregungen und Fehlerberichte nehmen wir gerne entgegen.",
};

}  // namespace

std::string LicenceText(DateValue now) {
    std::string text;
    for (const char* line : kLicenceLines) {
        if (!text.empty()) {
            text += "\r\n";
        }
        text += line;
    }
    text += std::string("\r\n\r\n") + MakerLine(now) + "\r\nWeb: " + kWebAddress +
            "\r\nEmail: " + kEmailAddress;
    return text;
}

bool WriteLicenceFile(const std::string& path, DateValue now) {
    TextFile file;
    if (!file.Open(path, OpenMode::Create)) {
        return false;
    }
    file.WriteLine(ReaderFileBytes(LicenceText(now)));
    return file.Close();
}

std::string LicenceFailureMessage() {
    return std::string("Konnte temporäre Lizenzdatei nicht anlegen!\r\n\r\n") +
           "Bitte fordern Sie die Lizenzdatei per E-Mail an: " + kEmailAddress;
}

}  // namespace quorvex
