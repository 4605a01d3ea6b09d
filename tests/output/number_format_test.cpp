// Number formatting with printf conversions, "-" for values that are not finite, and templates.
#include "output/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(number_format, conversions_of_the_reports)
{
    struct Row {
        const char* Format;
        double Value;
        const char* Expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"%2.0f", 7.4, " 7"},         {"%2.0f", 1234.5, "1234"},    {"%f", 0.0123456789, "0.012346"},
        {"%f", -0.0, "-0.000000"},    {"%1.1f", -12.34, "-12.3"},   {"%2.1lf", 812.34, "812.3"},
        {"%1.1f", 1.0 / std::sqrt(0.0), "-"}, {"%2.0f", -inf, "-"}, {"%1.3f", std::nan(""), "-"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatNumber(row.Format, row.Value), row.Expected) << row.Format << " " << row.Value;
}

TEST(number_format, printf_into_a_string)
{
    EXPECT_EQ(Printf("%d|%s|%1.2f", 42, "ab", 0.5), "42|ab|0.50");
    EXPECT_EQ(Printf("%s", ""), "");
    const std::string longText(5000, 'z');
    EXPECT_EQ(Printf("<%s>", longText.c_str()), "<" + longText + ">");
}

TEST(number_format, template_takes_values_in_order)
{
    const double zero = 0.0;
    const char* nothing = nullptr;
    EXPECT_EQ(FormatTemplate("<td>%s obroty= %d [1/min]</td>", {"CORVA-1", int32_t{1460}}),
              "<td>CORVA-1 obroty= 1460 [1/min]</td>");
    EXPECT_EQ(FormatTemplate("= %1.3f [m]x%1.3f [m] ", {0.5, 0.25}), "= 0.500 [m]x0.250 [m] ");
    EXPECT_EQ(FormatTemplate("width=\"40%%\" %d%%", {int32_t{7}}), "width=\"40%\" 7%");
    EXPECT_EQ(FormatTemplate("no conversions", {}), "no conversions");
    EXPECT_EQ(FormatTemplate("%1.1f[m3/h] %1.1f[m3/h]", {1.0 / zero, 0.0 / zero}), "-[m3/h] -[m3/h]");
    EXPECT_EQ(FormatTemplate("[%s][%s][%s]", {"a<b&c", nothing, std::string("50%")}), "[a<b&c][][50%]");
}
