#include <wx/uiaction.h>

#include <filesystem>

#include "GuiTestSupport.h"
#include "app/window/WindowedProgram.h"
#include "support/LocalHttpServer.h"

namespace quorvex::test {
namespace {

using Reply = LocalHttpServer::Reply;

// Records instead of showing boxes even after the session has made dialogs windows.
class RecordedWxDialogs : public WxUserDialogs {
  public:
    explicit RecordedWxDialogs(RecordingDialogs& record) : WxUserDialogs(record), record_(record) {}
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        record_.ShowMessage(text, title, icon);
    }
    bool AskYesNo(const std::string& text, const std::string& title, PresetAnswer preset) override {
        return record_.AskYesNo(text, title, preset);
    }

  private:
    RecordingDialogs& record_;
};

MainWindow* FindMainWindow() {
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* main = dynamic_cast<MainWindow*>(window)) {
            return main;
        }
    }
    return nullptr;
}

std::string StatusText() {
    return std::string(FindMainWindow()->GetStatusBar()->GetStatusText(0).utf8_str());
}

// The whole program in its window, with the update server on this machine and the
// current folder a fresh one.
class UpdateCheckWindowTest : public GuiTest {
  protected:
    UpdateCheckWindowTest() : previousFolder_(std::filesystem::current_path()) {
        std::filesystem::current_path(work.path());
        setenv("QUORVEX_UPDATE_URL", server.Address().c_str(), 1);
    }
    ~UpdateCheckWindowTest() override {
        std::filesystem::current_path(previousFolder_);
        unsetenv("QUORVEX_UPDATE_URL");
    }

    int Run() { return RunInWindow(program, recordedWindows, ConfigPath(), services); }
    std::string ConfigPath() const { return dir / "Quorvex.ini"; }
    // Clicks "Updatecheck" once the main loop runs, after ticking a box.
    void ClickUpdateLater() {
        clickUpdate = std::make_unique<Repeating>(50, []() {
            MainWindow* window = FindMainWindow();
            if (window == nullptr || StatusText() != "Herzlich Willkommen bei Quorvex v2.5") {
                return false;
            }
            OptionsPage& options = window->Options();
            SetTicked(options.UpdateAtStart(), true);
            Click(options.UpdateButton());
            return true;
        });
    }

    // Closes the window once the check has told the user something.
    void CloseOnceTold() {
        closeWhenTold = std::make_unique<Repeating>(50, [this]() {
            if (recorded.messages.empty() || FindMainWindow() == nullptr) {
                return false;
            }
            FindMainWindow()->Close();
            return true;
        });
    }

    TempDir work;
    LocalHttpServer server;
    RecordedWxDialogs recordedWindows{recorded};
    std::unique_ptr<Repeating> clickUpdate;
    std::unique_ptr<Repeating> closeWhenTold;

  private:
    std::filesystem::path previousFolder_;
};

TEST_F(UpdateCheckWindowTest, AtStartUpTheCheckRunsBeforeTheMainLoop) {
    program.settings.UpdateCheck = 1;
    server.Serve("/download/Quorvex.version", {200, " v2.5\r\n", false, 0, 0, ""});
    CloseOnceTold();
    EXPECT_EQ(Run(), kExitClean);
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text, "Es liegt keine neue Version vor.");
    const std::string debug = DebugLog();
    EXPECT_LT(debug.find("Update-Check"), debug.find("MainLoop"));
    EXPECT_TRUE(PathExists(ConfigPath()));
    EXPECT_TRUE(std::filesystem::is_empty(work.path()));
}

TEST_F(UpdateCheckWindowTest, TheButtonFetchesTheSetupWhileTheWindowShowsProgressAndEscCancels) {
    server.Serve("/download/Quorvex.version", {200, "v2.6", false, 0, 0, ""});
    server.Serve("/download/Quorvex_Setup.deb",
                 {200, std::string(4000000, 'd'), false, 1000, 5, ""});
    recorded.yesNoAnswers = {true};
    std::string progress;
    Repeating user(20, [&progress]() {
        const std::string status = StatusText();
        if (status.rfind("Lade Update: ", 0) != 0) {
            return false;
        }
        progress = status;
        FindMainWindow()->Raise();
        wxUIActionSimulator().Char(WXK_ESCAPE);
        return true;
    });
    ClickUpdateLater();
    CloseOnceTold();
    EXPECT_EQ(Run(), kExitClean);
    EXPECT_NE(progress.find(" Bytes ("), std::string::npos) << progress;
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].text, "Benutzer hat Operation abgebrochen");
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(std::filesystem::is_empty(work.path()));
    EXPECT_NE(ReadFile(ConfigPath()).find("UpdateCheck = 1"), std::string::npos);
}

TEST_F(UpdateCheckWindowTest, AStartedSetupEndsTheProgramWithoutSavingItsSettings) {
    server.Serve("/download/Quorvex.version", {200, "v2.6", false, 0, 0, ""});
    server.Serve("/download/Quorvex_Setup.deb", {200, "das Paket", false, 0, 0, ""});
    recorded.yesNoAnswers = {true};
    ClickUpdateLater();
    Later watchdog(10000, []() { FindMainWindow()->Close(); });
    EXPECT_EQ(Run(), kExitClean);
    EXPECT_EQ(opened, std::vector<std::string>{work / "Quorvex_Setup.deb"});
    EXPECT_EQ(ReadFile(work / "Quorvex_Setup.deb"), "das Paket");
    EXPECT_TRUE(recorded.messages.empty());
    EXPECT_FALSE(PathExists(ConfigPath())) << "the settings were saved";
}

}  // namespace
}  // namespace quorvex::test
