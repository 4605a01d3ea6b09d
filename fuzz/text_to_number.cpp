// Fuzz target of the edit-box conversions: any text gives a finite number or +-HUGE_VAL, never a
// NaN, and a comma ends the number, so the text up to its first comma gives the same result. A
// text a box accepts holds no comma, and every integer a decimal box accepts too.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "dialogs/text_to_number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view beforeComma = text.substr(0, text.find(','));

    const double value = TextToDouble(text);
    if (!std::isfinite(value) && std::fabs(value) != HUGE_VAL)
        std::abort();
    const double prefixValue = TextToDouble(beforeComma);
    if (std::memcmp(&value, &prefixValue, sizeof value) != 0)
        std::abort();

    const int64_t integer = TextToLong(text);
    if (TextToLong(beforeComma) != integer)
        std::abort();
    const int32_t narrowed = ClampToInt32(integer);
    if (integer >= INT32_MIN && integer <= INT32_MAX ? narrowed != integer
                                                     : narrowed != (integer < 0 ? INT32_MIN : INT32_MAX))
        std::abort();

    const bool wholeInteger = IsWholeNumber(text, NumberKind::Integer);
    const bool wholeDecimal = IsWholeNumber(text, NumberKind::Decimal);
    if ((wholeInteger && !wholeDecimal) || (wholeDecimal && beforeComma.size() != text.size()))
        std::abort();
    return 0;
}
