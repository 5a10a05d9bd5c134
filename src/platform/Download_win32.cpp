#include <windows.h>

#include <winhttp.h>

#include <memory>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Download.h"
#include "platform/WideText_win32.h"

namespace quorvex {

namespace {

constexpr DWORD kReadBlock = 64 * 1024;

struct InternetHandle {
    void operator()(HINTERNET handle) const { WinHttpCloseHandle(handle); }
};
using Internet = std::unique_ptr<void, InternetHandle>;

struct Address {
    std::wstring host;
    std::wstring path;
    INTERNET_PORT port = 0;
    bool secure = false;
};

bool Crack(const std::string& address, Address& parts) {
    const std::wstring wide = Widen(address);
    URL_COMPONENTS components{};
    components.dwStructSize = sizeof components;
    components.dwHostNameLength = static_cast<DWORD>(-1);
    components.dwUrlPathLength = static_cast<DWORD>(-1);
    components.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(wide.c_str(), 0, 0, &components)) {
        return false;
    }
    parts.host.assign(components.lpszHostName, components.dwHostNameLength);
    parts.path.assign(components.lpszUrlPath, components.dwUrlPathLength);
    parts.path.append(components.lpszExtraInfo, components.dwExtraInfoLength);
    parts.port = components.nPort;
    parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
    return true;
}

DownloadOutcome Fail(std::string* err, const std::string& reason) {
    if (err != nullptr) {
        *err = reason;
    }
    return DownloadOutcome::Failed;
}

// The answer's status must be 200; its length is known when the server names it.
bool Answered(HINTERNET request, std::int64_t& total) {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                             WINHTTP_NO_HEADER_INDEX) ||
        status != 200) {
        SetLastError(ERROR_WINHTTP_INVALID_SERVER_RESPONSE);
        return false;
    }
    wchar_t length[32] = {};
    size = sizeof length;
    total = WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH, WINHTTP_HEADER_NAME_BY_INDEX,
                                length, &size, WINHTTP_NO_HEADER_INDEX)
                ? _wtoi64(length)
                : -1;
    return true;
}

}  // namespace

// The system's HTTP stack checks certificates and host names itself; a redirect from
// HTTPS to plain HTTP is refused by its default policy.
DownloadOutcome DownloadToFile(const std::string& address, const std::string& path,
                               const DownloadLimits& limits, const DownloadWatcher& watcher,
                               std::string* err) {
    Address parts;
    if (!IsPermittedDownloadAddress(address) || !Crack(address, parts)) {
        if (err != nullptr) {
            *err = "only HTTPS addresses are downloaded";
        }
        return DownloadOutcome::Refused;
    }
    const Internet session(WinHttpOpen(L"Quorvex/2.5", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                       WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) {
        return Fail(err, ErrorText(GetLastError()));
    }
    const int connectMs = limits.connectSeconds * 1000;
    const int stallMs = limits.stallSeconds * 1000;
    WinHttpSetTimeouts(session.get(), connectMs, connectMs, stallMs, stallMs);
    const Internet connection(WinHttpConnect(session.get(), parts.host.c_str(), parts.port, 0));
    const Internet request(
        connection ? WinHttpOpenRequest(connection.get(), L"GET", parts.path.c_str(), nullptr,
                                        WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                        parts.secure ? WINHTTP_FLAG_SECURE : 0)
                   : nullptr);
    std::int64_t total = -1;
    if (!request ||
        !WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr) || !Answered(request.get(), total)) {
        return Fail(err, ErrorText(GetLastError()));
    }
    AtomicFileWriter file;
    if (!file.Begin(path)) {
        return Fail(err, "cannot create the file");
    }
    std::vector<char> buffer(kReadBlock);
    std::uint64_t received = 0;
    for (;;) {
        if (watcher && !watcher(received, total)) {
            return DownloadOutcome::Cancelled;
        }
        DWORD got = 0;
        if (!WinHttpReadData(request.get(), buffer.data(), kReadBlock, &got)) {
            return Fail(err, ErrorText(GetLastError()));
        }
        if (got == 0) {
            break;
        }
        received += got;
        if (limits.maxBytes != 0 && received > limits.maxBytes) {
            return Fail(err, "file too large");
        }
        if (!file.Write(std::string_view(buffer.data(), got))) {
            return Fail(err, "cannot write the file");
        }
    }
    if (!file.Commit()) {
        return Fail(err, "cannot write the file");
    }
    return DownloadOutcome::Done;
}

}  // namespace quorvex
