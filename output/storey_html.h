// The HTML page of the storey flows, between the letterhead, chart and input data that every
// report page shares and its closing.
#pragma once

#include <string>

#include "model/calc_record.h"

// Appends the table of every condition with its summary and the comparison with the equal-flow
// result (UTF-8).
void AppendStoreyFlowPage(std::string& page, const CalcRecord& record);
