#include "platform/FileText.h"

namespace quorvex {

std::string SettingsFileBytes(std::string_view text) {
    return std::string(text);
}

std::string ReaderFileBytes(std::string_view text) {
    return std::string(text);
}

std::string TextOfFileBytes(std::string_view bytes) {
    return std::string(bytes);
}

}  // namespace quorvex
