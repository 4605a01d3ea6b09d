// The failure end of WENT_CHECK.
#include "model/check.h"

#include <cstdio>
#include <cstdlib>

void CheckFailed(const char* condition, const char* reason, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: check failed: %s: %s\n", file, line, condition, reason);
    std::fflush(stderr);
    std::abort();
}
