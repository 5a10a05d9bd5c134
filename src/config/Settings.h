#pragma once

#include <cstdint>
#include <string>

#include "platform/DateTime.h"

namespace quorvex {

// A yes/no option: one byte holding 0 or 1 (a hand-edited INI file may store more).
using YesNo = std::uint8_t;

// A switch is on only when it holds exactly 1; any other value a hand-edited file leaves
// counts as off.
constexpr bool IsOn(std::int32_t value) {
    return value == 1;
}

constexpr std::int32_t kPriorityLow = 64;
constexpr std::int32_t kPriorityNormal = 32;
constexpr std::int32_t kPriorityHigh = 128;
constexpr std::int32_t kPriorityRealtime = 256;

// The longest period the long-term mode accepts: a day.
constexpr std::int32_t kMaxLongTermMinutes = 1440;

// Every option of the program, from the INI file, the command line and the window.
// Fields stored in the INI file bear the name of their key.
struct Settings {
    YesNo Logging = 1;          // write the run log
    YesNo SecureLog = 0;        // log lines go straight to the file instead of being collected
    YesNo LogfileNo = 0;        // a separate, date-named log file per run
    YesNo AutoExit = 0;         // end the program when a run is over
    std::string SaveDrives;     // protected mount points joined by ","; targets there are refused
    YesNo AutoMinimize = 0;     // minimise the main window during a run
    YesNo LockWorkStation = 0;  // end the user's session after the run
    std::int32_t Priority = kPriorityNormal;  // process priority class during runs
    YesNo UpdateCheck = 0;                    // look for an update at start-up
    YesNo Shutdown = 0;                       // shut the computer down after the run
    YesNo Systray = 0;                        // show a tray icon instead of the window during a run
    std::string LogfileDir;  // folder of the log files; empty or ending with the separator
    std::int32_t NTFS_TimeDifference = 2;  // seconds of difference the date comparison tolerates
    std::int32_t UTC_Time = 0;          // time-zone state code kept for the UTC correction; 0 = off
    YesNo CheckTargetSpace = 1;         // check the free space on the target before copying
    YesNo FileCheck_Date = 1;           // copy files whose dates differ
    YesNo FileCheck_Attribute = 1;      // copy files whose attributes differ
    YesNo Filecheck_Exist = 1;          // copy files missing in the target
    YesNo LongTerm = 0;                 // repeat the run every LongTermMinutes
    std::int32_t LongTermMinutes = 10;  // period of the long-term mode, 1 to kMaxLongTermMinutes
    YesNo ShowStatistics = 1;           // show the statistics window at the end of a run
    YesNo DefaultSubDirs = 1;  // SubDirs of the command-line job and of a job lacking the key
    YesNo DefaultCreateTargetSubDirs = 0;  // the same for CreateTargetSubDirs
    YesNo DefaultDeleteFiles = 0;          // the same for DeleteFiles
    std::uint8_t DefaultFileCheckSum = 0;  // the same for FileCheckSum
    std::string CmdSource;      // source folder of the command-line job, ending with the separator
    std::string CmdTarget;      // target folder of the command-line job, ending with the separator
    std::string CmdExtentions;  // extension filter of the command-line job ("!" excludes)

    // Given for the whole session, mostly by the command line.
    YesNo AutoStart = 0;  // run the command-line job as soon as the program is up
    // The main loop ends the program at its next pass: set by "-exit", by AutoExit at the
    // end of a run and by a request to end the process during one; "START!" clears it.
    YesNo ExitAfterRun = 0;
    YesNo WindowHidden = 0;      // the main window stays invisible; the main loop ends at once
    YesNo CommandLineGiven = 0;  // started with arguments: the INI file is neither read nor written
    YesNo DebugMode = 0;         // write the debug-log traces
    YesNo ProtectDrives = 0;     // SaveDrives applies and is saved

    // Fixed at start-up.
    std::string ProgramFolder;  // folder of the program file, ending with the separator
    std::string ProgramFile;    // the program file's name without folder
    std::string DateDisplayMask = "%dd.%mm.%yyyy %hh:%ii:%ss";  // dates in lists and details
    std::string DateFileMask = "%dd%mm%yyyy_%hh%ii%ss";         // dates inside file names
    std::string HelpText;                                       // the information page's text
};

// The built-in defaults for a program living in programFolder; dataFolder is where
// the log files go by default (the program folder, or a per-user folder).
Settings DefaultSettings(const std::string& programFolder, const std::string& programFile,
                         const std::string& dataFolder, DateValue now);

}  // namespace quorvex
