// The storey flows in every form they are shown in: the lines of the results report (window and
// printed page), the aligned table and the CSV of the batch front end. The columns, the notes
// and the comparison with the equal-flow result are defined once here for all of them and for
// the HTML page.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/storey_flows.h"
#include "output/report.h"

// One column of the storey table.
struct StoreyColumn {
    const char* Heading;    // with its unit, UTF-8
    const char* Format;     // printf conversion of the report, the HTML page and the text table
    const char* CsvFormat;  // printf conversion of the CSV
    ReportColumn Column;    // where the report places it
};

constexpr int kStoreyColumnCount = 5;
extern const StoreyColumn kStoreyColumns[kStoreyColumnCount];

// The values of storey i (0 the lowest) in column order: storey number, grille flow [m3/h], share
// of the mean grille flow [%], duct pressure [Pa], pressure across the grille [Pa].
std::array<double, kStoreyColumnCount> StoreyRowValues(const StoreyFlows& flows, size_t i);

// One row of the comparison under the table: the solved value beside the equal-flow one.
struct StoreyComparison {
    const char* Label;  // UTF-8, with its leading blanks
    std::string Solved;
    std::string Equal;
};

// The usual result with every grille passing the same flow, at the fan speed of the storey flows:
// the record's operating point at the catalogue speed, the equal-flow solve at a regulated one
// (zeros when it has no point).
struct EqualFlowPoint {
    double FanFlow;           // m3/s
    double FanPressure;       // Pa
    double GrilleFlowHourly;  // m3/h
};
EqualFlowPoint EqualFlowResult(const CalcRecord& record);

extern const char kSolvedHeading[];  // heading of the solved column
extern const char kEqualHeading[];   // heading of the equal-flow column

// Fan flow per second and per hour, fan pressure, mean grille flow: solved beside EqualFlowResult.
std::vector<StoreyComparison> CompareWithEqualFlows(const CalcRecord& record, const StoreyFlows& flows);

// The spread: the label and "= <ratio> [-]" of the largest to the smallest grille flow ("-" when a grille draws
// nothing or passes air back).
extern const char kSpreadLabel[];
std::string SpreadText(const StoreyFlows& flows);

// The lines above the table: the heading, the stack effect, a regulated fan speed, the
// constant-flow setting and, when
// the fan runs off its catalogued curve or nothing was solved, the message saying so.
std::vector<std::string> StoreyFlowNotes(const CalcRecord& record, const StoreyFlows& flows);

// The lines of report kind 5 that follow the title and the input block.
std::vector<ReportLine> BuildStoreyFlowLines(const CalcRecord& record, ReportRendering rendering);

// The batch front end's table: notes, columns right-aligned under their headings, then the
// comparison and the spread. UTF-8, "\n" line ends.
std::string StoreyFlowTableText(const CalcRecord& record, const StoreyFlows& flows);

// One header row naming the units, then one row per storey; point decimals, "\n" line ends.
std::string StoreyFlowCsv(const StoreyFlows& flows);
