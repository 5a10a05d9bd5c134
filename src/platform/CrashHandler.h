#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/DateTime.h"

namespace quorvex {

// Exception codes as the error report names them (the Windows codes, so reports read
// alike on every platform).
namespace exception_code {
constexpr std::uint32_t kBreakpoint = 0x80000003;
constexpr std::uint32_t kSingleStep = 0x80000004;
constexpr std::uint32_t kAccessViolation = 0xC0000005;
constexpr std::uint32_t kIllegalInstruction = 0xC000001D;
constexpr std::uint32_t kFloatDenormalOperand = 0xC000008D;
constexpr std::uint32_t kFloatDivideByZero = 0xC000008E;
constexpr std::uint32_t kFloatInexactResult = 0xC000008F;
constexpr std::uint32_t kFloatInvalidOperation = 0xC0000090;
constexpr std::uint32_t kFloatOverflow = 0xC0000091;
constexpr std::uint32_t kFloatUnderflow = 0xC0000093;
constexpr std::uint32_t kIntegerDivideByZero = 0xC0000094;
constexpr std::uint32_t kIntegerOverflow = 0xC0000095;
constexpr std::uint32_t kPrivilegedInstruction = 0xC0000096;
constexpr std::uint32_t kStackOverflow = 0xC00000FD;
}  // namespace exception_code

// Receives a fault: its exception code and the address of the faulting instruction. It
// runs on a separate stack inside the signal handler and is expected to end the process;
// if it returns, the process ends anyway.
using FaultReporter = void (*)(std::uint32_t code, std::intptr_t address, void* context);

// Catches access violations, bus errors, arithmetic faults, illegal instructions and
// breakpoints, stack overflows included. False when the handlers could not be installed.
bool InstallFaultHandler(FaultReporter reporter, void* context);
// Puts the previous handlers back.
void RemoveFaultHandler();

// Opens the program that StartReportProgramInHandler starts, now, while opening a file is
// still safe. False when it cannot be opened; a fault then starts nothing.
bool PrepareReportProgram(const std::string& path);
// This program's own file as PrepareReportProgram takes it, valid even when the file was
// renamed or replaced since the start.
std::string OwnProgramFile();

// Services a reporter may use: they allocate nothing and take no locks.
void AppendToFileInHandler(const char* path, const char* bytes, std::size_t size);
void WriteToErrorOutputInHandler(const char* bytes, std::size_t size);
// The local clock, with the zone offset that held when the handler was installed.
DateValue LocalTimeInHandler();
[[noreturn]] void EndProcessInHandler(int status);
// Replaces the faulting process with the prepared program, called with the arguments (the
// first names the program, a null pointer ends them). Returns only when that fails.
void StartReportProgramInHandler(const char* const arguments[]);

}  // namespace quorvex
