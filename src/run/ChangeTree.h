#pragma once

#include <string>
#include <vector>

namespace quorvex {

class SyncDisplay;

// Shows the change rows ("job|reason|detail") as a three-level tree: rows sorted without
// regard to case, a job node for each new job, a reason node for each new reason.
void ShowChangeTree(SyncDisplay& display, std::vector<std::string> rows);

}  // namespace quorvex
