#include "ui/DriveChoice.h"

#include <algorithm>
#include <sstream>

namespace quorvex {

namespace {

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    std::string part;
    while (std::getline(stream, part, ',')) {
        parts.push_back(part);
    }
    return parts;
}

bool IsLocalType(int type) {
    return type == kDriveRemovable || type == kDriveFixed || type == kDriveOptical ||
           type == kDriveRam;
}

}  // namespace

std::string DriveTypeText(int driveType) {
    switch (driveType) {
        case 0:
            return "Unbekannt";
        case 1:
            return "Kein ROOT Laufwerk";
        case kDriveRemovable:
            return "Wechseldatenträger";
        case kDriveFixed:
            return "Lokales Laufwerk";
        case kDriveRemote:
            return "Entferntes Laufwerk";
        case kDriveOptical:
            return "CD/DVD-Laufwerk";
        case kDriveRam:
            return "RAM-Laufwerk";
        default:
            return "[Nicht ermittelbar]";
    }
}

std::string DriveListingTitle(std::size_t listed) {
    return "Ermittle Laufwerke" + std::string(listed, '.');
}

std::string DriveUntickableReason(const std::string& mountPoint) {
    if (mountPoint.find(',') == std::string::npos) {
        return std::string();
    }
    return "Kann nicht geschützt werden: das Komma im Pfad trennt die Einträge der "
           "Laufwerksliste.";
}

DriveChoice::DriveChoice(std::string incoming)
    : incoming_(std::move(incoming)), named_(SplitAtCommas(incoming_)) {}

void DriveChoice::Add(const MountEntry& drive) {
    rows_.push_back(Row{drive, false});
    const bool named = std::find(named_.begin(), named_.end(), drive.mountPoint) != named_.end();
    SetTicked(rows_.size() - 1, named);
}

bool DriveChoice::Tickable(std::size_t row) const {
    return DriveUntickableReason(rows_[row].drive.mountPoint).empty();
}

void DriveChoice::SetTicked(std::size_t row, bool ticked) {
    rows_[row].ticked = ticked && Tickable(row);
}

template <typename Rule>
void DriveChoice::TickWhere(Rule rule) {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        SetTicked(row, rule(rows_[row].drive.driveType));
    }
}

void DriveChoice::TickAll() {
    TickWhere([](int) { return true; });
}

void DriveChoice::TickNone() {
    TickWhere([](int) { return false; });
}

void DriveChoice::TickLocal() {
    TickWhere(IsLocalType);
}

void DriveChoice::TickHardDisks() {
    TickWhere([](int type) { return type == kDriveFixed; });
}

void DriveChoice::TickNetwork() {
    TickWhere([](int type) { return type == kDriveRemote; });
}

std::string DriveChoice::Accepted() const {
    std::string result;
    for (const Row& row : rows_) {
        if (row.ticked) {
            result += (result.empty() ? "" : ",") + row.drive.mountPoint;
        }
    }
    return result;
}

}  // namespace quorvex
