// The compiled-in fan catalogue: spot checks of whole rows, variant counts, captions and designations.
#include "model/fan_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

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
};

// Range and coefficients of a characteristic in one list.
std::vector<double> Values(FlowRange r, const double* c) { return {r.Min, r.Max, c[0], c[1], c[2], c[3], c[4]}; }
std::vector<double> Values(const Characteristic& c) { return Values(c.Range, c.Coefficients); }
std::vector<double> Plain(const FanEntry& e) { return Values(e.FlowCoefficientRange, e.PressureCoefficients); }

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
        EXPECT_EQ(Plain(*entry), Plain(row));
        EXPECT_EQ(Values(entry->BaseCharacteristic), Values(row.BaseCharacteristic));
        EXPECT_EQ(Values(entry->SilencerCharacteristic), Values(row.SilencerCharacteristic));
    }
}

// Captions: designation, "/", speed, " obr"; entries 3, 51 and 52 have no blank before "obr", entry
// 36 shows 900 for its 940 1/min, entries 20 to 22 have no button. Equal designations share a pointer.
TEST(fan_catalogue, variants_captions_and_designations)
{
    int both = 0, neither = 0, buttons = 0;
    std::set<int32_t> baseOnly;
    std::set<const char*> pointers;
    std::set<std::string> texts;
    const std::vector<double> none(7, 0.0);
    for (int i = 0; i < kFanCount; ++i) {
        const FanEntry& e = FanCatalogue()[i];
        SCOPED_TRACE(e.FanIndex);
        const bool base = Values(e.BaseCharacteristic) != none, silencer = Values(e.SilencerCharacteristic) != none;
        EXPECT_FALSE(silencer && !base) << "a silencer only";
        both += base && silencer;
        neither += !base;
        if (base && !silencer)
            baseOnly.insert(e.FanIndex);
        pointers.insert(e.FanDesignation);
        texts.insert(e.FanDesignation);
        if (e.FanIndex >= 20 && e.FanIndex <= 22) {
            EXPECT_EQ(e.ChooserCaption, nullptr);
            continue;
        }
        ASSERT_NE(e.ChooserCaption, nullptr);
        ++buttons;
        const bool joined = e.FanIndex == 3 || e.FanIndex == 51 || e.FanIndex == 52;
        const std::string expected = std::string(e.FanDesignation) + "/" +
                                     std::to_string(e.FanIndex == 36 ? 900 : e.FanSpeed) + (joined ? "obr" : " obr");
        EXPECT_EQ(e.ChooserCaption, expected);
    }
    EXPECT_EQ(both, 43);
    EXPECT_EQ(baseOnly, (std::set<int32_t>{39, 40, 41}));
    EXPECT_EQ(neither, 12);
    EXPECT_EQ(buttons, 55);
    EXPECT_EQ(LookupFan(36)->FanSpeed, 940) << "the calculation uses 940";
    EXPECT_EQ(texts.size(), 26u);
    EXPECT_EQ(pointers.size(), texts.size());
    for (int32_t index : {8, 9, 10})
        EXPECT_EQ(LookupFan(index)->FanDesignation, LookupFan(7)->FanDesignation) << "entry " << index;
}
