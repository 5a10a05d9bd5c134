#include "platform/SystemActions.h"

#include <gtest/gtest.h>
#include <linux/ioprio.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "support/ForkedChild.h"

namespace quorvex {
namespace {

constexpr int kUnchanged = 100;
constexpr int kSkipped = 77;

struct PriorityCase {
    const char* name;
    bool privileged;
    std::int32_t priorityClass;
    bool applied;
    int niceDuring;     // kUnchanged: the nice value from before
    int ioClassDuring;  // kUnchanged: the I/O class from before
};

int IoPriority() {
    return static_cast<int>(syscall(SYS_ioprio_get, IOPRIO_WHO_PROCESS, 0));
}

// Runs in a child: the test process keeps its own priority. The result names the first
// check that failed, 0 when all held.
int CheckInChild(const PriorityCase& c) {
    if (c.privileged && geteuid() != 0) {
        return kSkipped;
    }
    const rlimit none{0, 0};
    if (!c.privileged && (setrlimit(RLIMIT_NICE, &none) != 0 || !test::DropToNobody())) {
        return 10;
    }
    const int niceBefore = getpriority(PRIO_PROCESS, 0);
    const int ioBefore = IoPriority();
    OperatingSystemActions actions;
    if (actions.SetProcessPriority(c.priorityClass) != c.applied) {
        return 1;
    }
    if (getpriority(PRIO_PROCESS, 0) != (c.niceDuring == kUnchanged ? niceBefore : c.niceDuring)) {
        return 2;
    }
    const int ioClass = IOPRIO_PRIO_CLASS(IoPriority());
    if (ioClass !=
        (c.ioClassDuring == kUnchanged ? IOPRIO_PRIO_CLASS(ioBefore) : c.ioClassDuring)) {
        return 3;
    }
    if (!actions.SetProcessPriority(32)) {
        return 4;
    }
    if (getpriority(PRIO_PROCESS, 0) != niceBefore) {
        return 5;
    }
    return IoPriority() == ioBefore ? 0 : 6;
}

// An ordinary user's thread cannot lower its nice value again: low keeps the nice value
// and idles the disk accesses only, and every change is taken back after the run.
TEST(SystemActionsTest, EveryPriorityChangeIsTakenBackAfterTheRun) {
    const PriorityCase cases[] = {
        {"user low", false, 64, false, kUnchanged, IOPRIO_CLASS_IDLE},
        {"user high", false, 128, false, kUnchanged, kUnchanged},
        {"root low", true, 64, true, 19, IOPRIO_CLASS_IDLE},
        {"root realtime", true, 256, true, -20, kUnchanged},
    };
    bool skipped = false;
    for (const PriorityCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int result = test::RunInChild([&c] { return CheckInChild(c); });
        skipped = skipped || result == kSkipped;
        if (result != kSkipped) {
            EXPECT_EQ(result, 0);
        }
    }
    if (skipped) {
        GTEST_SKIP() << "the privileged cases need root";
    }
}

}  // namespace
}  // namespace quorvex
