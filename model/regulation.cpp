// Regulated fan speed for a smaller flow: the network parabola dp = R * Q^2 through the
// operating point gives the pressure at the requested flow, and the affinity law along that
// parabola gives the speed. The fan is never sped up.
#include "model/regulation.h"

#include <cmath>
#include <charconv>
#include <string>

const char kRegulatedFlowNotPositiveMessage[] = "Wydajność regulowana musi być większa od zera.";
const char kNoOperatingPointMessage[] =
    "Brak punktu pracy wentylatora.\nProszę najpierw dobrać wentylator dla założonej sieci.";

namespace {

// printf's "%1.3f" with a point whatever the process locale; the flow is finite and not 0 here.
std::string FormatFixed3(double value)
{
    char buffer[400];  // the largest double has 309 digits before the point
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

// The configurations a regulation slows down, by RegulationVariantCode.
struct RegulatedConfiguration {
    const char* Name;      // as a sentence starts with it
    const char* Of;        // "of the fan ..." in the limit's sentence
    double CalcRecord::*Flow;
    double CalcRecord::*Pressure;
};

// clang-format off
// Columns: name, "of" form, flow field, pressure field.
constexpr RegulatedConfiguration kRegulatedConfigurations[] = {
    {"Wentylator",                           "wentylatora",                           &CalcRecord::FanFlow,      &CalcRecord::FanPressure},
    {"Wentylator z podstawą tłumiącą",       "wentylatora z podstawą tłumiącą",       &CalcRecord::BaseFlow,     &CalcRecord::BasePressure},
    {"Wentylator z tłumikiem cylindrycznym", "wentylatora z tłumikiem cylindrycznym", &CalcRecord::SilencerFlow, &CalcRecord::SilencerPressure},
};
// clang-format on

// Variants 1 and 2 name their rows; every other value the fan alone.
const RegulatedConfiguration& ConfigurationOf(int32_t variant)
{
    return variant == kWithSilencingBase || variant == kWithCylindricalSilencer ? kRegulatedConfigurations[variant]
                                                                                 : kRegulatedConfigurations[kFanAlone];
}

// The ratios below divide by the requested flow and by the operating point; without either the
// result would be 0/0.
bool Refused(const CalcRecord& record, double requestedFlow, RegulationOutcome& outcome)
{
    if (!std::isfinite(requestedFlow) || requestedFlow <= 0.0) {
        outcome = {false, kRegulatedFlowNotPositiveMessage};
        return true;
    }
    if (!HasOperatingPoint(record)) {
        outcome = {false, kNoOperatingPointMessage};
        return true;
    }
    return false;
}

}  // namespace

// The affinity law along the parabola through the point (pointFlow, pointPressure): rp = rq^2,
// so rp / rq = rq up to rounding, and the speed follows the flow below the point; at or above
// it the catalogue speed stays.
RegulatedPoint RegulateAlongNetwork(int32_t fanSpeed, double networkCoefficient, double flow, double pointFlow,
                                    double pointPressure)
{
    RegulatedPoint result;
    result.Pressure = networkCoefficient * flow * flow;
    const double rq = flow / pointFlow;
    const double rp = result.Pressure / pointPressure;
    result.Speed = rq >= rp ? fanSpeed * rp / rq : fanSpeed;
    return result;
}

RegulationOutcome CheckRegulatedFlowLimit(const CalcRecord& record, double flow, int32_t variant)
{
    const RegulatedConfiguration& configuration = ConfigurationOf(variant);
    const double limit = record.*configuration.Flow;  // m3/s
    if (limit == 0.0)
        return {false, std::string(configuration.Name) + " nie ma punktu pracy w tej sieci."};
    if (flow > limit + kRegulatedFlowTolerance)
        return {false, std::string("Wydajność regulowana nie może być większa od wydajności ") + configuration.Of +
                           " Q = " + FormatFixed3(limit) + " [m3/s]."};
    return {true, ""};
}

bool HasOperatingPoint(const CalcRecord& record)
{
    return record.FanFlow != 0.0 && record.FanPressure != 0.0 && std::isfinite(record.FanFlow) &&
           std::isfinite(record.FanPressure);
}

RegulationOutcome ComputeRegulatedSpeed(CalcRecord& record)
{
    RegulationOutcome outcome{true, ""};
    const double flow = record.RegulatedFlow;
    if (Refused(record, flow, outcome))
        return outcome;
    if (outcome = CheckRegulatedFlowLimit(record, flow, kFanAlone); !outcome.Accepted)
        return outcome;

    const RegulatedPoint regulated =
        RegulateAlongNetwork(record.FanSpeed, record.NetworkCoefficient, flow, record.FanFlow, record.FanPressure);
    record.RegulatedPressure = regulated.Pressure;
    record.RegulatedSpeed = regulated.Speed;
    return outcome;
}

RegulationOutcome ComputeVariantRegulatedSpeed(CalcRecord& record)
{
    RegulationOutcome outcome{true, ""};
    const double flow = record.VariantRegulatedFlow;
    if (Refused(record, flow, outcome))
        return outcome;
    if (outcome = CheckRegulatedFlowLimit(record, flow, record.RegulationVariant); !outcome.Accepted)
        return outcome;

    record.VariantRegulatedPressure = record.NetworkCoefficient * flow * flow;
    // The fan alone also for "nothing chosen" (-1) and any other value.
    if (record.RegulationVariant != kWithSilencingBase && record.RegulationVariant != kWithCylindricalSilencer)
        record.RegulationVariant = kFanAlone;
    const RegulatedConfiguration& configuration = ConfigurationOf(record.RegulationVariant);
    const double variantFlow = record.*configuration.Flow;
    const double variantPressure = record.*configuration.Pressure;

    // A variant cannot reach the request by slowing down when the request is at or above its
    // flow; a variant without intersection (flow 0) never can.
    if (flow >= variantFlow) {
        record.VariantRegulatedSpeed = 0.0;
        return outcome;
    }
    record.VariantRegulatedSpeed =
        RegulateAlongNetwork(record.FanSpeed, record.NetworkCoefficient, flow, variantFlow, variantPressure).Speed;
    return outcome;
}
