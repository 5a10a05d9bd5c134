#include <gtest/gtest.h>

#include <cstdint>
#include <regex>

#include "app/SystemErrorReport.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace quorvex {
namespace {

TEST(SystemErrorReportTest, ErrorTextsForKnownAndUnknownCodes) {
    EXPECT_STREQ(ErrorText(0), "No Error");
    EXPECT_STREQ(ErrorText(0xC0000094), "Attempted division by zero");
    EXPECT_STREQ(ErrorText(0xC000013A),
                 "CONTROL_C_EXIT Lets the debugger know the user hit Ctrl-C. ");
    EXPECT_STREQ(ErrorText(0xC0000095), "UNKNOWN Error");
    EXPECT_STREQ(ErrorText(0xC0000092),
                 "FLOAT_STACK_CHECK A floating point stack overflowed or underflow. This "
                 "related to the baroque design of the floating point unit.");
}

TEST(SystemErrorReportTest, TheAddressIsASignedDecimalNumber) {
    EXPECT_EQ(SystemErrorMessage(0xC0000094, 0x10000).View(),
              "Fehler:\rAttempted division by zero\r\rAdresse:65536");
    EXPECT_EQ(SystemErrorMessage(0x12345678, -2147483648LL).View(),
              "Fehler:\rUNKNOWN Error\r\rAdresse:-2147483648");
    EXPECT_EQ(SystemErrorMessage(0, INTPTR_MIN).View(),
              "Fehler:\rNo Error\r\rAdresse:" + std::to_string(INTPTR_MIN));
}

struct Crash {
    test::ProcessResult result;
    long long functionAddress = 0;
    long long reportedAddress = -1;
    std::string description;
};

// Runs the probe, which prints where its failing function starts and then fails in it.
Crash RunCrashProbe(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{QUORVEX_CRASH_PROBE};
    command.insert(command.end(), arguments.begin(), arguments.end());
    Crash crash;
    crash.result = test::RunProcess(command);
    crash.functionAddress = std::atoll(crash.result.out.c_str());
    std::smatch match;
    static const std::regex kReport(
        "^Quorvex v2\\.5 -SYSTEMFEHLER: Fehler:\n(.*)\n\nAdresse:(-?[0-9]+)\n$");
    if (std::regex_match(crash.result.err, match, kReport)) {
        crash.description = match[1];
        crash.reportedAddress = std::atoll(match[2].str().c_str());
    }
    return crash;
}

void ExpectReport(const Crash& crash, const std::string& description) {
    EXPECT_EQ(crash.result.exitStatus, 1);
    EXPECT_EQ(crash.description, description) << crash.result.err;
    // The address is the faulting instruction's, inside the failing function.
    EXPECT_GE(crash.reportedAddress, crash.functionAddress);
    EXPECT_LT(crash.reportedAddress, crash.functionAddress + 4096);
}

TEST(SystemErrorReportTest, AFaultEndsTheProgramWithAReport) {
    ExpectReport(RunCrashProbe({"divide"}), "Attempted division by zero");
    ExpectReport(RunCrashProbe({"null"}),
                 "An attemped read or write to/from an address to which that process isn't "
                 "allowed");
    ExpectReport(RunCrashProbe({"overflow"}),
                 "Stack overflow.Can occur during errant recursion, or when a function creates "
                 "a particularly large array on the stack.");
}

TEST(SystemErrorReportTest, ASecureRunLogKeepsItsLinesAndGetsTheErrorLine) {
    test::TempDir dir;
    const Crash crash = RunCrashProbe({"divide", dir / "debug.log", dir / "Quorvex.log", "1"});
    ExpectReport(crash, "Attempted division by zero");
    EXPECT_EQ(test::ReadFile(dir / "Quorvex.log"),
              "Zeile vor dem Fehler\r\nSYSTEMFEHLER: Attempted division by zero\r\n");
    const std::string debug = test::ReadFile(dir / "debug.log");
    EXPECT_TRUE(std::regex_match(debug, std::regex("\\[\\d\\d:\\d\\d:\\d\\d\\] Zeile vor dem "
                                                   "Fehler\r\n\\[\\d\\d:\\d\\d:\\d\\d\\] "
                                                   "SYSTEMFEHLER: Attempted division by zero\r\n")))
        << debug;
}

TEST(SystemErrorReportTest, ABufferedRunLogIsLost) {
    test::TempDir dir;
    ExpectReport(RunCrashProbe({"null", dir / "debug.log", dir / "Quorvex.log", "0"}),
                 "An attemped read or write to/from an address to which that process isn't "
                 "allowed");
    EXPECT_FALSE(test::PathExists(dir / "Quorvex.log"));
    EXPECT_NE(test::ReadFile(dir / "debug.log").find("SYSTEMFEHLER: An attemped read"),
              std::string::npos);
}

}  // namespace
}  // namespace quorvex
