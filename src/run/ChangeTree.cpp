#include "run/ChangeTree.h"

#include <algorithm>

#include "platform/TextCase.h"
#include "program/SyncDisplay.h"

namespace quorvex {

namespace {

struct RowColumns {
    std::string job;
    std::string reason;
    std::string detail;
};

RowColumns SplitRow(const std::string& row) {
    RowColumns columns;
    const std::size_t first = row.find('|');
    columns.job = row.substr(0, first);
    if (first == std::string::npos) {
        return columns;
    }
    const std::size_t second = row.find('|', first + 1);
    columns.reason =
        row.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    if (second != std::string::npos) {
        columns.detail = row.substr(second + 1);
    }
    return columns;
}

}  // namespace

void ShowChangeTree(SyncDisplay& display, std::vector<std::string> rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const std::string& a, const std::string& b) {
        return LowerCaseLatin1(a) < LowerCaseLatin1(b);
    });
    std::string previousJob;
    std::string previousReason;
    for (const std::string& row : rows) {
        const RowColumns columns = SplitRow(row);
        if (columns.job != previousJob) {
            display.AddChangeTreeNode(0, columns.job);
            display.AddChangeTreeNode(1, columns.reason);
            previousJob = columns.job;
            previousReason = columns.reason;
        } else if (columns.reason != previousReason) {
            display.AddChangeTreeNode(1, columns.reason);
            previousReason = columns.reason;
        }
        display.AddChangeTreeNode(2, columns.detail);
    }
}

}  // namespace quorvex
