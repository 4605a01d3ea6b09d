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

// Uses record.RegulatedFlow; sets RegulatedPressure and RegulatedSpeed. Refuses a flow <= 0, a
// record without operating point (FanFlow or FanPressure 0) and a flow above the fan's.
RegulationOutcome ComputeRegulatedSpeed(CalcRecord& record);

// The two refusal messages (UTF-8).
extern const char kRegulatedFlowNotPositiveMessage[];  // requested flow <= 0
extern const char kNoOperatingPointMessage[];          // no fan selected for the network

// How far a request may lie above the flow it regulates: half a unit of the last digit the
// report shows that flow with ("%1.3f"), so that typing the flow shown is taken.
constexpr double kRegulatedFlowTolerance = 0.0005;  // m3/s

// The request `flow` [m3/s] against what it regulates, on a record with an operating point:
// `variant` is a RegulationVariant value (kFanAlone for the regulation of the fan alone; any
// value but 1 and 2 counts as the fan alone). Refused, naming the limit, when the configuration
// has no point ("Wentylator z podstawą tłumiącą nie ma punktu pracy w tej sieci.") or when the
// request exceeds its flow by more than kRegulatedFlowTolerance ("Wydajność regulowana nie może
// być większa od wydajności wentylatora Q = 0.422 [m3/s]."). A record without operating point
// is not judged here.
RegulationOutcome CheckRegulatedFlowLimit(const CalcRecord& record, double flow, int32_t variant);

// Uses record.VariantRegulatedFlow and RegulationVariant (any value but 1 and 2 becomes 0);
// sets VariantRegulatedPressure, RegulationVariant and VariantRegulatedSpeed (0.0 when the variant
// cannot deliver the request by slowing down). Refuses as ComputeRegulatedSpeed does, and a
// variant without point or a flow above the variant's.
RegulationOutcome ComputeVariantRegulatedSpeed(CalcRecord& record);

// True when the record holds an operating point of the plain fan.
bool HasOperatingPoint(const CalcRecord& record);
