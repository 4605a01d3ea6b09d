// Selection from the whole catalogue: every entry of the fan chooser in its three configurations
// against the network of the current inputs, ranked by how well it delivers a required flow per
// grille. Changes nothing in the record.
#pragma once

#include <cstdint>
#include <vector>

#include "model/calc_record.h"
#include "model/fan_catalogue.h"
#include "model/network.h"

// "Wentylator", "Wentylator z podstawą tłumiącą", "Wentylator z tłumikiem cylindrycznym" (UTF-8).
const char* ConfigurationName(FanConfiguration configuration);

struct RankedConfiguration {
    int32_t FanIndex;                 // - : catalogue entry
    FanConfiguration Configuration;
    bool HasPoint;                    // false: the network does not meet this characteristic
    double GrilleFlowHourly;          // m3/h : per grille; 0 without point
    double FanFlow;                   // m3/s ; 0 without point
    double FanPressure;               // Pa ; 0 without point
    double DuctVelocity;              // m/s ; 0 without point
    bool ReachesRequiredFlow;         // GrilleFlowHourly >= the required flow
    double RegulatedSpeed;            // 1/min : the speed that gives exactly the required flow; 0 when it is not reached
};

// Ranks every entry that has a chooser button, each in its three configurations, for the required
// flow per grille [m3/h] (> 0): first those that reach it, smallest surplus first; then those that
// do not, largest flow first; configurations without operating point last. Equal rows keep
// catalogue order. The regulated speed is the regulation rule applied to the configuration's own
// point on the network the configuration was evaluated against.
std::vector<RankedConfiguration> RankCatalogue(const CalcRecord& inputs, double requiredGrilleFlowHourly);

