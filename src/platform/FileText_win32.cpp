#include <optional>

#include "platform/FileText.h"
#include "platform/Windows1252.h"

namespace quorvex {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}

std::string SettingsFileBytes(std::string_view text) {
    if (std::optional<std::string> bytes = ToWindows1252(text)) {
        return *bytes;
    }
    return std::string(kByteOrderMark) + std::string(text);
}

std::string ReaderFileBytes(std::string_view text) {
    return ToWindows1252Marked(text);
}

std::string TextOfFileBytes(std::string_view bytes) {
    if (bytes.size() > 2 && bytes.substr(0, 3) == kByteOrderMark) {
        return std::string(bytes);
    }
    return FromWindows1252(bytes);
}

}  // namespace quorvex
