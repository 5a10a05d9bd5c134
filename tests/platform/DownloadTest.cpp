#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Download.h"
#include "support/LocalHttpServer.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

TEST(DownloadAddressTest, OnlyHttpsOrPlainHttpToThisMachine) {
    const struct {
        const char* address;
        bool permitted;
    } cases[] = {
        {"https://www.quorvex.invalid/download/Quorvex.version", true},
        {"HTTPS://update.example/", true},
        {"https://", false},
        {"http://127.0.0.1:8080/download", true},
        {"HTTP://127.9.200.1/", true},
        {"http://localhost:1234/", true},
        {"http://[::1]:80/x", true},
        {"http://www.quorvex.invalid/", false},
        {"http://127.0.0.1.evil.example/", false},
        {"http://localhost.evil.example/", false},
        {"http://127.0.0.1@evil.example/", false},
        {"http://evil.example\\@127.0.0.1/", false},
        {"http://127.1/", false},
        {"http://128.0.0.1/", false},
        {"http://127.0.0.256/", false},
        {"ftp://127.0.0.1/", false},
        {"file:///etc/passwd", false},
        {"127.0.0.1/download", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPermittedDownloadAddress(c.address), c.permitted) << c.address;
    }
}

class DownloadTest : public ::testing::Test {
  protected:
    DownloadOutcome Fetch(const std::string& path, DownloadLimits limits = {}) {
        return DownloadToFile(server.Address() + path, File(), limits, nullptr, &reason);
    }
    std::string File() const { return dir / "geladen"; }

    test::TempDir dir;
    test::LocalHttpServer server;
    std::string reason;
};

TEST_F(DownloadTest, TheFileAppearsOnlyWhenTheWholeDownloadSucceeded) {
    const std::string body(300000, 'q');
    server.Serve("/gut", {200, body, false, 7000, 0, ""});
    server.Serve("/gross", {200, std::string(5000, 'x'), false, 0, 0, ""});
    server.Serve("/umleitung", {302, "", false, 0, 0, server.Address() + "/gut"});

    test::WriteFile(File(), "alt");
    EXPECT_EQ(Fetch("/fehlt"), DownloadOutcome::Failed);
    EXPECT_NE(reason.find("404"), std::string::npos) << reason;
    DownloadLimits small;
    small.maxBytes = 4096;
    EXPECT_EQ(Fetch("/gross", small), DownloadOutcome::Failed);
    // A redirect may lead to HTTPS only, not back to plain HTTP.
    EXPECT_EQ(Fetch("/umleitung"), DownloadOutcome::Failed);
    EXPECT_EQ(test::ReadFile(File()), "alt");

    std::uint64_t lastReceived = 0;
    std::int64_t lastTotal = 0;
    const DownloadWatcher watch = [&](std::uint64_t received, std::int64_t total) {
        lastReceived = std::max(lastReceived, received);
        lastTotal = total;
        return true;
    };
    EXPECT_EQ(DownloadToFile(server.Address() + "/gut", File(), {}, watch, &reason),
              DownloadOutcome::Done);
    EXPECT_EQ(test::ReadFile(File()), body);
    EXPECT_EQ(lastReceived, body.size());
    EXPECT_EQ(lastTotal, static_cast<std::int64_t>(body.size()));
    EXPECT_EQ(server.Requests(),
              (std::vector<std::string>{"/fehlt", "/gross", "/umleitung", "/gut"}));
}

TEST_F(DownloadTest, StallsRefusalsAndCancelsLeaveNothingBehind) {
    server.Serve("/haengt", {200, "nie", true, 0, 0, ""});
    server.Serve("/langsam", {200, std::string(100000, 's'), false, 1000, 20, ""});
    DownloadLimits quick;
    quick.stallSeconds = 1;
    EXPECT_EQ(Fetch("/haengt", quick), DownloadOutcome::Failed);
    EXPECT_EQ(DownloadToFile(test::RefusingAddress() + "/x", File(), {}, nullptr, &reason),
              DownloadOutcome::Failed);
    EXPECT_EQ(DownloadToFile("http://www.quorvex.invalid/x", File(), {}, nullptr, &reason),
              DownloadOutcome::Refused);
    int calls = 0;
    EXPECT_EQ(DownloadToFile(server.Address() + "/langsam", File(), {},
                             [&calls](std::uint64_t, std::int64_t) { return ++calls < 5; }),
              DownloadOutcome::Cancelled);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "a partial file was left";
}

}  // namespace
}  // namespace quorvex
