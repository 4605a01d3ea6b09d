// The results report: golden files of every kind and the lines a record chooses.
#include "output/report.h"
#include "output/storey_report.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "support/sample_record.h"
#include "support/test_support.h"

namespace {

std::string ScreenText(const CalcRecord& r) { return RenderReportText(BuildResultsReport(r, ReportRendering::Screen)); }

// Every line with its advance, font and cells, then the text rendering.
std::string Dump(const std::vector<ReportLine>& lines)
{
    static const char* const kColumnNames[] = {"Label",        "Pressure",       "Value",        "Pressure2",
                                               "BaseHeader",   "SilencerHeader", "BaseValue",    "SilencerValue",
                                               "SettingTurns", "SettingZeta",    "SettingFlow",  "SettingShare",
                                               "SettingRemark"};
    static_assert(std::size(kColumnNames) == kReportColumnCount);
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
        {"kind6", 6, false, 4}, {"zeros_kind6", 6, false, -1},
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
        if (c.Name == std::string("kind6")) {  // LUMA 125 grilles at 10 turns asking 40 m3/h each
            r.InstallationKind = 3;
            r.GrilleSizeA = 0.096;
            r.GrilleArea = 3.141592653589793 * 0.096 * 0.096 * 0.25;
            r.GrilleLossCoefficient = 15.8732;
            r.RequiredGrilleFlowHourly = 40.0;
        }
        for (ReportRendering rendering : {ReportRendering::Screen, ReportRendering::Printer}) {
            const std::string name = std::string("report/") + c.Name +
                                     (rendering == ReportRendering::Screen ? "_screen.txt" : "_printer.txt");
            EXPECT_EQ(CompareWithGolden(name, Dump(BuildResultsReport(r, rendering))), "") << name;
        }
    }
}

// What a change of the record changes in the screen report of a record without storeys, and the
// storey flows' notes, none with a line break (a canvas draws a text as one line).
TEST(report, lines_chosen_by_the_record)
{
    struct Row { const char* Name; int32_t Kind; void (*Change)(CalcRecord&); };
    const Row rows[] = {
        // The blanks before a storey pressure are chosen on the unrounded value.
        {"storey pressure 10.0", 1, [](auto& r) { r.StoreyPressure[0] = 10.0; }},
        {"storey pressure 100.0", 1, [](auto& r) { r.StoreyPressure[0] = 100.0; }},
        {"storey pressure -3.0", 1, [](auto& r) { r.StoreyPressure[0] = -3.0; }},
        // Two columns from 9 storeys on; only the entries StoreyPressure has are shown.
        {"8 storeys", 1, [](auto& r) { r.StoreyCount = 8; }},
        {"9 storeys", 1, [](auto& r) { r.StoreyCount = 9; }},
        {"10 storeys", 1, [](auto& r) { r.StoreyCount = 10; }},
        {"-5 storeys", 1, [](auto& r) { r.StoreyCount = -5; }},
        {"INT_MAX storeys", 1, [](auto& r) { r.StoreyCount = INT_MAX; }},
        // An unknown regulated variant leaves its heading blank.
        {"regulated variant -1", 4, [](auto& r) { r.RegulationVariant = -1; }},
        {"regulated variant 3", 4, [](auto& r) { r.RegulationVariant = 3; }},
    };
    std::string dump;
    for (const Row& row : rows) {
        CalcRecord r = SampleRecord(row.Kind);
        r.StoreyCount = 0;
        r.StoreyPressure[8] = 7.5;
        r.StoreyPressure[9] = 170.0;
        const std::string base = ScreenText(r);
        row.Change(r);
        dump += std::string("== ") + row.Name + "\n" + ChangedLines(base, ScreenText(r));
    }
    for (StoreyFlowStatus status : {StoreyFlowStatus::OffCatalogue, StoreyFlowStatus::NoSolution,
                                    StoreyFlowStatus::NoNetwork}) {
        StoreyFlows flows;
        flows.Status = status;
        flows.FlowCoefficient = 0.3875;
        flows.CatalogueRange = {0.02, 0.385};
        dump += "== notes of status " + std::to_string(static_cast<int>(status)) + "\n";
        std::vector<std::string> notes = StoreyFlowNotes(SampleRecord(5));
        for (const std::string& line : ConditionStatus(flows))
            notes.push_back(line);
        for (const std::string& note : notes) {
            EXPECT_EQ(note.find('\n'), std::string::npos) << note;
            dump += note + "\n";
        }
    }
    EXPECT_EQ(CompareWithGolden("report/chosen_lines.txt", dump), "");
}
