#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

// Root passes every permission check, may hand files to other users and may mount: a test
// that relies on any of these skips for an ordinary user and says why. In a fixture's
// SetUp it skips every test of the fixture.
#define QUORVEX_REQUIRE_ROOT(why) \
    if (geteuid() != 0)           \
    GTEST_SKIP() << "needs root: " why
