#include <gtest/gtest.h>

#include <cstdint>

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
    const std::string& err = crash.result.err;
    const std::string head = "Quorvex v2.5 -SYSTEMFEHLER: Fehler:\n";
    const std::size_t address = err.find("\n\nAdresse:");
    if (err.compare(0, head.size(), head) == 0 && address != std::string::npos &&
        err.back() == '\n') {
        crash.description = err.substr(head.size(), address - head.size());
        const std::string digits = err.substr(address + 10, err.size() - address - 11);
        if (digits.find_first_not_of("-0123456789") == std::string::npos) {
            crash.reportedAddress = std::atoll(digits.c_str());
        }
    }
    return crash;
}

// The address is the faulting instruction's, inside the failing function; a stack overflow
// may meet the end of the stack in the compiler's stack probe helper (Windows) instead.
void ExpectReport(const Crash& crash, const std::string& description, bool inFunction = true) {
    EXPECT_EQ(crash.result.exitStatus, 1);
    EXPECT_EQ(crash.description, description) << crash.result.err;
    if (inFunction) {
        EXPECT_GE(crash.reportedAddress, crash.functionAddress);
        EXPECT_LT(crash.reportedAddress, crash.functionAddress + 4096);
    } else {
        EXPECT_GT(crash.reportedAddress, 0);
    }
}

TEST(SystemErrorReportTest, AFaultEndsTheProgramWithAReport) {
    ExpectReport(RunCrashProbe({"divide"}), "Attempted division by zero");
    ExpectReport(RunCrashProbe({"null"}),
                 "An attemped read or write to/from an address to which that process isn't "
                 "allowed");
    ExpectReport(RunCrashProbe({"overflow"}),
                 "Stack overflow.Can occur during errant recursion, or when a function creates "
                 "a particularly large array on the stack.",
                 false);
}

TEST(SystemErrorReportTest, ASecureRunLogKeepsItsLinesAndGetsTheErrorLine) {
    test::TempDir dir;
    const Crash crash = RunCrashProbe({"divide", dir / "debug.log", dir / "Quorvex.log", "1"});
    ExpectReport(crash, "Attempted division by zero");
    EXPECT_EQ(test::ReadFile(dir / "Quorvex.log"),
              "Zeile vor dem Fehler\r\nSYSTEMFEHLER: Attempted division by zero\r\n");
    // Both lines carry the "[hh:mm:ss] " stamp.
    std::string debug = test::ReadFile(dir / "debug.log");
    for (std::size_t at : {std::size_t{0}, debug.find("\r\n") + 2}) {
        ASSERT_LT(at + 11, debug.size()) << debug;
        EXPECT_TRUE(debug[at] == '[' && debug[at + 3] == ':' && debug[at + 6] == ':' &&
                    debug.compare(at + 9, 2, "] ") == 0)
            << debug;
        debug.replace(at + 1, 8, "hh:mm:ss");
    }
    EXPECT_EQ(debug,
              "[hh:mm:ss] Zeile vor dem Fehler\r\n"
              "[hh:mm:ss] SYSTEMFEHLER: Attempted division by zero\r\n");
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
