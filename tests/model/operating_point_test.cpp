// The operating-point search, the silencer variants and the computing part of the fan selection.
#include "model/operating_point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "support/test_support.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kWindow = 0.000005;  // m3/s per grille

CalcRecord Building(int32_t storeys, double ductDiameter, double grilleArea, int32_t fan)
{
    CalcRecord record;
    ResetCalcRecord(record);
    record.AirDensity = 1.2;
    record.DuctRoughness = 1.8;
    record.DuctDiameter = ductDiameter;
    record.DuctArea = kPi * ductDiameter * ductDiameter * 0.25;
    record.GrilleLossCoefficient = 2.5;
    record.GrilleArea = grilleArea;
    record.GrilleSizeA = 0.2;
    record.GrilleSizeB = 0.25;
    record.StoreyCount = storeys;
    record.StoreyHeight = 3.0;
    record.FanIndex = fan;
    return record;
}

// Ten storeys of 3 m, round duct 0.315 m, grilles 0.2 x 0.25 m.
CalcRecord TenStoreys(int32_t fan) { return Building(10, 0.315, 0.2 * 0.25, fan); }

// One storey of 3 m, round duct 0.63 m, grille of 0.04 m2, with the large CORVA-7/980.
CalcRecord OneStoreyWideDuct() { return Building(1, 0.63, 0.04, 25); }

// Per-grille flow difference, fan minus network, at phi.
double FlowDifference(const CalcRecord& record, const FanEntry& entry, double phi)
{
    const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
    const FanScales scales = ComputeScales(entry, record.AirDensity, record.StoreyCount);
    const double pressure = PressureCoefficient(entry.PressureCoefficients, phi) * scales.Pressure;
    return scales.PerGrilleFlow * phi - NetworkFlowForPressure(network, record.AirDensity, pressure);
}

}  // namespace

TEST(operating_point, pressure_coefficient_polynomial)
{
    const double c[5] = {1.0, 2.0, 3.0, 4.0, 5.0};
    EXPECT_EQ(PressureCoefficient(c, 0.0), 1.0);
    EXPECT_EQ(PressureCoefficient(c, 0.5), 3.5625);
    EXPECT_EQ(PressureCoefficient(c, -1.0), 3.0);
}

TEST(operating_point, scales_of_a_fan)
{
    // CORVA-7/980: D = 0.965 m, n = 980 1/min.
    const FanEntry& entry = *LookupFan(25);
    const FanScales scales = ComputeScales(entry, 1.2, 4);
    const double flow = 9.869604401089358 * 0.965 * 0.965 * 0.965 * 980 / 240;
    EXPECT_NEAR(scales.TotalFlow, flow, flow * 1e-15);
    EXPECT_NEAR(scales.PerGrilleFlow, flow / 4, flow * 1e-15);
    const double pressure = 1.2 * 9.869604401089358 * 0.965 * 0.965 * 980.0 * 980.0 / 7200;
    EXPECT_NEAR(scales.Pressure, pressure, pressure * 1e-15);
}

TEST(operating_point, ten_storeys_every_fan_with_a_button)
{
    // Suitable here: CORVA-2 (11-13), CORVA-4 (17-19), CORVA-6 (23, 24), CORVA-7 (25, 26),
    // DUNMAR-2 (30-32), ESKOL-3 (37, 38), CORVA-8 (39-41), ESKOL-5 (44, 45), ESKOL-6 (46, 47),
    // BRESA-4 (51) and BRESA-5 (52).
    std::vector<int32_t> suitable;
    for (int i = 0; i < kFanCount; ++i) {
        const FanEntry& entry = FanCatalogue()[i];
        if (!entry.ChooserCaption)
            continue;
        CalcRecord record = TenStoreys(entry.FanIndex);
        const FanSelection selection = SelectFan(record);
        EXPECT_EQ(record.FanDesignation, entry.FanDesignation);
        EXPECT_EQ(record.FanSpeed, entry.FanSpeed);
        EXPECT_EQ(selection.Entry.FanIndex, entry.FanIndex);
        if (!selection.Found) {
            EXPECT_EQ(record.ScreenReportKind, 0) << entry.ChooserCaption;
            EXPECT_EQ(record.FanFlow, 0.0) << entry.ChooserCaption;
            continue;
        }
        suitable.push_back(entry.FanIndex);
        SCOPED_TRACE(entry.ChooserCaption);
        EXPECT_EQ(record.ScreenReportKind, 1);
        EXPECT_EQ(record.PrintReportKind, 1);
        for (int s = 0; s < 10; ++s)
            EXPECT_LT(record.StoreyPressure[s], record.StoreyPressure[s + 1]) << "storey " << s + 1;

        // The point lies on both curves: the fan pressure is the network pressure at the fan.
        const double q = record.FanFlow / 10;
        EXPECT_LE(std::fabs(FlowDifference(record, entry, selection.OperatingFlowCoefficient)), kWindow);
        EXPECT_NEAR(record.FanPressure, record.StoreyPressure[10],
                    record.StoreyPressure[10] * 2.5 * kWindow / q);
        const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
        const double r = 1.2 * network.NetworkGamma / (2.0 * 100.0);
        EXPECT_NEAR(record.NetworkCoefficient, r, r * 2.5 * kWindow / q);
        EXPECT_NEAR(record.FanPressure, record.NetworkCoefficient * record.FanFlow * record.FanFlow,
                    record.FanPressure * 1e-12);

        EXPECT_EQ(record.FanFlowHourly, record.FanFlow * 3600);
        EXPECT_NEAR(record.GrilleFlowHourly, q * 3600, 1e-9);
        EXPECT_EQ(record.DuctVelocity, record.FanFlow / record.DuctArea);
        EXPECT_NE(selection.Trace.find("\ndzeta_p="), std::string::npos);

        // A silencer only adds resistance; a variant point lies on the same network.
        for (auto [flow, pressure] : {std::pair{record.BaseFlow, record.BasePressure},
                                      std::pair{record.SilencerFlow, record.SilencerPressure}}) {
            if (flow == 0.0)
                continue;
            EXPECT_LT(flow, record.FanFlow);
            EXPECT_NEAR(pressure, record.NetworkCoefficient * flow * flow, pressure * 0.03);
        }
    }
    EXPECT_EQ(suitable, (std::vector<int32_t>{11, 12, 13, 17, 18, 19, 23, 24, 25, 26, 30, 31, 32, 37,
                                              38, 39, 40, 41, 44, 45, 46, 47, 51, 52}));
}

TEST(operating_point, entries_without_variants_give_zero_variant_results)
{
    CalcRecord record = TenStoreys(52);  // BRESA-5: suitable, no variant data
    record.BaseFlow = record.SilencerPressure = 5.0;
    ASSERT_TRUE(SelectFan(record).Found);
    EXPECT_EQ(record.BaseFlow, 0.0);
    EXPECT_EQ(record.BasePressure, 0.0);
    EXPECT_EQ(record.SilencerFlow, 0.0);
    EXPECT_EQ(record.SilencerPressure, 0.0);

    record = TenStoreys(39);  // CORVA-8/1210: base only
    ASSERT_TRUE(SelectFan(record).Found);
    EXPECT_GT(record.BaseFlow, 0.0);
    EXPECT_EQ(record.SilencerFlow, 0.0);
}

TEST(operating_point, crossing_between_two_steps_is_an_operating_point)
{
    // Between two neighbouring steps near phi = 0.0312 the difference jumps from about
    // -0.0000315 to about +0.0000062: no step lies within the window, yet the curves cross.
    CalcRecord record = OneStoreyWideDuct();
    const FanSelection selection = SelectFan(record);
    ASSERT_TRUE(selection.Found) << "the curves cross, so the fan suits the network";
    const FanEntry& entry = *LookupFan(25);
    const double phi = selection.OperatingFlowCoefficient;
    EXPECT_NEAR(phi, 0.0312, 0.00001);

    const double here = FlowDifference(record, entry, phi);
    const double before = FlowDifference(record, entry, phi - 0.000001);
    EXPECT_GT(std::fabs(here), kWindow);
    EXPECT_NEAR(here, 0.0000062, 0.0000005) << "the step after the change is the closer one";
    EXPECT_NEAR(before, -0.0000315, 0.0000005);

    EXPECT_EQ(record.ScreenReportKind, 1);
    EXPECT_NEAR(record.FanFlow, record.GrilleFlowHourly / 3600, 1e-12);
    EXPECT_NEAR(record.FanPressure, record.StoreyPressure[1], record.FanPressure * 1e-4);
    EXPECT_EQ(CompareWithGolden("model/pstr_one_storey.txt", selection.Trace), "");
}

TEST(operating_point, no_crossing_no_operating_point)
{
    CalcRecord record = TenStoreys(1);  // ALVIR-1/1445 is far too small for this building
    const FanSelection selection = SelectFan(record);
    EXPECT_FALSE(selection.Found);
    EXPECT_EQ(record.ScreenReportKind, 0);
    EXPECT_EQ(selection.Trace, "");
}

TEST(operating_point, negative_pressure_ends_the_sweep)
{
    FanEntry entry = *LookupFan(25);
    const CalcRecord record = OneStoreyWideDuct();
    const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
    const FanScales scales = ComputeScales(entry, 1.2, 1);
    ASSERT_TRUE(FindOperatingPoint(entry, network, scales, 1.2).Found);

    // Pressure below zero at the first step: nothing is compared.
    entry.PressureCoefficients[0] -= 10.0;
    EXPECT_FALSE(FindOperatingPoint(entry, network, scales, 1.2).Found);
}

TEST(operating_point, empty_range_finds_nothing)
{
    FanEntry entry = *LookupFan(25);
    entry.FlowCoefficientRange = {0.3, 0.2};
    const CalcRecord record = OneStoreyWideDuct();
    const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
    const OperatingPoint point = FindOperatingPoint(entry, network, ComputeScales(entry, 1.2, 1), 1.2);
    EXPECT_FALSE(point.Found);
    EXPECT_EQ(point.GrilleFlow, 0.0);
}

TEST(operating_point, failed_search_keeps_the_earlier_results)
{
    CalcRecord record = TenStoreys(17);
    ASSERT_TRUE(SelectFan(record).Found);
    const CalcRecord before = record;

    record.FanIndex = 1;  // unsuitable
    EXPECT_FALSE(SelectFan(record).Found);
    EXPECT_STREQ(record.FanDesignation, "ALVIR-1");
    EXPECT_EQ(record.FanSpeed, 1445);
    EXPECT_EQ(record.ScreenReportKind, 0);
    EXPECT_EQ(record.PrintReportKind, 0);
    EXPECT_EQ(record.FanFlow, before.FanFlow);
    EXPECT_EQ(record.FanFlowHourly, before.FanFlowHourly);
    EXPECT_EQ(record.FanPressure, before.FanPressure);
    EXPECT_EQ(record.GrilleFlowHourly, before.GrilleFlowHourly);
    EXPECT_EQ(record.DuctVelocity, before.DuctVelocity);
    EXPECT_EQ(record.NetworkCoefficient, before.NetworkCoefficient);
    for (int i = 0; i < kStoreyPressureSlots; ++i)
        EXPECT_EQ(record.StoreyPressure[i], before.StoreyPressure[i]) << "slot " << i;
    EXPECT_EQ(record.BaseFlow, 0.0) << "ALVIR-1 has no variants";
}

TEST(operating_point, variants_after_a_failed_search_use_the_current_network)
{
    // A selection on one building leaves its NetworkCoefficient; then the building changes and
    // an unsuitable fan (CORVA-3/1380, which has a base variant) is tried.
    CalcRecord record = OneStoreyWideDuct();
    ASSERT_TRUE(SelectFan(record).Found);
    const double earlier = record.NetworkCoefficient;

    const CalcRecord building = TenStoreys(14);
    record.DuctDiameter = building.DuctDiameter;
    record.DuctArea = building.DuctArea;
    record.GrilleArea = building.GrilleArea;
    record.StoreyCount = building.StoreyCount;
    record.FanIndex = 14;
    ASSERT_FALSE(SelectFan(record).Found);
    EXPECT_EQ(record.NetworkCoefficient, earlier);

    const NetworkModel network = BuildNetwork(record, LookupFan(14)->ConnectionDiameter);
    const double current = 1.2 * network.NetworkGamma / (2.0 * 10 * 10);
    ASSERT_GT(record.BaseFlow, 0.0);
    EXPECT_NEAR(record.BasePressure, current * record.BaseFlow * record.BaseFlow, record.BasePressure * 0.03)
        << "the base variant lies on the network of the current inputs";
}

TEST(operating_point, storey_count_outside_the_record)
{
    for (int32_t storeys : {-1, 0, 100, 1000}) {
        CalcRecord record = TenStoreys(17);
        record.StoreyCount = storeys;
        for (double& p : record.StoreyPressure)
            p = -3.0;
        record.FanSpeed = -5;  // the field after the array: its value shows a write past the end
        record.NetworkCoefficient = 42.0;
        const FanSelection selection = SelectFan(record);
        EXPECT_FALSE(selection.Found) << storeys << " storeys";
        EXPECT_EQ(record.ScreenReportKind, 0) << storeys << " storeys";
        EXPECT_EQ(record.FanSpeed, 1440) << storeys << " storeys";
        EXPECT_EQ(record.NetworkCoefficient, 42.0) << storeys << " storeys";
        EXPECT_EQ(record.GrilleFlowHourly, 0.0) << storeys << " storeys";
        for (int i = 0; i < kStoreyPressureSlots; ++i)
            ASSERT_EQ(record.StoreyPressure[i], -3.0) << storeys << " storeys, slot " << i;
    }
}

TEST(operating_point, unknown_fan_index_keeps_designation_and_speed)
{
    for (int32_t index : {0, 59, -1}) {
        CalcRecord record = TenStoreys(17);
        ASSERT_TRUE(SelectFan(record).Found);
        record.FanIndex = index;
        record.BaseFlow = 1.0;
        const FanSelection selection = SelectFan(record);
        EXPECT_FALSE(selection.Found) << "index " << index;
        EXPECT_STREQ(record.FanDesignation, "CORVA-4") << "index " << index;
        EXPECT_EQ(record.FanSpeed, 1440) << "index " << index;
        EXPECT_EQ(selection.Entry.FanSpeed, 0);
        EXPECT_EQ(selection.Entry.ImpellerDiameter, 0.0);
        EXPECT_EQ(selection.Entry.PressureCoefficients[0], 0.0);
        EXPECT_EQ(record.BaseFlow, 0.0) << "index " << index;
        EXPECT_EQ(record.SilencerPressure, 0.0) << "index " << index;
    }
}

TEST(operating_point, selection_on_zero_inputs)
{
    // Straight after start-up: nothing entered.
    CalcRecord record;
    ResetCalcRecord(record);
    record.FanIndex = 25;
    const FanSelection selection = SelectFan(record);
    EXPECT_FALSE(selection.Found);
    EXPECT_EQ(record.ScreenReportKind, 0);
    EXPECT_EQ(record.FanSpeed, 980);
    EXPECT_EQ(record.BaseFlow, 0.0);
    EXPECT_EQ(record.BasePressure, 0.0);
    EXPECT_EQ(record.SilencerFlow, 0.0);
    EXPECT_EQ(record.SilencerPressure, 0.0);
    EXPECT_EQ(record.DuctRoughness, 0.0) << "inputs stay as they were";
}

TEST(operating_point, variant_keeps_the_first_negative_residual)
{
    // Without a network (R = 0) the residual is the characteristic itself.
    const FanEntry& entry = *LookupFan(25);
    const double qs = 9.869604401089358 * 980 * 0.965 * 0.965 * 0.965 / 240;
    struct Row {
        const char* name;
        Characteristic variant;
        double phi;  // expected phi of the intersection, 0: none
    };
    const Row rows[] = {
        {"negative at the first step, within 0.01", {{0.02, 0.05}, {-0.005, 0, 0, 0, 0}}, 0.02},
        {"negative at the first step, too far", {{0.02, 0.05}, {-0.02, 0, 0, 0, 0}}, 0.0},
        {"falls through zero, the step before is closer", {{0.0, 0.02}, {0.104, -10, 0, 0, 0}}, 0.010},
        {"falls through zero, the step after is closer", {{0.0, 0.02}, {0.107, -10, 0, 0, 0}}, 0.011},
        {"missing characteristic", {{0.0, 0.0}, {0, 0, 0, 0, 0}}, 0.0},
    };
    for (const Row& row : rows) {
        const VariantPoint point = EvaluateVariant(row.variant, entry, 0.0, 1.2);
        EXPECT_NEAR(point.Flow, qs * row.phi, 1e-12) << row.name;
        if (row.phi == 0.0) {
            EXPECT_EQ(point.Pressure, 0.0) << row.name;
        }
    }
}

TEST(operating_point, variant_without_a_network_gives_zero)
{
    const FanEntry& entry = *LookupFan(25);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double r : {nan, inf, -inf}) {
        const VariantPoint point = EvaluateVariant(entry.BaseCharacteristic, entry, r, 1.2);
        EXPECT_EQ(point.Flow, 0.0) << "R " << r;
        EXPECT_EQ(point.Pressure, 0.0) << "R " << r;
    }
    const VariantPoint zeroDensity = EvaluateVariant(entry.BaseCharacteristic, entry, 100.0, 0.0);
    EXPECT_EQ(zeroDensity.Flow, 0.0);
    EXPECT_EQ(zeroDensity.Pressure, 0.0);
}
