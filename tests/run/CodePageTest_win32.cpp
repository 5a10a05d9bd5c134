#include <gtest/gtest.h>

#include "config/IniFile.h"
#include "program/RunLog.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

using test::ReadFile;

// The program's texts are UTF-8; on Windows its own files hold Windows-1252 bytes.
class CodePageTest : public ::testing::Test {
  protected:
    std::string WriteIni(const std::string& source) {
        IniFile ini;
        EXPECT_TRUE(ini.CreateForWriting(dir / "Quorvex.ini"));
        ini.SelectGroup("Job #1");
        ini.WriteText("Title", "Größe € Übersicht");
        ini.WriteText("Source", source);
        EXPECT_TRUE(ini.Close());
        EXPECT_TRUE(ini.OpenForReading(dir / "Quorvex.ini"));
        EXPECT_TRUE(ini.SelectGroup("Job #1"));
        EXPECT_EQ(ini.ReadText("Title", ""), "Größe € Übersicht");
        return ini.ReadText("Source", "");
    }

    test::TempDir dir;
    Settings settings;
    test::RecordingDialogs dialogs;
    SystemClock systemClock;
    Clock* clock = &systemClock;
    RunLog log{settings, dialogs, clock};
};

TEST_F(CodePageTest, SettingsFileIsWindows1252UnlessAPathNeedsMore) {
    EXPECT_EQ(WriteIni("C:\\Bücher\\"), "C:\\Bücher\\");
    EXPECT_EQ(ReadFile(dir / "Quorvex.ini"),
              "[Job #1]\r\nTitle = Gr\xF6\xDF"
              "e \x80 \xDC"
              "bersicht\r\nSource = C:\\B\xFC"
              "cher\\\r\n");

    // Ω has no byte in Windows-1252: the file keeps UTF-8 behind a byte-order mark.
    EXPECT_EQ(WriteIni("C:\\Ωmega\\"), "C:\\Ωmega\\");
    EXPECT_EQ(ReadFile(dir / "Quorvex.ini").substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(CodePageTest, LogsAreWindows1252AndMarkWhatItLacks) {
    log.SetDebugLogPath(dir / "Quorvex_DEBUG.log");
    settings.DebugMode = 1;
    for (const int secure : {0, 1}) {
        settings.SecureLog = secure;
        log.SetPath(dir / ("Quorvex" + std::to_string(secure) + ".log"));
        log.BeginRunLog();
        log.WriteLog("Prüfung C:\\Ωmega\\");
        ASSERT_TRUE(log.EndRunLog());
        EXPECT_EQ(ReadFile(log.Path()),
                  "Pr\xFC"
                  "fung C:\\[U+03A9]mega\\\r\n");
    }
    EXPECT_NE(ReadFile(dir / "Quorvex_DEBUG.log")
                  .find("] Pr\xFC"
                        "fung C:\\[U+03A9]mega\\\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace quorvex
