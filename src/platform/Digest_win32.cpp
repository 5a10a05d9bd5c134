#include <windows.h>

#include <bcrypt.h>

#include <array>

#include "platform/Digest.h"

namespace quorvex {

namespace {

// The reflected polynomial of CRC-32/ISO-HDLC.
constexpr std::uint32_t kPolynomial = 0xEDB88320u;

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t value = n;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1u) != 0 ? kPolynomial ^ (value >> 1) : value >> 1;
        }
        table[n] = value;
    }
    return table;
}

}  // namespace

std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint32_t value = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        value = table[(value ^ bytes[i]) & 0xFFu] ^ (value >> 8);
    }
    return ~value;
}

class Md5Digest::Impl {
  public:
    Impl() {
        ok = BCRYPT_SUCCESS(
                 BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0)) &&
             BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0));
    }
    ~Impl() {
        if (hash != nullptr) {
            BCryptDestroyHash(hash);
        }
        if (algorithm != nullptr) {
            BCryptCloseAlgorithmProvider(algorithm, 0);
        }
    }

    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    bool ok = false;
};

Md5Digest::Md5Digest() : impl_(std::make_unique<Impl>()) {}

Md5Digest::~Md5Digest() = default;

bool Md5Digest::Add(const void* data, std::size_t size) {
    auto* bytes = static_cast<PUCHAR>(const_cast<void*>(data));
    while (impl_->ok && size > 0) {
        const ULONG part = size > 0x40000000 ? 0x40000000 : static_cast<ULONG>(size);
        impl_->ok = BCRYPT_SUCCESS(BCryptHashData(impl_->hash, bytes, part, 0));
        bytes += part;
        size -= part;
    }
    return impl_->ok;
}

std::string Md5Digest::HexDigest() {
    unsigned char digest[16];
    if (!impl_->ok || !BCRYPT_SUCCESS(BCryptFinishHash(impl_->hash, digest, sizeof digest, 0))) {
        return std::string();
    }
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (unsigned char byte : digest) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0xF];
    }
    return text;
}

}  // namespace quorvex
