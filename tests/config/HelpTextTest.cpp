#include <gtest/gtest.h>

#include "config/HelpText.h"
#include "config/Settings.h"

namespace quorvex {
namespace {

TEST(HelpTextTest, IsBuiltFromItsPiecesInOrder) {
    const std::string text = BuildHelpText(MakeDateValue({2026, 12, 7, 10, 0, 0}));
    EXPECT_EQ(text.rfind("\r\nQuorvex v2.5\r\n(c) Quorvex-Team 2026\r\n\r\nWeb: ", 0), 0u);
    const std::size_t description = text.find("### BESCHREIBUNG:\r\n");
    const std::size_t switches = text.find("### KOMMANDO-ZEILEN-PARAMETER:\r\n-s [DIR] = ");
    const std::size_t note = text.find(
        "-noexistcheck = Beim Vergleich wird nicht auf Existenz geprüft\r\n\r\n### HINWEIS:\r\n"
        "Bitte lesen Sie die Readme.txt.\r\n\r\n### DANKE:\r\n");
    ASSERT_NE(description, std::string::npos);
    ASSERT_NE(switches, std::string::npos);
    ASSERT_NE(note, std::string::npos);
    EXPECT_LT(description, switches);
    EXPECT_LT(switches, note);
    EXPECT_NE(text.find("-securelog = Sicheres Logging\r\n (Einträge wird direkt gespeichert, "
                        "verbraucht kein Speicher)\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("-debug"), std::string::npos);
    const std::string ending = "Besonderen Dank auch an alle die bisher gespendet haben!\r\n";
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
}

TEST(SettingsTest, DefaultsAreTheBuiltInOnes) {
    const Settings settings = DefaultSettings("/opt/quorvex/", "quorvex", "/opt/quorvex/", 0);
    EXPECT_EQ(settings.Logging, 1);
    EXPECT_EQ(settings.Priority, 32);
    EXPECT_EQ(settings.NTFS_TimeDifference, 2);
    EXPECT_EQ(settings.CheckTargetSpace, 1);
    EXPECT_EQ(settings.LongTermMinutes, 10);
    EXPECT_EQ(settings.ShowStatistics, 1);
    EXPECT_EQ(settings.DefaultSubDirs, 1);
    EXPECT_EQ(settings.LogfileDir, "/opt/quorvex/");
    EXPECT_EQ(settings.DateDisplayMask, "%dd.%mm.%yyyy %hh:%ii:%ss");
    EXPECT_EQ(settings.DateFileMask, "%dd%mm%yyyy_%hh%ii%ss");
    EXPECT_FALSE(settings.HelpText.empty());
}

}  // namespace
}  // namespace quorvex
