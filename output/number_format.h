// printf-style formatting of one number with a point as decimal separator. A value that is not
// finite (a quotient whose divisor is 0, for instance) is shown as "-": no output ever holds
// "nan" or "inf".
#pragma once

#include <string>

// fmt is one printf conversion for a double, e.g. "%1.3f", "%2.0f", "%f".
std::string FormatNumber(const char* fmt, double value);

// printf into a std::string (any arguments; the caller guarantees finite doubles).
std::string Printf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
