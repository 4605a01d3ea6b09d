// The edit-box number conversion: the C conversion rules, read locale-independently.
#include "dialogs/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

TEST(text_to_number, decimal_texts)
{
    struct Row { const char* Name; const char* Text; double Expected; };
    const Row rows[] = {
        {"plain", "1.2", 1.2},
        {"comma ends the number", "0,25", 0.0},
        {"comma after digits", "1,2", 1.0},
        {"blanks, sign, exponent, junk after", " -1.5e3x", -1500.0},
        {"exponent without digits is not taken", "1e", 1.0},
        {"exponent sign without digits", "2e+", 2.0},
        {"exponent with sign", "25E-2", 0.25},
        {"fraction only", ".5", 0.5},
        {"point after digits", "7.", 7.0},
        {"sign and point without digits", "-.", 0.0},
        {"infinity is not a number here", "inf", 0.0},
        {"nor is nan", "nan", 0.0},
        {"hexadecimal reads its leading zero", "0x10", 0.0},
        {"overflow", "1e999", HUGE_VAL},
        {"negative overflow", "-1e999", -HUGE_VAL},
        {"long mantissa overflow", "123456789e301", HUGE_VAL},
        {"leading zeros underflow", "0.000001e-320", 0.0},
        {"largest double", "1.7976931348623157e308", 1.7976931348623157e308},
        {"underflow", "1e-999", 0.0},
        {"subnormal kept", "1e-310", 1e-310},
        {"empty", "", 0.0},
        {"tab and newline are blanks", "\t\n 3.5", 3.5},
        {"many digits", "3.14159265358979323846264338327950288", 3.141592653589793},
        {"zero with huge exponent", "0e99999999999999999999", 0.0},
        {"no blanks after the sign", "- 5", 0.0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TextToDouble(row.Text), row.Expected) << row.Name << ": \"" << row.Text << "\"";
    EXPECT_TRUE(std::signbit(TextToDouble("-0")));
    EXPECT_TRUE(std::signbit(TextToDouble("-1e-999"))) << "underflow keeps the sign";
    EXPECT_FALSE(std::signbit(TextToDouble("0")));
}

TEST(text_to_number, integer_texts)
{
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    struct Row { const char* Name; const char* Text; int64_t Expected; };
    const Row rows[] = {
        {"plain", "12", 12},
        {"decimal part ignored", "20.5", 20},
        {"blanks and sign", "  -3", -3},
        {"plus", "+25", 25},
        {"letters", "Edit2", 0},
        {"empty", "", 0},
        {"exponent not read", "1e3", 1},
        {"comma", "4,6", 4},
        {"largest", "9223372036854775807", kMax},
        {"smallest", "-9223372036854775808", kMin},
        {"saturates high", "9223372036854775808", kMax},
        {"saturates low", "-99999999999999999999999", kMin},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TextToLong(row.Text), row.Expected) << row.Name << ": \"" << row.Text << "\"";

    constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(ClampToInt32(-5), -5);
    EXPECT_EQ(ClampToInt32(kMin32), kMin32);
    EXPECT_EQ(ClampToInt32(int64_t{kMax32} + 1), kMax32);
    EXPECT_EQ(ClampToInt32(int64_t{kMin32} - 1), kMin32);
}
