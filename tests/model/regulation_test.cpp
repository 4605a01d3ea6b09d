// Regulated speed for the fan alone and for a silencer variant, and the refused requests.
#include "model/regulation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {

// An operating point of 2 m3/s at 400 Pa on the network R = 100, at 1400 1/min; the base
// variant meets the same network at 1.5 m3/s, the silencer variant not at all.
CalcRecord Selected()
{
    CalcRecord r;
    ResetCalcRecord(r);
    r.FanFlow = 2.0;
    r.FanPressure = 400.0;
    r.NetworkCoefficient = 100.0;
    r.FanSpeed = 1400;
    r.BaseFlow = 1.5;
    r.BasePressure = 225.0;
    return r;
}

}  // namespace

// Variant -2: the regulation of the fan alone (RegulatedFlow), which keeps the speed from the
// operating flow on; every other variant: the regulation with silencers, which gives 0 there.
TEST(regulation, regulated_speed_and_refused_requests)
{
    struct Row { const char* name; int32_t variant; double flow; int32_t storedVariant; double pressure, speed; };
    const Row rows[] = {
        {"half the flow, half the speed", -2, 1.0, -2, 100.0, 700.0},
        {"the operating flow keeps the speed", -2, 2.0, -2, 400.0, 1400.0},
        {"the flow shown, within half its last digit, keeps the speed", -2, 2.0005, -2, 400.2000250, 1400.0},
        {"fan alone, half the flow", 0, 1.0, 0, 100.0, 700.0},
        {"fan alone, at its flow", 0, 2.0, 0, 400.0, 0.0},
        {"base variant", 1, 0.75, 1, 56.25, 700.0},
        {"base variant at its flow", 1, 1.5, 1, 225.0, 0.0},
        {"base variant within half the last digit of its flow", 1, 1.5005, 1, 225.1500250, 0.0},
        {"nothing chosen counts as the fan alone", -1, 1.0, 0, 100.0, 700.0},
        {"an unknown variant counts as the fan alone", 7, 1.0, 0, 100.0, 700.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CalcRecord record = Selected();
        record.RegulationVariant = row.variant;
        record.RegulatedFlow = record.VariantRegulatedFlow = row.flow;
        const bool alone = row.variant == -2;
        const RegulationOutcome outcome = alone ? ComputeRegulatedSpeed(record) : ComputeVariantRegulatedSpeed(record);
        EXPECT_TRUE(outcome.Accepted);
        EXPECT_EQ(outcome.Message, "");
        EXPECT_EQ(record.RegulationVariant, row.storedVariant);
        EXPECT_NEAR(alone ? record.RegulatedPressure : record.VariantRegulatedPressure, row.pressure, 1e-9);
        EXPECT_NEAR(alone ? record.RegulatedSpeed : record.VariantRegulatedSpeed, row.speed, 1e-9);
    }
    // Refused requests change nothing.
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::string notPositive = "Wydajność regulowana musi być większa od zera.";
    const std::string noPoint =
        "Brak punktu pracy wentylatora.\nProszę najpierw dobrać wentylator dla założonej sieci.";
    struct Refusal { double request, fanFlow, fanPressure; const std::string& message; };
    const Refusal refusals[] = {{0.0, 2.0, 400.0, notPositive}, {-1.0, 2.0, 400.0, notPositive},
                                {nan, 2.0, 400.0, notPositive}, {inf, 2.0, 400.0, notPositive},
                                {1.0, 0.0, 0.0, noPoint}, {1.0, 0.0, 400.0, noPoint}, {1.0, 2.0, 0.0, noPoint}};
    for (const Refusal& row : refusals) {
        SCOPED_TRACE(testing::Message() << row.request << " m3/s at " << row.fanFlow << " m3/s, " << row.fanPressure);
        CalcRecord record = Selected();
        record.FanFlow = row.fanFlow;
        record.FanPressure = row.fanPressure;
        EXPECT_EQ(HasOperatingPoint(record), row.fanFlow != 0.0 && row.fanPressure != 0.0);
        record.RegulatedFlow = record.VariantRegulatedFlow = row.request;
        record.RegulatedPressure = 11.0;
        record.RegulatedSpeed = 12.0;
        record.VariantRegulatedPressure = 13.0;
        record.VariantRegulatedSpeed = 14.0;
        record.RegulationVariant = -1;
        const CalcRecord before = record;
        for (auto compute : {ComputeRegulatedSpeed, ComputeVariantRegulatedSpeed}) {
            const RegulationOutcome outcome = compute(record);
            EXPECT_FALSE(outcome.Accepted);
            EXPECT_EQ(outcome.Message, row.message);
        }
        for (double CalcRecord::*field : {&CalcRecord::RegulatedPressure, &CalcRecord::RegulatedSpeed,
                                          &CalcRecord::VariantRegulatedPressure, &CalcRecord::VariantRegulatedSpeed})
            EXPECT_EQ(record.*field, before.*field);
        EXPECT_EQ(record.RegulationVariant, -1);
    }
}

// A request the configuration cannot deliver by slowing down is refused, naming its limit; so is
// a variant without point. Both regulations refuse alike, and store nothing.
TEST(regulation, requests_beyond_what_the_configuration_delivers)
{
    struct Row { const char* name; int32_t variant; double flow; const char* message; };
    const Row rows[] = {
        {"fan alone, above half the last digit", kFanAlone, 2.00051,
         "Wydajność regulowana nie może być większa od wydajności wentylatora Q = 2.000 [m3/s]."},
        {"nothing chosen counts as the fan alone", -1, 5.0,
         "Wydajność regulowana nie może być większa od wydajności wentylatora Q = 2.000 [m3/s]."},
        {"base variant", kWithSilencingBase, 1.6,
         "Wydajność regulowana nie może być większa od wydajności wentylatora z podstawą tłumiącą Q = 1.500 [m3/s]."},
        {"silencer without intersection", kWithCylindricalSilencer, 0.5,
         "Wentylator z tłumikiem cylindrycznym nie ma punktu pracy w tej sieci."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CalcRecord record = Selected();
        record.RegulationVariant = row.variant;
        record.VariantRegulatedFlow = row.flow;
        const CalcRecord before = record;
        const RegulationOutcome variant = ComputeVariantRegulatedSpeed(record);
        EXPECT_FALSE(variant.Accepted);
        EXPECT_EQ(variant.Message, row.message);
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << "nothing stored";
        EXPECT_EQ(CheckRegulatedFlowLimit(record, row.flow, row.variant).Message, row.message);
        if (row.variant == kFanAlone) {
            record.RegulatedFlow = row.flow;
            EXPECT_EQ(ComputeRegulatedSpeed(record).Message, row.message);
        }
    }
}
