// The flow through the grille of every storey, solved from the duct network instead of assumed
// equal: the same duct, grille and fan elements as the operating point, fixed and constant-flow
// grilles, and optionally the stack effect of a colder or warmer outside.
#pragma once

#include <vector>

#include "model/calc_record.h"

constexpr double kGravity = 9.81;           // m/s2
constexpr double kIndoorTemperature = 20.0;  // deg C : indoor air when the density was typed
constexpr double kCelsiusToKelvin = 273.15;  // K

// The solve stops when the fan's pressure and the network's at the fan agree this closely, when the
// bracket of the lowest storey's duct pressure cannot be halved any more (neighbouring doubles), or
// after kStoreyFlowIterationLimit halvings, whichever comes first. The bracket is closed on the
// residual, not on the duct pressure: in a tall riser with a narrow duct the lowest storey sees a
// tiny fraction of a pascal, and a fixed step in it would jump over the crossing.
constexpr double kStoreyFlowTolerance = 1e-7;  // Pa
constexpr int kStoreyFlowIterationLimit = 1100;  // enough to reach neighbouring doubles anywhere

struct StoreyFlowOptions {
    bool StackEffect = false;
    double OutsideTemperature = 0.0;  // deg C : used with the stack effect only
    double FanSpeed = 0.0;            // 1/min : 0 = the catalogue speed; otherwise by the fan laws
    bool EqualFlows = false;          // every grille forced to the lowest one's flow (the usual assumption)
    std::vector<double> GrilleLossCoefficients;  // - : zeta of each storey's grille, [0] the lowest;
                                                 // empty: the record's on every storey
    double LowestPressureHint = 0.0;  // Pa : the lowest duct pressure of a solve close to this one (0 = none);
                                      // the bracket is first narrowed around it
};

enum class StoreyFlowStatus {
    Solved,        // the fan runs on its catalogued curve
    OffCatalogue,  // solved, but where the fan's curve is not catalogued
    NoSolution,    // the fan's curve and the network do not meet
    NoNetwork,     // no fan or no storeys in the record
};

struct StoreyFlowRow {
    double GrilleFlow;      // m3/s : into the duct; negative when air flows back into the flat
    double DuctPressure;    // Pa : negative pressure in the duct at the grille
    double GrillePressure;  // Pa : across the grille, duct pressure plus the stack's driving pressure
};

struct StoreyFlows {
    StoreyFlowStatus Status = StoreyFlowStatus::NoNetwork;
    std::vector<StoreyFlowRow> Storeys;  // [0] the lowest storey
    double FanFlow = 0.0;                // m3/s : sum of the grille flows
    double FanPressure = 0.0;            // Pa : the network's pressure at the fan
    double FlowCoefficient = 0.0;        // - : phi of the fan's flow
    double OutsideDensity = 0.0;         // kg/m3 : equal to the record's without the stack effect
    int Iterations = 0;                  // halvings the solve took
};

// The stack effect, outside temperature and fan speed the record holds; free flows.
StoreyFlowOptions StoreyFlowOptionsOf(const CalcRecord& record);

// Solves the record's network with the record's fan (FanIndex). Status NoNetwork without a
// catalogue fan, with a storey count outside 1..99, with non-positive areas or density, or with
// per-storey coefficients that are not one positive value per storey.
StoreyFlows SolveStoreyFlows(const CalcRecord& record, const StoreyFlowOptions& options);

// Largest over smallest grille flow; 0 when there are no storeys or the smallest is not positive.
double StoreyFlowSpread(const StoreyFlows& flows);

// The messages of the two results without a usable point (UTF-8).
extern const char kStoreyFlowOffCatalogueMessage[];
extern const char kStoreyFlowNoSolutionMessage[];
extern const char kStoreyFlowNoNetworkMessage[];
