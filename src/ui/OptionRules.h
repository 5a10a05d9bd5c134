#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

// The long-term minutes field after one edit: the messages to show, in order, and the
// text the field must hold afterwards.
struct MinutesCheck {
    std::vector<std::string> messages;
    std::string text;
};

// True when the minutes a field's text begins with exceed kMaxLongTermMinutes.
bool LongTermMinutesTooLong(const std::string& text);

// Below 1 minute becomes "1", above kMaxLongTermMinutes becomes that maximum; anything else
// stays as typed.
MinutesCheck CheckLongTermMinutes(const std::string& text);

// The items of the priority selection: "niedrig", "normal", "hoch", "REAL".
constexpr int kPriorityItemCount = 4;
extern const char* const kPriorityItemLabels[kPriorityItemCount];

// The item showing a priority class, -1 for a value that matches no item.
int PriorityItem(std::int32_t priority);
// The priority class of an item; normal for anything out of range.
std::int32_t PriorityOfItem(int item);

}  // namespace quorvex
