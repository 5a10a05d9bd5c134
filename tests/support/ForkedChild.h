#pragma once

#include <functional>

namespace quorvex::test {

// Runs body in a forked child and returns what it returned as its exit status (-1 when
// the child did not end normally). Use it for what must not touch the test process:
// dropped privileges, resource limits.
int RunInChild(const std::function<int()>& body);

// Inside a child: become user and group 65534 ("nobody") when running as root, so that
// file permissions apply (an unprivileged user is bound by them already). Tests make
// folders read-only with mode 0555, which holds for the owner too. False on failure.
bool DropToNobody();

}  // namespace quorvex::test
