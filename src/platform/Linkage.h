#pragma once

// Markers the compilers spell differently.

#if defined(_WIN32)
// A function the program finds in its window module by name.
#define QUORVEX_EXPORT __declspec(dllexport)
#else
#define QUORVEX_EXPORT __attribute__((visibility("default")))
#endif

#if defined(__GNUC__)
// Data that must stay in the program file although no code seems to need it.
#define QUORVEX_KEEP __attribute__((used))
#else
#define QUORVEX_KEEP
#endif
