// Ranking of the catalogue for a required flow per grille: the fan selection's own evaluation of
// every chooser entry, without storey pressures, and the regulation rule for each configuration.
#include "model/catalogue_ranking.h"

#include <algorithm>
#include <cmath>

#include "model/fan_catalogue.h"
#include "model/operating_point.h"
#include "model/regulation.h"
#include "model/storey_flows.h"

namespace {

// 0 reaches the flow, 1 does not, 2 has no operating point: the three groups in ranking order.
int GroupOf(const RankedConfiguration& row)
{
    if (!row.HasPoint)
        return 2;
    return row.ReachesRequiredFlow ? 0 : 1;
}

bool RanksBefore(const RankedConfiguration& a, const RankedConfiguration& b)
{
    const int groupA = GroupOf(a);
    const int groupB = GroupOf(b);
    if (groupA != groupB)
        return groupA < groupB;
    if (groupA == 0)
        return a.GrilleFlowHourly < b.GrilleFlowHourly;  // smallest surplus first
    if (groupA == 1)
        return a.GrilleFlowHourly > b.GrilleFlowHourly;  // largest flow first
    return false;
}

// The worst flat of the configuration in still air, winter and summer: the storey solve of each.
void AddDesignConditions(const FanEntry& entry, const CalcRecord& inputs, double required, RankedConfiguration& row)
{
    const std::vector<StoreyConditionFlows> conditions = SolveDesignConditions(entry, row.Configuration, inputs);
    row.EveryStoreyReachesRequiredFlow = true;
    for (size_t i = 0; i < conditions.size() && i < row.LeastStoreyFlowHourly.size(); ++i) {
        const StoreyShortfall shortfall = ShortfallOf(conditions[i].Flows, required);
        if (shortfall.Least >= 0)
            row.LeastStoreyFlowHourly[i] = shortfall.LeastFlowHourly;
        row.EveryStoreyReachesRequiredFlow &= shortfall.Least >= 0 && shortfall.Below == 0;
    }
}

}  // namespace

const char* ConfigurationName(FanConfiguration configuration)
{
    switch (configuration) {
    case FanConfiguration::Fan: return "Wentylator";
    case FanConfiguration::Base: return "Wentylator z podstawą tłumiącą";
    case FanConfiguration::Silencer: return "Wentylator z tłumikiem cylindrycznym";
    }
    return "";
}

std::vector<RankedConfiguration> RankCatalogue(const CalcRecord& inputs, double requiredGrilleFlowHourly)
{
    const double required = requiredGrilleFlowHourly;
    const int32_t storeys = inputs.StoreyCount;
    // The fan flow that gives the required flow at every grille.
    const double requiredFanFlow = storeys * (required / 3600.0);

    std::vector<RankedConfiguration> rows;
    rows.reserve(3 * kFanCount);
    for (int i = 0; i < kFanCount; ++i) {
        const FanEntry& entry = FanCatalogue()[i];
        if (!entry.ChooserCaption)
            continue;
        const FanEvaluation evaluation = EvaluateFan(entry, inputs, StoreyDetail::Skip);

        struct Point { FanConfiguration Configuration; double Flow, Pressure, GrilleFlowHourly, NetworkCoefficient; };
        const Point points[] = {
            {FanConfiguration::Fan, evaluation.Point.Found ? evaluation.FanFlow : 0.0,
             evaluation.Point.Found ? evaluation.FanPressure : 0.0,
             evaluation.Point.Found ? evaluation.GrilleFlowHourly : 0.0, evaluation.NetworkCoefficient},
            // The variants' flow per grille as the silencer report shows it.
            {FanConfiguration::Base, evaluation.Base.Flow, evaluation.Base.Pressure,
             evaluation.Base.Flow * 3600.0 / storeys, evaluation.VariantNetworkCoefficient},
            {FanConfiguration::Silencer, evaluation.Silencer.Flow, evaluation.Silencer.Pressure,
             evaluation.Silencer.Flow * 3600.0 / storeys, evaluation.VariantNetworkCoefficient},
        };
        for (const Point& point : points) {
            RankedConfiguration row{};
            row.FanIndex = entry.FanIndex;
            row.Configuration = point.Configuration;
            row.HasPoint = point.Flow != 0.0;
            if (row.HasPoint) {
                row.GrilleFlowHourly = point.GrilleFlowHourly;
                row.FanFlow = point.Flow;
                row.FanPressure = point.Pressure;
                row.DuctVelocity = point.Flow / inputs.DuctArea;
                row.ReachesRequiredFlow = point.GrilleFlowHourly >= required;
                if (row.ReachesRequiredFlow)
                    row.RegulatedSpeed = RegulateAlongNetwork(entry.FanSpeed, point.NetworkCoefficient,
                                                              requiredFanFlow, point.Flow, point.Pressure)
                                             .Speed;
            }
            AddDesignConditions(entry, inputs, required, row);
            rows.push_back(row);
        }
    }
    std::stable_sort(rows.begin(), rows.end(), RanksBefore);
    return rows;
}
