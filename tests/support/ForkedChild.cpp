#include "support/ForkedChild.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvex::test {

namespace {
constexpr unsigned kNobody = 65534;
}

int RunInChild(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        _exit(body());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

bool DropToNobody() {
    if (geteuid() != 0) {
        return true;  // permissions apply already
    }
    return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0 &&
           geteuid() == kNobody;
}

}  // namespace quorvex::test
