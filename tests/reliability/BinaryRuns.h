#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "e2e/SyncFixture.h"
#include "reliability/TreeGuard.h"
#include "support/Process.h"

namespace quorvex::test {

// The built binary over a source and a target, run as root or as "nobody" (uid 65534),
// for whom file permissions apply.
class BinaryRuns : public SyncFixture {
  protected:
    ProcessResult MirrorAsNobody(const std::vector<std::string>& extra = {"-del"}) {
        // The test's folder becomes reachable, the target (unless the test handed it over
        // itself) and the log folder writable.
        chmod(root.path().c_str(), 0755);
        struct stat target {};
        if (stat(dst.c_str(), &target) == 0 && target.st_uid == 0) {
            HandTo(dst);
        }
        HandTo(logs);
        Remember();
        std::vector<std::string> command{"setpriv",
                                         "--reuid=65534",
                                         "--regid=65534",
                                         "--clear-groups",
                                         QUORVEX_BINARY,
                                         "-s",
                                         src,
                                         "-d",
                                         dst,
                                         "-logdir",
                                         logs};
        command.insert(command.end(), extra.begin(), extra.end());
        command.push_back("-start");
        command.push_back("-nowin");
        return RunProcess(command, InFolder(root.path()));
    }

    ProcessResult MirrorAsRoot(const std::vector<std::string>& extra = {"-del"}) {
        Remember();
        return Sync(extra);
    }

    void Remember() {
        sourceBefore = ReadTree(src);
        targetBefore = ReadTree(dst);
    }

    std::string Losses(bool mirror = true) const {
        return LossReport(sourceBefore, targetBefore, src, dst, mirror);
    }

    // Gives a folder and everything below it to "nobody", keeping the modes.
    static void HandTo(const std::string& folder) {
        ShellOutput("chown -R 65534:65534 '" + folder + "'");
    }

    TreeContents sourceBefore;
    TreeContents targetBefore;
};

}  // namespace quorvex::test
