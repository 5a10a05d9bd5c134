#include "sync/ExtensionFilter.h"

#include <gtest/gtest.h>

#include "platform/TextCase.h"

namespace quorvex {
namespace {

bool Taken(const std::string& filter, const std::string& name) {
    return PassesFilter(UpperCaseLatin1(filter), UpperCaseLatin1(ExtensionOf(name)));
}

TEST(ExtensionFilterTest, ExtensionIsTheTextAfterTheLastDot) {
    EXPECT_EQ(ExtensionOf("x.tar.gz"), "gz");
    EXPECT_EQ(ExtensionOf("README"), "README");
    EXPECT_EQ(ExtensionOf(".htaccess"), "htaccess");
    EXPECT_EQ(ExtensionOf("trailing."), "");
}

TEST(ExtensionFilterTest, IncludeListIsAPlainSubstringSearch) {
    EXPECT_TRUE(Taken(".jpg,.gif", "Photo.JPG"));
    EXPECT_FALSE(Taken(".jpg,.gif", "a.tar.gz"));
    EXPECT_TRUE(Taken(".jpg,.gif", "x.g"));
    EXPECT_FALSE(Taken(".jpg,.gif", "README"));
    EXPECT_FALSE(Taken(".jpg,.gif", "name."));
    EXPECT_TRUE(Taken("README", "readme"));
    EXPECT_TRUE(Taken(".txt", "b\xE4.TXT")) << "bytes that are not UTF-8 stay alone";
}

TEST(ExtensionFilterTest, ExcludeListTakesEverythingElse) {
    EXPECT_FALSE(Taken("!.tmp", "a.tmp"));
    EXPECT_FALSE(Taken("!.tmp", "a.TMP"));
    EXPECT_TRUE(Taken("!.tmp", "a.txt"));
    EXPECT_TRUE(Taken("!.tmp", "name."));
    EXPECT_TRUE(Taken("!", "anything.at.all"));
}

TEST(ExtensionFilterTest, EmptyFilterTakesEveryFile) {
    EXPECT_TRUE(Taken("", "a.b"));
    EXPECT_TRUE(Taken("", "name."));
}

TEST(ExtensionFilterTest, LatinOneLettersMatchInEitherCase) {
    EXPECT_TRUE(Taken("ärger", "brief.ÄRGER"));
    EXPECT_FALSE(Taken("!.ÆRGER", "brief.ærger"));
}

}  // namespace
}  // namespace quorvex
