// Conversion of edit-box texts to numbers, the way the dialogs always did it: the leading decimal
// number of the text (blanks, sign, digits, point, fraction, exponent) and nothing else. A comma
// ends the number; "inf", "nan", hexadecimal and text without a number give 0.
#pragma once

#include <cstdint>
#include <string_view>

// What a number box accepts.
enum class NumberKind {
    Integer,  // optional sign and digits
    Decimal,  // optional sign, digits with an optional point and fraction, optional exponent
};

// True when `text`, blanks at both ends aside, is one whole number of `kind`: what the box's
// conversion reads is then the whole text, and nothing typed is silently dropped.
bool IsWholeNumber(std::string_view text, NumberKind kind);

// Decimal boxes. Overflow gives +-HUGE_VAL, underflow 0, as the C conversion does.
double TextToDouble(std::string_view text);

// Integer boxes: blanks, sign, digits ("20.5" gives 20). Saturates at the 64-bit limits.
int64_t TextToLong(std::string_view text);

// An integer box's value narrowed to a 32-bit record field, saturating at its limits.
int32_t ClampToInt32(int64_t value);
