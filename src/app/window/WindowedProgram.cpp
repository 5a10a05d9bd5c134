#include "app/window/WindowedProgram.h"

#include "app/Session.h"
#include "app/window/WindowSession.h"

namespace quorvex {

namespace {

class WindowFrontOfSession : public SessionFront {
  public:
    explicit WindowFrontOfSession(WindowSession& session) : session_(session) {}

    void ShowJobList() override { session_.Window().RedrawJobList(); }
    void RunJobs() override { session_.RunJobs(); }
    LongTermEnd RunLongTermLoop() override {
        const WindowServices& services = session_.Window().Services();
        LongTermEnd end = LongTermEnd::Refused;
        session_.RunBusy([&services, &end]() { end = services.longTermLoop(); });
        return end;
    }
    void CheckForUpdate() override {
        const WindowServices& services = session_.Window().Services();
        session_.RunBusy([&services]() { services.updateCheck(); });
    }
    void RunMainLoop() override { session_.RunMainLoop(); }
    std::optional<OptionFieldTexts> OptionFields() override {
        return session_.Window().TypedOptionTexts();
    }

  private:
    WindowSession& session_;
};

}  // namespace

int RunInWindow(Program& program, WxUserDialogs& dialogs, const std::string& configPath,
                WindowServices services) {
    WindowSession session(program, dialogs);
    if (!session.Open(std::move(services))) {
        return kExitRefused;
    }
    WindowFrontOfSession front(session);
    return RunSession(program, front, configPath);
}

}  // namespace quorvex
