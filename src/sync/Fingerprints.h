#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

class FileSystem;
class SourceFile;

// How a job compares file contents.
enum class FingerprintMethod { None, Qsm, Crc32, Md5 };

// The method a job's stored FileCheckSum value (0 none, 1 QSM, 2 CRC32, 3 MD5) asks for;
// any other value compares no content.
FingerprintMethod FingerprintMethodOf(std::uint8_t fileCheckSum);

// Content fingerprints. None reports an error: a file that cannot be read gives the
// empty text (QSM, MD5) or 0 (CRC-32), which compares like any other value.
//
// Lengths and positions are 64-bit, so files of 2 GiB and more are sampled (QSM) and
// summed (CRC-32) over their whole length like smaller ones; below 2 GiB the results are
// those of the 32-bit definitions.

// Eight sampled bytes (fewer for files under 7 bytes) as two upper-case hex digits each:
// the first byte, the last byte, then 2*sampleParameter-2 bytes spread over the first
// half. A byte is taken as signed and written as its absolute value.
std::string QsmFingerprint(FileSystem& files, const std::string& path, int sampleParameter);

// CRC-32 (ISO-HDLC) of the whole file; 0 for an empty file or one that cannot be read
// in full.
std::uint32_t Crc32Fingerprint(FileSystem& files, const std::string& path);

// The CRC as the signed decimal text the comparison uses.
std::string Crc32Text(std::uint32_t crc);

// MD5 of the whole file as 32 lower-case hex digits.
std::string Md5Fingerprint(FileSystem& files, const std::string& path);

// The fingerprint text of a file by the given method; empty for None.
std::string FingerprintText(FingerprintMethod method, FileSystem& files, const std::string& path);
// The same for a file opened already; no file reads as unreadable.
std::string FingerprintText(FingerprintMethod method, SourceFile* file);

}  // namespace quorvex
