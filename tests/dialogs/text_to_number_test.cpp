// The edit-box number conversion: the C conversion rules, read locale-independently.
#include "dialogs/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

TEST(text_to_number, decimal_texts)
{
    // Whole: the text, blanks aside, is one decimal number, which a decimal box accepts.
    struct Row { const char* Name; const char* Text; double Expected; bool Whole; };
    const Row rows[] = {
        {"plain", "1.2", 1.2, true},
        {"comma ends the number", "0,25", 0.0, false},
        {"blanks, sign, exponent, junk after", " -1.5e3x", -1500.0, false},
        {"exponent without digits is not taken", "1e", 1.0, false},
        {"exponent with sign", "25E-2", 0.25, true},
        {"fraction only", ".5", 0.5, true},
        {"point after digits", "7.", 7.0, true},
        {"sign and point without digits", "-.", 0.0, false},
        {"infinity is not a number here", "inf", 0.0, false},
        {"hexadecimal reads its leading zero", "0x10", 0.0, false},
        {"overflow", "1e999", HUGE_VAL, true},
        {"long mantissa overflow", "123456789e301", HUGE_VAL, true},
        {"leading zeros underflow", "0.000001e-320", 0.0, true},
        {"largest double", "1.7976931348623157e308", 1.7976931348623157e308, true},
        {"subnormal kept", "1e-310", 1e-310, true},
        {"empty", "", 0.0, false},
        {"tab and newline are blanks", "\t\n 3.5", 3.5, true},
        {"many digits", "3.14159265358979323846264338327950288", 3.141592653589793, true},
        {"zero with huge exponent", "0e99999999999999999999", 0.0, true},
        {"no blanks after the sign", "- 5", 0.0, false},
        {"blanks after the number", "3.5 \t", 3.5, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TextToDouble(row.Text), row.Expected) << row.Name << ": \"" << row.Text << "\"";
        EXPECT_EQ(IsWholeNumber(row.Text, NumberKind::Decimal), row.Whole) << row.Name;
    }
    EXPECT_TRUE(std::signbit(TextToDouble("-0")));
    EXPECT_TRUE(std::signbit(TextToDouble("-1e-999"))) << "underflow keeps the sign";
}

TEST(text_to_number, integer_texts)
{
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    // Whole: the text, blanks aside, is one integer, which an integer box accepts.
    struct Row { const char* Name; const char* Text; int64_t Expected; bool Whole; };
    const Row rows[] = {
        {"plain", "12", 12, true},
        {"decimal part ignored", "20.5", 20, false},
        {"blanks and sign", "  -3", -3, true},
        {"plus", "+25", 25, true},
        {"letters", "Edit2", 0, false},
        {"empty", "", 0, false},
        {"largest", "9223372036854775807", kMax, true},
        {"smallest", "-9223372036854775808", kMin, true},
        {"saturates high", "9223372036854775808", kMax, true},
        {"saturates low", "-99999999999999999999999", kMin, true},
        {"sign alone", "-", 0, false},
        {"blank after the digits", "7 ", 7, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TextToLong(row.Text), row.Expected) << row.Name << ": \"" << row.Text << "\"";
        EXPECT_EQ(IsWholeNumber(row.Text, NumberKind::Integer), row.Whole) << row.Name;
    }
}
