#include "support/LocalHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace quorvex::test {

namespace {

int BoundLoopbackSocket(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("no loopback socket");
    }
    port = ntohs(address.sin_port);
    return fd;
}

bool SendAll(int client, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t done = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (done <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(done);
    }
    return true;
}

// The path of "GET <path> HTTP/1.1", once the request's head is complete.
std::string ReadRequestPath(int client) {
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return "";
        }
        head.append(buffer, static_cast<std::size_t>(got));
    }
    const std::size_t start = head.find(' ') + 1;
    return head.substr(start, head.find(' ', start) - start);
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
    listener_ = BoundLoopbackSocket(port_);
    if (listen(listener_, 8) != 0 || pipe2(stopPipe_, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot listen");
    }
    thread_ = std::thread([this]() { Loop(); });
}

LocalHttpServer::~LocalHttpServer() {
    (void)!write(stopPipe_[1], "x", 1);
    thread_.join();
    close(listener_);
    close(stopPipe_[0]);
    close(stopPipe_[1]);
}

void LocalHttpServer::Serve(const std::string& path, Reply reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    replies_[path] = std::move(reply);
}

std::string LocalHttpServer::Address() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

std::vector<std::string> LocalHttpServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void LocalHttpServer::Loop() {
    for (;;) {
        pollfd watched[2] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (poll(watched, 2, -1) < 0 || (watched[1].revents & POLLIN) != 0) {
            return;
        }
        const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            Answer(client);
            close(client);
        }
    }
}

void LocalHttpServer::Answer(int client) {
    const std::string path = ReadRequestPath(client);
    Reply reply;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(path);
        const auto found = replies_.find(path);
        reply = found != replies_.end() ? found->second : Reply{404, "nicht da", false, 0, 0, ""};
    }
    const std::string head = "HTTP/1.1 " + std::to_string(reply.status) +
                             (reply.status == 200 ? " OK" : " Error") +
                             (reply.location.empty() ? "" : "\r\nLocation: " + reply.location) +
                             "\r\nContent-Length: " + std::to_string(reply.body.size()) +
                             "\r\nConnection: close\r\n\r\n";
    if (!SendAll(client, head)) {
        return;
    }
    if (reply.stall) {
        Pause(client, -1);
        return;
    }
    SendBody(client, reply);
}

void LocalHttpServer::SendBody(int client, const Reply& reply) {
    const std::size_t piece = reply.pieceBytes != 0 ? reply.pieceBytes : reply.body.size();
    for (std::size_t at = 0; at < reply.body.size(); at += piece) {
        if (!SendAll(client, reply.body.substr(at, piece))) {
            return;
        }
        if (reply.pieceMilliseconds > 0 && !Pause(client, reply.pieceMilliseconds)) {
            return;
        }
    }
}

bool LocalHttpServer::Pause(int client, int milliseconds) {
    pollfd watched[2] = {{client, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    return poll(watched, 2, milliseconds) == 0;
}

std::string RefusingAddress() {
    int port = 0;
    const int fd = BoundLoopbackSocket(port);
    close(fd);
    return "http://127.0.0.1:" + std::to_string(port);
}

}  // namespace quorvex::test
