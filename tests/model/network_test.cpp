// The duct network: transition loss, friction, the network constant, the flow at a pressure and
// the storey pressures with their trace text.
#include "model/network.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/test_support.h"

namespace {

// Storeys of 3 m, round duct of roughness 1.8, grilles of zeta 2.5, air of 1.2 kg/m3.
CalcRecord Building(int32_t storeys, double ductDiameter, double grilleArea)
{
    CalcRecord record;
    ResetCalcRecord(record);
    record.AirDensity = 1.2; record.DuctRoughness = 1.8; record.GrilleLossCoefficient = 2.5;
    record.DuctDiameter = ductDiameter;
    record.DuctArea = 3.141592653589793 * ductDiameter * ductDiameter * 0.25;
    record.GrilleArea = grilleArea; record.StoreyCount = storeys; record.StoreyHeight = 3.0;
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
        {"a hair narrower than the duct: first fit", std::nextafter(0.4, 0.0), 0.4, -0.0336, 5e-5},
        {"as wide as the duct: second fit", 1.0, 1.0, -3e-7, 1e-12},
        {"no connection", 0.0, 0.3, 6.29349, 0.0},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(TransitionLossCoefficient(row.connection, row.duct), row.expected, row.tolerance)
            << row.name;
}

TEST(network, friction_and_network_constant_worked_values)
{
    EXPECT_NEAR(FrictionPerMetre(1.8, 0.2), 0.0997, 5e-5);
    EXPECT_NEAR(FrictionPerMetre(1.8, 0.2), 0.09967865110672922, 1e-15);
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
        const NetworkModel network = BuildNetwork(Building(row.storeys, row.duct, row.grilleArea), row.connection);
        EXPECT_NEAR(network.NetworkGamma, row.gamma, row.gamma * 1e-13) << row.name;
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
}

TEST(network, storey_pressures_rise_upwards_and_leave_later_slots)
{
    CalcRecord record = Building(10, 0.315, 0.05);
    for (double& p : record.StoreyPressure)
        p = -7.0;
    ComputeStoreyPressures(record, BuildNetwork(record, 0.25), 0.1);
    for (int i = 0; i < 10; ++i)
        EXPECT_LT(record.StoreyPressure[i], record.StoreyPressure[i + 1]) << "storey " << i + 1;
    EXPECT_NEAR(record.StoreyPressure[10], 1.2 * 0.5 * 0.01 * 18662.513959629934, 1e-9);
    for (int i = 11; i < kStoreyPressureSlots; ++i)
        EXPECT_EQ(record.StoreyPressure[i], -7.0) << "slot " << i << " belongs to no storey";

    // 99 storeys fill the array.
    record.StoreyCount = kMaxStoreyCount;
    const NetworkModel network = BuildNetwork(record, 0.25);
    const std::string trace = ComputeStoreyPressures(record, network, 0.01);
    EXPECT_EQ(CountOccurrences(trace, "kondygnacja="), 100);
    EXPECT_NE(trace.find("kondygnacja=100  nawias(1^2+2^2+..)=328350.00 "), std::string::npos);
    EXPECT_NEAR(record.StoreyPressure[kMaxStoreyCount], 1.2 * 0.5 * 1e-4 * network.NetworkGamma, 1e-9);
}

TEST(network, trace_of_three_storeys)
{
    CalcRecord record = Building(3, 0.315, 0.05);
    const std::string trace = ComputeStoreyPressures(record, BuildNetwork(record, 0.25), 0.1234);
    EXPECT_EQ(CompareWithGolden("model/pstr_three_storeys.txt", trace), "");
}
