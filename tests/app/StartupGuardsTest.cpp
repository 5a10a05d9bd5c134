#include <gtest/gtest.h>

#include <memory>

#include "app/PasswordRecord.h"
#include "app/StartupGuards.h"
#include "platform/FileText.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

const char* const kQuestion =
    "Eine Instanz von Quorvex läuft bereits auf diesem System!\r\n\r\n"
    "Soll eine weitere Instanz gestartet werden?";

class StartupGuardsTest : public ::testing::Test {
  protected:
    StartupGuardsTest() {
        settings.DebugMode = 1;
        log.SetDebugLogPath(dir / "debug.log");
    }

    // Another running instance holding the name.
    void HoldElsewhere(const std::string& name) {
        others.push_back(std::make_unique<InstanceLock>(dir.path()));
        ASSERT_EQ(others.back()->Acquire(name), LockResult::Acquired);
    }
    bool Start(InstanceLock& lock) { return PassInstanceLimit(lock, log, dialogs); }
    std::string DebugLog() const { return TextOfFileBytes(test::ReadFile(dir / "debug.log")); }

    test::TempDir dir;
    Settings settings;
    test::RecordingDialogs dialogs;
    SystemClock systemClock;
    Clock* clock = &systemClock;
    RunLog log{settings, dialogs, clock};
    std::vector<std::unique_ptr<InstanceLock>> others;
};

TEST_F(StartupGuardsTest, TheFirstInstanceTakesTheBaseNameWithoutAsking) {
    InstanceLock lock(dir.path());
    EXPECT_TRUE(Start(lock));
    EXPECT_EQ(lock.HeldName(), "Quorvex");
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(StartupGuardsTest, ASecondInstanceRunsUnderNumberOneOnlyWhenTheUserAgrees) {
    HoldElsewhere("Quorvex");
    InstanceLock refused(dir.path());
    EXPECT_FALSE(Start(refused));
    EXPECT_EQ(refused.HeldName(), "");
    ASSERT_EQ(dialogs.questions, std::vector<std::string>{kQuestion});
    EXPECT_NE(DebugLog().find("Instanz von Programm läuft bereits!"), std::string::npos);

    dialogs.yesNoAnswers = {true};
    InstanceLock agreed(dir.path());
    EXPECT_TRUE(Start(agreed));
    EXPECT_EQ(agreed.HeldName(), "Quorvex1");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupGuardsTest, TheSixthInstanceIsToldThatFiveRun) {
    HoldElsewhere("Quorvex");
    for (const char* name : {"Quorvex1", "Quorvex2", "Quorvex3", "Quorvex4"}) {
        HoldElsewhere(name);
    }
    dialogs.yesNoAnswers = {true};
    InstanceLock sixth(dir.path());
    EXPECT_FALSE(Start(sixth));
    EXPECT_EQ(dialogs.questions.size(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Es laufen bereits 5 Instanzen von Quorvex!\r\n\r\nProgramm wird beendet!");
    EXPECT_EQ(dialogs.messages[0].title, "Quorvex");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_NE(DebugLog().find("Mehr wie 5 Instanzen von Programm laufen bereits!"),
              std::string::npos);
}

TEST_F(StartupGuardsTest, NoPlaceForMarkersDoesNotKeepTheProgramFromStarting) {
    InstanceLock lock(dir / "missing/");
    EXPECT_TRUE(Start(lock));
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(StartupGuardsTest, WithoutAPasswordNobodyIsAsked) {
    EXPECT_TRUE(PassPasswordCheck(std::nullopt, log, dialogs));
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(StartupGuardsTest, ThePasswordMustMatchByteForByteAtTheFirstAttempt) {
    dialogs.textAnswers = {"Geheim"};
    EXPECT_TRUE(PassPasswordCheck(std::string("Geheim"), log, dialogs));
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Bitte geben Sie das Passwort ein"});
    EXPECT_NE(DebugLog().find("Passwort benötigt"), std::string::npos);

    for (const char* wrong : {"geheim", "Geheim ", ""}) {
        test::RecordingDialogs asked;
        asked.textAnswers = {wrong, "Geheim"};
        EXPECT_FALSE(PassPasswordCheck(std::string("Geheim"), log, asked)) << wrong;
        EXPECT_EQ(asked.questions.size(), 1u);
        ASSERT_EQ(asked.messages.size(), 1u);
        EXPECT_EQ(asked.messages[0].text, "Passwort nicht korrekt");
        EXPECT_EQ(asked.messages[0].icon, MessageIcon::None);
    }
}

TEST(PasswordRecordTest, AProgramAsBuiltHasNoPassword) {
    EXPECT_FALSE(ReadPasswordRecord().has_value());
}

}  // namespace
}  // namespace quorvex
