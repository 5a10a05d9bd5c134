#include "run/LongTermLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/TempDir.h"
#include "support/TestProgram.h"

namespace quorvex {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kAbortMessage = "Benutzer hat Operation abgebrochen";

// Remembers when each title was shown and the window steps around the runs.
class LoopDisplay : public test::RecordingDisplay {
  public:
    explicit LoopDisplay(test::FakeClock& clock) : clock_(clock) {}

    void SetWindowTitle(const std::string& title) override {
        RecordingDisplay::SetWindowTitle(title);
        titleTicks.push_back(clock_.ticks);
        if (title == "Quorvex v2.5 - läuft") {
            inRun = true;
            clock_.Advance(runTakes);
        } else if (title == "Quorvex v2.5") {
            inRun = false;
        }
    }
    void LockControls(bool locked) override { steps.push_back(locked ? "lock" : "unlock"); }
    void ShowMainWindow(ShowState state) override {
        steps.push_back(state == ShowState::Minimised ? "minimise" : "restore");
    }
    int Runs() const {
        int runs = 0;
        for (const std::string& title : titles) {
            runs += title == "Quorvex v2.5 - läuft" ? 1 : 0;
        }
        return runs;
    }

    std::vector<Ticks> titleTicks;
    Lines steps;
    // How long each run seems to take on the fake clock.
    int runTakes = 0;
    bool inRun = false;

  private:
    test::FakeClock& clock_;
};

// A window-mode program with one job that copies a file, on the fake clock.
struct LoopScene {
    LoopScene() {
        test::MakeFolder(source);
        test::MakeFolder(target);
        test::WriteFile(source + "a.txt", "eins");
        program.display = &display;
        program.settings.LogfileDir = dir / "";
        program.settings.LongTerm = 1;
        program.settings.AutoMinimize = 1;
        test.AddJob(source, target);
    }
    // ESC during the countdown once the fake clock has passed the given time.
    void EscapeAfter(Ticks milliseconds) {
        test.pump.At(
            [this, milliseconds](int) { return test.clock.ticks > milliseconds && !display.inRun; },
            PumpEvent::EscapeKey);
    }
    Lines Messages() const {
        Lines texts;
        for (const auto& message : test.dialogs.messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    test::TempDir dir;
    const std::string source = dir / "quelle/";
    const std::string target = dir / "ziel/";
    test::TestProgram test{true};
    Program& program = test.program;
    LoopDisplay display{test.clock};
};

TEST(LongTermLoopTest, MinuteOneCountsDownRunsEachPeriodAndOutlivesAFailingRun) {
    LoopScene scene;
    LoopDisplay& display = scene.display;
    scene.test.AddJob(scene.source, scene.dir / "fehlt/");  // fails: its target is missing
    display.runTakes = 20000;
    scene.EscapeAfter(150000);

    EXPECT_EQ(LongTermLoop(scene.program, "1 Minute"), LongTermEnd::Ended);

    // The first run waits for a full minute; the countdown shows 59 .. 1 before it.
    Lines firstPeriod;
    for (int seconds = 59; seconds >= 1; --seconds) {
        firstPeriod.push_back("Quorvex - " + std::to_string(seconds) + " Sek.");
    }
    firstPeriod.push_back("Quorvex v2.5 - läuft");
    firstPeriod.push_back("Quorvex v2.5");
    ASSERT_GT(display.titles.size(), firstPeriod.size());
    EXPECT_EQ(Lines(display.titles.begin(), display.titles.begin() + 61), firstPeriod);
    EXPECT_GT(display.titleTicks[0], 1000u);
    EXPECT_LT(display.titleTicks[0], 1100u);
    EXPECT_GT(display.titleTicks[59], 60000u);
    EXPECT_LT(display.titleTicks[59], 60500u);
    EXPECT_EQ(display.titles[61], "Quorvex - 59 Sek.");
    // The second period starts when the first run ends, 20 s after it began.
    const Ticks firstRunEnd = display.titleTicks[60];
    const auto secondRun =
        std::find(display.titles.begin() + 61, display.titles.end(), "Quorvex v2.5 - läuft");
    ASSERT_NE(secondRun, display.titles.end());
    const Ticks secondRunStart = display.titleTicks[secondRun - display.titles.begin()];
    EXPECT_GT(secondRunStart - firstRunEnd, 60000u);
    EXPECT_LT(secondRunStart - firstRunEnd, 60500u);
    EXPECT_EQ(display.statusTexts.front(), "Dauerbetrieb in 59 Sek. [ESC] = Ende");

    // Two runs, each counted from the end of the one before; the failing job did not end
    // the loop, ESC did. The runs showed neither statistics nor "no changes".
    EXPECT_EQ(display.Runs(), 2);
    EXPECT_EQ(test::ReadFile(scene.target + "a.txt"), "eins");
    const std::string missing =
        "Ziel Verzeichnis existiert nicht (mehr):\r\n\r\n" + scene.dir / "fehlt/";
    EXPECT_EQ(scene.Messages(), (Lines{missing, missing, kAbortMessage}));
    EXPECT_TRUE(display.statisticsShown.empty());
    EXPECT_EQ(scene.program.exitStatus, kExitRunProblems);
    EXPECT_EQ(display.titles.back(), "Quorvex v2.5");
    EXPECT_EQ(display.statusTexts.back(), "Dauerbetrieb beendet.");
    // Minimised once for the whole loop, not per run.
    EXPECT_EQ(display.steps,
              (Lines{"minimise", "lock", "lock", "unlock", "lock", "unlock", "unlock", "restore"}));
}

TEST(LongTermLoopTest, EscapeDuringTheCountdownOrAutoExitAfterARunEndTheLoop) {
    struct Case {
        const char* name;
        std::function<void(LoopScene&)> arrange;
        int runs;
        Lines messages;
        Ticks endsBefore;
    };
    const Case cases[] = {
        {"escape", [](LoopScene& scene) { scene.EscapeAfter(30000); }, 0, {kAbortMessage}, 31100},
        {"auto exit", [](LoopScene& scene) { scene.program.settings.AutoExit = 1; }, 1, {}, 61000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopScene scene;
        c.arrange(scene);
        EXPECT_EQ(LongTermLoop(scene.program, "1"), LongTermEnd::Ended);
        EXPECT_EQ(scene.display.Runs(), c.runs);
        EXPECT_EQ(scene.Messages(), c.messages);
        EXPECT_LT(scene.test.clock.ticks, c.endsBefore);
        EXPECT_EQ(scene.display.statusTexts.back(), "Dauerbetrieb beendet.");
    }
}

TEST(LongTermLoopTest, RefusalsShowTheirMessageAndLeaveTheWindowAsItWas) {
    const std::string kRange = "Dauerbetriebs-Zeit muss zwischen 0 und 1440 Minuten (24h) liegen!";
    const std::string kFolders = "Quell- oder Zielverzeichnis nicht gefunden oder identisch!";
    struct Case {
        const char* field;
        std::function<void(LoopScene&)> arrange;
        test::RecordingDialogs::Message expected;
        Lines steps;
    };
    const auto commandLine = [](const std::string& sourceName) {
        return [sourceName](LoopScene& scene) {
            scene.program.settings.CommandLineGiven = 1;
            scene.program.settings.CmdSource = scene.dir / sourceName;
            scene.program.settings.CmdTarget = scene.target;
        };
    };
    const auto nothing = [](LoopScene&) {};
    const Case cases[] = {
        {"0", nothing, {kRange, "Quorvex", MessageIcon::Error}, {"minimise"}},
        {"1441", nothing, {kRange, "Quorvex", MessageIcon::Error}, {"minimise"}},
        {"Minuten", nothing, {kRange, "Quorvex", MessageIcon::Error}, {"minimise"}},
        {"5",
         [](LoopScene& scene) { scene.program.settings.WindowHidden = 1; },
         {"Dauerbetrieb ist ohne Fenster nicht möglich.", "Quorvex", MessageIcon::None},
         {}},
        {"5", commandLine("fehlt/"), {kFolders, "ERROR", MessageIcon::Error}, {"minimise"}},
        {"5", commandLine("ziel/"), {kFolders, "ERROR", MessageIcon::Error}, {"minimise"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field + std::string(" / ") + c.expected.text);
        LoopScene scene;
        c.arrange(scene);
        const Ticks before = scene.test.clock.ticks;
        EXPECT_EQ(LongTermLoop(scene.program, c.field), LongTermEnd::Refused);
        ASSERT_EQ(scene.test.dialogs.messages.size(), 1u);
        const auto& message = scene.test.dialogs.messages[0];
        EXPECT_EQ(message.text, c.expected.text);
        EXPECT_EQ(message.title, c.expected.title);
        EXPECT_EQ(message.icon, c.expected.icon);
        EXPECT_EQ(scene.display.steps, c.steps);
        EXPECT_LT(scene.test.clock.ticks - before, 10u);
        const bool foldersRefused = c.expected.text == kFolders;
        EXPECT_EQ(scene.program.settings.ExitAfterRun, foldersRefused ? 1 : 0);
        if (foldersRefused) {
            EXPECT_EQ(scene.program.settings.CmdSource, "");
            EXPECT_EQ(scene.program.settings.CmdTarget, "");
        }
    }
}

}  // namespace
}  // namespace quorvex
