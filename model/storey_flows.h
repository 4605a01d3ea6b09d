// The flow through the grille of every storey, solved from the duct network instead of assumed
// equal: the same duct, grille and fan elements as the operating point, fixed and constant-flow
// grilles, a grille resistance of its own at each storey, and the stack effect of a colder or
// warmer outside; the designer's three conditions (still air, winter, summer) judged against the
// required flow per grille.
#pragma once

#include <vector>

#include "model/calc_record.h"
#include "model/fan_catalogue.h"

constexpr double kGravity = 9.81;           // m/s2
constexpr double kIndoorTemperature = 20.0;  // deg C : indoor air when the density was typed
constexpr double kCelsiusToKelvin = 273.15;  // K

// The outside temperatures the storey-flow dialog accepts.
constexpr double kMinOutsideTemperature = -60.0;  // deg C
constexpr double kMaxOutsideTemperature = 60.0;   // deg C

// The solve stops when the fan's pressure and the network's at the fan agree this closely, when the
// bracket of the lowest storey's duct pressure cannot be narrowed any more (neighbouring doubles),
// or after kStoreyFlowIterationLimit steps, whichever comes first. The bracket is closed on the
// residual, not on the duct pressure: in a tall riser with a narrow duct the lowest storey sees a
// tiny fraction of a pascal, and a fixed step in it would jump over the crossing.
constexpr double kStoreyFlowTolerance = 1e-7;  // Pa
constexpr int kStoreyFlowIterationLimit = 1100;  // enough to reach neighbouring doubles anywhere

struct StoreyFlowOptions {
    bool StackEffect = false;
    double OutsideTemperature = 0.0;  // deg C : used with the stack effect only
    double FanSpeed = 0.0;            // 1/min : 0 = the catalogue speed; otherwise by the fan laws
    bool EqualFlows = false;          // every grille forced to the lowest one's flow (the usual assumption)
    FanConfiguration Configuration = FanConfiguration::Fan;  // whose characteristic draws the riser
    // - : loss coefficient of each storey's grille, [0] the lowest; empty: the record's at every
    // storey. A storey beyond the list keeps the record's.
    std::vector<double> GrilleLossCoefficients;
};

enum class StoreyFlowStatus {
    Solved,        // the fan runs on its catalogued curve
    OffCatalogue,  // solved on the curve's extension below or beyond the catalogued range
    NoSolution,    // the extended curve and the network do not meet
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
    FlowRange CatalogueRange{0.0, 0.0};  // - : phi range of the characteristic that drew the riser
    double OutsideDensity = 0.0;         // kg/m3 : equal to the record's without the stack effect
    int Iterations = 0;                  // steps the solve took
    // NoSolution: true when the fan's curve stays above the network's to the end of its catalogued
    // range (too large), false when the fan cannot draw air in against the network (too weak).
    bool FanTooLarge = false;
};

// Solves the record's network with the record's fan (FanIndex). Status NoNetwork without a
// catalogue fan, with a storey count outside 1..99 or with non-positive areas or density.
StoreyFlows SolveStoreyFlows(const CalcRecord& record, const StoreyFlowOptions& options);

// The same with any catalogue entry in place of the record's fan.
StoreyFlows SolveStoreyFlows(const FanEntry& fan, const CalcRecord& record, const StoreyFlowOptions& options);

// True when the flows have a row per storey (solved on the catalogued curve or its extension).
bool HasStoreyRows(const StoreyFlows& flows);

// Largest over smallest grille flow; 0 when there are no storeys or the smallest is not positive.
double StoreyFlowSpread(const StoreyFlows& flows);

// The conditions a storey solve is made for.
enum class StoreyCondition {
    Still,    // no stack effect
    Winter,   // the stack effect at the winter design temperature
    Summer,   // the stack effect at the summer design temperature
    Outside,  // the stack effect at one outside temperature asked for on its own
};

struct StoreyConditionFlows {
    StoreyCondition Condition;
    double OutsideTemperature;  // deg C : of the stack effect; 0 for Still
    StoreyFlows Flows;
};

// True when the storey flows are asked for with commissioning settings the building holds.
bool BalancedStoreys(const CalcRecord& record);
// The fan speed of the storey flows [1/min]: the settings' with them, else the dialog's (0 = catalogue).
double StoreySolveSpeed(const CalcRecord& record);
// True when the settings' turns belong to the record's building: adjustable grilles of a known
// size and one turn per storey (turns found for another storey count are ignored).
bool CommissionedTurnsApply(const CalcRecord& record);
// The loss coefficient of every storey's grille at its set turns, [0] the lowest; empty when the
// turns do not apply.
std::vector<double> CommissionedLossCoefficients(const CalcRecord& record);

// The conditions the record asks for, at its storey fan speed (with StoreyBalanced and settings
// held: at the settings' speed, each grille at its set turns): still air, winter and summer at
// the design temperatures, or with StoreyOneCondition only the stack effect at OutsideTemperature.
std::vector<StoreyConditionFlows> SolveStoreyConditions(const CalcRecord& record);

// Still air, winter and summer for one entry in one configuration at its catalogue speed.
std::vector<StoreyConditionFlows> SolveDesignConditions(const FanEntry& fan, FanConfiguration configuration,
                                                        const CalcRecord& record);

// How the storeys fare against the required flow per grille.
struct StoreyShortfall {
    int Below = 0;               // storeys passing less than the required flow (backflow included)
    int Least = -1;              // index of the storey passing least, -1 without rows
    double LeastFlowHourly = 0;  // m3/h : its flow
};
StoreyShortfall ShortfallOf(const StoreyFlows& flows, double requiredGrilleFlowHourly);

// The message of a solution on the curve's extension, a printf template of the flow coefficient
// and the two ends of the catalogued range; and the messages of the results without a usable
// point (UTF-8): no solution has one message for each way the fan misses the network.
extern const char kStoreyFlowOffCatalogueMessage[];
extern const char kStoreyFlowTooWeakMessage[];
extern const char kStoreyFlowTooLargeMessage[];
extern const char kStoreyFlowNoNetworkMessage[];

// The message of a result's status, nullptr when it is solved.
const char* StoreyFlowStatusMessage(const StoreyFlows& flows);
