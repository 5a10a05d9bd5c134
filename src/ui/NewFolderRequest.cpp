#include "ui/NewFolderRequest.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/TextFormat.h"

namespace quorvex {

std::string RequestNewFolder(UserDialogs& dialogs, FolderSide side, const std::string& parent,
                             const std::string& dateFileMask, DateValue now) {
    const bool source = side == FolderSide::Source;
    const std::string proposal =
        std::string(source ? "Source_" : "BackUp_") + FormatDate(dateFileMask, now);
    const std::string name = dialogs.AskText("Neuen Ordner anlegen", parent, proposal);
    if (name.empty()) {
        return std::string();
    }
    const std::string folder = parent + name;
    if (!CreateFolder(folder)) {
        dialogs.ShowMessage(source ? "Neuer Ordner konnte auf Quelle nicht angelegt werden!"
                                   : "Neuer Ordner konnte auf Ziel nicht angelegt werden!",
                            "Quorvex", MessageIcon::Error);
        return std::string();
    }
    return WithTrailingSeparator(folder);
}

}  // namespace quorvex
