// The operating-point search, the silencer variants and the computing part of the fan selection.
#include "model/operating_point.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <utility>

#include "model/building.h"
#include "support/test_support.h"

namespace {

constexpr double kWindow = 0.000005;  // m3/s per grille

// Per-grille flow difference, fan minus network, at phi.
double FlowDifference(const CalcRecord& record, const FanEntry& entry, double phi)
{
    const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
    const FanScales scales = ComputeScales(entry, record.AirDensity, record.StoreyCount);
    const double pressure = PressureCoefficient(entry.PressureCoefficients, phi) * scales.Pressure;
    return scales.PerGrilleFlow * phi - NetworkFlowForPressure(network, record.AirDensity, pressure);
}

// A uniform double in [low, high) from the top 53 bits (the same on every platform).
double Uniform(std::mt19937_64& random, double low, double high)
{
    return low + (high - low) * static_cast<double>(random() >> 11) * 0x1p-53;
}

}  // namespace

// One storey, round duct 0.63 m, grille of 0.04 m2, with the large CORVA-7/980 (entry 25).
TEST(operating_point, one_storey_crossing_and_the_end_of_the_sweep)
{
    // Between two neighbouring steps near phi = 0.0312 the difference jumps from about
    // -0.0000315 to about +0.0000062: no step lies within the window, yet the curves cross.
    CalcRecord record = Building(1, 0.63, 0.04, 25);
    const FanSelection selection = SelectFan(record);
    ASSERT_TRUE(selection.Found) << "the curves cross, so the fan suits the network";
    FanEntry entry = *LookupFan(25);
    const double phi = selection.OperatingFlowCoefficient;
    EXPECT_NEAR(phi, 0.0312, 0.00001);
    EXPECT_NEAR(FlowDifference(record, entry, phi), 0.0000062, 0.0000005)
        << "the step after the change is the closer one";
    EXPECT_NEAR(FlowDifference(record, entry, phi - 0.000001), -0.0000315, 0.0000005);
    EXPECT_EQ(record.ScreenReportKind, 1);
    EXPECT_EQ(CompareWithGolden("model/pstr_one_storey.txt", selection.Trace), "");
    // psi = -0.1 + 30 phi is negative below phi = 0.0034 and meets the network near 0.0322.
    const double linear[5] = {-0.1, 30.0, 0.0, 0.0, 0.0};
    std::copy(linear, linear + 5, entry.PressureCoefficients);
    const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
    const FanScales scales = ComputeScales(entry, 1.2, 1);
    entry.FlowCoefficientRange = {0.004, 0.33};
    EXPECT_NEAR(FindOperatingPoint(entry, network, scales, 1.2).FlowCoefficient, 0.0322, 0.0001);
    entry.FlowCoefficientRange = {0.0, 0.33};
    EXPECT_FALSE(FindOperatingPoint(entry, network, scales, 1.2).Found) << "the first step ends the sweep";
    entry.FlowCoefficientRange = {0.3, 0.2};
    const OperatingPoint empty = FindOperatingPoint(entry, network, scales, 1.2);
    EXPECT_FALSE(empty.Found);
    EXPECT_EQ(empty.GrilleFlow, 0.0);
}

// A selection that fails (an unsuitable fan, a storey count or fan index outside its range) leaves
// no plain-fan result of the earlier fan beside its own name: flows, pressure, velocity and every
// storey pressure become 0; the network coefficient stays, and nothing is written past the storey
// array; an unknown index keeps designation and speed.
TEST(operating_point, failed_selection_clears_the_earlier_results)
{
    struct Row { int32_t Storeys, Fan; const char* Designation; int32_t Speed; };
    const Row rows[] = {{10, 1, "ALVIR-1", 1445}, {-1, 17, "CORVA-4", 1440}, {0, 17, "CORVA-4", 1440},
                        {100, 17, "CORVA-4", 1440}, {10, 0, "CORVA-4", 1440}, {10, 59, "CORVA-4", 1440}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Storeys << " storeys, fan " << row.Fan);
        CalcRecord record = Building(10, 0.315, 0.05, 17);
        ASSERT_TRUE(SelectFan(record).Found);
        const CalcRecord before = record;
        record.StoreyCount = row.Storeys;
        record.FanIndex = row.Fan;
        EXPECT_FALSE(SelectFan(record).Found);
        EXPECT_STREQ(record.FanDesignation, row.Designation);
        EXPECT_EQ(record.FanSpeed, row.Speed);
        EXPECT_EQ(record.PrintReportKind, 0);
        for (double CalcRecord::*field : {&CalcRecord::FanFlow, &CalcRecord::FanFlowHourly, &CalcRecord::FanPressure,
                                          &CalcRecord::GrilleFlowHourly, &CalcRecord::DuctVelocity})
            EXPECT_EQ(record.*field, 0.0);
        EXPECT_EQ(record.NetworkCoefficient, before.NetworkCoefficient);
        for (int i = 0; i < kStoreyPressureSlots; ++i)
            ASSERT_EQ(record.StoreyPressure[i], 0.0) << "slot " << i;
        EXPECT_TRUE(row.Fan == 17 || record.BaseFlow == 0.0) << "no variant of a fan not chosen";
    }
}

// Without a network (R = 0) the residual is the characteristic itself; phi 0: no intersection.
TEST(operating_point, variant_intersections)
{
    const FanEntry& entry = *LookupFan(25);
    const double qs = 9.869604401089358 * 980 * 0.965 * 0.965 * 0.965 / 240;
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    struct Row { const char* name; Characteristic variant; double r, rho, phi; };
    const Row rows[] = {
        {"negative at the first step: no later point replaces it", {{0.02, 0.08}, {-0.005, 0.1}}, 0, 1.2, 0.02},
        {"exactly 0.01 from zero is too far", {{0.02, 0.05}, {-0.01}}, 0, 1.2, 0.0},
        {"falls through zero, the step before is closer", {{0.0, 0.02}, {0.104, -10}}, 0, 1.2, 0.010},
        {"falls through zero, the step after is closer", {{0.0, 0.02}, {0.107, -10}}, 0, 1.2, 0.011},
        {"missing characteristic", {{0.0, 0.0}, {}}, 0, 1.2, 0.0},
        {"network not a number", entry.BaseCharacteristic, nan, 1.2, 0.0},
        {"infinite network", entry.BaseCharacteristic, inf, 1.2, 0.0},
        {"zero density", entry.BaseCharacteristic, 100.0, 0.0, 0.0},
    };
    for (const Row& row : rows) {
        const VariantPoint point = EvaluateVariant(row.variant, entry, row.r, row.rho);
        EXPECT_NEAR(point.Flow, qs * row.phi, 1e-12) << row.name;
        EXPECT_TRUE(row.phi != 0.0 || point.Pressure == 0.0) << row.name;
    }
}

// The fast search equals the plain sweep bit for bit, on random buildings against random entries;
// counted are the points found, those taken from a sign change (where the difference jumps across
// the window) and the sweeps that end at a negative pressure. Every tenth entry has its curve
// lowered so that its pressure turns negative inside the range; half the networks have few
// storeys and wide ducts.
TEST(operating_point, fast_search_equals_the_plain_sweep_on_random_networks)
{
    std::mt19937_64 random(20261206);
    const double roughness[] = {1.8, 2.5, 3.0, 5.0, 7.5, 10.0};
    int crossings = 0, stops = 0, found = 0;
    for (int network = 0; network < 1000; ++network) {
        const bool small = network % 2 == 0;
        const int32_t storeys = small ? 1 + static_cast<int32_t>(Uniform(random, 0, 4))
                                      : 1 + static_cast<int32_t>(Uniform(random, 0, 99));
        CalcRecord record = Building(storeys, Uniform(random, small ? 0.4 : 0.1, 1.0), Uniform(random, 0.005, 0.2));
        record.AirDensity = Uniform(random, 1.0, 1.35);
        record.DuctRoughness = roughness[static_cast<int>(Uniform(random, 0, 6))];
        record.GrilleLossCoefficient = Uniform(random, 0.3, 8.0);
        record.StoreyHeight = Uniform(random, 2.4, 4.0);
        for (int pick = 0; pick < 3; ++pick) {
            FanEntry entry = FanCatalogue()[static_cast<int>(Uniform(random, 0, kFanCount))];
            if (pick == 0 && network % 10 == 0)
                entry.PressureCoefficients[0] -= Uniform(random, 1.05, 1.6) * std::fabs(PressureCoefficient(
                    entry.PressureCoefficients, entry.FlowCoefficientRange.Max)) + 0.001;
            SCOPED_TRACE(testing::Message() << "network " << network << ", entry " << entry.FanIndex);
            const NetworkModel model = BuildNetwork(record, entry.ConnectionDiameter);
            const FanScales scales = ComputeScales(entry, record.AirDensity, storeys);
            const OperatingPoint plain = FindOperatingPointBySweep(entry, model, scales, record.AirDensity);
            const OperatingPoint fast = FindOperatingPoint(entry, model, scales, record.AirDensity);
            ASSERT_EQ(fast.Found, plain.Found);
            ASSERT_EQ(fast.FlowCoefficient, plain.FlowCoefficient);
            ASSERT_EQ(fast.GrilleFlow, plain.GrilleFlow);
            found += plain.Found;
            crossings += plain.Found && std::fabs(FlowDifference(record, entry, plain.FlowCoefficient)) > kWindow;
            stops += PressureCoefficient(entry.PressureCoefficients, entry.FlowCoefficientRange.Max) < 0.0;
        }
    }
    EXPECT_GT(crossings, 10);
    EXPECT_GT(stops, 10);
    EXPECT_GT(found, 300);
}

// The fan's flow runs parallel to the network's, `gap` above it at every step and never crossing:
// a gap within the window of 0.000005 m3/s per grille is an operating point, one just outside none.
TEST(operating_point, window_of_the_search)
{
    const NetworkModel network{0.0, 0.0, 1.0};  // at rho = 2 the network passes sqrt(dp)
    const FanScales scales{1.0, 1.0, 1.0};
    for (const auto& [gap, found] : {std::pair{0.0000045, true}, std::pair{0.0000055, false}}) {
        FanEntry entry{};
        entry.FlowCoefficientRange = {0.1, 0.1001};
        const double psi[5] = {gap * gap, -2.0 * gap, 1.0, 0.0, 0.0};  // (phi - gap)^2
        std::copy(psi, psi + 5, entry.PressureCoefficients);
        EXPECT_EQ(FindOperatingPoint(entry, network, scales, 2.0).Found, found) << "gap " << gap;
        EXPECT_EQ(FindOperatingPointBySweep(entry, network, scales, 2.0).Found, found) << "gap " << gap;
    }
    // The network's flow 3.1 - 30 phi... falls 30 times as fast as the fan's grows, so the difference
    // jumps across the window at the crossing; moved in quarter steps through the range, the
    // crossing falls on every boundary of the fast search's blocks, and both searches agree.
    for (int quarter = 4; quarter < 392; ++quarter) {
        FanEntry entry{};
        entry.FlowCoefficientRange = {0.1, 0.1001};
        const double c = 31.0 * (0.1 + quarter * 0.25e-6);
        const double psi[5] = {c * c, -60.0 * c, 900.0, 0.0, 0.0};  // (c - 30 phi)^2
        std::copy(psi, psi + 5, entry.PressureCoefficients);
        const OperatingPoint fast = FindOperatingPoint(entry, network, scales, 2.0);
        ASSERT_TRUE(fast.Found) << quarter;
        ASSERT_EQ(fast.FlowCoefficient, FindOperatingPointBySweep(entry, network, scales, 2.0).FlowCoefficient) << quarter;
    }
}
