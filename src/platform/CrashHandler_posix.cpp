#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <ucontext.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <vector>

#include "platform/CrashHandler.h"
#include "platform/Descriptors_posix.h"

namespace quorvex {

namespace {

constexpr int kFaultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP};
constexpr std::size_t kSignalCount = sizeof kFaultSignals / sizeof kFaultSignals[0];
constexpr std::size_t kAlternateStackSize = 256 * 1024;
// Below the lowest stack page the kernel keeps a guard gap; a fault there is an overflow.
constexpr std::uintptr_t kStackGuardSlack = 1024 * 1024;
// A fault this close to the stack pointer hit the end of the stack.
constexpr std::uintptr_t kStackPointerSlack = 64 * 1024;

// Signal dispositions belong to the whole process, and a handler can reach its reporter
// only through static storage: this is the one place that keeps such state.
struct FaultState {
    FaultReporter reporter = nullptr;
    void* context = nullptr;
    DateValue zoneOffset = 0;
    std::uintptr_t stackLow = 0;
    std::uintptr_t stackHigh = 0;
    std::vector<char> alternateStack;
    struct sigaction previous[kSignalCount] = {};
    bool installed = false;
    int reportProgram = -1;
};

FaultState& State() {
    static FaultState state;
    return state;
}

struct Registers {
    std::uintptr_t instruction = 0;
    std::uintptr_t stack = 0;
};

Registers RegistersOf(const siginfo_t* info, const void* context) {
    Registers registers;
    const auto* machine = static_cast<const ucontext_t*>(context);
#if defined(__x86_64__)
    registers.instruction = static_cast<std::uintptr_t>(machine->uc_mcontext.gregs[REG_RIP]);
    registers.stack = static_cast<std::uintptr_t>(machine->uc_mcontext.gregs[REG_RSP]);
#elif defined(__i386__)
    registers.instruction = static_cast<std::uintptr_t>(machine->uc_mcontext.gregs[REG_EIP]);
    registers.stack = static_cast<std::uintptr_t>(machine->uc_mcontext.gregs[REG_ESP]);
#elif defined(__aarch64__)
    registers.instruction = static_cast<std::uintptr_t>(machine->uc_mcontext.pc);
    registers.stack = static_cast<std::uintptr_t>(machine->uc_mcontext.sp);
#else
    (void)machine;
    registers.instruction = reinterpret_cast<std::uintptr_t>(info->si_addr);
#endif
    (void)info;
    return registers;
}

bool IsStackOverflow(std::uintptr_t faultAddress, std::uintptr_t stackPointer) {
    const FaultState& state = State();
    const bool inStackRange = state.stackHigh != 0 &&
                              faultAddress + kStackGuardSlack >= state.stackLow &&
                              faultAddress < state.stackHigh;
    const bool nearStackPointer = stackPointer != 0 &&
                                  faultAddress + kStackPointerSlack >= stackPointer &&
                                  faultAddress <= stackPointer + kStackPointerSlack;
    return inStackRange || nearStackPointer;
}

std::uint32_t ArithmeticCode(int reason) {
    switch (reason) {
        case FPE_INTDIV:
            return exception_code::kIntegerDivideByZero;
        case FPE_INTOVF:
            return exception_code::kIntegerOverflow;
        case FPE_FLTDIV:
            return exception_code::kFloatDivideByZero;
        case FPE_FLTOVF:
            return exception_code::kFloatOverflow;
        case FPE_FLTUND:
            return exception_code::kFloatUnderflow;
        case FPE_FLTRES:
            return exception_code::kFloatInexactResult;
        default:
            return exception_code::kFloatInvalidOperation;
    }
}

std::uint32_t ExceptionCodeFor(int signal, const siginfo_t* info, const Registers& registers) {
    switch (signal) {
        case SIGSEGV:
            return IsStackOverflow(reinterpret_cast<std::uintptr_t>(info->si_addr), registers.stack)
                       ? exception_code::kStackOverflow
                       : exception_code::kAccessViolation;
        case SIGBUS:
            return exception_code::kAccessViolation;
        case SIGFPE:
            return ArithmeticCode(info->si_code);
        case SIGILL:
            return info->si_code == ILL_PRVOPC || info->si_code == ILL_PRVREG
                       ? exception_code::kPrivilegedInstruction
                       : exception_code::kIllegalInstruction;
        default:
            return info->si_code == TRAP_TRACE ? exception_code::kSingleStep
                                               : exception_code::kBreakpoint;
    }
}

void OnFault(int signal, siginfo_t* info, void* context) {
    const Registers registers = RegistersOf(info, context);
    const FaultState& state = State();
    if (state.reporter != nullptr) {
        state.reporter(ExceptionCodeFor(signal, info, registers),
                       static_cast<std::intptr_t>(registers.instruction), state.context);
    }
    EndProcessInHandler(128 + signal);
}

void RecordStackBounds(FaultState& state) {
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0) {
        return;
    }
    void* low = nullptr;
    std::size_t size = 0;
    if (pthread_attr_getstack(&attributes, &low, &size) == 0) {
        state.stackLow = reinterpret_cast<std::uintptr_t>(low);
        state.stackHigh = state.stackLow + size;
    }
    pthread_attr_destroy(&attributes);
}

DateValue CurrentZoneOffset() {
    return static_cast<DateValue>(CurrentDateValue() - static_cast<std::int64_t>(time(nullptr)));
}

}  // namespace

bool InstallFaultHandler(FaultReporter reporter, void* context) {
    FaultState& state = State();
    RemoveFaultHandler();
    state.alternateStack.assign(kAlternateStackSize, 0);
    stack_t stack{};
    stack.ss_sp = state.alternateStack.data();
    stack.ss_size = state.alternateStack.size();
    if (sigaltstack(&stack, nullptr) != 0) {
        return false;
    }
    RecordStackBounds(state);
    state.zoneOffset = CurrentZoneOffset();
    state.reporter = reporter;
    state.context = context;

    struct sigaction action {};
    action.sa_sigaction = OnFault;
    // A second fault while reporting ends the process with the default action.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : kFaultSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        sigaction(kFaultSignals[i], &action, &state.previous[i]);
    }
    state.installed = true;
    return true;
}

void RemoveFaultHandler() {
    FaultState& state = State();
    if (!state.installed) {
        return;
    }
    for (std::size_t i = 0; i < kSignalCount; ++i) {
        sigaction(kFaultSignals[i], &state.previous[i], nullptr);
    }
    stack_t stack{};
    stack.ss_flags = SS_DISABLE;
    sigaltstack(&stack, nullptr);
    state.alternateStack.clear();
    state.alternateStack.shrink_to_fit();
    state.reporter = nullptr;
    state.context = nullptr;
    state.installed = false;
    if (state.reportProgram >= 0) {
        close(state.reportProgram);
        state.reportProgram = -1;
    }
}

bool PrepareReportProgram(const std::string& path) {
    FaultState& state = State();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    if (state.reportProgram >= 0) {
        close(state.reportProgram);
    }
    state.reportProgram = fd;
    return true;
}

std::string OwnProgramFile() {
    return "/proc/self/exe";
}

void AppendToFileInHandler(const char* path, const char* bytes, std::size_t size) {
    const int fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd >= 0) {
        WriteAll(fd, bytes, size);
        close(fd);
    }
}

void WriteToErrorOutputInHandler(const char* bytes, std::size_t size) {
    WriteAll(STDERR_FILENO, bytes, size);
}

DateValue LocalTimeInHandler() {
    return static_cast<DateValue>(static_cast<std::int64_t>(time(nullptr)) + State().zoneOffset);
}

void EndProcessInHandler(int status) {
    _exit(status);
}

void StartReportProgramInHandler(const char* const arguments[]) {
    const int program = State().reportProgram;
    if (program < 0) {
        return;
    }
    // The mask survives the exec: the new program must meet its own faults unblocked.
    sigset_t faults;
    sigemptyset(&faults);
    for (const int signal : kFaultSignals) {
        sigaddset(&faults, signal);
    }
    sigprocmask(SIG_UNBLOCK, &faults, nullptr);
    fexecve(program, const_cast<char* const*>(arguments), environ);
}

}  // namespace quorvex
