#include "app/window/Toolkit.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

namespace quorvex {

namespace {

// The program runs its own main loop, so the application object only carries the
// toolkit's state; its command line is the program's business.
class QuorvexApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

}  // namespace

bool Toolkit::Start() {
    if (wxTheApp != nullptr) {
        return true;  // already started by its owner
    }
    wxLogNull quiet;
    wxApp::SetInstance(new QuorvexApp);
    owner_ = wxEntryStart(argc_, argv_);
    if (owner_) {
        wxTheApp->SetExitOnFrameDelete(false);
    }
    return owner_;
}

Toolkit::~Toolkit() {
    if (owner_) {
        wxEntryCleanup();
    }
}

}  // namespace quorvex
