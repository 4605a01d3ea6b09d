// The duct network: transition loss, friction, the network constant and the storey pressures.
#include "model/network.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/building.h"
#include "support/test_support.h"

TEST(network, transition_loss_friction_and_network_constant)
{
    struct Loss { const char* name; double connection, duct, expected, tolerance; };
    const Loss losses[] = {
        {"half the duct", 0.5, 1.0, 4.374148984375, 1e-12},
        {"twice the duct", 2.0, 1.0, 0.5428608, 1e-12},
        {"a hair narrower than the duct: first fit", std::nextafter(0.4, 0.0), 0.4, -0.0336, 5e-5},
        {"as wide as the duct: second fit", 1.0, 1.0, -3e-7, 1e-12},
        {"no connection", 0.0, 0.3, 6.29349, 0.0},
    };
    for (const Loss& row : losses)
        EXPECT_NEAR(TransitionLossCoefficient(row.connection, row.duct), row.expected, row.tolerance) << row.name;
    struct Net { int32_t storeys; double duct, grilleArea, connection, gamma; };
    const Net nets[] = {{10, 0.315, 0.05, 0.315, 11436.029539069501}, {10, 0.315, 0.05, 0.25, 18662.513959629934},
                        {3, 0.315, 0.05, 0.25, 2029.8753161425757}, {1, 0.63, 0.04, 0.63, 1563.1813957352738}};
    for (const Net& row : nets)
        EXPECT_NEAR(BuildNetwork(Building(row.storeys, row.duct, row.grilleArea), row.connection).NetworkGamma,
                    row.gamma, row.gamma * 1e-13) << row.storeys << " storeys, connection " << row.connection;
}

TEST(network, storey_pressures_and_trace)
{
    CalcRecord record = Building(1, 0.63, 0.04);
    NetworkModel network = BuildNetwork(record, 0.63);
    const double q = 1.1;
    ComputeStoreyPressures(record, network, q);
    // The storey sees its grille only; the fan sees the whole network.
    EXPECT_NEAR(record.StoreyPressure[0], 1.2 / 2 * q * q * 2.5 / (0.04 * 0.04), 1e-9);
    EXPECT_NEAR(record.StoreyPressure[1], 1.2 / 2 * q * q * network.NetworkGamma, 1e-9);
    record = Building(10, 0.315, 0.05);  // pressures rise upwards and leave the later slots
    for (double& p : record.StoreyPressure)
        p = -7.0;
    ComputeStoreyPressures(record, BuildNetwork(record, 0.25), 0.1);
    for (int i = 0; i < 10; ++i)
        EXPECT_LT(record.StoreyPressure[i], record.StoreyPressure[i + 1]) << "storey " << i + 1;
    EXPECT_NEAR(record.StoreyPressure[10], 1.2 * 0.5 * 0.01 * 18662.513959629934, 1e-9);
    for (int i = 11; i < kStoreyPressureSlots; ++i)
        EXPECT_EQ(record.StoreyPressure[i], -7.0) << "slot " << i << " belongs to no storey";
    record.StoreyCount = kMaxStoreyCount;  // 99 storeys fill the array
    network = BuildNetwork(record, 0.25);
    ComputeStoreyPressures(record, network, 0.01);
    EXPECT_NEAR(record.StoreyPressure[kMaxStoreyCount], 1.2 * 0.5 * 1e-4 * network.NetworkGamma, 1e-9);
    record = Building(3, 0.315, 0.05);
    EXPECT_EQ(CompareWithGolden("model/pstr_three_storeys.txt",
                                ComputeStoreyPressures(record, BuildNetwork(record, 0.25), 0.1234)), "");
}

TEST(network, more_storeys_than_the_record_holds_end_the_program)
{
    CalcRecord record = Building(kMaxStoreyCount + 1, 0.315, 0.05);
    EXPECT_DEATH(ComputeStoreyPressures(record, BuildNetwork(record, 0.25), 0.01),
                 "StoreyPressure has room for 99 storeys only");
}
