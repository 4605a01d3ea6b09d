// Invariants checked in every build, whatever NDEBUG says: a broken one ends the program with
// its reason on standard error instead of running on with a wrong record or a wrong file.
#pragma once

// Writes "file:line: check failed: condition: reason" to standard error and aborts.
[[noreturn]] void CheckFailed(const char* condition, const char* reason, const char* file, int line);

// WENT_CHECK(condition, "reason"): the reason says which invariant the condition guards.
#define WENT_CHECK(condition, reason) \
    ((condition) ? static_cast<void>(0) : CheckFailed(#condition, reason, __FILE__, __LINE__))
