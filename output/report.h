// The results report: the inputs and results of the last calculation command as an ordered list
// of lines, shared by the window, the printed page and the batch front end.
#pragma once

#include <string>
#include <vector>

#include "model/calc_record.h"

enum class ReportColumn {
    Label, Pressure, Value, Pressure2, BaseHeader, SilencerHeader, BaseValue, SilencerValue,
    // The commissioning table's own narrower columns, after the storey in Label.
    SettingTurns, SettingZeta, SettingFlow, SettingShare, SettingRemark,
};
enum class ReportFont { Title, Body };
enum class ReportRendering { Screen, Printer };

struct ReportCell {
    ReportColumn Column;
    std::string Text;  // UTF-8
};

// What a line is to the printed pages: the heading of a table is printed again at the top of
// every page onto which the table's rows run.
enum class ReportRole { Text, TableHeading, TableRow };

struct ReportLine {
    double Advance;  // line steps moved down before drawing; 1.5 only for the printed second title line
    ReportFont Font;
    std::vector<ReportCell> Cells;  // none: a blank line
    ReportRole Role = ReportRole::Text;
};

// Where each column's text starts in the window and on the printed page. The plain-text rendering
// orders a line's cells by the window position.
struct ReportColumnPosition {
    ReportColumn Column;
    int ScreenX;  // px of the window's client area
    int PrintX;   // dots of a 600-dpi page
};
constexpr int kReportColumnCount = 13;
extern const ReportColumnPosition kReportColumns[kReportColumnCount];
const ReportColumnPosition& ColumnPositionOf(ReportColumn column);

// The town of the maker's seat, ending the report title.
extern const char kSeatTown[];

// Empty for report kind 0.
std::vector<ReportLine> BuildResultsReport(const CalcRecord& record, ReportRendering rendering);

// Plain-text rendering: one output line per report line; advance k >= 2 is preceded by k - 1
// empty lines; advance 0 continues the previous output line; cells left to right (by their
// column's position) joined by two blanks. Every output line ends in "\n".
std::string RenderReportText(const std::vector<ReportLine>& lines);
