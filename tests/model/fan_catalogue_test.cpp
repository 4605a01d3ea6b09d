// The compiled-in fan catalogue against the maker's tables: whole rows, the counts of variants
// and chooser buttons, the odd captions and the shared designation texts.
#include "model/fan_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct CatalogueRow {
    int32_t FanIndex;
    const char* Designation;
    int32_t Speed;
    const char* Caption;  // nullptr: no chooser button
    double D1, D2;        // connection and impeller diameters
    double Plain[7];      // phi min, phi max, c0..c4
    double Base[7];       // same layout; zeros: no such characteristic
    double Silencer[7];
};

// Copied by hand from the maker's tables.
const CatalogueRow kRows[] = {
    {1, "ALVIR-1", 1445, "ALVIR-1/1445 obr", 0.2, 0.17,
     {0.14, 0.192, -10.171, 188.13, -1124.0, 2202.3, 0.0}, {}, {}},
    {3, "BRESA-1", 1370, "BRESA-1/1370obr", 0.16, 0.33,
     {0.05, 0.12, 4.5551, -187.076, 3145.09, -23250.1, 63299.5},
     {0.05, 0.1, 4.55536, -187.08, 3114.46, -23249.1, 63294.6},
     {0.05, 0.09, 4.55544, -187.085, 3100.1, -23250.0, 63297.7}},
    {25, "CORVA-7", 980, "CORVA-7/980 obr", 0.63, 0.965,
     {0.02, 0.33, 0.907330587, -3.797212968, 27.5565426, -62.61040017, 16.40758755},
     {0.02, 0.24, 0.907366955, -3.797212968, 20.00320222, -62.6053813, 16.40561473},
     {0.02, 0.16, 0.907366955, -3.797212968, 3.568512312, -62.60538131, 16.40561476}},
    {36, "ESKOL-2", 940, "ESKOL-2/900 obr", 0.25, 0.4,
     {0.04, 0.21, 0.801725897, -2.515916819, 31.46562579, -272.185713, 588.1259567},
     {0.04, 0.17, 0.801758032, -2.515916819, 22.32278766, -272.1638945, 588.0552416},
     {0.04, 0.16, 0.801758032, -2.515916819, 19.87034977, -272.1638944, 588.0552415}},
    {39, "CORVA-8", 1210, "CORVA-8/1210 obr", 0.5, 0.635,
     {0.02, 0.3, 0.813462, -0.730495, 3.35931, -23.9169, 2.64963},
     {0.02, 0.26, 0.813494606, -0.730495, -0.722695063, -23.91498281, 2.649311411}, {}},
    {58, "GELMA-1", 1000, "GELMA-1/1000 obr", 0.15, 0.185,
     {0.14, 0.36, 0.577924803, 1.38782506, -5.872250955, -1.255225815, 0.0}, {}, {}},
    {20, "CORVA-5", 1430, nullptr, 0.315, 0.45,
     {0.02, 0.32, 1.0431, -9.08972, 86.209, -343.88, 444.765},
     {0.02, 0.25, 1.04314, -9.08971, 79.4534, -343.851, 444.709},
     {0.02, 0.2, 1.04314, -9.08972, 76.1084, -343.855, 444.718}},
};

void ExpectCharacteristic(const char* what, int32_t index, const double expected[7],
                          FlowRange range, const double coefficients[5])
{
    EXPECT_EQ(range.Min, expected[0]) << what << " phi min of entry " << index;
    EXPECT_EQ(range.Max, expected[1]) << what << " phi max of entry " << index;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(coefficients[i], expected[2 + i]) << what << " c" << i << " of entry " << index;
}

bool IsZero(const Characteristic& c)
{
    bool zero = c.Range.Min == 0.0 && c.Range.Max == 0.0;
    for (double x : c.Coefficients)
        zero = zero && x == 0.0;
    return zero;
}

}  // namespace

TEST(fan_catalogue, rows_match_the_tables)
{
    for (const CatalogueRow& row : kRows) {
        const FanEntry* entry = LookupFan(row.FanIndex);
        ASSERT_NE(entry, nullptr) << "entry " << row.FanIndex;
        EXPECT_EQ(entry->FanIndex, row.FanIndex);
        EXPECT_STREQ(entry->FanDesignation, row.Designation) << "entry " << row.FanIndex;
        EXPECT_EQ(entry->FanSpeed, row.Speed) << "entry " << row.FanIndex;
        if (row.Caption) {
            EXPECT_STREQ(entry->ChooserCaption, row.Caption) << "entry " << row.FanIndex;
        } else {
            EXPECT_EQ(entry->ChooserCaption, nullptr) << "entry " << row.FanIndex;
        }
        EXPECT_EQ(entry->ConnectionDiameter, row.D1) << "entry " << row.FanIndex;
        EXPECT_EQ(entry->ImpellerDiameter, row.D2) << "entry " << row.FanIndex;
        ExpectCharacteristic("plain", row.FanIndex, row.Plain, entry->FlowCoefficientRange,
                             entry->PressureCoefficients);
        ExpectCharacteristic("base", row.FanIndex, row.Base, entry->BaseCharacteristic.Range,
                             entry->BaseCharacteristic.Coefficients);
        ExpectCharacteristic("silencer", row.FanIndex, row.Silencer,
                             entry->SilencerCharacteristic.Range,
                             entry->SilencerCharacteristic.Coefficients);
    }
}

TEST(fan_catalogue, entries_are_in_index_order)
{
    const FanEntry* all = FanCatalogue();
    for (int i = 0; i < kFanCount; ++i) {
        EXPECT_EQ(all[i].FanIndex, i + 1);
        EXPECT_EQ(LookupFan(i + 1), &all[i]) << "lookup of " << i + 1;
    }
}

TEST(fan_catalogue, lookup_outside_the_range_finds_nothing)
{
    for (int32_t index : {0, 59, -1, 1000})
        EXPECT_EQ(LookupFan(index), nullptr) << "index " << index;
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

TEST(fan_catalogue, chooser_buttons)
{
    int buttons = 0;
    for (int i = 0; i < kFanCount; ++i) {
        const FanEntry& e = FanCatalogue()[i];
        if (!e.ChooserCaption) {
            EXPECT_TRUE(e.FanIndex >= 20 && e.FanIndex <= 22) << "entry " << e.FanIndex;
            continue;
        }
        ++buttons;
        // Caption: designation, "/", speed, "obr" (with one blank, bar three entries).
        const std::string caption = e.ChooserCaption;
        const std::string prefix = std::string(e.FanDesignation) + "/";
        EXPECT_EQ(caption.rfind(prefix, 0), 0u) << caption;
        EXPECT_EQ(caption.substr(caption.size() - 3), "obr") << caption;
    }
    EXPECT_EQ(buttons, 55);

    EXPECT_STREQ(LookupFan(3)->ChooserCaption, "BRESA-1/1370obr");
    EXPECT_STREQ(LookupFan(51)->ChooserCaption, "BRESA-4/710obr");
    EXPECT_STREQ(LookupFan(52)->ChooserCaption, "BRESA-5/700obr");
    // The button shows 900 while the fan runs at 940; the calculation uses 940.
    EXPECT_STREQ(LookupFan(36)->ChooserCaption, "ESKOL-2/900 obr");
    EXPECT_EQ(LookupFan(36)->FanSpeed, 940);
}

TEST(fan_catalogue, one_model_shares_one_designation_text)
{
    for (int32_t index : {8, 9, 10})
        EXPECT_EQ(LookupFan(index)->FanDesignation, LookupFan(7)->FanDesignation) << "entry " << index;
    EXPECT_NE(LookupFan(11)->FanDesignation, LookupFan(7)->FanDesignation);

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
