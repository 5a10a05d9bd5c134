#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/InstanceLock.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

TEST(InstanceLockTest, ANameIsTakenExactlyAsLongAsItsHolderLives) {
    test::TempDir dir;
    auto first = std::make_unique<InstanceLock>(dir.path());
    ASSERT_EQ(first->Acquire("Quorvex"), LockResult::Acquired);
    EXPECT_TRUE(test::PathExists(dir / "Quorvex.lock"));

    InstanceLock second(dir.path());
    EXPECT_EQ(second.Acquire("Quorvex"), LockResult::Taken);
    EXPECT_EQ(second.Acquire("Quorvex1"), LockResult::Acquired);
    EXPECT_EQ(second.HeldName(), "Quorvex1");

    first.reset();
    InstanceLock third(dir.path());
    EXPECT_EQ(third.Acquire("Quorvex"), LockResult::Acquired);
    EXPECT_EQ(third.Acquire("Quorvex1"), LockResult::Taken);
    EXPECT_EQ(third.HeldName(), "Quorvex");
}

TEST(InstanceLockTest, AMarkerThatCannotBeMadeIsAFailureNotATakenName) {
    test::TempDir dir;
    InstanceLock noFolder(dir / "missing/");
    EXPECT_EQ(noFolder.Acquire("Quorvex"), LockResult::Failed);
    InstanceLock noPlace("");
    EXPECT_EQ(noPlace.Acquire("Quorvex"), LockResult::Failed);

    // A planted link is not followed to lock or create a file elsewhere.
    ASSERT_EQ(symlink((dir / "elsewhere").c_str(), (dir / "Quorvex.lock").c_str()), 0);
    InstanceLock planted(dir.path());
    EXPECT_EQ(planted.Acquire("Quorvex"), LockResult::Failed);
    EXPECT_FALSE(test::PathExists(dir / "elsewhere"));
}

}  // namespace
}  // namespace quorvex
