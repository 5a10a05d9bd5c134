#pragma once

#include <string>
#include <vector>

#include "ui/SyncDisplay.h"

namespace quorvex {

struct ChangeTreeNode {
    int level = 0;  // 0 job, 1 reason, 2 detail
    std::string text;
};

// Sorts the "job|reason|detail" rows ignoring case and groups them into the three
// levels of the change tree: a job node opens when the job changes, a reason node when
// the reason changes, and every row adds its detail.
std::vector<ChangeTreeNode> GroupChangeRows(std::vector<std::string> rows);

// Adds the grouped rows to the display's change tree (the run empties it at its start).
void ShowChangeTree(SyncDisplay& display, const std::vector<std::string>& rows);

}  // namespace quorvex
