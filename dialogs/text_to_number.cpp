// Conversion of edit-box texts to numbers with the C conversion rules, but independent of the
// process locale: the leading decimal number is found by hand and converted with std::from_chars,
// which rounds correctly and always reads "." as the decimal point.
#include "dialogs/text_to_number.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace {

// White space of the C locale.
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Index of the first character after the leading white space.
size_t SkipSpace(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    return pos;
}

// Reads an optional sign at `pos`; true when it is '-'.
bool ReadSign(std::string_view text, size_t& pos)
{
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        return text[pos++] == '-';
    return false;
}

// A decimal number found in a text: digits with an optional point and fraction, and an optional
// exponent that is only taken when at least one digit follows "e" and its sign.
struct DecimalSpan {
    size_t Begin = 0;          // first character after the sign
    size_t End = 0;            // one past the last character of the number
    bool HasDigits = false;    // false: the text holds no number at all
    long long Magnitude = 0;   // rough decimal exponent of the value, for telling overflow from underflow
};

DecimalSpan ScanDecimal(std::string_view text, size_t pos)
{
    DecimalSpan span;
    span.Begin = pos;
    long long leadingPlaces = 0;  // integer digits from the first non-zero one
    long long zeroFraction = 0;   // zeros after the point before the first non-zero digit
    bool seenNonZero = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (text[pos] != '0')
            seenNonZero = true;
        if (seenNonZero)
            ++leadingPlaces;
        span.HasDigits = true;
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            if (!seenNonZero) {
                if (text[pos] == '0')
                    ++zeroFraction;
                else
                    seenNonZero = true;
            }
            span.HasDigits = true;
            ++pos;
        }
    }
    if (!span.HasDigits)
        return span;
    span.End = pos;

    // The exponent belongs to the number only when a digit follows "e" and its optional sign.
    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        size_t e = pos + 1;
        bool negative = ReadSign(text, e);
        if (e < text.size() && IsDigit(text[e])) {
            constexpr long long kExponentCap = 1000000000;  // far beyond any double; stops overflow
            while (e < text.size() && IsDigit(text[e])) {
                if (exponent < kExponentCap)
                    exponent = exponent * 10 + (text[e] - '0');
                ++e;
            }
            span.End = e;
            if (negative)
                exponent = -exponent;
        }
    }
    span.Magnitude = exponent + (leadingPlaces > 0 ? leadingPlaces : -zeroFraction);
    return span;
}

// Index one past the last character that is not white space, at least `begin`.
size_t TrimmedEnd(std::string_view text, size_t begin)
{
    size_t end = text.size();
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    return end;
}

}  // namespace

bool IsWholeNumber(std::string_view text, NumberKind kind)
{
    size_t pos = SkipSpace(text);
    const size_t end = TrimmedEnd(text, pos);
    ReadSign(text, pos);
    if (kind == NumberKind::Integer) {
        if (pos == end)
            return false;
        for (; pos < end; ++pos)
            if (!IsDigit(text[pos]))
                return false;
        return true;
    }
    const DecimalSpan span = ScanDecimal(text.substr(0, end), pos);
    return span.HasDigits && span.End == end;
}

double TextToDouble(std::string_view text)
{
    size_t pos = SkipSpace(text);
    bool negative = ReadSign(text, pos);
    DecimalSpan span = ScanDecimal(text, pos);
    if (!span.HasDigits)
        return 0.0;

    const char* first = text.data() + span.Begin;
    const char* last = text.data() + span.End;
    double value = 0.0;
    std::from_chars_result result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of the double range: too large gives HUGE_VAL, too small 0, as strtod does.
        value = span.Magnitude > 0 ? HUGE_VAL : 0.0;
    } else if (result.ec != std::errc()) {
        return 0.0;  // cannot happen for a span of digits; treated as text without a number
    }
    return negative ? -value : value;
}

int64_t TextToLong(std::string_view text)
{
    size_t pos = SkipSpace(text);
    bool negative = ReadSign(text, pos);
    // Accumulated towards the negative side, which holds the larger magnitude.
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    bool saturated = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        int digit = text[pos] - '0';
        if (!saturated) {
            if (value < (kMin + digit) / 10)
                saturated = true;
            else
                value = value * 10 - digit;
        }
        ++pos;
    }
    if (saturated)
        return negative ? kMin : std::numeric_limits<int64_t>::max();
    if (negative)
        return value;
    return value == kMin ? std::numeric_limits<int64_t>::max() : -value;
}

int32_t ClampToInt32(int64_t value)
{
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}
