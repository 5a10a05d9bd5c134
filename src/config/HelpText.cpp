#include "config/HelpText.h"

#include "config/ProductInfo.h"

namespace quorvex {

namespace {

const char* const kSwitchLines[] = {
    "-s [DIR] = Quell-Verzeichnis (Source)",
    "-d [DIR] = Ziel-Verzeichnis (Destination)",
    "-incl [EXT] = Dateierweiterung inkludieren (com,exe,bat...)",
    "-excl [EXT] = Dateierweiterung exkludieren (com,exe,bat...)",
    "-start = Automatischer Start der Synchronisation",
    "-exit = Beendet das Programm nach der Syncronisation",
    "-l [MINUTEN] = Dauerbetrieb (long-term usage)",
    "-minimize = minimiert das Fenster während Betrieb",
    "-lock = Sperrt Computer nach Syncronisation",
    "-down = Fährt nach Beenden den PC herunter (ab Windows 2000)",
    "-securelog = Sicheres Logging",
    " (Einträge wird direkt gespeichert, verbraucht kein Speicher)",
    "-history = fortlaufende Log-Dateien (Dateiname: Datum_Uhrzeit)",
    "-del = Löscht überflüssige Dateien in Ziel (Spiegelung, Standard: aus)",
    "-md5 = MD5-Fingerprint einschalten (Standard: aus)",
    "-crc = CRC32-Fingerprint einschalten (Standard: aus)",
    "-qsm = QSM-Fingerprint einschalten (Standard: aus)",
    "-createdir = Legt für jeden Job/Backup ein eigenen Ordner an",
    "-prio [LOW/HIGH/REAL] = Setzt die Programmpriorität auf ",
    " niedrig/hoch/Echtzeit (Standard: normal)",
    "-nolog = Kein Logging (Standard: ein)",
    "-nowin = Keine Fenster (nur sinnvoll mit -s, -d -start, Standard: aus)",
    "-nostats = Keine Statistik am Ende (Standard: aus)",
    "-nosubs = Es werden keine Unterverzeichnisse berücksichtigt",
    "-nodatecheck = Beim Vergleich wird kein Datum geprüft",
    "-noattributecheck = Beim Vergleich werden keine Attribute geprüft",
    "-nospacecheck = Speicherkapazität auf Ziel nicht prüfen (Standard: ein)",
    "-utc = Die UTC-Zeitdifferenz wird beim anlegen neuer Dateien berücksichtigt",
    "-logdir [PFAD] = Log-Datei wird in angegebenen Pfad abgelegt",
    "-noexistcheck = Beim Vergleich wird nicht auf Existenz geprüft",
};

}  // namespace

std::string SwitchHelp() {
    std::string text = "### KOMMANDO-ZEILEN-PARAMETER:\r\n";
    for (const char* line : kSwitchLines) {
        text += std::string(line) + "\r\n";
    }
    return text;
}

std::string BuildHelpText(DateValue now) {
    std::string text = std::string("\r\n") + kProductTitle + "\r\n";
    text += MakerLine(now) + "\r\n\r\n";
    text += std::string("Web: ") + kWebAddress + "\r\n";
    text += std::string("Forum: ") + kForumAddress + "\r\n";
    text += std::string("Email: ") + kEmailAddress + "\r\n\r\n";
    text +=
        "### BESCHREIBUNG:\r\n"
        "Dieses Tool vergleich Verzeichnisse oder Laufwerke auf Inhalt und\r\n"
        "synchronisiert sie.\r\n"
        "Verglichen werden können hierbei :\r\n"
        "Name, Datum, Attribute und Checksum (QSM, CRC32, MD5).\r\n"
        "Der Syncronisationsvorgang kann mit der PAUSE-Taste angehalten bzw. mit der\r\n"
        "ESC-Taste unterbrochen werden.\r\n\r\n";
    text += SwitchHelp() + "\r\n";
    text += "### HINWEIS:\r\nBitte lesen Sie die Readme.txt.\r\n\r\n";
    text +=
        "### DANKE:\r\n"
        "Ich mochte mich hiermit bei allen bedanken, die mich unterstützt haben,\r\n"
        "Quorvex weiter zu entwickeln und zu testen\r\n"
        "Besonderen Dank auch an alle die bisher gespendet haben!\r\n";
    return text;
}

}  // namespace quorvex
