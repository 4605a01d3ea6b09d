// The storey flows: a building worked by hand, the equal-flow limit against the operating point,
// constant-flow grilles, the stack effect and the results without a usable point.
#include "model/storey_flows.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/building.h"
#include "model/operating_point.h"

namespace {

double Sum(const StoreyFlows& flows)
{
    double sum = 0.0;
    for (const StoreyFlowRow& row : flows.Storeys)
        sum += row.GrilleFlow;
    return sum;
}

}  // namespace

// Three storeys of 3 m, round duct 0.14 m of roughness 1.8, round grilles d = 0.1 m of zeta 1.6,
// air of 1.2 kg/m3, fan 2 (ALVIR-1 at 1000 1/min: d = 0.2 m, D = 0.17 m,
// psi = 0.2557 - 0.0029 phi - 5.0894 phi^2 on 0.1..0.2).
//   A = pi 0.14^2 / 4 = 0.015394 m2, A_kr = pi 0.1^2 / 4 = 0.0078540 m2
//   f = 0.01 * 1.8^0.314 * 0.14^-1.314 = 0.159273 1/m; beta = 0.2/0.14 = 1.4286 >= 1, so
//   zeta_p = -0.47258 + 0.598253 b^2 - 0.138865 b^4 + 0.0131917 b^6 = 0.282109
//   grille   k_g = 1.6 * 0.6 / A_kr^2        = 15562.93 Pa/(m3/s)^2
//   segment  k_s = 0.159273 * 3 * 0.6 / A^2   =  1209.83
//   into fan k_t = 0.282109 * 0.6 / A^2       =   714.29
//   fan: Q = phi * 1000 pi^2 0.17^3 / 240 = phi * 0.202039 m3/s,
//        dp = psi * pi^2 1.2 0.17^2 1000^2 / 7200 = psi * 47.5386 Pa
// Marching up from the lowest duct pressure p1: q_i = sqrt(p_i / k_g), p_(i+1) = p_i + k_s Q_i^2,
// the fan needs p_3 + (k_s + k_t) Q_3^2. Trying p1 = 1.80 Pa leaves the fan 0.19 Pa above what
// the network needs, p1 = 1.85 Pa 0.15 Pa below; halving the interval between them ends at
// p1 = 1.82800 Pa:
//   q1 = sqrt(1.82800 / 15562.93) = 0.0108378 m3/s = 39.016 m3/h, Q1 = 0.0108378
//   p2 = 1.82800 + 1209.83 * 0.0108378^2 = 1.97010, q2 = 0.0112512 = 40.504 m3/h, Q2 = 0.0220890
//   p3 = 1.97010 + 1209.83 * 0.0220890^2 = 2.56041, q3 = 0.0128265 = 46.175 m3/h, Q3 = 0.0349155
//   network at the fan: 2.56041 + 1924.12 * 0.0349155^2 = 4.90609 Pa
//   fan at phi = 0.0349155 / 0.202039 = 0.172816: psi = 0.103203, dp = 4.90609 Pa.
TEST(storey_flows, three_storeys_worked_by_hand)
{
    CalcRecord record = Building(3, 0.14, 3.141592653589793 * 0.1 * 0.1 * 0.25, 2);
    record.InstallationKind = 2;
    record.GrilleLossCoefficient = 1.6;
    const StoreyFlows flows = SolveStoreyFlows(record, {});
    ASSERT_EQ(flows.Status, StoreyFlowStatus::Solved);
    const double byHand[] = {39.016, 40.504, 46.175};  // m3/h
    ASSERT_EQ(flows.Storeys.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(flows.Storeys[i].GrilleFlow * 3600.0, byHand[i], byHand[i] * 0.001) << "storey " << i + 1;
    EXPECT_NEAR(flows.FanPressure, 4.90609, 4.90609 * 0.001);
    EXPECT_NEAR(flows.FlowCoefficient, 0.172816, 0.172816 * 0.001);
    EXPECT_NEAR(StoreyFlowSpread(flows), 46.175 / 39.016, 0.002);
    EXPECT_LT(flows.Iterations, kStoreyFlowIterationLimit);
}

// With every grille's flow forced equal the march is the usual calculation: the same storey
// pressures and operating point. Solved freely, the flows add up to the fan's, and with fixed
// grilles and no stack the lowest storey, furthest from the fan, gets the least.
TEST(storey_flows, equal_flows_reproduce_the_operating_point_and_free_flows_rise_upwards)
{
    struct Case { const char* name; int32_t storeys; double duct, grilleArea, zeta; int32_t fan; };
    const Case cases[] = {
        {"10 storeys, CORVA-4/730", 10, 0.315, 0.0225, 15.0, 19},
        {"3 storeys, round grilles", 3, 0.14, 0.00785398, 1.6, 2},
        {"30 storeys", 30, 0.4, 0.0225, 15.0, 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalcRecord record = Building(c.storeys, c.duct, c.grilleArea, c.fan);
        record.GrilleLossCoefficient = c.zeta;
        const FanSelection selection = SelectFan(record);
        ASSERT_TRUE(selection.Found);

        StoreyFlowOptions equal;
        equal.EqualFlows = true;
        const StoreyFlows forced = SolveStoreyFlows(record, equal);
        ASSERT_EQ(forced.Status, StoreyFlowStatus::Solved);
        // The sweep keeps its point within 0.000005 m3/s per grille.
        const double q = record.FanFlow / c.storeys;
        const double relative = 3.0 * 0.000005 / q;
        EXPECT_NEAR(forced.FanFlow, record.FanFlow, record.FanFlow * relative);
        EXPECT_NEAR(forced.FanPressure, record.FanPressure, record.FanPressure * relative);
        EXPECT_NEAR(forced.FanPressure, record.StoreyPressure[c.storeys], record.FanPressure * relative);
        for (int32_t i = 0; i < c.storeys; ++i)
            EXPECT_NEAR(forced.Storeys[i].DuctPressure, record.StoreyPressure[i], record.StoreyPressure[i] * relative)
                << "storey " << i + 1;

        const StoreyFlows free = SolveStoreyFlows(record, {});
        ASSERT_EQ(free.Status, StoreyFlowStatus::Solved);
        EXPECT_NEAR(Sum(free), free.FanFlow, free.FanFlow * 1e-12);
        for (int32_t i = 1; i < c.storeys; ++i)
            EXPECT_LT(free.Storeys[i - 1].GrilleFlow, free.Storeys[i].GrilleFlow) << "storey " << i + 1;
        // More flow at the top than the equal share: the fan's point moves to more flow.
        EXPECT_GT(free.FanFlow, forced.FanFlow);
    }
}

// As the grilles' loss grows against the duct's, the flows even out and the fan's point tends to
// the usual one.
TEST(storey_flows, large_grille_loss_evens_the_flows)
{
    double previousSpread = 0.0;
    for (double zeta : {15.0, 300.0, 3000.0}) {
        SCOPED_TRACE(zeta);
        CalcRecord record = Building(10, 0.315, 0.0225, 19);
        record.GrilleLossCoefficient = zeta;
        ASSERT_TRUE(SelectFan(record).Found);
        const StoreyFlows flows = SolveStoreyFlows(record, {});
        ASSERT_EQ(flows.Status, StoreyFlowStatus::Solved);
        const double spread = StoreyFlowSpread(flows) - 1.0;
        if (previousSpread > 0.0) {
            EXPECT_LT(spread, previousSpread / 5.0);
        }
        previousSpread = spread;
        if (zeta == 3000.0) {
            EXPECT_LT(spread, 0.001);
            EXPECT_NEAR(flows.FanFlow, record.FanFlow, record.FanFlow * 0.001);
            EXPECT_NEAR(flows.FanPressure, record.FanPressure, record.FanPressure * 0.001);
        }
    }
}

// Constant-flow grilles hold their Qs where the duct's pressure allows and act as fixed grilles
// below it; an oversized fan throttled by them runs off its catalogued curve.
TEST(storey_flows, constant_flow_grilles)
{
    CalcRecord record = Building(10, 0.315, 0.0078540, 19);  // round grilles of d = 0.1 m
    record.InstallationKind = 4;
    record.GrilleSetFlowHourly = 15.0;
    record.GrilleLossCoefficient = std::exp(-1.77287 * std::log(15.0) + 10.3756);  // 100 mm at 15 m3/h
    const StoreyFlows flows = SolveStoreyFlows(record, {});
    ASSERT_NE(flows.Status, StoreyFlowStatus::NoSolution);
    ASSERT_NE(flows.Status, StoreyFlowStatus::NoNetwork);
    int held = 0;
    for (const StoreyFlowRow& row : flows.Storeys) {
        const double needed = record.GrilleLossCoefficient * 0.6 * std::pow(15.0 / 3600.0 / record.GrilleArea, 2.0);
        if (row.GrillePressure >= needed) {
            EXPECT_DOUBLE_EQ(row.GrilleFlow, 15.0 / 3600.0);
            ++held;
        } else {
            EXPECT_LT(row.GrilleFlow, 15.0 / 3600.0);
        }
    }
    EXPECT_EQ(held, 10);
    EXPECT_NEAR(flows.FanFlow, 150.0 / 3600.0, 1e-12);
    // CORVA-4 is made for several times this flow: its point lies below its catalogued range.
    EXPECT_EQ(flows.Status, StoreyFlowStatus::OffCatalogue);
    EXPECT_LT(flows.FlowCoefficient, LookupFan(19)->FlowCoefficientRange.Min);

    record.InstallationKind = 2;  // the same grilles fixed: the duct's friction shows again
    const StoreyFlows fixed = SolveStoreyFlows(record, {});
    EXPECT_GT(StoreyFlowSpread(fixed), 1.0 + 1e-6);
}

// Winter's stack effect draws more through the low storeys; a hot summer day with a weak fan
// pushes air back into the lowest flats.
TEST(storey_flows, stack_effect)
{
    CalcRecord record = Building(10, 0.315, 0.0225, 19);
    record.GrilleLossCoefficient = 15.0;
    record.DensitySource = 1;  // typed density: indoor air at 20 deg C
    const StoreyFlows still = SolveStoreyFlows(record, {});
    StoreyFlowOptions winter;
    winter.StackEffect = true;
    winter.OutsideTemperature = -20.0;
    const StoreyFlows cold = SolveStoreyFlows(record, winter);
    ASSERT_EQ(cold.Status, StoreyFlowStatus::Solved);
    EXPECT_NEAR(cold.OutsideDensity, 1.2 * 293.15 / 253.15, 1e-12);
    // The lowest grille sees g * 30 m * (rho_o - rho_i) more than its duct pressure.
    EXPECT_NEAR(cold.Storeys[0].GrillePressure - cold.Storeys[0].DuctPressure,
                9.81 * 30.0 * (cold.OutsideDensity - 1.2), 1e-9);
    EXPECT_GT(cold.Storeys[0].GrilleFlow, still.Storeys[0].GrilleFlow);
    EXPECT_NEAR(Sum(cold), cold.FanFlow, cold.FanFlow * 1e-12);

    StoreyFlowOptions summer;
    summer.StackEffect = true;
    summer.OutsideTemperature = 35.0;
    summer.FanSpeed = 200.0;  // slowed down by the fan laws
    const StoreyFlows hot = SolveStoreyFlows(record, summer);
    ASSERT_NE(hot.Status, StoreyFlowStatus::NoNetwork);
    ASSERT_NE(hot.Status, StoreyFlowStatus::NoSolution);
    EXPECT_LT(hot.Storeys[0].GrilleFlow, 0.0) << "air flows back into the lowest flat";
    EXPECT_GT(hot.Storeys[9].GrilleFlow, 0.0);
    EXPECT_NEAR(Sum(hot), hot.FanFlow, 1e-12);
}

// A tall riser with a narrow duct: the lowest storeys see a tiny fraction of a pascal, and the
// network's pressure at the fan rises steeply with it. The crossing is still found (the bracket
// closes on the residual), the top storeys taking nearly all the air.
TEST(storey_flows, tall_narrow_riser_is_solved)
{
    for (int32_t storeys : {40, 99}) {
        const CalcRecord record = Building(storeys, 0.27, 0.05, 41);
        const StoreyFlows flows = SolveStoreyFlows(record, {});
        ASSERT_EQ(flows.Status, StoreyFlowStatus::Solved) << storeys;
        EXPECT_NEAR(Sum(flows), flows.FanFlow, 1e-12) << storeys;
        EXPECT_GT(flows.Storeys.back().GrilleFlow, 100.0 * flows.Storeys.front().GrilleFlow) << storeys;
    }
}

TEST(storey_flows, no_solution_and_no_network)
{
    // Open grilles ask less than CORVA-4 gives at the end of its curve: with equal flows its
    // point lies near that end, and the upper storeys' larger share takes it past.
    for (double duct : {1.0, 0.315}) {
        CalcRecord record = Building(duct == 1.0 ? 1 : 10, duct, duct == 1.0 ? 1.0 : 0.05, 19);
        ASSERT_EQ(SelectFan(record).Found, duct != 1.0);
        const StoreyFlows open = SolveStoreyFlows(record, {});
        EXPECT_EQ(open.Status, StoreyFlowStatus::NoSolution) << duct;
        EXPECT_LT(open.Iterations, kStoreyFlowIterationLimit);
    }

    struct Broken { const char* name; int32_t storeys; int32_t fan; double grilleArea; };
    const Broken broken[] = {{"no fan", 10, 0, 0.05}, {"no storeys", 0, 19, 0.05},
                             {"100 storeys", 100, 19, 0.05}, {"no grille", 10, 19, 0.0}};
    for (const Broken& b : broken) {
        const StoreyFlows none = SolveStoreyFlows(Building(b.storeys, 0.315, b.grilleArea, b.fan), {});
        EXPECT_EQ(none.Status, StoreyFlowStatus::NoNetwork) << b.name;
        EXPECT_TRUE(none.Storeys.empty()) << b.name;
    }
}
