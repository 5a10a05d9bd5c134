#include "platform/TemporaryName.h"

#include <random>

#include "platform/FileSystem.h"

namespace quorvex {

namespace {

constexpr char kTemporaryPrefix[] = ".quorvex-";
constexpr std::size_t kTemporaryLetters = 6;
constexpr char kNameLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace

std::string NewTemporaryName() {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kNameLetters - 2);
    std::string name = kTemporaryPrefix;
    for (std::size_t i = 0; i < kTemporaryLetters; ++i) {
        name += kNameLetters[pick(generator)];
    }
    return name;
}

bool IsTemporaryFileName(const std::string& name) {
    const std::size_t prefix = sizeof kTemporaryPrefix - 1;
    return name.size() == prefix + kTemporaryLetters &&
           name.compare(0, prefix, kTemporaryPrefix) == 0 &&
           name.find_first_not_of(kNameLetters, prefix) == std::string::npos;
}

}  // namespace quorvex
