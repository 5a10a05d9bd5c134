#include "support/TreeCheck.h"

#include <regex>

#include "platform/FileText.h"
#include "support/TempDir.h"

namespace quorvex::test {

std::vector<std::string> MaskLines(std::vector<std::string> lines) {
    static const std::regex duration("\\d{2,}:\\d{2}:\\d{2}(\\.\\d+)?");
    static const std::regex rate("^(kB/s|Bytes/s) geschrieben: .*");
    for (std::string& line : lines) {
        if (line.rfind("DATUM: ", 0) == 0) {
            line = "DATUM: <date>";
        } else if (line.rfind("OS: ", 0) == 0) {
            line = "OS: <system>";
        } else {
            line = std::regex_replace(line, rate, "$1 geschrieben: <rate>");
            line = std::regex_replace(line, duration, "<time>");
        }
    }
    return lines;
}

std::vector<std::string> MaskedLogLines(const std::string& logPath) {
    const std::string text = TextOfFileBytes(ReadFile(logPath));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return MaskLines(lines);
}

std::vector<std::string> LogSection(const std::vector<std::string>& lines, const std::string& from,
                                    const std::string& to) {
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!inside && line == from) {
            inside = true;
        } else if (inside && !to.empty() && line == to) {
            break;
        }
        if (inside) {
            section.push_back(line);
        }
    }
    return section;
}

}  // namespace quorvex::test
