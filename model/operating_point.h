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

// Sweeps phi over the entry's range in steps of 0.000001 (see the implementation for the rules).
OperatingPoint FindOperatingPoint(const FanEntry& entry, const NetworkModel& network,
                                  const FanScales& scales, double airDensity);

struct VariantPoint {
    double Flow;      // m3/s, 0 = no intersection
    double Pressure;  // Pa, 0 = no intersection
};

// Intersection of a silencer variant with the network dp = R * Q^2.
VariantPoint EvaluateVariant(const Characteristic& variant, const FanEntry& entry,
                             double networkCoefficient, double airDensity);

struct FanSelection {
    bool Found;                      // operating point found
    double OperatingFlowCoefficient; // - : phi*, valid when Found
    FanEntry Entry;                  // the looked-up entry, all numbers 0 for an unknown index
    std::string Trace;               // text of "pstr.txt", valid when Found
};

// The computing steps of the fan-selection command after the chooser's OK: catalogue lookup
// (FanDesignation, FanSpeed), network, operating-point search, results and storey pressures,
// NetworkCoefficient, report kinds (1 or 0) and both silencer variants. A storey count outside
// 1..99 has no operating point.
FanSelection SelectFan(CalcRecord& record);
