#include <wx/app.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/utils.h>

#include "platform/Paths.h"
#include "platform/Process.h"
#include "ui/wx/WindowContext.h"
#include "ui/wx/WxText.h"

namespace quorvex {

WindowServices DefaultWindowServices() {
    WindowServices services;
    services.openExternal = RunExternal;
    services.chooseFolder = [](const std::string& title, const std::string& start) {
        wxDirDialog dialog(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, ToWx(title),
                           ToWx(start));
        return dialog.ShowModal() == wxID_OK ? FromWx(dialog.GetPath()) : std::string();
    };
    services.chooseSaveFile = [](const std::string& title, const std::string& proposal,
                                 const std::string& filter) {
        wxFileDialog dialog(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, ToWx(title),
                            ToWx(ParentFolderOf(proposal)), ToWx(LastPartOf(proposal)),
                            ToWx(filter), wxFD_SAVE);
        return dialog.ShowModal() == wxID_OK ? FromWx(dialog.GetPath()) : std::string();
    };
    services.shiftDown = []() { return wxGetKeyState(WXK_SHIFT); };
    services.listDrives = [](const MountVisitor& each) {
        return ListMounts(kSystemMountTable, each);
    };
    return services;
}

}  // namespace quorvex
