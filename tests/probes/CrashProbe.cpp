// Installs the system error report like the program does, writes one log line, prints
// the address of the function that is about to fail and then fails in it. With -window,
// the report is a window shown by PROGRAM, as in a window session:
//   quorvex_crash_probe [-window PROGRAM] divide|null|overflow [DEBUG_LOG RUN_LOG SECURE(0/1)]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/SystemErrorReport.h"
#include "program/RunLog.h"
#include "ui/ConsoleDialogs.h"

namespace {

__attribute__((noinline)) int DivideByZero(int dividend) {
    volatile int divisor = 0;
    return dividend / divisor;
}

__attribute__((noinline)) int WriteThroughNull(int value) {
    volatile int* volatile pointer = nullptr;
    *pointer = value;
    return value;
}

// The limit is never reached; it only keeps the compiler from seeing an endless call.
__attribute__((noinline)) int Recurse(int depth, int limit) {
    volatile char block[4096];
    block[0] = static_cast<char>(depth);
    if (depth == limit) {
        return block[0];
    }
    return Recurse(depth + 1, limit) + block[0];
}

void PrintAddress(const void* function) {
    std::printf("%lld\n", static_cast<long long>(reinterpret_cast<std::intptr_t>(function)));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const char* windowProgram = nullptr;
    if (argc >= 3 && std::strcmp(argv[1], "-window") == 0) {
        windowProgram = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc < 2) {
        return 2;
    }
    quorvex::Settings settings;
    quorvex::ConsoleDialogs dialogs;
    quorvex::SystemClock systemClock;
    quorvex::Clock* clock = &systemClock;
    quorvex::RunLog log(settings, dialogs, clock);
    if (argc >= 5) {
        settings.DebugMode = 1;
        settings.SecureLog = static_cast<quorvex::YesNo>(std::atoi(argv[4]));
        log.SetDebugLogPath(argv[2]);
        log.SetPath(argv[3]);
    }
    quorvex::SystemErrorReport report(settings, log);
    if (windowProgram != nullptr) {
        report.ShowAsWindowBy(windowProgram);
    }
    log.WriteLog("Zeile vor dem Fehler");

    const std::string mode = argv[1];
    if (mode == "divide") {
        PrintAddress(reinterpret_cast<const void*>(&DivideByZero));
        return DivideByZero(argc);
    }
    if (mode == "null") {
        PrintAddress(reinterpret_cast<const void*>(&WriteThroughNull));
        return WriteThroughNull(argc);
    }
    if (mode == "overflow") {
        PrintAddress(reinterpret_cast<const void*>(&Recurse));
        return Recurse(0, -1);
    }
    return 2;
}
