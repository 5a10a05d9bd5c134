#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/MountTable.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::TempDir;
using test::WriteFile;

// A machine's mount table as the kernel writes it: pseudo file systems among real ones,
// a blank escaped, a mount point mounted twice, devices that do not exist here.
const char* const kFixture =
    "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
    "23 27 0:22 / /sys rw,relatime - sysfs sysfs rw\n"
    "24 27 0:6 / /dev rw,relatime - devtmpfs devtmpfs rw\n"
    "26 24 0:24 / /dev/pts rw,relatime - devpts devpts rw\n"
    "27 1 8:1 / / rw,relatime - ext4 /dev/qvx-missing1 rw\n"
    "28 27 0:25 / /run rw,relatime - tmpfs tmpfs rw\n"
    "32 23 0:29 / /sys/fs/cgroup rw,relatime - cgroup2 cgroup2 rw\n"
    "40 27 0:40 / /mnt/nas rw,relatime - nfs4 server:/export rw\n"
    "41 27 0:41 / /mnt/share rw,relatime - cifs //server/share rw\n"
    "42 27 11:0 / /media/cd ro,relatime - iso9660 /dev/qvx-missing2 ro\n"
    "43 27 8:17 / /home/my\\040files rw,relatime - ext4 /dev/qvx-missing3 rw\n"
    "44 27 8:33 / /mnt/a,b rw,relatime - xfs /dev/qvx-missing4 rw\n"
    "45 27 0:45 / /mnt/nas rw,relatime - tmpfs tmpfs rw\n"
    "46 27 0:46 / /srv/odd rw,relatime - fuse.other other rw\n";

std::vector<MountEntry> List(const std::string& table) {
    std::vector<MountEntry> entries;
    EXPECT_TRUE(ListMounts(table, [&](const MountEntry& entry) { entries.push_back(entry); }));
    return entries;
}

TEST(MountTableTest, ATableFileGivesItsRealFileSystemsInPathOrderWithTheirTypes) {
    TempDir dir;
    WriteFile(dir / "mountinfo", kFixture);
    const std::vector<std::pair<std::string, int>> expected = {
        {"/", kDriveFixed},        {"/home/my files", kDriveFixed}, {"/media/cd", kDriveOptical},
        {"/mnt/a,b", kDriveFixed}, {"/mnt/nas", kDriveRam},         {"/mnt/share", kDriveRemote},
        {"/run", kDriveRam},       {"/srv/odd", kDriveUnknown}};
    std::vector<std::pair<std::string, int>> listed;
    for (const MountEntry& entry : List(dir / "mountinfo")) {
        listed.emplace_back(entry.mountPoint, entry.driveType);
        // Devices that cannot be read leave their cells empty.
        EXPECT_EQ(entry.label + entry.uuid, "") << entry.mountPoint;
    }
    EXPECT_EQ(listed, expected);
    EXPECT_FALSE(ListMounts(dir / "missing", [](const MountEntry&) {}));
}

TEST(MountTableTest, ThisMachinesTableListsTheRootOnceAndNoPseudoFileSystems) {
    const std::vector<MountEntry> entries = List(kSystemMountTable);
    std::vector<std::string> mountPoints;
    for (const MountEntry& entry : entries) {
        mountPoints.push_back(entry.mountPoint);
    }
    EXPECT_TRUE(std::is_sorted(mountPoints.begin(), mountPoints.end()));
    EXPECT_EQ(std::adjacent_find(mountPoints.begin(), mountPoints.end()), mountPoints.end());
    EXPECT_EQ(std::count(mountPoints.begin(), mountPoints.end(), "/"), 1);
    EXPECT_EQ(std::count(mountPoints.begin(), mountPoints.end(), "/proc"), 0);
    EXPECT_EQ(std::count(mountPoints.begin(), mountPoints.end(), "/sys"), 0);
}

}  // namespace
}  // namespace quorvex
