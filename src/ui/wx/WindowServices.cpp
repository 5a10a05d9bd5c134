#include <wx/app.h>
#include <wx/dirdlg.h>
#include <wx/utils.h>

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
    services.shiftDown = []() { return wxGetKeyState(WXK_SHIFT); };
    services.listDrives = [](const MountVisitor& each) {
        return ListMounts(kSystemMountTable, each);
    };
    return services;
}

}  // namespace quorvex
