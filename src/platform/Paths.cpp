#include "platform/Paths.h"

namespace quorvex {

bool EndsWithSeparator(std::string_view path) {
    return !path.empty() && path.back() == kPathSeparator;
}

std::string WithTrailingSeparator(std::string_view path) {
    std::string result(path);
    if (!EndsWithSeparator(result)) {
        result += kPathSeparator;
    }
    return result;
}

std::string WithoutTrailingSeparators(std::string_view path) {
    std::string result(path);
    while (result.size() > 1 && EndsWithSeparator(result)) {
        result.pop_back();
    }
    return result;
}

std::string ParentFolderOf(std::string_view path) {
    const std::string trimmed = WithoutTrailingSeparators(path);
    return trimmed.substr(0, trimmed.rfind(kPathSeparator) + 1);
}

std::string LastPartOf(std::string_view path) {
    const std::string trimmed = WithoutTrailingSeparators(path);
    return trimmed.substr(trimmed.rfind(kPathSeparator) + 1);
}

}  // namespace quorvex
