#include <openssl/evp.h>
#include <zlib.h>

#include "platform/Digest.h"

namespace quorvex {

std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t size) {
    uLong value = crc;
    const auto* bytes = static_cast<const Bytef*>(data);
    // zlib counts in 32-bit lengths.
    while (size > 0) {
        const uInt part = size > 0x40000000 ? 0x40000000 : static_cast<uInt>(size);
        value = crc32(value, bytes, part);
        bytes += part;
        size -= part;
    }
    return static_cast<std::uint32_t>(value);
}

class Md5Digest::Impl {
  public:
    Impl() : context(EVP_MD_CTX_new()) {
        ok = context != nullptr && EVP_DigestInit_ex(context, EVP_md5(), nullptr) == 1;
    }
    ~Impl() { EVP_MD_CTX_free(context); }

    EVP_MD_CTX* context;
    bool ok;
};

Md5Digest::Md5Digest() : impl_(std::make_unique<Impl>()) {}

Md5Digest::~Md5Digest() = default;

bool Md5Digest::Add(const void* data, std::size_t size) {
    impl_->ok = impl_->ok && EVP_DigestUpdate(impl_->context, data, size) == 1;
    return impl_->ok;
}

std::string Md5Digest::HexDigest() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!impl_->ok || EVP_DigestFinal_ex(impl_->context, digest, &length) != 1) {
        return std::string();
    }
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += kHex[digest[i] >> 4];
        text += kHex[digest[i] & 0xF];
    }
    return text;
}

}  // namespace quorvex
