// Regulated fan speed for a smaller requested flow, for the fan alone and for one of the
// silencer variants, on the network parabola through the operating point.
#pragma once

#include <string>

#include "model/calc_record.h"

struct RegulationOutcome {
    bool Accepted;        // false: refused, the record is unchanged
    std::string Message;  // why it was refused (Polish, UTF-8)
};

struct RegulatedPoint {
    double Pressure;  // Pa : networkCoefficient * flow^2
    double Speed;     // 1/min
};

// The regulated state for the requested fan flow [m3/s] on the network dp = R * Q^2 through the
// operating point (pointFlow [m3/s], pointPressure [Pa]) of a fan at fanSpeed [1/min]: the speed
// follows the flow below the point; at or above it the catalogue speed stays.
RegulatedPoint RegulateAlongNetwork(int32_t fanSpeed, double networkCoefficient, double flow, double pointFlow,
                                    double pointPressure);

// Uses record.RegulatedFlow; sets RegulatedPressure and RegulatedSpeed. Refuses a flow <= 0 and a
// record without operating point (FanFlow or FanPressure 0).
RegulationOutcome ComputeRegulatedSpeed(CalcRecord& record);

// The two refusal messages (UTF-8).
extern const char kRegulatedFlowNotPositiveMessage[];  // requested flow <= 0
extern const char kNoOperatingPointMessage[];          // no fan selected for the network

// Uses record.VariantRegulatedFlow and RegulationVariant (any value but 1 and 2 becomes 0);
// sets VariantRegulatedPressure, RegulationVariant and VariantRegulatedSpeed (0.0 when the variant
// cannot deliver the request by slowing down). Refuses as ComputeRegulatedSpeed does.
RegulationOutcome ComputeVariantRegulatedSpeed(CalcRecord& record);

// True when the record holds an operating point of the plain fan.
bool HasOperatingPoint(const CalcRecord& record);
