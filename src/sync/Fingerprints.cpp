#include "sync/Fingerprints.h"

#include <memory>
#include <vector>

#include "platform/Digest.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace {

constexpr std::size_t kReadBlock = 256 * 1024;

void AppendSample(std::string& text, SourceFile* file, std::int64_t position) {
    const int byte = file->ReadByteAt(position);
    int value = 0;
    if (byte >= 0) {
        const int asSigned = byte > 127 ? byte - 256 : byte;
        value = asSigned < 0 ? -asSigned : asSigned;
    }
    static const char kHex[] = "0123456789ABCDEF";
    text += kHex[(value >> 4) & 0xF];
    text += kHex[value & 0xF];
}

std::string QsmOf(SourceFile* file, int sampleParameter) {
    if (file == nullptr) {
        return std::string();
    }
    const std::int64_t length = file->Length();
    std::string text;
    AppendSample(text, file, 0);
    AppendSample(text, file, length - 1);
    std::int64_t samples = 2 * static_cast<std::int64_t>(sampleParameter) - 2;
    if (length > 0 && length <= samples) {
        samples = length - 2;
    }
    if (samples <= 0) {
        return text;
    }
    const std::int64_t step = length / (2 * samples);
    for (std::int64_t i = 1; i <= samples; ++i) {
        AppendSample(text, file, i * step);
    }
    return text;
}

std::uint32_t Crc32Of(SourceFile* file) {
    if (file == nullptr || file->Length() == 0) {
        return 0;
    }
    std::vector<unsigned char> buffer(kReadBlock);
    std::uint32_t crc = 0;
    std::int64_t remaining = file->Length();
    while (remaining > 0) {
        const std::size_t want = remaining < static_cast<std::int64_t>(buffer.size())
                                     ? static_cast<std::size_t>(remaining)
                                     : buffer.size();
        const long got = file->Read(buffer.data(), want);
        if (got <= 0) {
            return 0;
        }
        crc = Crc32Update(crc, buffer.data(), static_cast<std::size_t>(got));
        remaining -= got;
    }
    return crc;
}

std::string Md5Of(SourceFile* file) {
    if (file == nullptr) {
        return std::string();
    }
    Md5Digest digest;
    std::vector<unsigned char> buffer(kReadBlock);
    long got;
    while ((got = file->Read(buffer.data(), buffer.size())) > 0) {
        digest.Add(buffer.data(), static_cast<std::size_t>(got));
    }
    return digest.HexDigest();
}

}  // namespace

std::string QsmFingerprint(FileSystem& files, const std::string& path, int sampleParameter) {
    return QsmOf(files.OpenFile(path, nullptr, nullptr).get(), sampleParameter);
}

std::uint32_t Crc32Fingerprint(FileSystem& files, const std::string& path) {
    return Crc32Of(files.OpenFile(path, nullptr, nullptr).get());
}

std::string Crc32Text(std::uint32_t crc) {
    return std::to_string(static_cast<std::int32_t>(crc));
}

std::string Md5Fingerprint(FileSystem& files, const std::string& path) {
    return Md5Of(files.OpenFile(path, nullptr, nullptr).get());
}

FingerprintMethod FingerprintMethodOf(std::uint8_t fileCheckSum) {
    switch (fileCheckSum) {
        case 1:
            return FingerprintMethod::Qsm;
        case 2:
            return FingerprintMethod::Crc32;
        case 3:
            return FingerprintMethod::Md5;
        default:
            return FingerprintMethod::None;
    }
}

std::string FingerprintText(FingerprintMethod method, SourceFile* file) {
    switch (method) {
        case FingerprintMethod::Qsm:
            return QsmOf(file, 4);
        case FingerprintMethod::Crc32:
            return Crc32Text(Crc32Of(file));
        case FingerprintMethod::Md5:
            return Md5Of(file);
        case FingerprintMethod::None:
            break;
    }
    return std::string();
}

std::string FingerprintText(FingerprintMethod method, FileSystem& files, const std::string& path) {
    return FingerprintText(method, files.OpenFile(path, nullptr, nullptr).get());
}

}  // namespace quorvex
