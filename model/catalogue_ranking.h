// Selection from the whole catalogue: every entry of the fan chooser in its three configurations
// against the network of the current inputs, ranked by how well it delivers a required flow per
// grille. Changes nothing in the record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/calc_record.h"
#include "model/fan_catalogue.h"
#include "model/network.h"

// "Wentylator", "Wentylator z podstawą tłumiącą", "Wentylator z tłumikiem cylindrycznym" (UTF-8).
const char* ConfigurationName(FanConfiguration configuration);

// Why a configuration does or does not deliver the required flow.
enum class RankingReason : int32_t {
    Reaches = 0,        // its point gives at least the required flow
    TooWeak = 1,        // its point gives less, or its curve stays below the network's
    TooLarge = 2,       // its curve stays above the network's over the whole catalogued range
    NoCharacteristic = 3,  // the catalogue has no curve for this configuration
};

// "", "za słaby", "za duży: punkt pracy poza charakterystyką", "brak charakterystyki" (UTF-8).
const char* ReasonText(RankingReason reason);

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
    RankingReason Reason;
    // m3/h : the least storey flow of the configuration's storey solve at its catalogue speed in
    // still air, winter and summer (in that order); none where that condition has no storey flows.
    std::array<std::optional<double>, 3> LeastStoreyFlowHourly;
    bool EveryStoreyReachesRequiredFlow;  // every storey passes at least the required flow in all three
};

// Ranks every entry that has a chooser button, each in its three configurations, for the required
// flow per grille [m3/h] (> 0): first those that reach it, smallest surplus first; then those that
// do not, largest flow first; configurations without operating point last. Equal rows keep
// catalogue order. A configuration without point is too large when its pressure stays above the
// network's at every flow of its catalogued range (the point lies past the range's end, and a
// quadratic network keeps the same flow coefficient at any speed); otherwise too weak. The
// regulated speed is the regulation rule applied to the configuration's own
// point on the network the configuration was evaluated against. The least storey flows are
// those of SolveDesignConditions for the entry and configuration, at the record's design temperatures.
std::vector<RankedConfiguration> RankCatalogue(const CalcRecord& inputs, double requiredGrilleFlowHourly);

