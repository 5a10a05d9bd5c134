#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "ui/Licence.h"

namespace quorvex {
namespace {

TEST(LicenceTest, TheFileHoldsTheGermanTextWithCrLfLines) {
    test::TempDir dir;
    const DateValue now = MakeDateValue({2031, 5, 1, 9, 0, 0});
    ASSERT_TRUE(WriteLicenceFile(dir / kLicenceFileName, now));
    const std::string text = test::ReadFile(dir / kLicenceFileName);
    EXPECT_EQ(text.rfind("LIZENZBEDINGUNGEN\r\n", 0), 0u);
    EXPECT_EQ(text, LicenceText(now) + "\r\n");
    EXPECT_NE(text.find("2031"), std::string::npos);
    EXPECT_GT(text.size(), 2000u);
    EXPECT_LT(text.size(), 2600u);
    EXPECT_NE(text.find("Haftungsausschluss"), std::string::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_GT(i, 0u);
            EXPECT_EQ(text[i - 1], '\r') << "at " << i;
        }
    }
}

TEST(LicenceTest, AFolderThatCannotHoldTheFileIsReported) {
    test::TempDir dir;
    EXPECT_FALSE(WriteLicenceFile(dir / "fehlt/" + kLicenceFileName, 0));
    const std::string message = LicenceFailureMessage();
    EXPECT_EQ(message.rfind("Konnte temporäre Lizenzdatei nicht anlegen!\r\n\r\n", 0), 0u);
    EXPECT_NE(message.find("@"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
