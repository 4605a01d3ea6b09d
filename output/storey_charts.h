// The chart set of the storey flows: the grille flow of every storey in each condition beside
// the required flow per grille, as point files and gnuplot scripts like the other chart sets.
#pragma once

#include <string>
#include <vector>

#include "model/calc_record.h"
#include "model/storey_flows.h"
#include "output/storage/file_problems.h"

// The axes of a chart over the storeys: labels, grid, the key below, x from the lowest to the
// highest storey, then `yRange` ("" or a "set yrange" line), and every storey numbered up to 20
// storeys, every fifth beyond.
std::string StoreyChartAxes(int32_t storeys, const char* yRange);

// "kond.gnu" (still air, or the one condition), "kond_z.gnu" (winter), "kond_l.gnu" (summer), each
// of storey and grille flow [m3/h] where the condition has flows, "kond_qi.gnu" (the required flow
// from the lowest to the highest storey), then the three scripts of ChartSet::StoreyFlows, whose
// title names the fan, its speed and the conditions.
void WriteStoreyFlowCharts(const std::string& dir, const CalcRecord& record,
                           const std::vector<StoreyConditionFlows>& conditions, FileProblems& problems);
