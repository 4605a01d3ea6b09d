// printf-style formatting into std::string. The C conversions always use a decimal point here:
// the core never sets LC_NUMERIC, and the window program forces it to "C".
#include "output/number_format.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "model/check.h"

namespace {

std::string VPrintf(const char* fmt, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, fmt, measure);
    va_end(measure);
    WENT_CHECK(length >= 0, "printf conversion rejected by the C library");
    if (length == 0)
        return "";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), fmt, args);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

bool IsNumberConversion(char c)
{
    return std::strchr("fFeEgGaA", c) != nullptr;
}

bool IsIntegerConversion(char c)
{
    return c == 'd' || c == 'i';
}

}  // namespace

std::string FormatNumber(const char* fmt, double value)
{
    if (!std::isfinite(value))
        return "-";
    return Printf(fmt, value);
}

std::string Printf(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::string text = VPrintf(fmt, args);
    va_end(args);
    return text;
}

std::string FormatTemplate(std::string_view tmpl, std::initializer_list<TemplateValue> values)
{
    std::string text;
    const TemplateValue* next = values.begin();
    std::size_t i = 0;
    while (i < tmpl.size()) {
        const std::size_t percent = tmpl.find('%', i);
        if (percent == std::string_view::npos) {
            text.append(tmpl.substr(i));
            break;
        }
        text.append(tmpl.substr(i, percent - i));
        if (percent + 1 < tmpl.size() && tmpl[percent + 1] == '%') {
            text += '%';
            i = percent + 2;
            continue;
        }
        // A conversion: flags, width, precision and length modifier up to its letter.
        std::size_t end = percent + 1;
        while (end < tmpl.size() && std::strchr("-+ #0123456789.hlLjzt", tmpl[end]) != nullptr)
            ++end;
        WENT_CHECK(end < tmpl.size(), "template ends inside a conversion");
        WENT_CHECK(next != values.end(), "template has more conversions than values");
        const std::string conversion(tmpl.substr(percent, end - percent + 1));
        const char letter = tmpl[end];
        if (IsNumberConversion(letter)) {
            WENT_CHECK(next->Kind == TemplateValue::Number, "number conversion needs a double");
            text += FormatNumber(conversion.c_str(), next->NumberValue);
        } else if (IsIntegerConversion(letter)) {
            WENT_CHECK(next->Kind == TemplateValue::Integer, "integer conversion needs an integer");
            text += Printf(conversion.c_str(), static_cast<int>(next->IntegerValue));
        } else {
            WENT_CHECK(letter == 's' && next->Kind == TemplateValue::Text, "text conversion needs a text");
            if (conversion == "%s")
                text.append(next->TextValue);
            else
                text += Printf(conversion.c_str(), std::string(next->TextValue).c_str());
        }
        ++next;
        i = end + 1;
    }
    WENT_CHECK(next == values.end(), "template has fewer conversions than values");
    return text;
}
