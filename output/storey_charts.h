// The chart set of the storey flows: the grille flow of every storey beside the equal-flow line
// of the usual calculation, as point files and gnuplot scripts like the other chart sets.
#pragma once

#include <string>

#include "model/calc_record.h"
#include "model/storey_flows.h"
#include "output/storage/file_problems.h"

// "kond.gnu" (storey, grille flow [m3/h]), "kond_r.gnu" (the equal flow from the lowest to the
// highest storey), then the three scripts of ChartSet::StoreyFlows.
void WriteStoreyFlowCharts(const std::string& dir, const CalcRecord& record, const StoreyFlows& flows,
                           FileProblems& problems);
