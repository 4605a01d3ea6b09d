// The duct network model: one vertical duct through all storeys with one grille per storey
// and the roof fan on top. Gives the network constant gamma (dp = rho/2 * gamma * q^2 for the
// per-grille flow q), the negative pressure at every storey and the calculation trace text.
#pragma once

#include <string>

#include "model/calc_record.h"

struct NetworkModel {
    double TransitionLoss;    // - : zeta_p, duct to fan connection, referred to the duct velocity
    double FrictionPerMetre;  // 1/m : f, duct friction loss per metre
    double NetworkGamma;      // 1/m4 : gamma in dp = rho/2 * gamma * q^2
};

// zeta_p for the fan connection d and the duct diameter Dd (beta = d / Dd; one polynomial for
// d < Dd, another for d >= Dd).
double TransitionLossCoefficient(double connectionDiameter, double ductDiameter);

// f = 10^-2 * k^0.314 * Dd^-1.314.
double FrictionPerMetre(double roughness, double ductDiameter);

// zeta_p, f and gamma from the record's inputs and the chosen fan's connection diameter.
NetworkModel BuildNetwork(const CalcRecord& record, double connectionDiameter);

// Per-grille flow [m3/s] the network passes at fan pressure dp >= 0 [Pa].
double NetworkFlowForPressure(const NetworkModel& network, double airDensity, double pressure);

// The negative pressure at every storey for the per-grille flow q [m3/s] and the text of the trace
// file "pstr.txt", without touching the record. Pressure[0..StoreyCount] are set, the rest is 0.
struct StoreyProfile {
    double Pressure[kStoreyPressureSlots];  // Pa : [i] at storey i+1, [StoreyCount] at the fan
    std::string Trace;                      // text of "pstr.txt"
};
StoreyProfile ComputeStoreyProfile(const CalcRecord& record, const NetworkModel& network, double q);

// Copies Pressure[0..StoreyCount] into record.StoreyPressure; the later slots keep their values.
void StoreStoreyPressures(CalcRecord& record, const StoreyProfile& profile);

// Fills record.StoreyPressure[0..StoreyCount] for the per-grille flow q [m3/s] and returns the
// text of the trace file "pstr.txt". The caller guarantees StoreyCountFits(record.StoreyCount).
std::string ComputeStoreyPressures(CalcRecord& record, const NetworkModel& network, double q);

// True when the record's inputs describe a network (storeys 1..99, positive density, duct and
// grille): false straight after start-up, before any calculation.
bool HasNetworkInputs(const CalcRecord& record);
