#include <curl/curl.h>

#include <memory>

#include "platform/AtomicFile.h"
#include "platform/Download.h"

namespace quorvex {

namespace {

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
void SetOptions(CURL* curl, const std::string& address, Transfer& transfer, char* errorText) {
    const bool loopback = IsLoopbackAddress(address);
    curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, loopback ? "http,https" : "https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    if (loopback) {
        curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    }
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Quorvex/2.5");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT,
                     static_cast<long>(transfer.limits.connectSeconds));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(transfer.limits.stallSeconds));
    if (transfer.limits.maxBytes != 0) {
        curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(transfer.limits.maxBytes));
    }
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBlock);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, ReportProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
}

DownloadOutcome Outcome(CURLcode code, const Transfer& transfer, const char* errorText,
                        std::string* err) {
    if (transfer.cancelled) {
        return DownloadOutcome::Cancelled;
    }
    if (err != nullptr) {
        if (transfer.tooLarge) {
            *err = "file too large";
        } else if (transfer.writeFailed) {
            *err = "cannot write the file";
        } else {
            *err = *errorText != '\0' ? errorText : curl_easy_strerror(code);
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
    // Thread-safe since libcurl 7.84; it stays initialised for the life of the process.
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    EasyHandle curl(initialised == CURLE_OK ? curl_easy_init() : nullptr, curl_easy_cleanup);
    Transfer transfer(limits, watcher);
    if (!curl || !transfer.file.Begin(path)) {
        if (err != nullptr) {
            *err = curl ? "cannot create the file" : "no download library";
        }
        return DownloadOutcome::Failed;
    }
    char errorText[CURL_ERROR_SIZE] = "";
    SetOptions(curl.get(), address, transfer, errorText);
    const CURLcode code = curl_easy_perform(curl.get());
    if (code != CURLE_OK || transfer.writeFailed || transfer.tooLarge) {
        transfer.file.Abandon();
        return Outcome(code, transfer, errorText, err);
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
