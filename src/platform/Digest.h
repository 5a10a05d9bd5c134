#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace quorvex {

// CRC-32 (ISO-HDLC) carried on over one more block; start with 0.
std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t size);

// MD5 of bytes fed in blocks, with the system's own implementation.
class Md5Digest {
  public:
    Md5Digest();
    ~Md5Digest();
    Md5Digest(const Md5Digest&) = delete;
    Md5Digest& operator=(const Md5Digest&) = delete;

    // False when the digest could not be set up or took no more bytes.
    bool Add(const void* data, std::size_t size);
    // 32 lower-case hex digits; empty when anything failed.
    std::string HexDigest();

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace quorvex
