// The commissioning settings in every form they are shown in: the lines of the results report
// (window and printed page), the aligned table and the CSV of the batch front end, and the rows
// of the HTML page. The columns, notes and summary are defined once here for all of them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/commissioning.h"
#include "output/report.h"

// The conditions the record holds: its required flow per grille and the seasons' temperatures.
CommissioningConditions CommissioningConditionsOf(const CalcRecord& record);

// One column of the settings table.
struct SettingColumn {
    const char* Heading;  // with its unit, UTF-8
    ReportColumn Column;  // where the report places it
};
constexpr int kSettingColumnCount = 6;
extern const SettingColumn kSettingColumns[kSettingColumnCount];

// The texts of storey i (0 the lowest) in column order: storey, turns ("" without), zeta, flow
// [m3/h], share of Qi [%], remark (the excess or shortfall against the required flow, or the
// constant-flow grille's pressure margin).
std::array<std::string, kSettingColumnCount> SettingRowTexts(const Commissioning& commissioning, size_t i);

// The lines above the table: the heading, Qi, the grilles' set flow, and what could not be done.
std::vector<std::string> CommissioningNotes(const CalcRecord& record, const Commissioning& commissioning);

// One labelled value under the table.
struct SettingSummaryRow {
    std::string Label;  // UTF-8, with its leading blanks
    std::string Value;
};
// The fan's speed, its share of the catalogue speed, its flow and its pressure.
std::vector<SettingSummaryRow> CommissioningSummary(const Commissioning& commissioning);

// The seasons: the heading line, then for every storey its winter and summer flow ("-" without
// a solution) and last the fan's flow in both.
extern const char kSeasonColumns[3][24];
std::string SeasonsHeading(const Commissioning& commissioning);
std::array<std::string, 3> SeasonRowTexts(const Commissioning& commissioning, size_t i);
std::array<std::string, 3> SeasonFanTexts(const Commissioning& commissioning);

// The lines of report kind 6 that follow the title and the input block.
std::vector<ReportLine> BuildCommissioningLines(const CalcRecord& record);

// The batch front end's table: notes, columns right-aligned under their headings, the summary and
// the seasons. UTF-8, "\n" line ends.
std::string CommissioningTableText(const CalcRecord& record, const Commissioning& commissioning);

// One header row naming the units, then one row per storey: storey, turns, zeta, flow, share,
// remark, winter flow, summer flow; point decimals, "\n" line ends.
std::string CommissioningCsv(const Commissioning& commissioning);

// The HTML page's part between the letterhead, chart and input data and its closing: the notes,
// the settings table, the summary and the seasons (UTF-8; zeta written as an entity, which code
// page 1250 lacks).
void AppendCommissioningPage(std::string& page, const CalcRecord& record);
