// The operating point of a fan in the duct network, the silencer variants and the whole
// computing part of the fan-selection command (no files, no dialogs).
#pragma once

#include <string>

#include "model/calc_record.h"
#include "model/fan_catalogue.h"
#include "model/network.h"

struct FanScales {
    double PerGrilleFlow;  // m3/s : qs, q(phi) = qs * phi
    double TotalFlow;      // m3/s : Qs, Q(phi) = Qs * phi
    double Pressure;       // Pa   : ps, dp(phi) = psi(phi) * ps
};

FanScales ComputeScales(const FanEntry& entry, double airDensity, int32_t storeyCount);

// psi(phi) = c0 + c1 phi + c2 phi^2 + c3 phi^3 + c4 phi^4, powers by repeated multiplication,
// terms added in that order.
double PressureCoefficient(const double coefficients[5], double phi);

struct OperatingPoint {
    bool Found;             // false: the fan does not suit the network
    double GrilleFlow;      // m3/s : q*, per grille
    double FlowCoefficient; // - : phi* of the operating point
};

// The operating point: phi swept over the entry's range in steps of 0.000001 (see
// operating_point_search.cpp for the rules). Walks step by step only where the two curves can
// meet, change sides or the fan pressure can turn negative; gives exactly the step of the plain
// sweep below.
OperatingPoint FindOperatingPoint(const FanEntry& entry, const NetworkModel& network,
                                  const FanScales& scales, double airDensity);

// The same search visiting every step: the reference the fast search is held to.
OperatingPoint FindOperatingPointBySweep(const FanEntry& entry, const NetworkModel& network,
                                         const FanScales& scales, double airDensity);

struct VariantPoint {
    double Flow;      // m3/s, 0 = no intersection
    double Pressure;  // Pa, 0 = no intersection
};

// Intersection of a silencer variant with the network dp = R * Q^2.
VariantPoint EvaluateVariant(const Characteristic& variant, const FanEntry& entry,
                             double networkCoefficient, double airDensity);

enum class StoreyDetail {
    Skip,     // operating point and variants only
    Include,  // also the storey pressures and the trace text
};

// Everything the fan selection computes for one catalogue entry against the network of the
// record's inputs; the record is not written.
struct FanEvaluation {
    FanEntry Entry;
    NetworkModel Network;
    FanScales Scales;
    OperatingPoint Point;       // the plain fan; the fields below up to NetworkCoefficient need Point.Found
    double GrilleFlowHourly;    // m3/h
    double FanFlow;             // m3/s
    double FanFlowHourly;       // m3/h
    double FanPressure;         // Pa
    double DuctVelocity;        // m/s
    double NetworkCoefficient;  // Pa/(m3/s)^2 : FanPressure / FanFlow^2
    // The network the variants meet: NetworkCoefficient when the plain fan has a point, otherwise
    // rho * gamma / (2 N^2) of the inputs.
    double VariantNetworkCoefficient;  // Pa/(m3/s)^2
    VariantPoint Base;          // fan on a silencing base
    VariantPoint Silencer;      // fan with a cylindrical silencer
    StoreyProfile Storeys;      // with StoreyDetail::Include and Point.Found; else empty
};

// A storey count outside 1..99 has no operating point.
FanEvaluation EvaluateFan(const FanEntry& entry, const CalcRecord& inputs,
                          StoreyDetail detail = StoreyDetail::Include);

struct FanSelection {
    bool Found;                      // operating point found
    double OperatingFlowCoefficient; // - : phi*, valid when Found
    FanEntry Entry;                  // the looked-up entry, all numbers 0 for an unknown index
    std::string Trace;               // text of "pstr.txt", valid when Found
};

// Stores an evaluation as the fan selection does: on success the results, storey pressures,
// NetworkCoefficient and report kinds 1; otherwise report kinds 0 and the plain-fan results
// (flows, pressure, velocity, storey pressures) 0, NetworkCoefficient left as it was; the variants
// always.
void StoreFanEvaluation(CalcRecord& record, const FanEvaluation& evaluation);

// The computing steps of the fan-selection command after the chooser's OK: catalogue lookup
// (FanDesignation, FanSpeed), then EvaluateFan and StoreFanEvaluation.
FanSelection SelectFan(CalcRecord& record);
