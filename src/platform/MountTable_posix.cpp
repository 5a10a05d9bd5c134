#include <blkid.h>
#include <libmount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "platform/MountTable.h"

namespace quorvex {

const char* const kSystemMountTable = "/proc/self/mountinfo";

namespace {

struct TableDeleter {
    void operator()(libmnt_table* table) const { mnt_unref_table(table); }
};
struct IterDeleter {
    void operator()(libmnt_iter* iter) const { mnt_free_iter(iter); }
};
struct ProbeDeleter {
    void operator()(blkid_struct_probe* probe) const { blkid_free_probe(probe); }
};

// A mount as the table gives it, before its device is asked anything.
struct TableMount {
    MountEntry entry;
    std::string device;
    dev_t devno = 0;
};

int TypeOfFileSystem(const std::string& type) {
    static const std::map<std::string, int> kTypes = {
        {"nfs", kDriveRemote},  {"nfs4", kDriveRemote},     {"cifs", kDriveRemote},
        {"smb3", kDriveRemote}, {"sshfs", kDriveRemote},    {"fuse.sshfs", kDriveRemote},
        {"9p", kDriveRemote},   {"iso9660", kDriveOptical}, {"udf", kDriveOptical},
        {"tmpfs", kDriveRam},   {"ramfs", kDriveRam}};
    const auto found = kTypes.find(type);
    return found == kTypes.end() ? kDriveUnknown : found->second;
}

std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// A partition has no "removable" of its own; its disk, one folder up, has.
bool IsRemovable(dev_t devno) {
    const std::string base =
        "/sys/dev/block/" + std::to_string(major(devno)) + ":" + std::to_string(minor(devno)) + "/";
    std::string flag = FirstLine(base + "removable");
    if (flag.empty()) {
        flag = FirstLine(base + "../removable");
    }
    return flag == "1";
}

// Tables in fstab form carry no device numbers; the device node then tells.
dev_t DeviceNumber(libmnt_fs* fs, const std::string& device) {
    const dev_t devno = mnt_fs_get_devno(fs);
    struct stat facts {};
    if (devno == 0 && !device.empty() && stat(device.c_str(), &facts) == 0 &&
        S_ISBLK(facts.st_mode)) {
        return facts.st_rdev;
    }
    return devno;
}

bool IsRealFileSystem(libmnt_fs* fs, int driveType) {
    return driveType == kDriveRam || driveType == kDriveRemote ||
           (mnt_fs_is_pseudofs(fs) == 0 && mnt_fs_is_swaparea(fs) == 0);
}

std::vector<TableMount> ReadTable(libmnt_table* table) {
    std::map<std::string, TableMount> byMountPoint;
    std::unique_ptr<libmnt_iter, IterDeleter> iter(mnt_new_iter(MNT_ITER_FORWARD));
    libmnt_fs* fs = nullptr;
    while (iter && mnt_table_next_fs(table, iter.get(), &fs) == 0) {
        const char* target = mnt_fs_get_target(fs);
        const char* type = mnt_fs_get_fstype(fs);
        if (target == nullptr || target[0] != '/') {
            continue;
        }
        TableMount mount;
        mount.entry.mountPoint = target;
        mount.entry.driveType = TypeOfFileSystem(type != nullptr ? type : "");
        if (!IsRealFileSystem(fs, mount.entry.driveType)) {
            continue;
        }
        const char* source = mnt_fs_get_srcpath(fs);
        mount.device = source != nullptr ? source : "";
        mount.devno = DeviceNumber(fs, mount.device);
        if (mount.entry.driveType == kDriveUnknown && major(mount.devno) != 0) {
            mount.entry.driveType = IsRemovable(mount.devno) ? kDriveRemovable : kDriveFixed;
        }
        byMountPoint[mount.entry.mountPoint] = mount;
    }
    std::vector<TableMount> mounts;
    for (auto& [mountPoint, mount] : byMountPoint) {
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

// Only the device the table names, and only when its node still is that device.
void ReadLabel(const TableMount& mount, MountEntry& entry) {
    struct stat facts {};
    if (major(mount.devno) == 0 || stat(mount.device.c_str(), &facts) != 0 ||
        !S_ISBLK(facts.st_mode) || facts.st_rdev != mount.devno) {
        return;
    }
    std::unique_ptr<blkid_struct_probe, ProbeDeleter> probe(
        blkid_new_probe_from_filename(mount.device.c_str()));
    if (!probe) {
        return;
    }
    blkid_probe_enable_superblocks(probe.get(), 1);
    blkid_probe_set_superblocks_flags(probe.get(), BLKID_SUBLKS_LABEL | BLKID_SUBLKS_UUID);
    if (blkid_do_safeprobe(probe.get()) != 0) {
        return;
    }
    const char* value = nullptr;
    if (blkid_probe_lookup_value(probe.get(), "LABEL", &value, nullptr) == 0) {
        entry.label = value;
    }
    if (blkid_probe_lookup_value(probe.get(), "UUID", &value, nullptr) == 0) {
        entry.uuid = value;
    }
}

}  // namespace

bool ListMounts(const std::string& tablePath, const MountVisitor& each) {
    std::unique_ptr<libmnt_table, TableDeleter> table(mnt_new_table());
    if (!table || mnt_table_parse_file(table.get(), tablePath.c_str()) != 0) {
        return false;
    }
    for (const TableMount& mount : ReadTable(table.get())) {
        MountEntry entry = mount.entry;
        ReadLabel(mount, entry);
        each(entry);
    }
    return true;
}

}  // namespace quorvex
