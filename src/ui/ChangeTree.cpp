#include "ui/ChangeTree.h"

#include <algorithm>

namespace quorvex {

namespace {

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(FoldAscii(x)) < static_cast<unsigned char>(FoldAscii(y));
    });
}

struct ChangeRow {
    std::string job;
    std::string reason;
    std::string detail;
};

// The detail keeps any further "|", so a file name containing one stays whole.
ChangeRow SplitRow(const std::string& row) {
    ChangeRow parts;
    const std::size_t first = row.find('|');
    if (first == std::string::npos) {
        parts.job = row;
        return parts;
    }
    parts.job = row.substr(0, first);
    const std::size_t second = row.find('|', first + 1);
    if (second == std::string::npos) {
        parts.reason = row.substr(first + 1);
        return parts;
    }
    parts.reason = row.substr(first + 1, second - first - 1);
    parts.detail = row.substr(second + 1);
    return parts;
}

}  // namespace

std::vector<ChangeTreeNode> GroupChangeRows(std::vector<std::string> rows) {
    std::stable_sort(rows.begin(), rows.end(), LessIgnoringCase);
    std::vector<ChangeTreeNode> nodes;
    std::string previousJob;
    std::string previousReason;
    for (const std::string& row : rows) {
        const ChangeRow parts = SplitRow(row);
        if (parts.job != previousJob) {
            nodes.push_back({0, parts.job});
            nodes.push_back({1, parts.reason});
            previousJob = parts.job;
            previousReason = parts.reason;
        } else if (parts.reason != previousReason) {
            nodes.push_back({1, parts.reason});
            previousReason = parts.reason;
        }
        nodes.push_back({2, parts.detail});
    }
    return nodes;
}

void ShowChangeTree(SyncDisplay& display, const std::vector<std::string>& rows) {
    for (const ChangeTreeNode& node : GroupChangeRows(rows)) {
        display.AddChangeTreeNode(node.level, node.text);
    }
}

}  // namespace quorvex
