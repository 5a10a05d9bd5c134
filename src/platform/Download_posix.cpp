#include <curl/curl.h>
#include <dlfcn.h>

#include <memory>

#include "platform/AtomicFile.h"
#include "platform/Download.h"

namespace quorvex {

namespace {

// libcurl is loaded at the first download, not with the program: its thirty libraries in
// the program's global scope would lengthen every symbol lookup of the window module,
// which is the largest part of the window's start.
struct Curl {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_easy_setopt) setOption = nullptr;
    decltype(&curl_easy_perform) perform = nullptr;
    decltype(&curl_easy_strerror) describe = nullptr;
    bool ready = false;
};

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

Curl LoadCurl() {
    Curl curl;
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    curl.ready = library != nullptr && Find(library, "curl_global_init", curl.globalInit) &&
                 Find(library, "curl_easy_init", curl.easyInit) &&
                 Find(library, "curl_easy_cleanup", curl.easyCleanup) &&
                 Find(library, "curl_easy_setopt", curl.setOption) &&
                 Find(library, "curl_easy_perform", curl.perform) &&
                 Find(library, "curl_easy_strerror", curl.describe) &&
                 curl.globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return curl;
}

// Loaded and initialised once (thread-safe since libcurl 7.84), for the life of the process.
const Curl& LoadedCurl() {
    static const Curl curl = LoadCurl();
    return curl;
}

struct Transfer {
    Transfer(const DownloadLimits& limitsIn, const DownloadWatcher& watcherIn)
        : limits(limitsIn), watcher(watcherIn) {}

    AtomicFileWriter file;
    const DownloadLimits& limits;
    const DownloadWatcher& watcher;
    std::uint64_t received = 0;
    bool writeFailed = false;
    bool tooLarge = false;
    bool cancelled = false;
};

std::size_t WriteBlock(char* data, std::size_t size, std::size_t count, void* context) {
    auto& transfer = *static_cast<Transfer*>(context);
    const std::size_t bytes = size * count;
    transfer.received += bytes;
    if (transfer.limits.maxBytes != 0 && transfer.received > transfer.limits.maxBytes) {
        transfer.tooLarge = true;
        return 0;
    }
    if (!transfer.file.Write(std::string_view(data, bytes))) {
        transfer.writeFailed = true;
        return 0;
    }
    return bytes;
}

int ReportProgress(void* context, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
    auto& transfer = *static_cast<Transfer*>(context);
    if (transfer.watcher &&
        !transfer.watcher(static_cast<std::uint64_t>(now), total > 0 ? total : -1)) {
        transfer.cancelled = true;
        return 1;
    }
    return 0;
}

using EasyHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

// The certificate and host-name checks stay at libcurl's defaults (on); redirects may
// only lead to HTTPS.
void SetOptions(const Curl& library, CURL* curl, const std::string& address, Transfer& transfer,
                char* errorText) {
    const auto set = library.setOption;
    const bool loopback = IsLoopbackAddress(address);
    set(curl, CURLOPT_URL, address.c_str());
    set(curl, CURLOPT_PROTOCOLS_STR, loopback ? "http,https" : "https");
    set(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    set(curl, CURLOPT_FOLLOWLOCATION, 1L);
    set(curl, CURLOPT_MAXREDIRS, 5L);
    if (loopback) {
        set(curl, CURLOPT_NOPROXY, "*");
    }
    set(curl, CURLOPT_FAILONERROR, 1L);
    set(curl, CURLOPT_NOSIGNAL, 1L);
    set(curl, CURLOPT_USERAGENT, "Quorvex/2.5");
    set(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(transfer.limits.connectSeconds));
    set(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    set(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(transfer.limits.stallSeconds));
    if (transfer.limits.maxBytes != 0) {
        set(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(transfer.limits.maxBytes));
    }
    set(curl, CURLOPT_WRITEFUNCTION, WriteBlock);
    set(curl, CURLOPT_WRITEDATA, &transfer);
    set(curl, CURLOPT_NOPROGRESS, 0L);
    set(curl, CURLOPT_XFERINFOFUNCTION, ReportProgress);
    set(curl, CURLOPT_XFERINFODATA, &transfer);
    set(curl, CURLOPT_ERRORBUFFER, errorText);
}

DownloadOutcome Outcome(const Curl& library, CURLcode code, const Transfer& transfer,
                        const char* errorText, std::string* err) {
    if (transfer.cancelled) {
        return DownloadOutcome::Cancelled;
    }
    if (err != nullptr) {
        if (transfer.tooLarge) {
            *err = "file too large";
        } else if (transfer.writeFailed) {
            *err = "cannot write the file";
        } else {
            *err = *errorText != '\0' ? errorText : library.describe(code);
        }
    }
    return DownloadOutcome::Failed;
}

}  // namespace

DownloadOutcome DownloadToFile(const std::string& address, const std::string& path,
                               const DownloadLimits& limits, const DownloadWatcher& watcher,
                               std::string* err) {
    if (!IsPermittedDownloadAddress(address)) {
        if (err != nullptr) {
            *err = "only HTTPS addresses are downloaded";
        }
        return DownloadOutcome::Refused;
    }
    const Curl& library = LoadedCurl();
    EasyHandle curl(library.ready ? library.easyInit() : nullptr,
                    library.ready ? library.easyCleanup : nullptr);
    Transfer transfer(limits, watcher);
    if (!curl || !transfer.file.Begin(path)) {
        if (err != nullptr) {
            *err = curl ? "cannot create the file" : "no download library";
        }
        return DownloadOutcome::Failed;
    }
    char errorText[CURL_ERROR_SIZE] = "";
    SetOptions(library, curl.get(), address, transfer, errorText);
    const CURLcode code = library.perform(curl.get());
    if (code != CURLE_OK || transfer.writeFailed || transfer.tooLarge) {
        transfer.file.Abandon();
        return Outcome(library, code, transfer, errorText, err);
    }
    if (!transfer.file.Commit()) {
        if (err != nullptr) {
            *err = "cannot write the file";
        }
        return DownloadOutcome::Failed;
    }
    return DownloadOutcome::Done;
}

}  // namespace quorvex
