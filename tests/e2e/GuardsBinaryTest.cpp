#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <memory>

#include "support/BinaryCopy.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "support/Terminal.h"

namespace quorvex {
namespace {

const char* const kQuestion =
    "Eine Instanz von Quorvex läuft bereits auf diesem System!\n\n"
    "Soll eine weitere Instanz gestartet werden? [j/N]";
const char* const kPrompt = "Bitte geben Sie das Passwort ein";

// Running instances are kept alive at their password prompt: a password-protected copy
// waits there on its terminal, holding its instance name.
class GuardsBinaryTest : public ::testing::Test {
  protected:
    GuardsBinaryTest() {
        test::MakeFolder(dir / "runtime");
        test::MakeFolder(dir / "source");
        test::MakeFolder(dir / "target");
        plain = test::CopyQuorvexBinaryInto(dir / "plain/");
        guarded = test::CopyQuorvexBinaryInto(dir / "guarded/");
        EXPECT_TRUE(test::WritePasswordInto(guarded, "Geheim"));
    }

    test::ProcessOptions Options() const {
        test::ProcessOptions options = test::InFolder(dir.path());
        options.environment = {"XDG_RUNTIME_DIR=" + dir / "runtime"};
        return options;
    }
    std::vector<std::string> UnattendedRun(const std::string& program) const {
        return {program, "-s", dir / "source", "-d", dir / "target", "-nowin"};
    }
    // Starts a guarded instance that waits at its password prompt; answers Yes first
    // when other instances run.
    std::unique_ptr<test::TerminalProcess> StartWaitingInstance(bool othersRun) {
        auto instance = std::make_unique<test::TerminalProcess>(UnattendedRun(guarded), Options());
        if (othersRun) {
            EXPECT_TRUE(instance->WaitFor(kQuestion)) << instance->Output();
            instance->Type("j\n");
        }
        EXPECT_TRUE(instance->WaitFor(kPrompt)) << instance->Output();
        return instance;
    }
    bool IsHeld(const std::string& name) const {
        const int fd = open((dir / "runtime/" + name + ".lock").c_str(), O_RDWR);
        if (fd < 0) {
            return false;
        }
        const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
        close(fd);
        return held;
    }

    test::TempDir dir;
    std::string plain;
    std::string guarded;
};

TEST_F(GuardsBinaryTest, ASecondInstanceWithoutATerminalIsAnsweredNo) {
    auto first = StartWaitingInstance(false);
    EXPECT_TRUE(IsHeld("Quorvex"));
    const test::ProcessResult second = test::RunProcess(UnattendedRun(plain), Options());
    EXPECT_EQ(second.exitStatus, 2);
    EXPECT_EQ(second.err, std::string("Quorvex: ") + kQuestion + " N\n");
    EXPECT_FALSE(IsHeld("Quorvex1"));
}

TEST_F(GuardsBinaryTest, FiveInstancesRunAndTheSixthIsSentAway) {
    std::vector<std::unique_ptr<test::TerminalProcess>> running;
    running.push_back(StartWaitingInstance(false));
    for (int i = 1; i < 5; ++i) {
        running.push_back(StartWaitingInstance(true));
    }
    for (const char* name : {"Quorvex", "Quorvex1", "Quorvex2", "Quorvex3", "Quorvex4"}) {
        EXPECT_TRUE(IsHeld(name)) << name;
    }

    test::TerminalProcess sixth(UnattendedRun(plain), Options());
    ASSERT_TRUE(sixth.WaitFor(kQuestion)) << sixth.Output();
    sixth.Type("j\n");
    EXPECT_EQ(sixth.WaitForExit(), 2);
    EXPECT_NE(sixth.Output().find("Es laufen bereits 5 Instanzen von Quorvex!"), std::string::npos)
        << sixth.Output();

    // The second instance gives up at its prompt; its name is free for the next one.
    running[1]->Type("falsch\n");
    EXPECT_EQ(running[1]->WaitForExit(), 2);
    EXPECT_FALSE(IsHeld("Quorvex1"));
    test::TerminalProcess next(UnattendedRun(plain), Options());
    ASSERT_TRUE(next.WaitFor(kQuestion)) << next.Output();
    next.Type("j\n");
    EXPECT_EQ(next.WaitForExit(), 0) << next.Output();
}

TEST_F(GuardsBinaryTest, TheWrittenPasswordOpensTheProgramAndNoOtherDoes) {
    test::TerminalProcess right(UnattendedRun(guarded), Options());
    ASSERT_TRUE(right.WaitFor(kPrompt)) << right.Output();
    EXPECT_NE(right.Output().find("Quorvex - Passwortabfrage"), std::string::npos);
    right.Type("Geheim\n");
    EXPECT_EQ(right.WaitForExit(), 0) << right.Output();
    EXPECT_EQ(right.Output().find("Passwort nicht korrekt"), std::string::npos);

    test::TerminalProcess wrongCase(UnattendedRun(guarded), Options());
    ASSERT_TRUE(wrongCase.WaitFor(kPrompt)) << wrongCase.Output();
    wrongCase.Type("geheim\n");
    EXPECT_EQ(wrongCase.WaitForExit(), 2);
    EXPECT_NE(wrongCase.Output().find("Quorvex: Passwort nicht korrekt"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
