// The storey flows in every form they are shown in: the lines of the results report (window and
// printed page), the aligned table and the CSV of the batch front end. The conditions, columns,
// remarks and the comparison with the equal-flow result are defined once here for all of them and
// for the HTML page.
#pragma once

#include <string>
#include <vector>

#include "model/storey_flows.h"
#include "output/report.h"

// One column of the storey table of a condition.
struct StoreyColumn {
    const char* Heading;    // with its unit, UTF-8
    const char* Format;     // printf conversion of the report, the HTML page and the text table; nullptr: a text
    const char* CsvFormat;  // printf conversion of the CSV
    ReportColumn Column;    // where the report places it
    bool OnPage;            // shown in the report, the HTML page and the text table, not only in the CSV
};

constexpr int kStoreyColumnCount = 6;
extern const StoreyColumn kStoreyColumns[kStoreyColumnCount];

// The cells of storey i (0 the lowest) in column order for the required flow per grille [m3/h]:
// storey number, grille flow [m3/h], share of the required flow [%], pressure across the grille
// [Pa], negative pressure in the duct [Pa], remark; with the report's formats, or the CSV's.
std::vector<std::string> StoreyRowCells(const StoreyFlows& flows, size_t i, double requiredFlow, bool csv = false);

// "brak %1.1f m3/h" below the required flow, "przepływ odwrotny" for air flowing back into the
// flat, "" otherwise.
std::string StoreyRemark(double grilleFlowHourly, double requiredFlow);

// The name of a condition: the heading above its table ("Zima: temperatura zewnętrzna ...") and
// the short one of the comparison and the CSV ("Bez efektu", "Zima -20.0 °C"), short enough for the
// first column of the comparison.
std::string ConditionHeading(const CalcRecord& record, const StoreyConditionFlows& condition);
std::string ConditionName(const StoreyConditionFlows& condition);

// The usual result with every grille passing the same flow, at the fan speed of the storey flows:
// the record's operating point at the catalogue speed, the equal-flow solve at a regulated one
// (zeros when it has no point).
struct EqualFlowPoint {
    double FanFlow;           // m3/s
    double FanPressure;       // Pa
    double GrilleFlowHourly;  // m3/h
};
EqualFlowPoint EqualFlowResult(const CalcRecord& record);

extern const char kEqualHeading[];  // the equal-flow row of the comparison

// The comparison under the tables: a row per condition and one of the equal-flow result, each
// with the fan's flow per second and per hour, its pressure and the mean grille flow.
constexpr int kComparisonColumnCount = 5;
extern const StoreyColumn kComparisonColumns[kComparisonColumnCount];
std::vector<std::vector<std::string>> ComparisonRows(const CalcRecord& record,
                                                     const std::vector<StoreyConditionFlows>& conditions);

// The lines under a condition's table: how many storeys get less than the required flow and
// which gets least, and the spread of the largest to the smallest grille flow.
std::vector<std::string> ConditionSummary(const StoreyFlows& flows, double requiredFlow);

// The status lines of a condition without a catalogued point: the estimate on the curve's
// extension, or the message of a missing solution (one line per text line).
std::vector<std::string> ConditionStatus(const StoreyFlows& flows);

// The lines above the tables: the heading, the required flow, the fan speed and the
// constant-flow setting.
std::vector<std::string> StoreyFlowNotes(const CalcRecord& record);

// The lines of report kind 5 that follow the title and the input block.
std::vector<ReportLine> BuildStoreyFlowLines(const CalcRecord& record, ReportRendering rendering);

// The batch front end's table: notes, per condition its heading, columns right-aligned under
// their headings and its summary, then the comparison. UTF-8, "\n" line ends.
std::string StoreyFlowTableText(const CalcRecord& record, const std::vector<StoreyConditionFlows>& conditions);

// One header row naming the conditions and units, then one row per storey with the columns of
// every condition; point decimals, "\n" line ends.
std::string StoreyFlowCsv(const CalcRecord& record, const std::vector<StoreyConditionFlows>& conditions);
