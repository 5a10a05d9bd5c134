#include "ui/OptionRules.h"

#include "config/Settings.h"
#include "platform/TextFormat.h"

namespace quorvex {

namespace {

constexpr std::int32_t kItemPriorities[kPriorityItemCount] = {kPriorityLow, kPriorityNormal,
                                                              kPriorityHigh, kPriorityRealtime};

}  // namespace

const char* const kPriorityItemLabels[kPriorityItemCount] = {"niedrig", "normal", "hoch", "REAL"};

bool LongTermMinutesTooLong(const std::string& text) {
    return LeadingInteger(text) > kMaxLongTermMinutes;
}

MinutesCheck CheckLongTermMinutes(const std::string& text) {
    MinutesCheck check{{}, text};
    if (LeadingInteger(check.text) <= 0) {
        check.messages.push_back("Dauerbetriebs-Zeit zu kurz! Minimum 1 Minute.");
        check.text = "1";
    }
    if (LongTermMinutesTooLong(check.text)) {
        check.messages.push_back("Dauerbetriebs-Zeit zu lang! Maximum " +
                                 std::to_string(kMaxLongTermMinutes) + " Minuten (24 Stunden)");
        check.text = std::to_string(kMaxLongTermMinutes);
    }
    return check;
}

int PriorityItem(std::int32_t priority) {
    for (int item = 0; item < kPriorityItemCount; ++item) {
        if (kItemPriorities[item] == priority) {
            return item;
        }
    }
    return -1;
}

std::int32_t PriorityOfItem(int item) {
    return (item >= 0 && item < kPriorityItemCount) ? kItemPriorities[item] : kPriorityNormal;
}

}  // namespace quorvex
