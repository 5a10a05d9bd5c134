// Any bytes as the configuration file: reading never fails, and what is read survives
// being saved and read again unchanged.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/ConfigFile.h"
#include "fuzz/FuzzSupport.h"
#include "platform/TextFile.h"

namespace quorvex {
namespace {

constexpr DateValue kSaveTime = 1780000000;

// The file under test lives in memory; the saved copies in a folder of their own, on a
// memory file system where there is one.
struct Scratch {
    Scratch() {
        input = memfd_create("quorvex-config", 0);
        fuzz::Require(input >= 0, "a memory file for the input");
        inputPath = "/proc/self/fd/" + std::to_string(input);
        std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
        pattern += "/quorvex-fuzz-XXXXXX";
        fuzz::Require(mkdtemp(pattern.data()) != nullptr, "a scratch folder");
        folder = pattern + "/";
    }
    ~Scratch() {
        unlink((folder + "first.ini").c_str());
        unlink((folder + "second.ini").c_str());
        rmdir(folder.c_str());
    }

    void SetInput(const std::uint8_t* data, std::size_t size) {
        fuzz::Require(
            ftruncate(input, 0) == 0 && pwrite(input, data, size, 0) == static_cast<ssize_t>(size),
            "the input is written");
    }

    int input = -1;
    std::string inputPath;
    std::string folder;
};

std::string LoadAndSave(const std::string& from, const std::string& to) {
    Settings settings;
    JobList jobs;
    fuzz::SilentDialogs dialogs;
    fuzz::SilentLog log;
    fuzz::Require(LoadConfiguration(from, settings, jobs, log), "any file can be read");
    fuzz::Require(SaveConfiguration(to, settings, jobs, log, kSaveTime), "it can be saved");
    std::string saved;
    fuzz::Require(ReadWholeFile(to, saved), "the saved file can be read back");
    return saved;
}

}  // namespace
}  // namespace quorvex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvex;
    static Scratch scratch;
    scratch.SetInput(data, size);
    const std::string first = LoadAndSave(scratch.inputPath, scratch.folder + "first.ini");
    const std::string second =
        LoadAndSave(scratch.folder + "first.ini", scratch.folder + "second.ini");
    fuzz::Require(first == second, "a saved file reads back as what was saved");
    return 0;
}
