#include "app/window/Toolkit.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace quorvex {

namespace {

// The program runs its own main loop, so the application object only carries the
// toolkit's state; its command line is the program's business.
class QuorvexApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

// The windows draw nothing with OpenGL, yet GTK loads the GL drivers while it starts,
// which costs about a tenth of a second. It reads the setting only then, so the programs
// the user starts from here later get the environment as it was.
class NoOpenGLWhileStarting {
  public:
    NoOpenGLWhileStarting() : hadValue_(wxGetEnv(kName, nullptr)) {
        if (!hadValue_) {
            wxSetEnv(kName, "disable");
        }
    }
    ~NoOpenGLWhileStarting() {
        if (!hadValue_) {
            wxUnsetEnv(kName);
        }
    }
    NoOpenGLWhileStarting(const NoOpenGLWhileStarting&) = delete;
    NoOpenGLWhileStarting& operator=(const NoOpenGLWhileStarting&) = delete;

  private:
    static constexpr const char* kName = "GDK_GL";
    bool hadValue_;
};

}  // namespace

bool Toolkit::Start() {
    if (wxTheApp != nullptr) {
        return true;  // already started by its owner
    }
    wxLogNull quiet;
    wxApp::SetInstance(new QuorvexApp);
    {
        NoOpenGLWhileStarting noOpenGL;
        owner_ = wxEntryStart(argc_, argv_);
    }
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
