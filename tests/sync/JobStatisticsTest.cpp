#include "sync/JobStatistics.h"

#include <gtest/gtest.h>

#include "platform/TextFormat.h"

namespace quorvex {
namespace {

TEST(JobStatisticsTest, WriteRateIsBytesPerSecondCappedAtTwoMillion) {
    EXPECT_EQ(FormatThousands(WriteRate(1048576, 2000)), "524.288");
    EXPECT_EQ(WriteRate(10000000, 1000), 0.0f);
    EXPECT_EQ(WriteRate(5000, 0), 0.0f);
    EXPECT_EQ(WriteRate(0, 1000), 0.0f);
}

TEST(JobStatisticsTest, NothingChangedOnlyWithoutAnyMovement) {
    JobStats stats;
    stats.sourceFiles = 5;
    stats.copyErrors = 1;
    EXPECT_TRUE(NothingChanged(stats));
    stats.changedFiles = 1;
    EXPECT_FALSE(NothingChanged(stats)) << "a file copied only by the second attempt";
}

}  // namespace
}  // namespace quorvex
