// The compiled-in fan catalogue against the maker's tables: spot checks of whole rows, the counts
// of variants and chooser buttons, the odd captions and the shared designation texts.
#include "model/fan_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

// Copied by hand from the maker's tables; {} : no such characteristic.
const FanEntry kRows[] = {
    {1, "ALVIR-1", 1445, "ALVIR-1/1445 obr", 0.2, 0.17, {0.14, 0.192}, {-10.171, 188.13, -1124.0, 2202.3, 0.0}, {}, {}},
    {25, "CORVA-7", 980, "CORVA-7/980 obr", 0.63, 0.965, {0.02, 0.33},
     {0.907330587, -3.797212968, 27.5565426, -62.61040017, 16.40758755},
     {{0.02, 0.24}, {0.907366955, -3.797212968, 20.00320222, -62.6053813, 16.40561473}},
     {{0.02, 0.16}, {0.907366955, -3.797212968, 3.568512312, -62.60538131, 16.40561476}}},
    {39, "CORVA-8", 1210, "CORVA-8/1210 obr", 0.5, 0.635, {0.02, 0.3},
     {0.813462, -0.730495, 3.35931, -23.9169, 2.64963},
     {{0.02, 0.26}, {0.813494606, -0.730495, -0.722695063, -23.91498281, 2.649311411}}, {}},
    {20, "CORVA-5", 1430, nullptr, 0.315, 0.45, {0.02, 0.32}, {1.0431, -9.08972, 86.209, -343.88, 444.765},
     {{0.02, 0.25}, {1.04314, -9.08971, 79.4534, -343.851, 444.709}},
     {{0.02, 0.2}, {1.04314, -9.08972, 76.1084, -343.855, 444.718}}},
};

void ExpectSameCharacteristic(const char* what, const Characteristic& expected, const Characteristic& actual)
{
    EXPECT_EQ(actual.Range.Min, expected.Range.Min) << what << " phi min";
    EXPECT_EQ(actual.Range.Max, expected.Range.Max) << what << " phi max";
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(actual.Coefficients[i], expected.Coefficients[i]) << what << " c" << i;
}

bool IsZero(const Characteristic& c)
{
    bool zero = c.Range.Min == 0.0 && c.Range.Max == 0.0;
    for (double x : c.Coefficients)
        zero = zero && x == 0.0;
    return zero;
}

Characteristic Plain(const FanEntry& e)
{
    Characteristic c{e.FlowCoefficientRange, {}};
    std::copy(e.PressureCoefficients, e.PressureCoefficients + 5, c.Coefficients);
    return c;
}

}  // namespace

TEST(fan_catalogue, rows_match_the_tables)
{
    for (const FanEntry& row : kRows) {
        SCOPED_TRACE(row.FanIndex);
        const FanEntry* entry = LookupFan(row.FanIndex);
        ASSERT_NE(entry, nullptr);
        EXPECT_STREQ(entry->FanDesignation, row.FanDesignation);
        EXPECT_EQ(entry->FanSpeed, row.FanSpeed);
        EXPECT_STREQ(entry->ChooserCaption, row.ChooserCaption);
        EXPECT_EQ(entry->ConnectionDiameter, row.ConnectionDiameter);
        EXPECT_EQ(entry->ImpellerDiameter, row.ImpellerDiameter);
        ExpectSameCharacteristic("plain", Plain(row), Plain(*entry));
        ExpectSameCharacteristic("base", row.BaseCharacteristic, entry->BaseCharacteristic);
        ExpectSameCharacteristic("silencer", row.SilencerCharacteristic, entry->SilencerCharacteristic);
    }
}

TEST(fan_catalogue, variant_counts)
{
    int both = 0, neither = 0;
    std::set<int32_t> baseOnly;
    for (int i = 0; i < kFanCount; ++i) {
        const FanEntry& e = FanCatalogue()[i];
        const bool base = !IsZero(e.BaseCharacteristic);
        const bool silencer = !IsZero(e.SilencerCharacteristic);
        EXPECT_FALSE(silencer && !base) << "entry " << e.FanIndex << " has a silencer only";
        if (base && silencer)
            ++both;
        else if (base)
            baseOnly.insert(e.FanIndex);
        else
            ++neither;
    }
    EXPECT_EQ(both, 43);
    EXPECT_EQ(baseOnly, (std::set<int32_t>{39, 40, 41}));
    EXPECT_EQ(neither, 12);
}

TEST(fan_catalogue, chooser_captions)
{
    // Designation, "/", speed, " obr"; entries 3, 51 and 52 have no blank before "obr", and
    // entry 36 shows 900 for its 940 1/min. Entries 20 to 22 have no button.
    int buttons = 0;
    for (int i = 0; i < kFanCount; ++i) {
        const FanEntry& e = FanCatalogue()[i];
        if (e.FanIndex >= 20 && e.FanIndex <= 22) {
            EXPECT_EQ(e.ChooserCaption, nullptr) << "entry " << e.FanIndex;
            continue;
        }
        ASSERT_NE(e.ChooserCaption, nullptr) << "entry " << e.FanIndex;
        ++buttons;
        const bool joined = e.FanIndex == 3 || e.FanIndex == 51 || e.FanIndex == 52;
        const std::string expected = std::string(e.FanDesignation) + "/" +
                                     std::to_string(e.FanIndex == 36 ? 900 : e.FanSpeed) + (joined ? "obr" : " obr");
        EXPECT_EQ(e.ChooserCaption, expected);
    }
    EXPECT_EQ(buttons, 55);
    EXPECT_EQ(LookupFan(36)->FanSpeed, 940) << "the calculation uses 940";
}

TEST(fan_catalogue, one_model_shares_one_designation_text)
{
    for (int32_t index : {8, 9, 10})
        EXPECT_EQ(LookupFan(index)->FanDesignation, LookupFan(7)->FanDesignation) << "entry " << index;

    // Equal texts are the same pointer, different texts different ones: 26 designations.
    std::set<const char*> pointers;
    std::set<std::string> texts;
    for (int i = 0; i < kFanCount; ++i) {
        pointers.insert(FanCatalogue()[i].FanDesignation);
        texts.insert(FanCatalogue()[i].FanDesignation);
    }
    EXPECT_EQ(texts.size(), 26u);
    EXPECT_EQ(pointers.size(), texts.size());
}
