// printf-style formatting of one number with a point as decimal separator. A value that is not
// finite (a quotient whose divisor is 0, for instance) is shown as "-": no output ever holds
// "nan" or "inf".
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// fmt is one printf conversion for a double, e.g. "%1.3f", "%2.0f", "%f".
std::string FormatNumber(const char* fmt, double value);

// printf into a std::string (any arguments; the caller guarantees finite doubles).
std::string Printf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// One value for FormatTemplate: a double for an "f" (or "e", "g") conversion, an integer for
// "d", a text for "s" (a null pointer stands for the empty text).
struct TemplateValue {
    enum ValueKind { Number, Integer, Text };
    TemplateValue(double number) : Kind(Number), NumberValue(number) {}
    TemplateValue(int32_t integer) : Kind(Integer), IntegerValue(integer) {}
    TemplateValue(const char* text) : Kind(Text), TextValue(text ? text : "") {}
    TemplateValue(std::string_view text) : Kind(Text), TextValue(text) {}
    TemplateValue(const std::string& text) : Kind(Text), TextValue(text) {}
    ValueKind Kind;
    double NumberValue = 0.0;
    int32_t IntegerValue = 0;
    std::string_view TextValue;
};

// Fills a printf template: each conversion takes the next value, doubles through FormatNumber
// (so a value that is not finite shows "-"), texts unchanged; "%%" gives "%". Conversions and
// values must agree in number and kind.
std::string FormatTemplate(std::string_view tmpl, std::initializer_list<TemplateValue> values);
