#include "app/Toolkit.h"

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
    if (running_) {
        return true;
    }
    wxLogNull quiet;
    wxApp::SetInstance(new QuorvexApp);
    running_ = wxEntryStart(argc_, argv_);
    if (running_) {
        wxTheApp->SetExitOnFrameDelete(false);
    }
    return running_;
}

Toolkit::~Toolkit() {
    if (running_) {
        wxEntryCleanup();
    }
}

}  // namespace quorvex
