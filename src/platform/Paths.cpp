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

}  // namespace quorvex
