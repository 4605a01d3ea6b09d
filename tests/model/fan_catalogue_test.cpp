// The compiled-in fan catalogue, every cell of it, against the maker's published table.
#include "model/fan_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <string>

#include "support/test_support.h"

namespace {

// The shortest text that reads back as the same double, with ".0" on whole numbers as the maker
// prints them.
std::string Number(double value)
{
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    std::string result(text, end);
    if (result.find('.') == std::string::npos)
        result += ".0";
    return result;
}

std::string Range(FlowRange range) { return Number(range.Min) + "–" + Number(range.Max); }

bool Missing(const Characteristic& c)
{
    return c.Range.Min == 0.0 && c.Range.Max == 0.0 && std::count(c.Coefficients, c.Coefficients + 5, 0.0) == 5;
}

std::string Cells(const double (&c)[5])
{
    std::string cells;
    for (double value : c)
        cells += " " + Number(value) + " |";
    return cells;
}

}  // namespace

// The dump has the maker's two tables row for row: the plain fans, then the silencer coefficients.
TEST(fan_catalogue, every_cell_as_published)
{
    std::string fans, variants;
    for (int i = 0; i < kFanCount; ++i) {
        const FanEntry& e = FanCatalogue()[i];
        ASSERT_EQ(LookupFan(e.FanIndex), &e);
        const Characteristic& base = e.BaseCharacteristic;
        const Characteristic& silencer = e.SilencerCharacteristic;
        const std::string caption = e.ChooserCaption ? "\"" + std::string(e.ChooserCaption) + "\"" : "none";
        fans += "| " + std::to_string(e.FanIndex) + " | " + e.FanDesignation + " | " + std::to_string(e.FanSpeed) +
                " | " + caption + " | " + Number(e.ConnectionDiameter) + " | " + Number(e.ImpellerDiameter) + " | " +
                Range(e.FlowCoefficientRange) + " |" + Cells(e.PressureCoefficients) + " " +
                (Missing(base) ? "none" : Range(base.Range)) + " | " +
                (Missing(silencer) ? "none" : Range(silencer.Range)) + " |\n";
        if (!Missing(base)) {
            variants += "| " + std::to_string(e.FanIndex) + " |" + Cells(base.Coefficients) +
                        (Missing(silencer) ? " none | none | none | none | none |" : Cells(silencer.Coefficients)) +
                        "\n";
        }
    }
    EXPECT_EQ(CompareWithGolden("model/fan_catalogue.txt", fans + "\n" + variants), "");
    EXPECT_EQ(LookupFan(0), nullptr);
    EXPECT_EQ(LookupFan(kFanCount + 1), nullptr);
}
