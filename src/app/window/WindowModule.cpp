#include "app/WindowFront.h"
#include "app/window/Toolkit.h"
#include "app/window/WindowedProgram.h"
#include "platform/Console.h"
#include "ui/wx/WxUserDialogs.h"

namespace quorvex {

namespace {

class ToolkitWindowFront : public WindowFront {
  public:
    explicit ToolkitWindowFront(UserDialogs& terminal) : dialogs_(terminal) {}

    bool StartToolkit() override {
        if (!toolkit_.Start()) {
            return false;
        }
        dialogs_.UseWindows(nullptr);
        return true;
    }
    UserDialogs& Dialogs() override { return dialogs_; }
    int RunInWindow(Program& program, const std::string& configPath) override {
        ReleaseOwnConsole();
        return quorvex::RunInWindow(program, dialogs_, configPath, DefaultWindowServices());
    }

  private:
    WxUserDialogs dialogs_;
    // Ends the toolkit before the dialogs that may still refer to its windows go.
    Toolkit toolkit_;
};

}  // namespace

}  // namespace quorvex

extern "C" QUORVEX_EXPORT quorvex::WindowFront* QuorvexOpenWindowFront(
    quorvex::UserDialogs* terminal) {
    return new quorvex::ToolkitWindowFront(*terminal);
}
