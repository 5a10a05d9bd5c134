#pragma once

#include <cstdint>
#include <string>

#include "platform/DateTime.h"

namespace quorvex {

// A yes/no option: one byte holding 0 or 1 (a hand-edited INI file may store more).
using YesNo = std::uint8_t;

constexpr std::int32_t kPriorityLow = 64;
constexpr std::int32_t kPriorityNormal = 32;
constexpr std::int32_t kPriorityHigh = 128;
constexpr std::int32_t kPriorityRealtime = 256;

// Every option of the program and the run state kept beside them. Fields stored in
// the INI file bear the name of their key.
struct Settings {
    YesNo Logging = 1;
    YesNo SecureLog = 0;
    YesNo LogfileNo = 0;
    YesNo AutoExit = 0;
    std::string SaveDrives;
    YesNo AutoMinimize = 0;
    YesNo LockWorkStation = 0;
    std::int32_t Priority = kPriorityNormal;
    YesNo UpdateCheck = 0;
    YesNo Shutdown = 0;
    YesNo Systray = 0;
    std::string LogfileDir;
    std::int32_t NTFS_TimeDifference = 2;
    std::int32_t UTC_Time = 0;
    YesNo CheckTargetSpace = 1;
    YesNo FileCheck_Date = 1;
    YesNo FileCheck_Attribute = 1;
    YesNo Filecheck_Exist = 1;
    YesNo LongTerm = 0;
    std::int32_t LongTermMinutes = 10;
    YesNo ShowStatistics = 1;
    YesNo DefaultSubDirs = 1;
    YesNo DefaultCreateTargetSubDirs = 0;
    YesNo DefaultDeleteFiles = 0;
    std::uint8_t DefaultFileCheckSum = 0;
    std::string CmdSource;
    std::string CmdTarget;
    std::string CmdExtentions;

    // Run state.
    YesNo AutoStart = 0;
    YesNo ExitAfterRun = 0;
    YesNo WindowHidden = 0;
    YesNo CommandLineGiven = 0;
    YesNo DebugMode = 0;
    YesNo ProtectDrives = 0;
    YesNo PreviewRun = 0;
    YesNo AbortRequested = 0;

    // Fixed at start-up.
    std::string ProgramFolder;  // ends with the separator
    std::string ProgramFile;
    std::string DateDisplayMask = "%dd.%mm.%yyyy %hh:%ii:%ss";
    std::string DateFileMask = "%dd%mm%yyyy_%hh%ii%ss";
    std::string HelpText;
};

// The built-in defaults for a program living in programFolder; dataFolder is where
// the log files go by default (the program folder, or a per-user folder).
Settings DefaultSettings(const std::string& programFolder, const std::string& programFile,
                         const std::string& dataFolder, DateValue now);

}  // namespace quorvex
