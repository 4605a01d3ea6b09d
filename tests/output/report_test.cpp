// The results report: golden files of every kind, the storey table, chosen lines.
#include "output/report.h"
#include "output/storey_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "support/sample_record.h"
#include "support/test_support.h"

namespace {

std::string ScreenText(const CalcRecord& r) { return RenderReportText(BuildResultsReport(r, ReportRendering::Screen)); }

// Every line with its advance, font and cells, then the text rendering.
std::string Dump(const std::vector<ReportLine>& lines)
{
    static const char* const kColumnNames[] = {"Label",      "Pressure",       "Value",     "Pressure2",
                                               "BaseHeader", "SilencerHeader", "BaseValue", "SilencerValue"};
    std::string text;
    for (const ReportLine& line : lines) {
        char advance[16];
        std::snprintf(advance, sizeof advance, "%-4g", line.Advance);
        text += std::string("adv ") + advance + (line.Font == ReportFont::Title ? "title" : "body ");
        for (const ReportCell& cell : line.Cells)
            text += std::string(" | ") + kColumnNames[static_cast<int>(cell.Column)] + " \"" + cell.Text + "\"";
        text += "\n";
    }
    return text + "---- text ----\n" + RenderReportText(lines);
}

const char kTableHeaderTwo[] =
    "Kondygnacja            Podciśnienie            Kondygnacja               Podciśnienie";

}  // namespace

// Storeys -1: a record of zeros, as right after start-up, so that every quotient has the divisor 0
// and shows "-"; its kind 3 has both no-intersection messages.
TEST(report, golden_reports_of_every_kind_and_rendering)
{
    struct Case { const char* Name; int32_t Kind; bool Rectangular; int32_t Storeys; };
    const Case cases[] = {
        {"kind0", 0, false, 4}, {"kind1", 1, false, 4}, {"kind2", 2, true, 12},     {"kind3", 3, true, 4},
        {"kind4", 4, false, 4}, {"zeros_kind3", 3, false, -1}, {"zeros_kind4", 4, false, -1},
        {"kind5", 5, false, 4}, {"zeros_kind5", 5, false, -1},
    };
    for (const Case& c : cases) {
        CalcRecord r = SampleRecord(c.Kind);
        r.StoreyCount = c.Storeys;
        if (c.Storeys < 0) {
            ResetCalcRecord(r);
            r.FanDesignation = nullptr;  // treated as an empty designation
            SetReportKind(r, c.Kind);
        }
        if (c.Rectangular)
            r.DuctShape = 0;
        for (int i = 5; i <= c.Storeys; ++i)
            r.StoreyPressure[i] = 100.0 + 10.55 * i;
        if (c.Name == std::string("kind3"))
            r.SilencerFlow = 0.0;  // one message line and a column of zeros
        if (c.Name == std::string("kind5")) {  // the storey flows of CORVA-4/1440, winter stack effect
            r.StoreyStackEffect = 1;
            r.OutsideTemperature = -20.0;
        }
        for (ReportRendering rendering : {ReportRendering::Screen, ReportRendering::Printer}) {
            const std::string name = std::string("report/") + c.Name +
                                     (rendering == ReportRendering::Screen ? "_screen.txt" : "_printer.txt");
            const std::string dump = Dump(BuildResultsReport(r, rendering));
            EXPECT_EQ(CompareWithGolden(name, dump), "") << name;
            EXPECT_EQ(dump.find("nan"), std::string::npos) << name;
            EXPECT_EQ(dump.find("inf"), std::string::npos) << name;
        }
    }
}

TEST(report, storey_table_shapes)
{
    struct Row { int32_t Storeys; bool TwoColumns; long TextLines; const char* LastLine; };
    const Row rows[] = {
        {8, false, 9, "  9      7.5 [Pa]"},          {9, true, 5, "  9      7.5 [Pa]  10  170.0 [Pa]"},
        {10, true, 6, "11      0.0 [Pa]"},           {0, false, 1, "  1      8.2 [Pa]"},
        {-5, false, 0, ""},
        {INT_MAX, true, 50, "99      0.0 [Pa]  100      0.0 [Pa]"},  // StoreyPressure has 100 entries
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Storeys);
        CalcRecord r = SampleRecord(1);
        r.StoreyCount = row.Storeys;
        r.StoreyPressure[8] = 7.5; r.StoreyPressure[9] = 170.0;
        const std::string text = ScreenText(r);
        const std::string header = row.TwoColumns ? kTableHeaderTwo : "Kondygnacja            Podciśnienie";
        const size_t at = text.find("\n" + header + "\n");
        ASSERT_NE(at, std::string::npos);
        const std::string table = text.substr(at + header.size() + 2);
        EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), row.TextLines);
        const size_t last = table.rfind('\n', table.size() - 2);
        EXPECT_EQ(table.substr(last == std::string::npos ? 0 : last + 1),
                  row.LastLine + std::string(row.TextLines ? "\n" : ""));
    }
}

TEST(report, lines_chosen_by_the_record)
{
    const char* const noHeading = "Obliczone wartości:\n\n   Wydajność regulowana Qr";
    struct Row { int32_t Kind; void (*Change)(CalcRecord&); const char* Expected; };
    const Row rows[] = {
        // The blanks before a storey pressure are chosen on the unrounded value.
        {1, [](auto& r) { r.StoreyPressure[0] = 9.96; }, "\n  1      10.0 [Pa]\n"},
        {1, [](auto& r) { r.StoreyPressure[0] = 10.0; }, "\n  1    10.0 [Pa]\n"},
        {1, [](auto& r) { r.StoreyPressure[0] = 99.96; }, "\n  1    100.0 [Pa]\n"},
        {1, [](auto& r) { r.StoreyPressure[0] = 100.0; }, "\n  1  100.0 [Pa]\n"},
        {1, [](auto& r) { r.StoreyPressure[0] = -3.0; }, "\n  1      -3.0 [Pa]\n"},
        // Grille kinds 1 and 5 are rectangular, all others round.
        {1, [](auto& r) { r.InstallationKind = 5; }, "\n   Kratka prostokątna o wymiarach  = 0.200 [m] x 0.250 [m]\n"},
        {1, [](auto& r) { r.InstallationKind = 4; }, "\n   Kratka okrągła o średnicy  = 0.200 [m]\n"},
        // The material text by the exact roughness; the texts themselves are in the materials' dump.
        {1, [](auto& r) { r.DuctRoughness = 10.0; }, ":  cegła.\n"},
        {1, [](auto& r) { r.DuctRoughness = 1.8000000000000003; }, "\n   Rodzaj materiału:\n"},
        // The regulated variant's heading; an unknown variant leaves its line blank.
        {4, [](auto& r) { r.RegulationVariant = 0; },
         ":\nWyniki obliczeń dla wentylatora.\n   Wydajność regulowana Qr"},
        {4, [](auto& r) { r.RegulationVariant = 2; },
         ":\nWyniki obliczeń dla wentylatora z tłumikiem cylindrycznym.\n   Wydajność regulowana Qr"},
        {4, [](auto& r) { r.RegulationVariant = -1; }, noHeading},
        {4, [](auto& r) { r.RegulationVariant = 3; }, noHeading},
    };
    for (const Row& row : rows) {
        CalcRecord r = SampleRecord(row.Kind);
        r.StoreyCount = 0;
        row.Change(r);
        const std::string text = ScreenText(r);
        EXPECT_NE(text.find(row.Expected), std::string::npos) << row.Expected << " not in\n" << text;
    }
}

// Every status message of the storey flows stands on report lines of its own: a canvas draws a
// text as one line, so a line break inside a note would print past the page.
TEST(report, storey_flow_notes_hold_no_line_break)
{
    const CalcRecord r = SampleRecord(5);
    for (StoreyFlowStatus status : {StoreyFlowStatus::OffCatalogue, StoreyFlowStatus::NoSolution,
                                    StoreyFlowStatus::NoNetwork}) {
        StoreyFlows flows;
        flows.Status = status;
        const std::vector<std::string> notes = StoreyFlowNotes(r, flows);
        for (const std::string& note : notes)
            EXPECT_EQ(note.find('\n'), std::string::npos) << note;
        EXPECT_GT(notes.size(), 2u);
    }
    StoreyFlows none;
    none.Status = StoreyFlowStatus::NoSolution;
    EXPECT_EQ(StoreyFlowNotes(r, none).back(), "Proszę wybrać większy wentylator albo kratki o większym oporze.");
}
