#include <gtest/gtest.h>

#include <string>

#include "platform/Digest.h"

namespace quorvex {
namespace {

// The published check values, and the same sums when the bytes come in several blocks.
TEST(DigestTest, CheckValuesInOneBlockAndInPieces) {
    const std::string digits = "123456789";
    EXPECT_EQ(Crc32Update(0, digits.data(), digits.size()), 0xCBF43926u);
    EXPECT_EQ(Crc32Update(Crc32Update(0, digits.data(), 4), digits.data() + 4, 5), 0xCBF43926u);
    EXPECT_EQ(Crc32Update(0, nullptr, 0), 0u);

    Md5Digest whole;
    whole.Add("abc", 3);
    EXPECT_EQ(whole.HexDigest(), "900150983cd24fb0d6963f7d28e17f72");
    Md5Digest pieces;
    pieces.Add("a", 1);
    pieces.Add("bc", 2);
    EXPECT_EQ(pieces.HexDigest(), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Md5Digest().HexDigest(), "d41d8cd98f00b204e9800998ecf8427e");
}

}  // namespace
}  // namespace quorvex
