// The four HTML reports in "wykresy", written from fixed templates in code page 1250: letterhead,
// chart picture, input data and the results of one calculation command.
#pragma once

#include <string>

#include "model/calc_record.h"
#include "output/charts.h"
#include "output/storage/file_problems.h"

// The report of a chart set (Fan: operating point and storey table; Silencers: three-variant
// table; Regulated: operating point, storey table and regulated rows; RegulatedSilencers: variant
// line and regulated rows). The report's name is FilesOf(set).HtmlReport.
void WriteHtmlReport(const std::string& dir, ChartSet set, const CalcRecord& record, FileProblems& problems);

// The bytes of that report (code page 1250), without writing it.
std::string HtmlReportText(ChartSet set, const CalcRecord& record);
