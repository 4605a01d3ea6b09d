// The storey flows: a building worked by hand, the equal-flow limit against the operating point, and
// a golden table of buildings: constant-flow grilles, the stack effect, results without a usable point.
#include "model/storey_flows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "model/building.h"
#include "model/fan_catalogue.h"
#include "model/operating_point.h"
#include "support/test_support.h"

namespace {

// Six significant digits after a blank.
std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, " %.6g", value);
    return text;
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
}

// With every grille's flow forced equal the march is the usual calculation: the same storey
// pressures and operating point. Solved freely, with fixed grilles and no stack, the lowest storey,
// furthest from the fan, gets the least; as the grilles' loss grows against the duct's, the free
// flows even out towards the usual point.
TEST(storey_flows, equal_flows_reproduce_the_operating_point_and_free_flows_rise_upwards)
{
    struct Case { const char* name; int32_t storeys; double duct, grilleArea, zeta; int32_t fan; double spread; };
    const Case cases[] = {
        {"10 storeys, CORVA-4/730", 10, 0.315, 0.0225, 15.0, 19, 1.0},
        {"3 storeys, round grilles", 3, 0.14, 0.00785398, 1.6, 2, 1.0},
        {"30 storeys", 30, 0.4, 0.0225, 15.0, 19, 1.0},
        {"10 storeys, grilles of zeta 3000", 10, 0.315, 0.0225, 3000.0, 19, 0.001},
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
        EXPECT_NEAR(forced.FanPressure, record.StoreyPressure[c.storeys], record.FanPressure * relative);
        for (int32_t i = 0; i < c.storeys; ++i)
            EXPECT_NEAR(forced.Storeys[i].DuctPressure, record.StoreyPressure[i], record.StoreyPressure[i] * relative)
                << "storey " << i + 1;

        const StoreyFlows free = SolveStoreyFlows(record, {});
        ASSERT_EQ(free.Status, StoreyFlowStatus::Solved);
        for (int32_t i = 1; i < c.storeys; ++i)
            EXPECT_LT(free.Storeys[i - 1].GrilleFlow, free.Storeys[i].GrilleFlow) << "storey " << i + 1;
        // More flow at the top than the equal share: the fan's point moves to more flow.
        EXPECT_GT(free.FanFlow, forced.FanFlow);
        EXPECT_LT(StoreyFlowSpread(free) - 1.0, c.spread);
        EXPECT_NEAR(free.FanFlow, record.FanFlow, record.FanFlow * c.spread);
    }
}

// Buildings whose storey flows stand in a golden file. Constant-flow grilles hold their flow while
// CORVA-4, made for several times it, runs below its catalogued range. Winter's stack effect draws
// more through the low storeys (the lowest grille sees g * 30 m * (rho_o - rho_i) more than its
// duct); a hot day with a slowed fan pushes air back into the lowest flat. A tall narrow riser's top
// storeys take nearly all the air. Open grilles ask less than CORVA-4 gives at the end of its curve:
// with equal flows its point lies near that end, the upper storeys' larger share takes it past, onto
// the tangent that continues the curve (status 1); a curve that rises at its end is not continued.
TEST(storey_flows, buildings)
{
    const double zeta15 = std::exp(-1.77287 * std::log(15.0) + 10.3756);  // 100 mm at 15 m3/h
    struct Row { const char* name; int32_t storeys; double duct, grilleArea; int32_t fan, kind;
                 double zeta, setFlow; bool stack; double outside, speed; };
    const Row rows[] = {
        {"constant-flow grilles", 10, 0.315, 0.0078540, 19, 4, zeta15, 15.0, false, 0.0, 0.0},
        {"the same grilles fixed", 10, 0.315, 0.0078540, 19, 2, zeta15, 15.0, false, 0.0, 0.0},
        {"still air", 10, 0.315, 0.0225, 19, 1, 15.0, 0.0, false, 0.0, 0.0},
        {"winter at -20 deg C", 10, 0.315, 0.0225, 19, 1, 15.0, 0.0, true, -20.0, 0.0},
        {"summer at 35 deg C, fan at 200 1/min", 10, 0.315, 0.0225, 19, 1, 15.0, 0.0, true, 35.0, 200.0},
        {"40 storeys, narrow", 40, 0.27, 0.05, 41, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"99 storeys, narrow", 99, 0.27, 0.05, 41, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"one storey, open grille", 1, 1.0, 1.0, 19, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"open grilles", 10, 0.315, 0.05, 19, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"open grilles, a curve rising at its end", 10, 0.315, 0.05, 49, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"no fan", 10, 0.315, 0.05, 0, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"no storeys", 0, 0.315, 0.05, 19, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"100 storeys", 100, 0.315, 0.05, 19, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"no grille", 10, 0.315, 0.0, 19, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"no duct", 10, 0.0, 0.05, 19, 1, 2.5, 0.0, false, 0.0, 0.0},
        {"no grille loss", 10, 0.315, 0.05, 19, 1, 0.0, 0.0, false, 0.0, 0.0},
    };
    std::string dump;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CalcRecord record = Building(row.storeys, row.duct, row.grilleArea, row.fan);
        record.DensitySource = 1;  // typed density: indoor air at 20 deg C
        record.InstallationKind = row.kind;
        record.GrilleLossCoefficient = row.zeta;
        record.GrilleSetFlowHourly = row.setFlow;
        StoreyFlowOptions options;
        options.StackEffect = row.stack;
        options.OutsideTemperature = row.outside;
        options.FanSpeed = row.speed;
        const StoreyFlows flows = SolveStoreyFlows(record, options);
        EXPECT_LT(flows.Iterations, kStoreyFlowIterationLimit);
        dump += std::string("== ") + row.name + ": status " + std::to_string(static_cast<int>(flows.Status)) +
                ", fan" + Number(flows.FanFlow * 3600.0) + " m3/h" + Number(flows.FanPressure) + " Pa, phi" +
                Number(flows.FlowCoefficient) + ", outside" + Number(flows.OutsideDensity) + " kg/m3\n";
        double sum = 0.0;
        for (size_t i = 0; i < flows.Storeys.size(); ++i) {
            const StoreyFlowRow& storey = flows.Storeys[i];
            sum += storey.GrilleFlow;
            dump += std::to_string(i + 1) + Number(storey.GrilleFlow * 3600.0) + " m3/h" + Number(storey.DuctPressure) +
                    " Pa" + Number(storey.GrillePressure) + " Pa\n";
        }
        EXPECT_NEAR(sum, flows.FanFlow, 1e-12) << "the fan carries what the grilles pass";
    }
    EXPECT_EQ(CompareWithGolden("model/storey_flows.txt", dump), "");
}

// Past the catalogued end of CORVA-4's curve (phi 0.385, psi falling there) the fan's pressure
// follows the tangent psi(0.385) + psi'(0.385) (phi - 0.385): the README's block in still air and
// its tower in winter meet the network on it, and say so. Kept to the catalogued curve, both had
// no solution.
TEST(storey_flows, the_curve_continues_along_its_tangent_beyond_the_catalogue)
{
    struct Case { const char* name; int32_t storeys; double duct, grilleArea, zeta; double outside; bool stack; };
    const Case cases[] = {
        {"block of 10 storeys, still air", 10, 0.315, 0.2 * 0.25, 2.5, 0.0, false},
        {"tower of 30 storeys at -20 deg C", 30, 0.4, 0.15 * 0.15, 15.0, -20.0, true},
    };
    const FanEntry& fan = *LookupFan(19);
    const double* c = fan.PressureCoefficients;
    const double end = fan.FlowCoefficientRange.Max;
    const double slope = c[1] + 2 * c[2] * end + 3 * c[3] * end * end + 4 * c[4] * end * end * end;
    ASSERT_LT(slope, 0.0);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CalcRecord record = Building(k.storeys, k.duct, k.grilleArea, 19);
        record.DensitySource = 1;
        record.GrilleLossCoefficient = k.zeta;
        StoreyFlowOptions options;
        options.StackEffect = k.stack;
        options.OutsideTemperature = k.outside;
        const StoreyFlows flows = SolveStoreyFlows(record, options);
        ASSERT_EQ(flows.Status, StoreyFlowStatus::OffCatalogue);
        EXPECT_GT(flows.FlowCoefficient, end);
        EXPECT_EQ(flows.CatalogueRange.Max, end);
        const FanScales scales = ComputeScales(fan, record.AirDensity, k.storeys);
        const double tangent = PressureCoefficient(c, end) + slope * (flows.FlowCoefficient - end);
        EXPECT_NEAR(flows.FanPressure, tangent * scales.Pressure, 1e-6);
    }
}

// The tower of the README with its three design conditions: the storeys' flows add up to the
// fan's in each; in summer the outside's lighter air pushes back into the lowest flats, in winter
// the lowest flat draws the most, more than in still air.
TEST(storey_flows, winter_and_summer_on_a_tall_building)
{
    CalcRecord record = Building(30, 0.4, 0.15 * 0.15, 19);
    record.DensitySource = 1;
    record.GrilleLossCoefficient = 15.0;
    const std::vector<StoreyConditionFlows> conditions = SolveStoreyConditions(record);
    ASSERT_EQ(conditions.size(), 3u);
    for (const StoreyConditionFlows& condition : conditions) {
        SCOPED_TRACE(static_cast<int>(condition.Condition));
        ASSERT_TRUE(HasStoreyRows(condition.Flows));
        double sum = 0.0;
        for (const StoreyFlowRow& storey : condition.Flows.Storeys)
            sum += storey.GrilleFlow;
        EXPECT_NEAR(sum, condition.Flows.FanFlow, 1e-12);
    }
    const auto& still = conditions[0].Flows.Storeys;
    const auto& winter = conditions[1].Flows.Storeys;
    const auto& summer = conditions[2].Flows.Storeys;
    EXPECT_EQ(conditions[1].OutsideTemperature, kDefaultWinterTemperature);
    EXPECT_EQ(conditions[2].OutsideTemperature, kDefaultSummerTemperature);
    EXPECT_LT(summer[0].GrilleFlow, 0.0);
    EXPECT_LT(summer[0].GrilleFlow, summer[1].GrilleFlow);
    EXPECT_GT(winter[0].GrilleFlow, still[0].GrilleFlow);
    for (size_t i = 1; i < winter.size(); ++i)
        EXPECT_GT(winter[0].GrilleFlow, winter[i].GrilleFlow) << "storey " << i + 1;

    record.StoreyOneCondition = 1;
    record.OutsideTemperature = -20.0;
    const std::vector<StoreyConditionFlows> one = SolveStoreyConditions(record);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Flows.FanFlow, conditions[1].Flows.FanFlow) << "the one condition is winter's";
}

// Each storey's grille may have a loss of its own: the record's at every storey changes nothing; a
// grille closed further passes less and leaves more for the others.
TEST(storey_flows, a_grille_loss_per_storey)
{
    CalcRecord record = Building(10, 0.315, 0.0225, 19);
    record.GrilleLossCoefficient = 15.0;
    const StoreyFlows plain = SolveStoreyFlows(record, {});
    StoreyFlowOptions options;
    options.GrilleLossCoefficients.assign(10, 15.0);
    EXPECT_EQ(SolveStoreyFlows(record, options).FanFlow, plain.FanFlow);
    options.GrilleLossCoefficients[0] = 60.0;
    const StoreyFlows closed = SolveStoreyFlows(record, options);
    ASSERT_EQ(closed.Status, StoreyFlowStatus::Solved);
    EXPECT_NEAR(closed.Storeys[0].GrilleFlow, plain.Storeys[0].GrilleFlow / 2.0, plain.Storeys[0].GrilleFlow * 0.05);
    EXPECT_GT(closed.Storeys[9].GrilleFlow, plain.Storeys[9].GrilleFlow);
    options.GrilleLossCoefficients[3] = 0.0;
    EXPECT_EQ(SolveStoreyFlows(record, options).Status, StoreyFlowStatus::NoNetwork);
}
