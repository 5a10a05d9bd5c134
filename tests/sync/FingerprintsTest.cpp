#include "sync/Fingerprints.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "platform/RealFileSystem.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) {
        text += static_cast<char>(value);
    }
    return text;
}

class FingerprintsTest : public ::testing::Test {
  protected:
    std::string Make(const std::string& name, const std::string& contents) {
        const std::string path = dir / name;
        test::WriteFile(path, contents);
        return path;
    }
    test::TempDir dir;
    RealFileSystem files;
};

TEST_F(FingerprintsTest, QsmWorkedExamples) {
    EXPECT_EQ(QsmFingerprint(files, Make("abc", "abc"), 4), "616362");
    std::string counting;
    for (int i = 0; i < 24; ++i) {
        counting += static_cast<char>(i);
    }
    EXPECT_EQ(QsmFingerprint(files, Make("count", counting), 4), "0017020406080A0C");
    std::string pattern;
    for (int i = 0; i < 10; ++i) {
        pattern += Bytes({0x01, 0xFF, 0x80, 0x7F});
    }
    EXPECT_EQ(QsmFingerprint(files, Make("pattern", pattern), 4), "017F7F8001017F80");
}

TEST_F(FingerprintsTest, QsmLengthsOfShortAndEmptyFiles) {
    EXPECT_EQ(QsmFingerprint(files, Make("empty", ""), 4), "0000000000000000");
    const std::size_t expectedDigits[] = {0, 4, 4, 6, 8, 10, 12, 16, 16};
    for (std::size_t length = 1; length <= 8; ++length) {
        EXPECT_EQ(
            QsmFingerprint(files, Make("f" + std::to_string(length), std::string(length, 'x')), 4)
                .size(),
            expectedDigits[length])
            << length;
    }
    // Files of 7 to 11 bytes sample the first byte six more times.
    EXPECT_EQ(QsmFingerprint(files, Make("seven", "A23456Z"), 4), "415A414141414141");
}

TEST_F(FingerprintsTest, QsmSeesOnlyItsSamples) {
    std::string content(100, 'a');
    const std::string original = QsmFingerprint(files, Make("original", content), 4);
    std::string secondHalf = content;
    secondHalf[70] = 'b';
    EXPECT_EQ(QsmFingerprint(files, Make("second", secondHalf), 4), original);
    std::string lastByte = content;
    lastByte[99] = 'b';
    EXPECT_NE(QsmFingerprint(files, Make("last", lastByte), 4), original);
    // 0x01 and 0xFF are written alike.
    EXPECT_EQ(QsmFingerprint(files, Make("one", Bytes({1, 1, 1})), 4),
              QsmFingerprint(files, Make("ff", Bytes({0xFF, 1, 0xFF})), 4));
}

TEST_F(FingerprintsTest, Crc32IsTheStandardValueAsSignedText) {
    EXPECT_EQ(Crc32Fingerprint(files, Make("check", "123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32Text(0xCBF43926u), "-873187034");
    EXPECT_EQ(Crc32Text(0xFFFFFFFFu), "-1");
    EXPECT_EQ(Crc32Text(0x12345678u), "305419896");
    EXPECT_EQ(FingerprintText(FingerprintMethod::Crc32, files, Make("empty", "")), "0");
}

TEST_F(FingerprintsTest, Crc32StreamsFilesLargerThanItsBuffer) {
    std::string content(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<char>(i * 7 + i / 4096);
    }
    const uLong expected =
        crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(content.data()),
              static_cast<uInt>(content.size()));
    EXPECT_EQ(Crc32Fingerprint(files, Make("big", content)), static_cast<std::uint32_t>(expected));
}

TEST_F(FingerprintsTest, Md5OfKnownInputs) {
    EXPECT_EQ(Md5Fingerprint(files, Make("empty", "")), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Md5Fingerprint(files, Make("abc", "abc")), "900150983cd24fb0d6963f7d28e17f72");
}

TEST_F(FingerprintsTest, UnreadableFilesGiveEqualTextsWithEveryMethod) {
    const std::string missing = dir / "missing";
    for (std::uint8_t stored = 1; stored <= 3; ++stored) {
        const FingerprintMethod method = FingerprintMethodOf(stored);
        EXPECT_EQ(FingerprintText(method, files, missing),
                  FingerprintText(method, files, dir / "other"));
        EXPECT_EQ(FingerprintText(method, files, dir.path()),
                  FingerprintText(method, files, missing))
            << "a folder is not read";
    }
    EXPECT_EQ(FingerprintText(FingerprintMethodOf(2), files, missing), "0");
    EXPECT_EQ(FingerprintText(FingerprintMethodOf(3), files, missing), "");
    EXPECT_EQ(FingerprintText(FingerprintMethodOf(7), files, Make("read", "abc")), "")
        << "an unknown stored value compares no content";
}

}  // namespace
}  // namespace quorvex
