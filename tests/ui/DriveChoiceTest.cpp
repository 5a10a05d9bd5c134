#include <gtest/gtest.h>

#include "ui/DriveChoice.h"

namespace quorvex {
namespace {

// Root, a USB stick, the same name in other case, a share, a CD, a RAM disk, an unknown
// file system and a mount point that cannot be stored in the comma-separated list.
const MountEntry kDrives[] = {
    {"/", kDriveFixed, "root", "1234-ABCD"}, {"/media/USB", kDriveFixed, "", ""},
    {"/media/usb", kDriveRemovable, "", ""}, {"/mnt/nas", kDriveRemote, "", ""},
    {"/mnt/cd", kDriveOptical, "", ""},      {"/run/ram", kDriveRam, "", ""},
    {"/srv/odd", kDriveUnknown, "", ""},     {"/mnt/a,b", kDriveFixed, "", ""},
};

using Action = void (DriveChoice::*)();

struct RulesCase {
    const char* name;
    const char* incoming;
    std::vector<Action> clicks;
    const char* accepted;
};

TEST(DriveChoiceTest, ButtonsTickTheirDrivesAndUbernehmenJoinsTheTickedOnes) {
    const RulesCase cases[] = {
        {"incoming ticks exact, case-sensitive elements; absent ones are dropped",
         "/media/usb,/mnt/nas,/gone,/mnt/a,b",
         {},
         "/media/usb,/mnt/nas"},
        {"a prefix of a mount point is not that mount point", "/media,/mnt/na", {}, ""},
        {"nothing ticked protects nothing", "/", {&DriveChoice::TickNone}, ""},
        {"Lokale after Alle leaves network and unknown unticked",
         "",
         {&DriveChoice::TickAll, &DriveChoice::TickLocal},
         "/,/media/USB,/media/usb,/mnt/cd,/run/ram"},
        {"Alle skips what cannot be stored",
         "",
         {&DriveChoice::TickAll},
         "/,/media/USB,/media/usb,/mnt/nas,/mnt/cd,/run/ram,/srv/odd"},
        {"Festplatten", "/mnt/nas", {&DriveChoice::TickHardDisks}, "/,/media/USB"},
        {"Netzwerk", "/", {&DriveChoice::TickNetwork}, "/mnt/nas"},
    };
    for (const RulesCase& test : cases) {
        DriveChoice choice(test.incoming);
        for (const MountEntry& drive : kDrives) {
            choice.Add(drive);
        }
        for (Action click : test.clicks) {
            (choice.*click)();
        }
        EXPECT_EQ(choice.Accepted(), test.accepted) << test.name;
        EXPECT_EQ(choice.Closed(), test.incoming) << test.name;
    }
}

TEST(DriveChoiceTest, AMountPointWithACommaCannotBeTickedAndSaysWhy) {
    DriveChoice choice("");
    choice.Add(kDrives[7]);
    choice.SetTicked(0, true);
    EXPECT_FALSE(choice.Ticked(0));
    EXPECT_FALSE(choice.Tickable(0));
    EXPECT_NE(DriveUntickableReason("/mnt/a,b").find("Komma"), std::string::npos);
    EXPECT_EQ(DriveUntickableReason("/mnt/a b"), "");
}

TEST(DriveChoiceTest, TypeTextsAndListingTitle) {
    const std::pair<int, const char*> texts[] = {
        {0, "Unbekannt"},        {1, "Kein ROOT Laufwerk"},  {2, "Wechseldatenträger"},
        {3, "Lokales Laufwerk"}, {4, "Entferntes Laufwerk"}, {5, "CD/DVD-Laufwerk"},
        {6, "RAM-Laufwerk"},     {7, "[Nicht ermittelbar]"}, {-1, "[Nicht ermittelbar]"}};
    for (const auto& [code, text] : texts) {
        EXPECT_EQ(DriveTypeText(code), text) << code;
    }
    EXPECT_EQ(DriveListingTitle(0), "Ermittle Laufwerke");
    EXPECT_EQ(DriveListingTitle(3), "Ermittle Laufwerke...");
}

}  // namespace
}  // namespace quorvex
