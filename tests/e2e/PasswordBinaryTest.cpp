#include <gtest/gtest.h>

#include "support/BinaryCopy.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

// A plain copy of the program and one with a password, both run without a terminal.
class PasswordBinaryTest : public ::testing::Test {
  protected:
    PasswordBinaryTest() {
        test::MakeFolder(dir / "source");
        test::MakeFolder(dir / "target");
        plain = test::CopyQuorvexBinaryInto(dir / "plain/");
        guarded = test::CopyQuorvexBinaryInto(dir / "guarded/");
        EXPECT_TRUE(test::WritePasswordInto(guarded, "Geheim"));
    }

    test::ProcessResult RunUnattended(const std::string& program) const {
        return test::RunProcess({program, "-s", dir / "source", "-d", dir / "target", "-nowin"},
                                test::InFolder(dir.path()));
    }

    test::TempDir dir;
    std::string plain;
    std::string guarded;
};

TEST_F(PasswordBinaryTest, APlainProgramAsksForNoPassword) {
    const test::ProcessResult result = RunUnattended(plain);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err.find("Passwort"), std::string::npos);
}

// Without a terminal nobody can answer: the prompt counts as cancelled.
TEST_F(PasswordBinaryTest, AGuardedProgramWithoutATerminalIsRefused) {
    const test::ProcessResult result = RunUnattended(guarded);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find("Quorvex: Passwort nicht korrekt"), std::string::npos) << result.err;
}

TEST_F(PasswordBinaryTest, ThePasswordToolRefusesWhatCannotWorkAndCanRemoveThePassword) {
    EXPECT_NE(test::RunProcess({QUORVEX_PASSWORD_TOOL, guarded, ""}).exitStatus, 0);
    EXPECT_NE(test::RunProcess({QUORVEX_PASSWORD_TOOL, guarded, std::string(57, 'x')}).exitStatus,
              0);
    test::WriteFile(dir / "other", "no record in here");
    EXPECT_NE(test::RunProcess({QUORVEX_PASSWORD_TOOL, dir / "other", "pw"}).exitStatus, 0);

    EXPECT_EQ(test::RunProcess({QUORVEX_PASSWORD_TOOL, "--clear", guarded}).exitStatus, 0);
    const test::ProcessResult result = RunUnattended(guarded);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
}

}  // namespace
}  // namespace quorvex
