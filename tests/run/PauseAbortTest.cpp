#include "sync/PauseAbort.h"

#include <gtest/gtest.h>

#include "support/TestProgram.h"

namespace quorvex {
namespace {

class PauseAbortTest : public ::testing::Test {
  protected:
    bool PollWith(PumpEvent event) {
        test.pump.AtPoll(test.pump.polls + 1, event);
        return PollPauseAbort(program);
    }
    test::TestProgram test;
    Program& program = test.program;
};

TEST_F(PauseAbortTest, EscapeAbortsWithOneMessage) {
    EXPECT_FALSE(PollPauseAbort(program));
    EXPECT_TRUE(PollWith(PumpEvent::EscapeKey));
    EXPECT_TRUE(AbortRequested(program));
    ASSERT_EQ(test.dialogs.messages.size(), 1u);
    EXPECT_EQ(test.dialogs.messages[0].text, "Benutzer hat Operation abgebrochen");
    EXPECT_EQ(test.dialogs.messages[0].title, "Quorvex");
    EXPECT_EQ(test.pump.flushes, 1);
}

TEST_F(PauseAbortTest, StopButtonDoesNotAbortTheLongTermLoop) {
    program.settings.LongTerm = 1;
    EXPECT_FALSE(PollWith(PumpEvent::RunButton));
    EXPECT_FALSE(AbortRequested(program));
    program.settings.LongTerm = 0;
    EXPECT_TRUE(PollWith(PumpEvent::RunButton));
}

TEST_F(PauseAbortTest, PauseHoldsAndCloseRequestAbortsAtTheNextTest) {
    EXPECT_FALSE(PollWith(PumpEvent::PauseKey));
    EXPECT_FALSE(PollWith(PumpEvent::PreviewButton));
    EXPECT_EQ(test.pump.pauses, 2);
    EXPECT_FALSE(AbortRequested(program));
    EXPECT_FALSE(PollWith(PumpEvent::CloseRequest));
    EXPECT_TRUE(AbortRequested(program));
}

}  // namespace
}  // namespace quorvex
