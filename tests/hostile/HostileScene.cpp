#include "hostile/HostileScene.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <iterator>

namespace quorvex::test {

namespace {

// Adds the bytes from..to of a file to a checksum; false when they cannot be read.
bool SumRange(int fd, off_t from, off_t to, uLong& sum) {
    std::vector<char> buffer(1 << 20);
    while (from < to) {
        const auto want = static_cast<std::size_t>(std::min<off_t>(to - from, 1 << 20));
        const ssize_t got = pread(fd, buffer.data(), want, from);
        if (got <= 0) {
            return false;
        }
        sum = crc32(sum, reinterpret_cast<const Bytef*>(buffer.data()), static_cast<uInt>(got));
        from += got;
    }
    return true;
}

// A file's content by its length and a checksum over its data, so that large files cost
// no memory. Holes are skipped, their places summed in: a sparse file costs no time.
std::string Digest(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return "<unreadable>";
    }
    struct stat info {};
    bool readable = fstat(fd, &info) == 0;
    uLong sum = crc32(0, nullptr, 0);
    for (off_t data = 0; readable && (data = lseek(fd, data, SEEK_DATA)) >= 0;) {
        const off_t hole = lseek(fd, data, SEEK_HOLE);
        sum = crc32(sum, reinterpret_cast<const Bytef*>(&data), sizeof data);
        readable = hole > data && SumRange(fd, data, hole, sum);
        data = hole;
    }
    close(fd);
    return readable ? std::to_string(info.st_size) + " bytes, crc " + std::to_string(sum)
                    : "<unreadable>";
}

std::string ContentOf(const std::string& path, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return "<folder>";
    }
    if (S_ISLNK(info.st_mode)) {
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof target);
        return "<link>" + std::string(target, length > 0 ? static_cast<std::size_t>(length) : 0);
    }
    return S_ISREG(info.st_mode) ? Digest(path) : "<other>";
}

EntryState StateOf(const std::string& path) {
    EntryState entry;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0) {
        entry.content = ContentOf(path, info);
        entry.mode = info.st_mode;
        entry.owner = info.st_uid;
        entry.group = info.st_gid;
    }
    return entry;
}

std::string Octal(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%o", value);
    return text;
}

std::string Change(const std::string& path, const EntryState& before, const EntryState& after) {
    std::string change;
    if (before.content != after.content) {
        change += " content";
    }
    if (before.mode != after.mode) {
        change += " mode " + Octal(before.mode) + " -> " + Octal(after.mode);
    }
    if (before.owner != after.owner || before.group != after.group) {
        change += " owner " + std::to_string(before.owner) + ":" + std::to_string(before.group) +
                  " -> " + std::to_string(after.owner) + ":" + std::to_string(after.group);
    }
    return change.empty() ? "" : "changed: " + path + change + "\n";
}

std::vector<std::string> AsNobody(std::vector<std::string> command) {
    command.insert(command.begin(),
                   {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    return command;
}

}  // namespace

TreeState ReadState(const std::string& folder) {
    TreeState state;
    state["."] = StateOf(folder);
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(folder, error);
         entry != std::filesystem::recursive_directory_iterator(); entry.increment(error)) {
        const std::string path = entry->path().string();
        state[path.substr(folder.size())] = StateOf(path);
    }
    return state;
}

std::string StateChanges(const TreeState& before, const TreeState& after,
                         const std::string& where) {
    std::string report;
    for (const auto& [path, entry] : before) {
        const auto now = after.find(path);
        report += now == after.end() ? "removed: " + where + path + "\n"
                                     : Change(where + path, entry, now->second);
    }
    for (const auto& [path, entry] : after) {
        if (before.count(path) == 0) {
            report += "added: " + where + path + "\n";
        }
    }
    return report;
}

Lines LinesStartingWith(const Lines& log, const std::string& start) {
    Lines found;
    std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    return found;
}

void HostileScene::Link(const std::string& to, const std::string& path) {
    if (symlink(to.c_str(), path.c_str()) != 0) {
        std::perror(path.c_str());
    }
}

void HostileScene::Freeze() {
    sourceState_ = ReadState(src);
    outsideState_ = ReadState(outside);
}

std::string HostileScene::OutsideChanges() const {
    return StateChanges(sourceState_, ReadState(src), "src/") +
           StateChanges(outsideState_, ReadState(outside), "outside/");
}

// The twin gets the same hand-over as the scene gets for a run as nobody.
void HostileScene::RunRsync(bool mirror, bool asNobody) {
    MakeFolder(twin);
    ShellOutput("cp -a '" + src + "' '" + dst + "' '" + outside + "' '" + twin + "'");
    std::vector<std::string> command{"rsync", "-a"};
    if (mirror) {
        command.push_back("--delete");
    }
    command.push_back(twin + "src/");
    command.push_back(twin + "dst/");
    if (asNobody) {
        chmod(root.path().c_str(), 0755);
        struct stat target {};
        if (stat((twin + "dst").c_str(), &target) == 0 && target.st_uid == 0) {
            HandTo(twin + "dst");
        }
        command = AsNobody(command);
    }
    RunProcess(command);
}

ProcessResult HostileScene::RunBeside(const std::vector<std::string>& options, bool asNobody,
                                      const std::vector<std::string>& environment) {
    RunRsync(std::find(options.begin(), options.end(), "-del") != options.end(), asNobody);
    Freeze();
    if (asNobody) {
        return MirrorAsNobody(options);
    }
    Remember();
    ProcessOptions inEnvironment;
    inEnvironment.environment = environment;
    return Sync(options, inEnvironment);
}

}  // namespace quorvex::test
