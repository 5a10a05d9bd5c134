// A signal that ends the program mid-copy ends the run as the abort key does: the
// temporary file goes, the old target stays whole, and the run log tells of the abort.

#include <dirent.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "hostile/HostileScene.h"

namespace quorvex {
namespace {

using test::HostileScene;

constexpr long long kOld = 1700000000;
constexpr long long kNew = 1780000000;
// Sparse: made at once, yet long enough to copy that a signal meets the copy under way.
constexpr off_t kBigSource = 512LL << 20;

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* item = readdir(dir)) {
            const std::string name = item->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool CopyUnderWay(const std::string& folder) {
    for (const std::string& name : Names(folder)) {
        if (name.rfind(".quorvex-", 0) == 0) {
            return true;
        }
    }
    return false;
}

bool WaitForCopy(const std::string& folder) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!CopyUnderWay(folder)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

long long SizeOf(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

// The first bytes of a file that may be large.
std::string Head(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char bytes[16] = {};
    in.read(bytes, sizeof bytes);
    return std::string(bytes, static_cast<std::size_t>(in.gcount()));
}

// GTK, fontconfig and D-Bus keep memory until a window process ends; a sanitized build's
// leak checker would report it as ours and turn the window's exit status into its own.
std::string WithoutLeakCheck() {
    const char* options = std::getenv("ASAN_OPTIONS");
    return std::string("ASAN_OPTIONS=") + (options ? options : "") + ":detect_leaks=0";
}

TEST(SignalTest, ASignalMidCopyEndsTheRunLikeTheAbortKey) {
    // In the window the run works on a thread of its own, and the signal may reach another.
    struct Case {
        int signal;
        bool window;
    };
    const bool display = std::getenv("DISPLAY") != nullptr && *std::getenv("DISPLAY") != 0;
    for (const Case& c :
         {Case{SIGTERM, false}, Case{SIGINT, false}, Case{SIGHUP, false}, Case{SIGTERM, true}}) {
        if (c.window && !display) {
            continue;
        }
        const int signal = c.signal;
        SCOPED_TRACE(std::string(strsignal(signal)) + (c.window ? " in the window" : ""));
        HostileScene scene;
        test::WriteFile(scene.src + "big.bin", "");
        ASSERT_EQ(truncate((scene.src + "big.bin").c_str(), kBigSource), 0);
        test::SetModificationTime(scene.src + "big.bin", kNew);
        scene.Put(scene.dst + "big.bin", "old", kOld);
        scene.Freeze();
        std::vector<std::string> command = {QUORVEX_BINARY, "-s",      scene.src,  "-d",
                                            scene.dst,      "-logdir", scene.logs, "-start"};
        for (const char* mode : c.window ? std::vector<const char*>{"-exit", "-nostats"}
                                         : std::vector<const char*>{"-nowin"}) {
            command.push_back(mode);
        }
        test::ProcessOptions options = test::InFolder(scene.root.path());
        if (c.window) {
            options.environment.push_back(WithoutLeakCheck());
        }
        test::StartedProcess run(command, options);
        ASSERT_TRUE(WaitForCopy(scene.dst)) << "no copy began";

        kill(run.pid(), signal);
        const test::ProcessResult result = run.Wait();

        EXPECT_EQ(result.exitStatus, 1) << result.err;
        EXPECT_EQ(scene.OutsideChanges(), "");
        EXPECT_EQ(Names(scene.dst), std::vector<std::string>{"big.bin"});
        EXPECT_EQ(SizeOf(scene.dst + "big.bin"), 3);
        EXPECT_EQ(Head(scene.dst + "big.bin"), "old");
        EXPECT_EQ(test::LinesStartingWith(scene.Log(), "!!! BENUTZERABBRUCH"),
                  test::Lines{"!!! BENUTZERABBRUCH"});
    }
}

}  // namespace
}  // namespace quorvex
