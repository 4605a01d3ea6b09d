// Regulated fan speed for a smaller flow: the network parabola dp = R * Q^2 through the
// operating point gives the pressure at the requested flow, and the affinity law along that
// parabola gives the speed. The fan is never sped up.
#include "model/regulation.h"

#include <cmath>

const char kRegulatedFlowNotPositiveMessage[] = "Wydajność regulowana musi być większa od zera.";
const char kNoOperatingPointMessage[] =
    "Brak punktu pracy wentylatora.\nProszę najpierw dobrać wentylator dla założonej sieci.";

namespace {

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

    record.VariantRegulatedPressure = record.NetworkCoefficient * flow * flow;
    double variantFlow;
    double variantPressure;
    switch (record.RegulationVariant) {
    case kWithSilencingBase:
        variantFlow = record.BaseFlow;
        variantPressure = record.BasePressure;
        break;
    case kWithCylindricalSilencer:
        variantFlow = record.SilencerFlow;
        variantPressure = record.SilencerPressure;
        break;
    default:  // the fan alone, also for "nothing chosen" (-1) and any other value
        record.RegulationVariant = kFanAlone;
        variantFlow = record.FanFlow;
        variantPressure = record.FanPressure;
        break;
    }

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
