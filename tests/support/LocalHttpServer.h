#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorvex::test {

// A small web server on 127.0.0.1 for the downloads, answering one request at a time
// from its own thread. Paths it was not given answer 404.
class LocalHttpServer {
  public:
    struct Reply {
        int status = 200;
        std::string body;
        // Sends the headers, then nothing until the client gives up or the server stops.
        bool stall = false;
        // Sends the body in pieces of this many bytes with a pause between them.
        std::size_t pieceBytes = 0;
        int pieceMilliseconds = 0;
        // Sent as the "Location" of a redirect (status 302).
        std::string location;
    };

    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    void Serve(const std::string& path, Reply reply);
    // "http://127.0.0.1:<port>"
    std::string Address() const;
    // The paths asked for, in order.
    std::vector<std::string> Requests() const;

  private:
    void Loop();
    void Answer(int client);
    void SendBody(int client, const Reply& reply);
    // Waits until the server stops, the client leaves or the time is up (-1: no limit);
    // true only when the time is up.
    bool Pause(int client, int milliseconds);

    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    int port_ = 0;
    mutable std::mutex mutex_;
    std::map<std::string, Reply> replies_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A loopback address on which nothing listens: connecting is refused at once.
std::string RefusingAddress();

}  // namespace quorvex::test
