// Regulated speed for the fan alone and for a silencer variant, and the refused requests.
#include "model/regulation.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// An operating point of 2 m3/s at 400 Pa on the network R = 100, at 1400 1/min; the base
// variant meets the same network at 1.5 m3/s, the silencer variant not at all.
CalcRecord Selected()
{
    CalcRecord record;
    ResetCalcRecord(record);
    record.FanFlow = 2.0;
    record.FanPressure = 400.0;
    record.NetworkCoefficient = 100.0;
    record.FanSpeed = 1400;
    record.BaseFlow = 1.5;
    record.BasePressure = 225.0;
    record.SilencerFlow = 0.0;
    record.SilencerPressure = 0.0;
    return record;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(regulation, regulated_speed_of_the_fan)
{
    struct Row {
        const char* name;
        double flow, pressure, speed;
    };
    const Row rows[] = {
        {"half the flow, half the speed", 1.0, 100.0, 700.0},
        {"the operating flow keeps the speed", 2.0, 400.0, 1400.0},
        {"above the operating flow the speed is not raised", 3.0, 900.0, 1400.0},
        {"a small request", 0.2, 4.0, 140.0},
    };
    for (const Row& row : rows) {
        CalcRecord record = Selected();
        record.RegulatedFlow = row.flow;
        const RegulationOutcome outcome = ComputeRegulatedSpeed(record);
        EXPECT_TRUE(outcome.Accepted) << row.name;
        EXPECT_EQ(outcome.Message, "") << row.name;
        EXPECT_NEAR(record.RegulatedPressure, row.pressure, 1e-9) << row.name;
        EXPECT_NEAR(record.RegulatedSpeed, row.speed, 1e-9) << row.name;
        EXPECT_EQ(record.RegulatedFlow, row.flow) << row.name;
        EXPECT_EQ(record.ScreenReportKind, 0) << "the command sets the report kind";
    }
}

TEST(regulation, regulated_speed_of_a_variant)
{
    struct Row {
        const char* name;
        int32_t variant;
        double flow;
        int32_t storedVariant;
        double pressure, speed;
    };
    const Row rows[] = {
        {"fan alone, half the flow", 0, 1.0, 0, 100.0, 700.0},
        {"fan alone, at its flow", 0, 2.0, 0, 400.0, 0.0},
        {"fan alone, above its flow", 0, 3.0, 0, 900.0, 0.0},
        {"base variant", 1, 0.75, 1, 56.25, 700.0},
        {"base variant at its flow", 1, 1.5, 1, 225.0, 0.0},
        {"silencer without intersection", 2, 0.5, 2, 25.0, 0.0},
        {"nothing chosen counts as the fan alone", -1, 1.0, 0, 100.0, 700.0},
        {"an unknown variant counts as the fan alone", 7, 1.0, 0, 100.0, 700.0},
    };
    for (const Row& row : rows) {
        CalcRecord record = Selected();
        record.RegulationVariant = row.variant;
        record.VariantRegulatedFlow = row.flow;
        const RegulationOutcome outcome = ComputeVariantRegulatedSpeed(record);
        EXPECT_TRUE(outcome.Accepted) << row.name;
        EXPECT_EQ(record.RegulationVariant, row.storedVariant) << row.name;
        EXPECT_NEAR(record.VariantRegulatedPressure, row.pressure, 1e-9) << row.name;
        EXPECT_NEAR(record.VariantRegulatedSpeed, row.speed, 1e-9) << row.name;
    }
}

TEST(regulation, variant_without_intersection_is_never_regulated)
{
    CalcRecord record = Selected();
    record.BaseFlow = 0.0;
    record.BasePressure = 0.0;
    record.RegulationVariant = 1;
    for (double flow : {0.001, 1.0, 5.0}) {
        record.VariantRegulatedFlow = flow;
        ASSERT_TRUE(ComputeVariantRegulatedSpeed(record).Accepted);
        EXPECT_EQ(record.VariantRegulatedSpeed, 0.0) << "flow " << flow;
    }
}

TEST(regulation, request_not_above_zero_is_refused)
{
    for (double flow : {0.0, -1.0, kNaN, kInf, -kInf}) {
        CalcRecord record = Selected();
        record.RegulatedPressure = 11.0;
        record.RegulatedSpeed = 12.0;
        record.RegulatedFlow = flow;
        RegulationOutcome outcome = ComputeRegulatedSpeed(record);
        EXPECT_FALSE(outcome.Accepted) << "flow " << flow;
        EXPECT_EQ(outcome.Message, "Wydajność regulowana musi być większa od zera.") << "flow " << flow;
        EXPECT_EQ(record.RegulatedPressure, 11.0);
        EXPECT_EQ(record.RegulatedSpeed, 12.0);

        record.VariantRegulatedFlow = flow;
        record.VariantRegulatedPressure = 13.0;
        record.VariantRegulatedSpeed = 14.0;
        record.RegulationVariant = -1;
        outcome = ComputeVariantRegulatedSpeed(record);
        EXPECT_FALSE(outcome.Accepted) << "flow " << flow;
        EXPECT_EQ(outcome.Message, kRegulatedFlowNotPositiveMessage);
        EXPECT_EQ(record.VariantRegulatedPressure, 13.0);
        EXPECT_EQ(record.VariantRegulatedSpeed, 14.0);
        EXPECT_EQ(record.RegulationVariant, -1) << "a refused request changes nothing";
    }
}

TEST(regulation, no_operating_point_is_refused)
{
    const char* expected =
        "Brak punktu pracy wentylatora.\nProszę najpierw dobrać wentylator dla założonej sieci.";
    struct Row {
        const char* name;
        double fanFlow, fanPressure;
    };
    const Row rows[] = {
        {"right after start-up", 0.0, 0.0},
        {"no flow", 0.0, 400.0},
        {"no pressure", 2.0, 0.0},
    };
    for (const Row& row : rows) {
        CalcRecord record = Selected();
        record.FanFlow = row.fanFlow;
        record.FanPressure = row.fanPressure;
        EXPECT_FALSE(HasOperatingPoint(record)) << row.name;

        record.RegulatedFlow = 1.0;
        RegulationOutcome outcome = ComputeRegulatedSpeed(record);
        EXPECT_FALSE(outcome.Accepted) << row.name;
        EXPECT_EQ(outcome.Message, expected) << row.name;
        EXPECT_EQ(record.RegulatedPressure, 0.0) << row.name;
        EXPECT_EQ(record.RegulatedSpeed, 0.0) << row.name;

        record.VariantRegulatedFlow = 1.0;
        record.RegulationVariant = 1;
        outcome = ComputeVariantRegulatedSpeed(record);
        EXPECT_FALSE(outcome.Accepted) << row.name;
        EXPECT_EQ(outcome.Message, expected) << row.name;
        EXPECT_EQ(record.VariantRegulatedPressure, 0.0) << row.name;
        EXPECT_EQ(record.VariantRegulatedSpeed, 0.0) << row.name;
    }
    EXPECT_TRUE(HasOperatingPoint(Selected()));
}
