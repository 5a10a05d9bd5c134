#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/DateTime.h"
#include "support/ForkedChild.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "ui/NewFolderRequest.h"

namespace quorvex {
namespace {

class NewFolderRequestTest : public ::testing::Test {
  protected:
    std::string Request(FolderSide side, const std::string& parent) {
        return RequestNewFolder(dialogs, side, parent, "%dd%mm%yyyy_%hh%ii%ss", now);
    }

    test::TempDir dir;
    test::RecordingDialogs dialogs;
    const DateValue now = MakeDateValue({2025, 3, 14, 9, 30, 5});
};

TEST_F(NewFolderRequestTest, TheQuestionProposesANameWithTheTimeForEachSide) {
    Request(FolderSide::Source, dir.path());
    Request(FolderSide::Target, dir / "ziel/");
    ASSERT_EQ(dialogs.textRequests.size(), 2u);
    EXPECT_EQ(dialogs.textRequests[0].title, "Neuen Ordner anlegen");
    EXPECT_EQ(dialogs.textRequests[0].prompt, dir.path());
    EXPECT_EQ(dialogs.textRequests[0].proposal, "Source_14032025_093005");
    EXPECT_EQ(dialogs.textRequests[1].prompt, dir / "ziel/");
    EXPECT_EQ(dialogs.textRequests[1].proposal, "BackUp_14032025_093005");
}

TEST_F(NewFolderRequestTest, TheAnsweredNameIsCreatedInsideTheFolder) {
    dialogs.textAnswers = {"Größe neu"};
    EXPECT_EQ(Request(FolderSide::Source, dir.path()), dir / "Größe neu/");
    struct stat info {};
    ASSERT_EQ(stat((dir / "Größe neu").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(NewFolderRequestTest, NoAnswerCreatesNothing) {
    EXPECT_EQ(Request(FolderSide::Target, dir.path()), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(NewFolderRequestTest, AFolderThatCannotBeMadeIsReportedForItsSide) {
    test::MakeFolder(dir / "da");
    dialogs.textAnswers = {"fehlt/neu", "da"};
    EXPECT_EQ(Request(FolderSide::Source, dir.path()), "");
    EXPECT_EQ(Request(FolderSide::Target, dir.path()), "");
    EXPECT_FALSE(test::PathExists(dir / "fehlt"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Neuer Ordner konnte auf Quelle nicht angelegt werden!");
    EXPECT_EQ(dialogs.messages[1].text, "Neuer Ordner konnte auf Ziel nicht angelegt werden!");
    EXPECT_EQ(dialogs.messages[0].title, "Quorvex");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
}

TEST_F(NewFolderRequestTest, AFolderWithoutWriteAccessIsReported) {
    test::MakeFolder(dir / "offen");
    test::MakeFolder(dir / "gesperrt");
    chmod(dir.path().c_str(), 0755);
    chmod((dir / "offen").c_str(), 0777);
    chmod((dir / "gesperrt").c_str(), 0555);
    const int status = test::RunInChild([&] {
        if (!test::DropToNobody()) {
            return 3;
        }
        dialogs.textAnswers = {"neu", "neu"};
        const bool created = !Request(FolderSide::Target, dir / "offen/").empty();
        const bool refused = Request(FolderSide::Target, dir / "gesperrt/").empty();
        return created && refused && dialogs.messages.size() == 1 ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(test::PathExists(dir / "offen/neu"));
    EXPECT_FALSE(test::PathExists(dir / "gesperrt/neu"));
}

}  // namespace
}  // namespace quorvex
