// The commissioning settings of a building: the least fan speed, and for adjustable grilles the
// turns of every storey's grille, that give every flat at least its required flow at the design
// condition (no stack effect); then what the same settings give in winter and in summer.
#pragma once

#include <cstdint>
#include <vector>

#include "model/calc_record.h"
#include "model/storey_flows.h"

struct CommissioningConditions {
    double RequiredFlowHourly = 0.0;                      // m3/h : Qi, every storey's grille
    double WinterTemperature = kDefaultWinterTemperature;  // deg C
    double SummerTemperature = kDefaultSummerTemperature;  // deg C
};

// What is set: the turns and the speed (kind 3), the speed for grilles that hold a set flow
// (kinds 4 and 5), the speed alone for fixed grilles (kinds 1 and 2, and a kind never chosen).
enum class CommissioningRule { Turns, ConstantFlow, FixedGrilles };

enum class CommissioningStatus {
    Balanced,         // every storey gets its flow at Speed
    CatalogueTooLow,  // not even the catalogue speed does it: Speed is the catalogue speed, and
                      // adjustable grilles stand fully open
    NoNetwork,        // no fan, no storeys, no Qi, or an adjustable grille without its table row
};

struct CommissioningStorey {
    int32_t Turns;           // - : opening of an adjustable grille; -1 for the other kinds
    double LossCoefficient;  // - : zeta of the grille as set
    double Flow;             // m3/s : design condition at Speed
    double Margin;           // Pa : kinds 4 and 5: pressure across the grille beyond what Qs needs
    double WinterFlow;       // m3/s : the same settings with the winter stack effect
    double SummerFlow;       // m3/s : and with the summer one
};

struct Commissioning {
    CommissioningStatus Status = CommissioningStatus::NoNetwork;
    CommissioningRule Rule = CommissioningRule::FixedGrilles;
    double RequiredFlow = 0.0;    // m3/s : Qi
    double TargetFlow = 0.0;      // m3/s : what every storey must pass: Qi, or Qs of a constant-flow grille
    int32_t Speed = 0;            // 1/min
    int32_t CatalogueSpeed = 0;   // 1/min
    StoreyFlowStatus SolveStatus = StoreyFlowStatus::NoNetwork;  // of the design solve at Speed
    double FlowCoefficient = 0.0;        // - : phi of the design solve
    FlowRange CatalogueRange{0.0, 0.0};  // - : the catalogued phi range of the fan
    double FanFlow = 0.0;         // m3/s : design condition at Speed
    double FanPressure = 0.0;     // Pa
    double WinterFanFlow = 0.0;   // m3/s
    double SummerFanFlow = 0.0;   // m3/s
    double WinterTemperature = 0.0;  // deg C
    double SummerTemperature = 0.0;  // deg C
    std::vector<CommissioningStorey> Storeys;  // [0] the lowest storey
    std::vector<double> FlowsBefore;  // m3/s : every storey at the catalogue speed with the grilles as entered
};

// The settings for the record's building and fan. Speeds are whole 1/min from 1 to the catalogue
// speed; the least one that does it is found by halving, which is sound because a faster fan
// raises the suction at every storey.
Commissioning ComputeCommissioning(const CalcRecord& record, const CommissioningConditions& conditions);

// Adjustable grilles at one speed: the turns of every storey ([0] the lowest) that give each at
// least `requiredFlow` [m3/s] with the least total flow, or empty when no setting does.
// `start`, when not empty, is a setting known to close every grille at least as far as the
// answer (the answer at a higher speed).
std::vector<int32_t> TurnsAtSpeed(const CalcRecord& record, double requiredFlow, int32_t speed,
                                  const std::vector<int32_t>& start = {});

// The solve of the record's building with every storey's grille at its turns, at `speed`.
StoreyFlows SolveWithTurns(const CalcRecord& record, const std::vector<int32_t>& turns, int32_t speed);

// The share of the catalogue speed [%].
double SpeedShare(const Commissioning& commissioning);

extern const char kCommissioningNoNetworkMessage[];
