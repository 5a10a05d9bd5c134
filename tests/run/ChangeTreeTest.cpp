#include <gtest/gtest.h>

#include "program/SyncDisplay.h"
#include "run/ChangeTree.h"

namespace quorvex {
namespace {

// The tree as the display receives it, each node indented by its level.
class TreeRecorder : public NullSyncDisplay {
  public:
    void AddChangeTreeNode(int level, const std::string& text) override {
        nodes.push_back(std::string(static_cast<std::size_t>(level) * 2, ' ') + text);
    }
    std::vector<std::string> nodes;
};

std::vector<std::string> Tree(const std::vector<std::string>& rows) {
    TreeRecorder display;
    ShowChangeTree(display, rows);
    return display.nodes;
}

TEST(ChangeTreeTest, GroupsSortedRowsByJobAndReason) {
    const std::vector<std::string> rows = {
        "Job #2: Fotos|Neue Datei|b.jpg",     "Job #1: Texte|Neue Datei|z.txt",
        "Job #1: Texte|Datum geändert|a.txt", "Job #1: Texte|Neue Datei|a.txt",
        "Job #2: Fotos|Neue Datei|a.jpg",
    };
    EXPECT_EQ(Tree(rows), (std::vector<std::string>{
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
    EXPECT_EQ(Tree(rows), (std::vector<std::string>{"Job #1: X", "  Neue Datei", "    a.txt",
                                                    "    B.txt", "    c.txt"}));
}

TEST(ChangeTreeTest, ADetailKeepsFurtherBarsAndShortRowsDoNotBreakTheTree) {
    const std::vector<std::string> rows = {"Job #1: X|Neue Datei|a|b.txt", "Job #1: X|Nur Grund",
                                           "Job #2: Y"};
    EXPECT_EQ(Tree(rows),
              (std::vector<std::string>{"Job #1: X", "  Neue Datei", "    a|b.txt", "  Nur Grund",
                                        "    ", "Job #2: Y", "  ", "    "}));
}

TEST(ChangeTreeTest, NoRowsNoNodes) {
    EXPECT_TRUE(Tree({}).empty());
}

}  // namespace
}  // namespace quorvex
