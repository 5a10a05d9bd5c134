// Dates far from 1970 and sizes beyond single precision are read, compared and written
// exactly, whatever the local time zone.

#include <gtest/gtest.h>

#include "hostile/HostileScene.h"

namespace quorvex {
namespace {

using test::HostileScene;

constexpr long long kJune1960 = -302486400;
constexpr long long kYear2020 = 1577836800;
constexpr long long kYear2040 = 2208988800;
constexpr long long kYear2100 = 4102444800;
constexpr long long kNoon = 1780000000;
constexpr std::size_t kSixteenMiB = 16777216;

// Every row needs a copy; an empty target content means the target has no such file.
struct FileCase {
    const char* name;
    std::string source;
    long long sourceTime;
    std::string target;
    long long targetTime;
};

const FileCase kFileCases[] = {
    {"1960.txt", "sixties", kJune1960, "", 0},
    {"2040.txt", "forties", kYear2040, "", 0},
    {"2100.txt", "next century", kYear2100, "", 0},
    {"stale-1960.txt", "new-2020", kYear2020, "old-1960", kJune1960},
    {"unpacked.txt", "bbbb", 1000, "aaaa", 1},
    {"sixteen-mib.bin", std::string(kSixteenMiB + 1, 'N'), kNoon, std::string(kSixteenMiB, 'O'),
     kNoon},
    {"saved-twice.txt", "saved twice", kNoon + 2, "saved once", kNoon},
};

// Describes how a file differs from what it should hold; big contents are not printed.
std::string Mismatch(const std::string& path, const std::string& content, long long time) {
    const std::string found = test::ReadFile(path);
    std::string mismatch;
    if (found != content) {
        mismatch += found.size() == content.size()
                        ? " holds other bytes"
                        : " holds " + std::to_string(found.size()) + " bytes, not the source's " +
                              std::to_string(content.size());
    }
    if (test::ModificationTime(path) != time) {
        mismatch += " dated " + std::to_string(test::ModificationTime(path)) + ", not " +
                    std::to_string(time);
    }
    return mismatch;
}

TEST(TimesAndSizesTest, ChangedFilesAreCopiedExactlyOnceInEveryZone) {
    for (const char* zone : {"UTC", "America/New_York"}) {
        SCOPED_TRACE(zone);
        HostileScene scene;
        for (const FileCase& file : kFileCases) {
            scene.Put(scene.src + file.name, file.source, file.sourceTime);
            if (!file.target.empty()) {
                scene.Put(scene.dst + file.name, file.target, file.targetTime);
            }
        }
        const std::string timeZone = std::string("TZ=") + zone;

        const test::ProcessResult result = scene.RunBeside({}, false, {timeZone});

        EXPECT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_EQ(scene.OutsideChanges(), "");
        for (const FileCase& file : kFileCases) {
            EXPECT_EQ(Mismatch(scene.dst + file.name, file.source, file.sourceTime), "")
                << file.name;
        }
        EXPECT_TRUE(test::ReadTree(scene.dst) == scene.RsyncTarget());
        test::ProcessOptions options;
        options.environment.push_back(timeZone);
        const test::ProcessResult again = scene.Sync({}, options);
        EXPECT_EQ(again.exitStatus, 0) << again.err;
        EXPECT_EQ(test::LinesStartingWith(scene.Log(), "### KOPIEREN ("),
                  test::Lines{"### KOPIEREN (0) DAUERTE: <time>"});
        EXPECT_EQ(test::LinesStartingWith(scene.Log(), "- Die beiden"),
                  test::Lines{"- Die beiden Verzeichnisse waren gleich!"});
    }
}

}  // namespace
}  // namespace quorvex
