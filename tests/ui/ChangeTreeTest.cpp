#include <gtest/gtest.h>

#include "ui/ChangeTree.h"

namespace quorvex {
namespace {

std::vector<std::string> Describe(const std::vector<ChangeTreeNode>& nodes) {
    std::vector<std::string> lines;
    for (const ChangeTreeNode& node : nodes) {
        lines.push_back(std::string(static_cast<std::size_t>(node.level) * 2, ' ') + node.text);
    }
    return lines;
}

// Records what reaches the display, as the window would show it.
class TreeRecorder : public NullSyncDisplay {
  public:
    void AddChangeTreeNode(int level, const std::string& text) override {
        nodes.push_back({level, text});
    }
    std::vector<ChangeTreeNode> nodes;
};

TEST(ChangeTreeTest, GroupsSortedRowsByJobAndReason) {
    const std::vector<std::string> rows = {
        "Job #2: Fotos|Neue Datei|b.jpg",     "Job #1: Texte|Neue Datei|z.txt",
        "Job #1: Texte|Datum geändert|a.txt", "Job #1: Texte|Neue Datei|a.txt",
        "Job #2: Fotos|Neue Datei|a.jpg",
    };
    EXPECT_EQ(Describe(GroupChangeRows(rows)), (std::vector<std::string>{
                                                   "Job #1: Texte",
                                                   "  Datum geändert",
                                                   "    a.txt",
                                                   "  Neue Datei",
                                                   "    a.txt",
                                                   "    z.txt",
                                                   "Job #2: Fotos",
                                                   "  Neue Datei",
                                                   "    a.jpg",
                                                   "    b.jpg",
                                               }));
}

TEST(ChangeTreeTest, SortingIgnoresCaseSoDifferentlyWrittenRowsStayTogether) {
    const std::vector<std::string> rows = {
        "Job #1: X|Neue Datei|B.txt",
        "Job #1: X|Neue Datei|a.txt",
        "Job #1: X|Neue Datei|c.txt",
    };
    EXPECT_EQ(Describe(GroupChangeRows(rows)),
              (std::vector<std::string>{"Job #1: X", "  Neue Datei", "    a.txt", "    B.txt",
                                        "    c.txt"}));
}

TEST(ChangeTreeTest, ADetailKeepsFurtherBarsAndShortRowsDoNotBreakTheTree) {
    const std::vector<std::string> rows = {"Job #1: X|Neue Datei|a|b.txt", "Job #1: X|Nur Grund",
                                           "Job #2: Y"};
    EXPECT_EQ(Describe(GroupChangeRows(rows)),
              (std::vector<std::string>{"Job #1: X", "  Neue Datei", "    a|b.txt", "  Nur Grund",
                                        "    ", "Job #2: Y", "  ", "    "}));
}

TEST(ChangeTreeTest, ShowingRowsAddsTheGroupedNodesToTheDisplay) {
    TreeRecorder display;
    ShowChangeTree(display, {"Job #1: X|Neue Datei|a.txt"});
    EXPECT_EQ(Describe(display.nodes),
              (std::vector<std::string>{"Job #1: X", "  Neue Datei", "    a.txt"}));
    EXPECT_TRUE(GroupChangeRows({}).empty());
}

}  // namespace
}  // namespace quorvex
