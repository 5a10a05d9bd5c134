#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "config/OptionTable.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

std::set<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        found.insert("-" + (*it)[1].str());
    }
    return found;
}

// The manual page and the shell completion are written by hand; a switch added to the
// table must reach both, and neither may offer one the parser refuses.
TEST(UserDocsTest, ManualPageAndCompletionNameExactlyTheSwitchesOfTheTable) {
    std::set<std::string> switches;
    for (const OptionRow& row : OptionTable()) {
        for (const char* name : {row.switchName, row.switchAlias}) {
            if (name != nullptr) {
                switches.insert(name);
            }
        }
    }
    // The switches named in the tag lines of the manual's list of switches.
    std::string manual = test::ReadFile(QUORVEX_DATA_DIR "/quorvex.1");
    manual.erase(manual.find(".SH DATEIEN"));
    const std::regex tag(R"(\.TP\n(\.[BIR]+ [^\n]*))");
    std::string tags;
    for (auto it = std::sregex_iterator(manual.begin(), manual.end(), tag);
         it != std::sregex_iterator(); ++it) {
        tags += (*it)[1].str() + "\n";
    }
    EXPECT_EQ(Matches(tags, std::regex(R"(\\-([a-z0-9]+))")), switches);

    const std::string completion = test::ReadFile(QUORVEX_DATA_DIR "/quorvex.bash-completion");
    const std::size_t start = completion.find("switches='");
    const std::string listed = completion.substr(start, completion.find('\'', start + 10) - start);
    EXPECT_EQ(Matches(listed, std::regex(R"(-([a-z0-9]+))")), switches);
}

}  // namespace
}  // namespace quorvex
