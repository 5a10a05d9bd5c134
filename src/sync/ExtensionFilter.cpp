#include "sync/ExtensionFilter.h"

namespace quorvex {

namespace {

bool OccursIn(std::string_view extension, std::string_view text) {
    return !extension.empty() && text.find(extension) != std::string_view::npos;
}

}  // namespace

std::string_view ExtensionOf(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

bool PassesFilter(std::string_view upperFilter, std::string_view upperExtension) {
    const bool excluding = !upperFilter.empty() && upperFilter.front() == '!';
    if (!excluding && OccursIn(upperExtension, upperFilter)) {
        return true;
    }
    if (upperFilter.empty()) {
        return true;
    }
    return excluding && !OccursIn(upperExtension, upperFilter.substr(1));
}

}  // namespace quorvex
