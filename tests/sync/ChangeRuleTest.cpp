#include "sync/ChangeRule.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

constexpr DateValue kNoon = 1780000000;
constexpr std::int32_t kNormal = 0x80;
constexpr std::int32_t kReadOnly = 0x01;

ChangeChecks Checks(bool date, bool exist, bool attributes, FingerprintMethod method,
                    std::int32_t tolerance = 2) {
    ChangeChecks checks;
    checks.date = date;
    checks.exist = exist;
    checks.attributes = attributes;
    checks.method = method;
    checks.toleranceSeconds = tolerance;
    return checks;
}

TargetFacts Target(DateValue modified, std::int64_t size = 5, std::int32_t attributes = kNormal) {
    return TargetFacts{true, modified, size, attributes};
}

// The source file is always five bytes from noon with normal attributes; each row changes
// the target or the checks in one way.
TEST(ChangeRuleTest, EachFactAndSwitchDecidesInItsTurn) {
    const FingerprintMethod none = FingerprintMethod::None;
    const FingerprintMethod md5 = FingerprintMethod::Md5;
    const ChangeChecks all = Checks(true, true, true, none);
    const ChangeChecks content = Checks(true, true, true, md5);
    struct Case {
        const char* what;
        ChangeChecks checks;
        TargetFacts target;
        bool contentDiffers;
        Finding expected;
        bool contentAsked;
    };
    const Case cases[] = {
        {"same facts", all, Target(kNoon), true, Finding::None, false},
        {"older by the tolerance", all, Target(kNoon - 2), false, Finding::None, false},
        {"newer by the tolerance", all, Target(kNoon + 2), false, Finding::None, false},
        {"older beyond it", all, Target(kNoon - 3, 6), false, Finding::DateChanged, false},
        {"newer beyond it", all, Target(kNoon + 3), false, Finding::DateChanged, false},
        {"a second off without tolerance", Checks(true, true, true, none, 0), Target(kNoon + 1),
         false, Finding::DateChanged, false},
        {"beyond it, date check off", Checks(false, true, true, md5), Target(kNoon - 3, 6, 0), true,
         Finding::None, false},
        {"within it, date check off", Checks(false, true, true, none), Target(kNoon - 1, 6), false,
         Finding::SizeChanged, false},
        {"missing", content, TargetFacts{}, true, Finding::NewFile, false},
        {"missing, existence check off", Checks(true, false, true, md5), TargetFacts{}, true,
         Finding::None, false},
        {"resized within the tolerance", all, Target(kNoon + 1, 4, kReadOnly), false,
         Finding::SizeChanged, false},
        {"attributes", content, Target(kNoon, 5, kReadOnly), true, Finding::AttributesChanged,
         false},
        {"attributes, check off", Checks(true, true, false, none), Target(kNoon, 5, kReadOnly),
         false, Finding::None, false},
        {"content differs", content, Target(kNoon - 1), true, Finding::Fingerprint, true},
        {"content equal", content, Target(kNoon), false, Finding::None, true},
        {"attributes off, content differs", Checks(true, true, false, md5),
         Target(kNoon, 5, kReadOnly), true, Finding::Fingerprint, true},
    };
    for (const Case& c : cases) {
        bool asked = false;
        const Finding finding =
            JudgeChange(SourceFacts{kNoon, 5, kNormal}, c.target, c.checks, [&asked, &c]() {
                asked = true;
                return c.contentDiffers;
            });
        EXPECT_EQ(finding, c.expected) << c.what;
        EXPECT_EQ(asked, c.contentAsked) << c.what;
    }
}

}  // namespace
}  // namespace quorvex
