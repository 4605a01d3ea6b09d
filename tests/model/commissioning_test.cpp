// The commissioning settings: a three-storey building of adjustable grilles worked by hand and
// checked against every one of its 9261 settings, the speed rule of the fixed and constant-flow
// grilles, and a catalogue speed too low.
#include "model/commissioning.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/adjustable_grilles.h"
#include "model/building.h"

namespace {

constexpr double kHour = 3600.0;  // s/h

bool EveryStoreyGets(const StoreyFlows& flows, double required)
{
    return (flows.Status == StoreyFlowStatus::Solved || flows.Status == StoreyFlowStatus::OffCatalogue) &&
           std::all_of(flows.Storeys.begin(), flows.Storeys.end(),
                       [&](const StoreyFlowRow& row) { return row.GrilleFlow >= required; });
}

// Three storeys of 3 m, round duct 0.1 m, LUMA 160 grilles, fan 2 (ALVIR-1 at 1000 1/min).
CalcRecord LumaBuilding()
{
    const AdjustableGrille& luma160 = kAdjustableGrilles[3];
    CalcRecord record = Building(3, 0.1, 3.141592653589793 * luma160.Diameter * luma160.Diameter * 0.25, 2);
    record.InstallationKind = kAdjustableRoundGrille;
    record.GrilleSizeA = luma160.Diameter;
    record.GrilleLossCoefficient = LossCoefficientAtTurns(luma160, 10);
    return record;
}

}  // namespace

// Qi = 20 m3/h = 0.0055556 m3/s on every storey.
//   A = pi 0.1^2 / 4 = 0.0078540 m2, A_kr = pi 0.115^2 / 4 = 0.0103869 m2
//   f = 0.01 * 1.8^0.314 * 0.1^-1.314 = 0.247831 1/m, beta = 0.2 / 0.1 = 2:
//   zeta_p = -0.47258 + 0.598253 * 4 - 0.138865 * 16 + 0.0131917 * 64 = 0.542861
//   segment k_s = 0.247831 * 3 * 0.6 / A^2 = 7231.83, into the fan k_t = 0.542861 * 0.6 / A^2 = 5280.32
//   grille k(n) = zeta(n) * 0.6 / A_kr^2: k(19) = 25644.5, k(18) = 29281.4, k(17) = 32871.0,
//   k(16) = 36598.1, k(12) = 61905.3, k(11) = 74422.0 Pa/(m3/s)^2
//   fan at 762 1/min: Q = phi * 0.153954 m3/s, dp = psi * 27.6030 Pa
// Turns 19, 17, 12 (lowest first) at 762 1/min; the march from p1 = 0.79401 Pa:
//   q1 = sqrt(0.79401 / 25644.5) = 0.0055643 m3/s = 20.032 m3/h
//   p2 = 0.79401 + 7231.83 * 0.0055643^2 = 1.01792, q2 = sqrt(1.01792 / 32871.0) = 0.0055648 = 20.033 m3/h
//   p3 = 1.01792 + 7231.83 * 0.0111291^2 = 1.91364, q3 = sqrt(1.91364 / 61905.3) = 0.0055599 = 20.016 m3/h
//   network at the fan: 1.91364 + (7231.83 + 5280.32) * 0.0166890^2 = 5.3986 Pa
//   fan: phi = 0.0166890 / 0.153954 = 0.108402, psi = 0.2557 - 0.0029 phi - 5.0894 phi^2 = 0.195578,
//   dp = 5.3986 Pa: the point. Every storey passes Qi.
// No grille can close by one more turn: it would need k(n-1) Qi^2 across it, 0.904 Pa at the
// lowest (0.794 there), 1.130 Pa at the second (1.018), 2.297 Pa at the top (1.914), and what
// closing one grille adds to the others' pressure is far less than those gaps. At 761 1/min the same
// turns leave the top storey 19.989 m3/h; no other setting does better there.
TEST(commissioning, three_adjustable_grilles_worked_by_hand_and_against_every_setting)
{
    const CalcRecord record = LumaBuilding();
    const double required = 20.0 / kHour;
    const Commissioning c = ComputeCommissioning(record, {20.0});
    ASSERT_EQ(c.Status, CommissioningStatus::Balanced);
    EXPECT_EQ(c.Rule, CommissioningRule::Turns);
    EXPECT_EQ(c.Speed, 762);
    ASSERT_EQ(c.Storeys.size(), 3u);
    const int32_t byHand[] = {19, 17, 12};
    std::vector<int32_t> turns;
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(c.Storeys[i].Turns, byHand[i]) << "storey " << i + 1;
        turns.push_back(c.Storeys[i].Turns);
    }
    EXPECT_NEAR(c.FanPressure, 5.3986, 0.001);
    EXPECT_NEAR(c.FanFlow * kHour, 60.0805, 0.001);
    EXPECT_NEAR(SpeedShare(c), 76.2, 1e-9);

    // Every setting of the three grilles: at the printed speed the printed turns give every storey
    // Qi with the least total flow; one 1/min less, none does.
    EXPECT_TRUE(EveryStoreyGets(SolveWithTurns(record, turns, c.Speed), required));
    for (const int32_t speed : {c.Speed, c.Speed - 1}) {
        double least = 1e9;
        for (int32_t a = 0; a <= kMaxTurns; ++a)
            for (int32_t b = 0; b <= kMaxTurns; ++b)
                for (int32_t d = 0; d <= kMaxTurns; ++d) {
                    const StoreyFlows flows = SolveWithTurns(record, {a, b, d}, speed);
                    if (EveryStoreyGets(flows, required))
                        least = std::min(least, flows.FanFlow);
                }
        if (speed == c.Speed)
            EXPECT_DOUBLE_EQ(least, c.FanFlow);
        else
            EXPECT_EQ(least, 1e9) << "a setting works at " << speed << " 1/min";
    }
    EXPECT_TRUE(TurnsAtSpeed(record, required, c.Speed - 1).empty());
}

// Fixed grilles: the least speed at which the storey that gets least still gets Qi. Constant-flow
// grilles: the least speed at which every grille has the pressure its Qs needs. Each is checked
// with the storey solve at the speed found and one below.
TEST(commissioning, the_least_speed_of_fixed_and_constant_flow_grilles)
{
    struct Case { const char* name; int32_t kind; double qi; double setFlow; };
    const Case cases[] = {
        {"kind 1, rectangular grilles", kRectangularGrille, 40.0, 0.0},
        {"kind 2, round grilles", kRoundGrille, 25.0, 0.0},
        {"kind 4, round constant-flow grilles of 30 m3/h", kConstantFlowRoundGrille, 30.0, 30.0},
        {"kind 5, rectangular constant-flow grilles of 45 m3/h", kConstantFlowRectangularGrille, 30.0, 45.0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CalcRecord record = Building(10, 0.315, 0.0225, 19);  // CORVA-4 at 730 1/min
        record.GrilleLossCoefficient = 15.0;
        record.InstallationKind = k.kind;
        record.GrilleSetFlowHourly = k.setFlow;
        const Commissioning c = ComputeCommissioning(record, {k.qi});
        ASSERT_EQ(c.Status, CommissioningStatus::Balanced);
        EXPECT_LT(c.Speed, c.CatalogueSpeed);
        const double factor = 15.0 * 0.6 / (0.0225 * 0.0225);
        const auto holds = [&](int32_t speed) {
            StoreyFlowOptions options;
            options.FanSpeed = speed;
            const StoreyFlows flows = SolveStoreyFlows(record, options);
            if (k.setFlow == 0.0)
                return EveryStoreyGets(flows, k.qi / kHour);
            const double q = k.setFlow / kHour;
            return std::all_of(flows.Storeys.begin(), flows.Storeys.end(),
                               [&](const StoreyFlowRow& row) { return row.GrillePressure >= factor * q * q; });
        };
        EXPECT_TRUE(holds(c.Speed));
        EXPECT_FALSE(holds(c.Speed - 1));
        for (const CommissioningStorey& storey : c.Storeys) {
            EXPECT_EQ(storey.Turns, -1);
            if (k.setFlow > 0.0) {
                EXPECT_GE(storey.Margin, 0.0);
                EXPECT_DOUBLE_EQ(storey.Flow, k.setFlow / kHour);
            }
        }
    }
}

// When not even the catalogue speed gives every storey Qi, the result is at the catalogue speed
// (adjustable grilles fully open) and names the storeys below Qi.
TEST(commissioning, a_catalogue_speed_too_low_is_reported_with_the_shortfall)
{
    struct Case { const char* name; CalcRecord record; int32_t openTurns; };
    CalcRecord fixed = Building(10, 0.315, 0.0225, 19);
    fixed.InstallationKind = kRectangularGrille;
    fixed.GrilleLossCoefficient = 15.0;
    const Case cases[] = {{"adjustable grilles", LumaBuilding(), 20}, {"fixed grilles", fixed, -1}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const Commissioning c = ComputeCommissioning(k.record, {400.0});
        EXPECT_EQ(c.Status, CommissioningStatus::CatalogueTooLow);
        EXPECT_EQ(c.Speed, c.CatalogueSpeed);
        EXPECT_DOUBLE_EQ(SpeedShare(c), 100.0);
        ASSERT_EQ(c.Storeys.size(), static_cast<size_t>(k.record.StoreyCount));
        for (const CommissioningStorey& storey : c.Storeys) {
            EXPECT_EQ(storey.Turns, k.openTurns);
            EXPECT_LT(storey.Flow, c.RequiredFlow);
        }
    }
    CalcRecord noFan = LumaBuilding();
    noFan.FanIndex = 0;
    EXPECT_EQ(ComputeCommissioning(noFan, {20.0}).Status, CommissioningStatus::NoNetwork);
}
