// The chart set of the commissioning settings: the flow of every storey before balancing (the
// grilles as entered, at the catalogue speed) and after it, with the required flow as a line.
#pragma once

#include <string>

#include "model/calc_record.h"
#include "model/commissioning.h"
#include "output/storage/file_problems.h"

// "nast_przed.gnu" and "nast_po.gnu" (storey, grille flow [m3/h]), "nast_qi.gnu" (Qi from the
// lowest to the highest storey), then the three scripts of ChartSet::Commissioning.
void WriteCommissioningCharts(const std::string& dir, const CalcRecord& record, const Commissioning& commissioning,
                              FileProblems& problems);
