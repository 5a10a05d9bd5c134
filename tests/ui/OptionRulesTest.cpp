#include <gtest/gtest.h>

#include "config/Settings.h"
#include "ui/OptionRules.h"

namespace quorvex {
namespace {

const std::string kTooShort = "Dauerbetriebs-Zeit zu kurz! Minimum 1 Minute.";
const std::string kTooLong = "Dauerbetriebs-Zeit zu lang! Maximum 1440 Minuten (24 Stunden)";

TEST(OptionRulesTest, MinutesBelowOneBecomeOne) {
    for (const char* text : {"", "0", "-5", "abc", " ", "-"}) {
        const MinutesCheck check = CheckLongTermMinutes(text);
        EXPECT_EQ(check.messages, std::vector<std::string>{kTooShort}) << '"' << text << '"';
        EXPECT_EQ(check.text, "1") << '"' << text << '"';
    }
}

TEST(OptionRulesTest, MinutesAboveADayBecome1440AsSoonAsTheyAreTyped) {
    EXPECT_TRUE(CheckLongTermMinutes("2").messages.empty());
    EXPECT_TRUE(CheckLongTermMinutes("20").messages.empty());
    EXPECT_TRUE(CheckLongTermMinutes("200").messages.empty());
    const MinutesCheck fourth = CheckLongTermMinutes("2000");
    EXPECT_EQ(fourth.messages, std::vector<std::string>{kTooLong});
    EXPECT_EQ(fourth.text, "1440");
    EXPECT_EQ(CheckLongTermMinutes("99999999999").text, "1440");
}

TEST(OptionRulesTest, MinutesInRangeStayAsTyped) {
    for (const char* text : {"1", "30", "1440", "12 Minuten", " 7"}) {
        const MinutesCheck check = CheckLongTermMinutes(text);
        EXPECT_TRUE(check.messages.empty()) << text;
        EXPECT_EQ(check.text, text);
    }
}

TEST(OptionRulesTest, PriorityItemsMapToTheirClassesAndBack) {
    const std::int32_t classes[] = {kPriorityLow, kPriorityNormal, kPriorityHigh,
                                    kPriorityRealtime};
    for (int item = 0; item < kPriorityItemCount; ++item) {
        EXPECT_EQ(PriorityOfItem(item), classes[item]);
        EXPECT_EQ(PriorityItem(classes[item]), item);
    }
    EXPECT_EQ(std::string(kPriorityItemLabels[0]), "niedrig");
    EXPECT_EQ(std::string(kPriorityItemLabels[3]), "REAL");
    EXPECT_EQ(PriorityItem(100), -1);
    EXPECT_EQ(PriorityOfItem(-1), kPriorityNormal);
    EXPECT_EQ(PriorityOfItem(4), kPriorityNormal);
}

}  // namespace
}  // namespace quorvex
