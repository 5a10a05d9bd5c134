#include "platform/TextCase.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

struct CaseRow {
    const char* small;
    const char* capital;
    bool pair;  // whether the two are one letter in two cases
};

// Edges of the Latin-1 ranges, the two signs inside them, letters beyond them, and bytes
// that are not UTF-8.
const CaseRow kRows[] = {
    {"a", "A", true},        {"z", "Z", true}, {"à", "À", true},  // U+00E0 / U+00C0, the first pair
    {"ä", "Ä", true},        {"ö", "Ö", true}, {"ø", "Ø", true},
    {"þ", "Þ", true},         // U+00FE / U+00DE, the last pair
    {"÷", "×", false},        // U+00F7 / U+00D7 are signs
    {"ÿ", "ß", false},        // U+00FF has no capital in this range
    {"œ", "Œ", false},        // U+0153 / U+0152, outside the range
    {"\xE4", "\xC4", false},  // Windows-1252 bytes, not UTF-8
    {"\xC3", "\xC3", true},   // a lone lead byte stays
};

TEST(TextCaseTest, FoldsTheLatinOneLettersOfUtf8Text) {
    for (const CaseRow& row : kRows) {
        SCOPED_TRACE(std::string(row.small) + " / " + row.capital);
        const std::string small = std::string("x") + row.small + "y";
        const std::string capital = std::string("X") + row.capital + "Y";
        EXPECT_EQ(UpperCaseLatin1(small) == capital, row.pair);
        EXPECT_EQ(LowerCaseLatin1(capital) == small, row.pair);
        EXPECT_EQ(EqualsIgnoringCase(small, capital), row.pair);
        EXPECT_EQ(UpperCaseLatin1(capital), capital);
        EXPECT_EQ(LowerCaseLatin1(small), small);
    }
}

TEST(TextCaseTest, OnlyTheByteAfterTheLeadChanges) {
    // "€" is 0xE2 0x82 0xAC: no part of it may be taken for a Latin-1 letter.
    EXPECT_EQ(UpperCaseLatin1("€ärger"), "€ÄRGER");
    EXPECT_EQ(LowerCaseLatin1("\xC3\x84\x84"), "\xC3\xA4\x84");
}

}  // namespace
}  // namespace quorvex
