#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/UpdateCheck.h"
#include "platform/Process.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"
#include "support/TestProgram.h"

namespace quorvex {
namespace {

using Reply = test::LocalHttpServer::Reply;

const char* const kNoVersionInfo = "Konnte Versions-Info nicht herunterladen\r\rEvtl. Firewall?";
const char* const kCancelled = "Benutzer hat Operation abgebrochen";

// The check works in the current folder, which is a fresh one for each test.
class UpdateCheckTest : public ::testing::Test {
  protected:
    UpdateCheckTest() : previousFolder_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir.path());
        UseServer(server.Address());
        fake.program.settings.DebugMode = 1;
        fake.program.log.SetDebugLogPath(logDir / "debug.log");
        RecordOpened();
        services.limits.stallSeconds = 1;
    }
    ~UpdateCheckTest() override {
        std::filesystem::current_path(previousFolder_);
        unsetenv("QUORVEX_UPDATE_URL");
        setenv("PATH", path_.c_str(), 1);
    }

    // Desktop requests are only noted, and succeed as openSucceeds says.
    void RecordOpened() {
        services.openExternal = [this](const std::string& target) {
            opened.push_back(target);
            return openSucceeds;
        };
    }
    // The real RunExternal, with a stand-in for xdg-open first on PATH that writes what it
    // was given to the returned file.
    std::string UseDesktopStandIn() {
        const std::string record = logDir / "xdg-open.txt";
        test::MakeFolder(logDir / "bin");
        test::WriteFile(logDir / "bin/xdg-open", "#!/bin/sh\nprintf '%s' \"$*\" > '" + record +
                                                     ".tmp'\nmv '" + record + ".tmp' '" + record +
                                                     "'\n");
        chmod((logDir / "bin/xdg-open").c_str(), 0755);
        setenv("PATH", (logDir / "bin:" + path_).c_str(), 1);
        services.openExternal = RunExternal;
        return record;
    }
    // The stand-in runs detached: its record comes when it comes.
    static std::string WaitForRecord(const std::string& record) {
        for (int i = 0; i < 100 && !test::PathExists(record); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return test::PathExists(record) ? test::ReadFile(record) : std::string();
    }

    void UseServer(const std::string& address) { setenv("QUORVEX_UPDATE_URL", address.c_str(), 1); }
    void ServeVersion(Reply reply) { server.Serve("/download/Quorvex.version", std::move(reply)); }
    void ServeSetup(Reply reply) { server.Serve("/download/Quorvex_Setup.deb", std::move(reply)); }
    void Check() { UpdateCheck(fake.program, services); }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : fake.dialogs.messages) {
            EXPECT_EQ(message.title, "Quorvex");
            texts.push_back(message.text);
        }
        return texts;
    }
    bool FolderEmpty() const { return std::filesystem::is_empty(dir.path()); }

    test::TempDir dir;
    test::TempDir logDir;
    test::LocalHttpServer server;
    test::TestProgram fake;
    UpdateCheckServices services;
    std::vector<std::string> opened;
    bool openSucceeds = true;

  private:
    std::filesystem::path previousFolder_;
    std::string path_ = std::getenv("PATH");
};

TEST_F(UpdateCheckTest, TheServersFirstLineDecidesWhatTheUserIsTold) {
    const std::string question =
        "Auf dem Server liegt eine andere Version vor!\r\rDiese Version:  "
        "v2.5\rAuf dem Server: ";
    const struct {
        std::string body;
        std::string asked;  // empty: no question
    } cases[] = {
        {" v2.5\r\nv9.9 steht hier auch", ""},
        {" v2.5", ""},
        {"v2.5", question + "v2.5\r\rSoll die Datei heruntergeladen werden?"},
        {" v2.5 \n", question + " v2.5 \r\rSoll die Datei heruntergeladen werden?"},
        {"", question + "\r\rSoll die Datei heruntergeladen werden?"},
        {std::string("v3\x1b[2J\x7f\xff") + std::string(70, 'A'),
         question + "v3\\x1B[2J\\x7F\\xFF" + std::string(56, 'A') +
             "...\r\rSoll die Datei heruntergeladen werden?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        fake.dialogs = {};
        ServeVersion({200, c.body, false, 0, 0, ""});
        Check();
        if (c.asked.empty()) {
            EXPECT_TRUE(fake.dialogs.questions.empty());
            EXPECT_EQ(Messages(), std::vector<std::string>{"Es liegt keine neue Version vor."});
            EXPECT_EQ(fake.dialogs.messages.at(0).icon, MessageIcon::Information);
        } else {
            EXPECT_EQ(fake.dialogs.questions, std::vector<std::string>{c.asked});
            // Answered No: the version file is already gone.
            EXPECT_EQ(Messages(), std::vector<std::string>{kCancelled});
            EXPECT_EQ(fake.dialogs.messages.at(0).icon, MessageIcon::None);
        }
        EXPECT_TRUE(FolderEmpty());
    }
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(fake.program.endAtOnce);
    EXPECT_NE(test::ReadFile(logDir / "debug.log").find("Update-Check"), std::string::npos);
}

TEST_F(UpdateCheckTest, WithoutAVersionFileOnlyTheFirstMessageComesAndNothingIsLeft) {
    ServeVersion({200, " v2.5", true, 0, 0, ""});
    const std::string bases[] = {server.Address() + "/fehlt", test::RefusingAddress(),
                                 server.Address(), "http://www.quorvex.invalid", "ftp://127.0.0.1"};
    for (const std::string& base : bases) {
        SCOPED_TRACE(base);
        fake.dialogs = {};
        UseServer(base);
        const auto start = std::chrono::steady_clock::now();
        Check();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(Messages(), std::vector<std::string>{kNoVersionInfo});
        EXPECT_EQ(fake.dialogs.messages.at(0).icon, MessageIcon::Error);
        EXPECT_TRUE(fake.dialogs.questions.empty());
        EXPECT_TRUE(FolderEmpty());
    }
    // The missing file and the stalled answer came from the server; the others never left.
    EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(UpdateCheckTest, AFailedOrCancelledSetupDownloadKeepsTheProgramRunning) {
    ServeVersion({200, "v2.6", false, 0, 0, ""});
    fake.dialogs.yesNoAnswers = {true, true, true};
    const std::string record = UseDesktopStandIn();
    Check();
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Fehler beim herunterladen der Update-Datei.\r\rBitte updaten Sie "
                              "manuell unter\r\rhttps://www.quorvex.invalid\r\rDanke."});
    EXPECT_EQ(WaitForRecord(record), "https://www.quorvex.invalid");

    // ESC while the setup trickles in.
    fake.dialogs.messages.clear();
    RecordOpened();
    ServeSetup({200, std::string(200000, 'd'), false, 1000, 10, ""});
    fake.pump.At([](int poll) { return poll > 20; }, PumpEvent::EscapeKey);
    Check();
    EXPECT_EQ(Messages(), std::vector<std::string>{kCancelled});
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(FolderEmpty());

    // The desktop cannot start the downloaded setup.
    fake.dialogs.messages.clear();
    ServeSetup({200, "paket", false, 0, 0, ""});
    openSucceeds = false;
    Check();
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "Leider konnte das Setup nicht automatisch gestartet werden.\r\r"
                              "Bitte starten Sie Quorvex_Setup.deb manuell.\r\rDanke."});
    EXPECT_EQ(fake.dialogs.messages.at(0).icon, MessageIcon::Error);
    EXPECT_FALSE(fake.program.endAtOnce);
}

// The real RunExternal hands the package to xdg-open; a stand-in on PATH records it.
TEST_F(UpdateCheckTest, TheDownloadedPackageGoesToTheDesktopAndTheProgramEnds) {
    const std::string body(150000, 'p');
    ServeVersion({200, "v3.0\r\n", false, 0, 0, ""});
    ServeSetup({200, body, false, 30000, 5, ""});
    fake.dialogs.yesNoAnswers = {true};
    const std::string record = UseDesktopStandIn();
    Check();

    EXPECT_TRUE(fake.dialogs.messages.empty());
    EXPECT_TRUE(fake.program.endAtOnce);
    EXPECT_EQ(test::ReadFile(dir / "Quorvex_Setup.deb"), body);
    EXPECT_FALSE(test::PathExists(dir / "Quorvex.version"));
    EXPECT_EQ(WaitForRecord(record), dir / "Quorvex_Setup.deb");
    const auto& shown = fake.display.statusTexts;
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front().rfind("Lade Update: ", 0), 0u) << shown.front();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Lade Update: 150.000 Bytes (100 %)"),
              shown.end());
}

}  // namespace
}  // namespace quorvex
