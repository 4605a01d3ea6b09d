// The duct network: transition loss, friction, the network constant, the flow at a pressure and
// the storey pressures with their trace text.
#include "model/network.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/test_support.h"

namespace {

constexpr double kPi = 3.141592653589793;

// The building of the examples: storeys of 3 m, round steel duct (roughness 1.8), grilles of
// zeta 2.5 and 0.2 x 0.25 m, air of 1.2 kg/m3.
CalcRecord Building(int32_t storeys, double ductDiameter, double grilleArea)
{
    CalcRecord record;
    ResetCalcRecord(record);
    record.AirDensity = 1.2;
    record.DuctRoughness = 1.8;
    record.DuctDiameter = ductDiameter;
    record.DuctArea = kPi * ductDiameter * ductDiameter * 0.25;
    record.GrilleLossCoefficient = 2.5;
    record.GrilleArea = grilleArea;
    record.StoreyCount = storeys;
    record.StoreyHeight = 3.0;
    return record;
}

int CountOccurrences(const std::string& text, const std::string& what)
{
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(network, transition_loss_worked_values)
{
    struct Row {
        const char* name;
        double connection, duct, expected, tolerance;
    };
    const Row rows[] = {
        {"half the duct", 0.5, 1.0, 4.374148984375, 1e-12},
        {"twice the duct", 2.0, 1.0, 0.5428608, 1e-12},
        {"just below the duct (first fit)", 1.0 - 1e-9, 1.0, -0.0336, 5e-5},
        {"equal to the duct (second fit)", 1.0, 1.0, -3e-7, 1e-12},
        {"equal, real sizes", 0.315, 0.315, -3e-7, 1e-12},
        {"no connection", 0.0, 0.3, 6.29349, 0.0},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(TransitionLossCoefficient(row.connection, row.duct), row.expected, row.tolerance)
            << row.name;
}

TEST(network, transition_loss_branches_do_not_meet)
{
    const double below = TransitionLossCoefficient(std::nextafter(0.4, 0.0), 0.4);
    const double at = TransitionLossCoefficient(0.4, 0.4);
    EXPECT_LT(below, -0.03) << "a connection a hair narrower than the duct uses the first fit";
    EXPECT_GT(at, -1e-6) << "a connection as wide as the duct uses the second fit";
}

TEST(network, friction_per_metre)
{
    EXPECT_NEAR(FrictionPerMetre(1.8, 0.2), 0.0997, 5e-5);
    EXPECT_NEAR(FrictionPerMetre(1.8, 0.2), 0.09967865110672922, 1e-15);
    // Rougher and narrower ducts lose more.
    EXPECT_GT(FrictionPerMetre(10.0, 0.2), FrictionPerMetre(1.8, 0.2));
    EXPECT_GT(FrictionPerMetre(1.8, 0.1), FrictionPerMetre(1.8, 0.2));
}

TEST(network, network_constant_worked_values)
{
    struct Row {
        const char* name;
        int32_t storeys;
        double duct, grilleArea, connection, gamma;
    };
    const Row rows[] = {
        {"10 storeys, connection as wide as the duct", 10, 0.315, 0.05, 0.315, 11436.029539069501},
        {"10 storeys, narrower connection", 10, 0.315, 0.05, 0.25, 18662.513959629934},
        {"3 storeys", 3, 0.315, 0.05, 0.25, 2029.8753161425757},
        {"1 storey, wide duct", 1, 0.63, 0.04, 0.63, 1563.1813957352738},
    };
    for (const Row& row : rows) {
        const CalcRecord record = Building(row.storeys, row.duct, row.grilleArea);
        const NetworkModel network = BuildNetwork(record, row.connection);
        EXPECT_NEAR(network.NetworkGamma, row.gamma, row.gamma * 1e-13) << row.name;
        EXPECT_EQ(network.TransitionLoss, TransitionLossCoefficient(row.connection, row.duct)) << row.name;
        EXPECT_EQ(network.FrictionPerMetre, FrictionPerMetre(1.8, row.duct)) << row.name;
    }
}

TEST(network, zero_inputs_give_no_finite_network)
{
    CalcRecord record;
    ResetCalcRecord(record);
    const NetworkModel network = BuildNetwork(record, 0.0);
    EXPECT_FALSE(std::isfinite(network.NetworkGamma)) << network.NetworkGamma;
}

TEST(network, flow_for_pressure_inverts_the_network)
{
    const CalcRecord record = Building(10, 0.315, 0.05);
    const NetworkModel network = BuildNetwork(record, 0.25);
    for (double q : {0.0, 0.01, 0.15, 2.0}) {
        const double pressure = 1.2 * 0.5 * network.NetworkGamma * q * q;
        EXPECT_NEAR(NetworkFlowForPressure(network, 1.2, pressure), q, 1e-15 + q * 1e-14) << "q " << q;
    }
}

TEST(network, one_storey_pressures_and_trace)
{
    CalcRecord record = Building(1, 0.63, 0.04);
    const NetworkModel network = BuildNetwork(record, 0.63);
    const double q = 1.1;
    const std::string trace = ComputeStoreyPressures(record, network, q);

    // The storey sees its grille only; the fan sees the whole network.
    EXPECT_NEAR(record.StoreyPressure[0], 1.2 / 2 * q * q * 2.5 / (0.04 * 0.04), 1e-9);
    EXPECT_NEAR(record.StoreyPressure[1], 1.2 / 2 * q * q * network.NetworkGamma, 1e-9);
    EXPECT_EQ(CountOccurrences(trace, "kondygnacja="), 2) << trace;
    EXPECT_NE(trace.find("\nkondygnacja=1  nawias(1^2+2^2+..)=0.00 pstr[i]="), std::string::npos) << trace;
    EXPECT_NE(trace.find("\nkondygnacja=2  nawias(1^2+2^2+..)=1.00 pstr[i]="), std::string::npos) << trace;
    EXPECT_EQ(trace.find('\r'), std::string::npos);
}

TEST(network, storey_pressures_rise_upwards_and_leave_later_slots)
{
    CalcRecord record = Building(10, 0.315, 0.05);
    for (double& p : record.StoreyPressure)
        p = -7.0;
    const NetworkModel network = BuildNetwork(record, 0.25);
    ComputeStoreyPressures(record, network, 0.1);
    for (int i = 0; i < 10; ++i)
        EXPECT_LT(record.StoreyPressure[i], record.StoreyPressure[i + 1]) << "storey " << i + 1;
    EXPECT_NEAR(record.StoreyPressure[10], 1.2 * 0.5 * 0.01 * 18662.513959629934, 1e-9);
    for (int i = 11; i < kStoreyPressureSlots; ++i)
        EXPECT_EQ(record.StoreyPressure[i], -7.0) << "slot " << i << " belongs to no storey";
}

TEST(network, ninety_nine_storeys_fill_the_array)
{
    CalcRecord record = Building(kMaxStoreyCount, 0.315, 0.05);
    const NetworkModel network = BuildNetwork(record, 0.25);
    const std::string trace = ComputeStoreyPressures(record, network, 0.01);
    EXPECT_EQ(CountOccurrences(trace, "kondygnacja="), 100);
    EXPECT_NE(trace.find("kondygnacja=100  nawias(1^2+2^2+..)=328350.00 "), std::string::npos);
    EXPECT_NEAR(record.StoreyPressure[kMaxStoreyCount], 1.2 * 0.5 * 1e-4 * network.NetworkGamma, 1e-9);
}

TEST(network, trace_of_three_storeys)
{
    CalcRecord record = Building(3, 0.315, 0.05);
    const NetworkModel network = BuildNetwork(record, 0.25);
    const std::string trace = ComputeStoreyPressures(record, network, 0.1234);
    EXPECT_EQ(CompareWithGolden("model/pstr_three_storeys.txt", trace), "");
}
