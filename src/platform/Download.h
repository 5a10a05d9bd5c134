#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quorvex {

// How long a download may take to connect and how long it may deliver nothing at all
// before it is abandoned, so that nothing the program waits for can hang it.
struct DownloadLimits {
    int connectSeconds = 10;
    int stallSeconds = 30;
    // More bytes than this fail the download; 0 is no limit.
    std::uint64_t maxBytes = 0;
};

// Called while the download runs, also when no data comes: the bytes so far and the
// whole size (-1 while unknown). Returning false cancels the download.
using DownloadWatcher = std::function<bool(std::uint64_t received, std::int64_t total)>;

enum class DownloadOutcome {
    Done,
    Failed,     // no connection, an error answer, a time-out, a file that could not be written
    Refused,    // the address is not one the program downloads from
    Cancelled,  // the watcher said so
};

// Fetches a web address into a file. The file appears only when the whole download
// succeeded; on any other outcome nothing is left behind and an existing file is kept.
DownloadOutcome DownloadToFile(const std::string& address, const std::string& path,
                               const DownloadLimits& limits, const DownloadWatcher& watcher,
                               std::string* err = nullptr);

// Downloads go over HTTPS only; plain HTTP only to this machine's loopback addresses,
// where nobody can listen in (test servers).
bool IsPermittedDownloadAddress(const std::string& address);
// Whether the address names this machine by a loopback address ("localhost", 127.x.x.x,
// [::1]).
bool IsLoopbackAddress(const std::string& address);

}  // namespace quorvex
