// Tests of the results report: blocks per report kind, texts, number formats, advances and the
// plain-text rendering. Whole reports are compared with golden files.
#include "output/report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

// A record as left by a fan selection: round duct, rectangular grille, 4 storeys.
CalcRecord SampleRecord(int32_t kind)
{
    CalcRecord r;
    ResetCalcRecord(r);
    SetReportKind(r, kind);
    r.DensitySource = 1;
    r.DuctShape = 1;
    r.InstallationKind = 1;
    r.FanIndex = 17;
    r.AirDensity = 1.2;
    r.DuctRoughness = 1.8;
    r.DuctDiameter = 0.2;
    r.DuctArea = 3.141592653589793 * 0.2 * 0.2 * 0.25;
    r.GrilleLossCoefficient = 2.8;
    r.GrilleArea = 0.05;
    r.FanDesignation = "CORVA-4";
    r.FanSpeed = 1440;
    r.GrilleSizeA = 0.2;
    r.GrilleSizeB = 0.25;
    r.StoreyCount = 4;
    r.StoreyHeight = 2.8;
    r.FanFlow = 0.1234;
    r.FanFlowHourly = r.FanFlow * 3600;
    r.FanPressure = 123.456;
    r.DuctVelocity = r.FanFlow / r.DuctArea;
    r.GrilleFlowHourly = r.FanFlowHourly / 4;
    const double pressures[] = {8.25, 9.96, 45.5, 99.96, 130.04};
    for (int i = 0; i < 5; ++i)
        r.StoreyPressure[i] = pressures[i];
    r.NetworkCoefficient = r.FanPressure / (r.FanFlow * r.FanFlow);
    r.RegulatedFlow = 0.1;
    r.RegulatedPressure = r.NetworkCoefficient * 0.01;
    r.RegulatedSpeed = 1167.0;
    r.BaseFlow = 0.11;
    r.BasePressure = 98.7;
    r.SilencerFlow = 0.105;
    r.SilencerPressure = 90.1;
    r.VariantRegulatedFlow = 0.09;
    r.VariantRegulatedPressure = r.NetworkCoefficient * 0.09 * 0.09;
    r.RegulationVariant = 1;
    return r;
}

const char* ColumnName(ReportColumn column)
{
    switch (column) {
    case ReportColumn::Label: return "Label";
    case ReportColumn::Pressure: return "Pressure";
    case ReportColumn::Value: return "Value";
    case ReportColumn::Pressure2: return "Pressure2";
    case ReportColumn::BaseHeader: return "BaseHeader";
    case ReportColumn::SilencerHeader: return "SilencerHeader";
    case ReportColumn::BaseValue: return "BaseValue";
    case ReportColumn::SilencerValue: return "SilencerValue";
    }
    return "?";
}

// Every line with its advance, font and cells, then the text rendering.
std::string Dump(const std::vector<ReportLine>& lines)
{
    std::string text;
    for (const ReportLine& line : lines) {
        char advance[16];
        std::snprintf(advance, sizeof advance, "%-4g", line.Advance);
        text += "adv ";
        text += advance;
        text += line.Font == ReportFont::Title ? "title" : "body ";
        for (const ReportCell& cell : line.Cells)
            text += std::string(" | ") + ColumnName(cell.Column) + " \"" + cell.Text + "\"";
        text += "\n";
    }
    text += "---- text ----\n";
    text += RenderReportText(lines);
    return text;
}

// Drawing positions from the advances, as the window (50, 17) and the page (200, 120) place them.
std::vector<int> Positions(const std::vector<ReportLine>& lines, int start, int step)
{
    std::vector<int> y;
    double position = start;
    for (const ReportLine& line : lines) {
        position = static_cast<int>(position + line.Advance * step);
        y.push_back(static_cast<int>(position));
    }
    return y;
}

// The cell of a column on a line, or nullptr.
const ReportCell* CellOf(const ReportLine& line, ReportColumn column)
{
    for (const ReportCell& cell : line.Cells) {
        if (cell.Column == column)
            return &cell;
    }
    return nullptr;
}

// The first line whose Label cell is `label`, or nullptr.
const ReportLine* LineLabelled(const std::vector<ReportLine>& lines, const std::string& label)
{
    for (const ReportLine& line : lines) {
        const ReportCell* cell = CellOf(line, ReportColumn::Label);
        if (cell && cell->Text == label)
            return &line;
    }
    return nullptr;
}

std::string ValueOf(const std::vector<ReportLine>& lines, const std::string& label)
{
    const ReportLine* line = LineLabelled(lines, label);
    if (!line)
        return "<no line " + label + ">";
    const ReportCell* cell = CellOf(*line, ReportColumn::Value);
    return cell ? cell->Text : "<no value>";
}

size_t IndexOfLabel(const std::vector<ReportLine>& lines, const std::string& label)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const ReportCell* cell = CellOf(lines[i], ReportColumn::Label);
        if (cell && cell->Text == label)
            return i;
    }
    return lines.size();
}

const char kTableHeaderOne[] = "Kondygnacja            Podciśnienie";
const char kTableHeaderTwo[] =
    "Kondygnacja            Podciśnienie            Kondygnacja               Podciśnienie";

}  // namespace

TEST(report, golden_reports_of_every_kind_and_rendering)
{
    struct Case {
        const char* Name;
        int32_t Kind;
        bool Rectangular;
        int32_t Storeys;
    };
    const Case cases[] = {
        {"kind0", 0, false, 4},
        {"kind1", 1, false, 4},
        {"kind2", 2, true, 12},
        {"kind3", 3, true, 4},
        {"kind4", 4, false, 4},
    };
    for (const Case& c : cases) {
        CalcRecord r = SampleRecord(c.Kind);
        if (c.Rectangular) {
            r.DuctShape = 0;
            r.DuctSideA = 0.3;
            r.DuctSideB = 0.15;
            r.DuctDiameter = 0.2;
        }
        r.StoreyCount = c.Storeys;
        for (int i = 5; i <= c.Storeys; ++i)
            r.StoreyPressure[i] = 100.0 + 10.55 * i;
        if (c.Kind == 3)
            r.SilencerFlow = 0.0;  // one message line and a column of zeros
        for (ReportRendering rendering : {ReportRendering::Screen, ReportRendering::Printer}) {
            const std::string name = std::string("report/") + c.Name +
                                     (rendering == ReportRendering::Screen ? "_screen.txt" : "_printer.txt");
            const std::string message = CompareWithGolden(name, Dump(BuildResultsReport(r, rendering)));
            EXPECT_EQ(message, "") << name;
        }
    }
}

TEST(report, kind_zero_is_empty_in_both_renderings)
{
    CalcRecord r = SampleRecord(0);
    EXPECT_TRUE(BuildResultsReport(r, ReportRendering::Screen).empty());
    EXPECT_TRUE(BuildResultsReport(r, ReportRendering::Printer).empty());
    EXPECT_EQ(RenderReportText({}), "");
}

TEST(report, screen_positions_of_the_worked_example)
{
    CalcRecord r = SampleRecord(1);  // round duct, rectangular grille, 4 storeys
    const std::vector<int> expected = {50,  84,  101, 118, 135, 152, 186, 203, 220, 237, 254, 288, 305,
                                       322, 339, 356, 373, 390, 407, 424, 441, 458, 475, 492};
    EXPECT_EQ(Positions(BuildResultsReport(r, ReportRendering::Screen), 50, 17), expected);

    // A rectangular duct adds one line from the material line on.
    r.DuctShape = 0;
    std::vector<int> rectangular = Positions(BuildResultsReport(r, ReportRendering::Screen), 50, 17);
    ASSERT_EQ(rectangular.size(), expected.size() + 1);
    EXPECT_EQ(rectangular[5], 152);
    EXPECT_EQ(rectangular.back(), 492 + 17);
}

TEST(report, printed_positions_of_the_worked_example)
{
    CalcRecord r = SampleRecord(1);
    const std::vector<int> expected = {200,  380,  740,  980,  1100, 1220, 1340, 1580, 1700, 1820, 1940, 2060, 2420,
                                       2540, 2660, 2780, 2900, 3020, 3140, 3260, 3380, 3500, 3620, 3740, 3860};
    EXPECT_EQ(Positions(BuildResultsReport(r, ReportRendering::Printer), 200, 120), expected);
}

TEST(report, thirty_storeys_fill_sixteen_lines_of_two_columns)
{
    CalcRecord r = SampleRecord(1);
    r.StoreyCount = 30;
    std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Screen);
    std::vector<int> y = Positions(lines, 50, 17);
    EXPECT_EQ(y.back(), 679);
    const size_t header = IndexOfLabel(lines, kTableHeaderTwo);
    ASSERT_LT(header, lines.size());
    EXPECT_EQ(y[header + 1], 424);
    // 31 rows: the last line holds only storey 31 on the left.
    EXPECT_EQ(lines.size() - header - 1, 31u);
    EXPECT_EQ(CellOf(lines.back(), ReportColumn::Label)->Text, "31");
    EXPECT_EQ(lines.back().Advance, 1);

    std::vector<int> printed = Positions(BuildResultsReport(r, ReportRendering::Printer), 200, 120);
    EXPECT_EQ(printed.back(), 5180);
}

TEST(report, ninety_nine_storeys_of_kind_two_on_paper)
{
    CalcRecord r = SampleRecord(2);
    r.StoreyCount = 99;
    std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Printer);
    std::vector<int> y = Positions(lines, 200, 120);
    EXPECT_EQ(y[IndexOfLabel(lines, "   Wydajność regulowana Qr") - 1], 9260);
    EXPECT_EQ(y.back(), 9860);
}

TEST(report, storey_table_shapes)
{
    struct Row {
        const char* Name;
        int32_t Storeys;
        const char* Header;
        size_t Lines;       // report lines after the header (odd rows of two columns count too)
        size_t NewLines;    // output lines of the table after the header
        const char* LastLeft;
    };
    const Row rows[] = {
        {"eight storeys: one column", 8, kTableHeaderOne, 9, 9, "  9"},
        {"nine storeys: two columns", 9, kTableHeaderTwo, 10, 5, "  9"},
        {"ten storeys: last line half", 10, kTableHeaderTwo, 11, 6, "11"},
        {"no storeys: one row", 0, kTableHeaderOne, 1, 1, "  1"},
    };
    for (const Row& row : rows) {
        CalcRecord r = SampleRecord(1);
        r.StoreyCount = row.Storeys;
        std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Screen);
        const size_t header = IndexOfLabel(lines, row.Header);
        ASSERT_LT(header, lines.size()) << row.Name;
        EXPECT_EQ(lines.size() - header - 1, row.Lines) << row.Name;
        size_t newLines = 0;
        const ReportLine* lastLeft = nullptr;
        for (size_t i = header + 1; i < lines.size(); ++i) {
            if (lines[i].Advance != 0) {
                ++newLines;
                lastLeft = &lines[i];
            }
        }
        EXPECT_EQ(newLines, row.NewLines) << row.Name;
        ASSERT_NE(lastLeft, nullptr) << row.Name;
        EXPECT_EQ(CellOf(*lastLeft, ReportColumn::Label)->Text, row.LastLeft) << row.Name;
    }

    // Nine storeys: the tenth row's number "10" stands right, at Value, on the fifth line.
    CalcRecord r = SampleRecord(1);
    r.StoreyCount = 9;
    std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Screen);
    const ReportLine& last = lines.back();
    EXPECT_EQ(last.Advance, 0);
    EXPECT_EQ(CellOf(last, ReportColumn::Value)->Text, "10");
    EXPECT_NE(CellOf(last, ReportColumn::Pressure2), nullptr);
    EXPECT_EQ(CellOf(lines[lines.size() - 2], ReportColumn::Label)->Text, "  9");
}

TEST(report, storey_pressure_prefix_is_chosen_on_the_unrounded_value)
{
    struct Row {
        const char* Name;
        double Pressure;
        const char* Text;
    };
    const Row rows[] = {
        {"just below 10 rounds up", 9.96, "    10.0 [Pa]"},
        {"below 10", 9.94, "    9.9 [Pa]"},
        {"exactly 10", 10.0, "  10.0 [Pa]"},
        {"just below 100 rounds up", 99.96, "  100.0 [Pa]"},
        {"exactly 100", 100.0, "100.0 [Pa]"},
        {"thousands", 1234.56, "1234.6 [Pa]"},
        {"zero", 0.0, "    0.0 [Pa]"},
        {"negative", -3.0, "    -3.0 [Pa]"},
    };
    for (const Row& row : rows) {
        CalcRecord r = SampleRecord(1);
        r.StoreyCount = 0;
        r.StoreyPressure[0] = row.Pressure;
        std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Screen);
        const ReportCell* cell = CellOf(lines.back(), ReportColumn::Pressure);
        ASSERT_NE(cell, nullptr) << row.Name;
        EXPECT_EQ(cell->Text, row.Text) << row.Name;
    }
}

TEST(report, storey_table_stays_inside_the_record)
{
    CalcRecord r = SampleRecord(1);
    r.StoreyCount = -5;
    std::vector<ReportLine> negative = BuildResultsReport(r, ReportRendering::Screen);
    EXPECT_EQ(IndexOfLabel(negative, kTableHeaderOne), negative.size() - 1) << "header only, no rows";

    r.StoreyCount = 2147483647;
    std::vector<ReportLine> huge = BuildResultsReport(r, ReportRendering::Screen);
    const size_t header = IndexOfLabel(huge, kTableHeaderTwo);
    ASSERT_LT(header, huge.size());
    EXPECT_EQ(huge.size() - header - 1, 100u) << "at most the 100 entries of StoreyPressure";
    EXPECT_EQ(CellOf(huge.back(), ReportColumn::Value)->Text, "100");
}

TEST(report, round_and_rectangular_duct_lines)
{
    CalcRecord r = SampleRecord(1);
    r.DuctDiameter = 0.2;
    r.DuctSideA = 0.3;
    r.DuctSideB = 0.15;
    std::vector<ReportLine> screen = BuildResultsReport(r, ReportRendering::Screen);
    EXPECT_EQ(ValueOf(screen, "   Kanał okrągły o średnicy"), "= 0.200 [m]");
    EXPECT_EQ(LineLabelled(screen, "   Kanał prostokątny o wymiarach"), nullptr);
    std::vector<ReportLine> paper = BuildResultsReport(r, ReportRendering::Printer);
    EXPECT_EQ(ValueOf(paper, "   Kanał okrągly o średnicy"), "= 0.200 [m]") << "plain l on paper";

    r.DuctShape = 0;
    for (ReportRendering rendering : {ReportRendering::Screen, ReportRendering::Printer}) {
        std::vector<ReportLine> lines = BuildResultsReport(r, rendering);
        EXPECT_EQ(ValueOf(lines, "   Kanał prostokątny o wymiarach"), "= 0.300 [m] x 0.150 [m]");
        EXPECT_EQ(ValueOf(lines, "   Średnica równoważna kanału"), "= 0.200 [m]");
        EXPECT_EQ(LineLabelled(lines, "   Kanał okrągły o średnicy"), nullptr);
        EXPECT_EQ(LineLabelled(lines, "   Kanał okrągly o średnicy"), nullptr);
    }
}

TEST(report, grille_line_follows_the_installation_kind)
{
    struct Row {
        int32_t Kind;
        const char* Label;
        const char* Value;
    };
    const Row rows[] = {
        {0, "   Kratka okrągła o średnicy", "= 0.200 [m]"},
        {1, "   Kratka prostokątna o wymiarach", "= 0.200 [m] x 0.250 [m]"},
        {2, "   Kratka okrągła o średnicy", "= 0.200 [m]"},
        {3, "   Kratka okrągła o średnicy", "= 0.200 [m]"},
        {4, "   Kratka okrągła o średnicy", "= 0.200 [m]"},
        {5, "   Kratka prostokątna o wymiarach", "= 0.200 [m] x 0.250 [m]"},
    };
    for (const Row& row : rows) {
        CalcRecord r = SampleRecord(1);
        r.InstallationKind = row.Kind;
        std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Screen);
        EXPECT_EQ(ValueOf(lines, row.Label), row.Value) << "installation kind " << row.Kind;
    }
}

TEST(report, material_text_by_exact_roughness)
{
    struct Row {
        double Roughness;
        const char* Text;  // "" for no cell
    };
    const Row rows[] = {
        {1.8, "rura stalowa ocynkowana czysta."},
        {2.5, "nowa rura odlewana, blacha stalowa, gładki cement."},
        {3.0, "zwyczajnie ocynkowana rura stalowa."},
        {5.0, "stara rura stalowa zardzewiała."},
        {7.5, "surowy cement lub deski."},
        {10.0, "cegła."},
        {0.0, ""},
        {1.8000000000000003, ""},
    };
    for (const Row& row : rows) {
        CalcRecord r = SampleRecord(1);
        r.DuctRoughness = row.Roughness;
        std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Screen);
        const ReportLine* line = LineLabelled(lines, "   Rodzaj materiału:");
        ASSERT_NE(line, nullptr) << "the label line is always there";
        const ReportCell* cell = CellOf(*line, ReportColumn::Value);
        EXPECT_EQ(cell ? cell->Text : std::string(), row.Text) << "roughness " << row.Roughness;
        EXPECT_EQ(line->Cells.size(), row.Text[0] ? 2u : 1u);
    }
}

TEST(report, variant_table_with_both_messages)
{
    CalcRecord r = SampleRecord(3);
    r.BaseFlow = 0.0;
    r.BasePressure = 0.0;
    r.SilencerFlow = 0.0;
    r.SilencerPressure = 0.0;
    std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Screen);
    const size_t e1 = IndexOfLabel(
        lines, "Charakterystyka sieci nie przecina się z charakterystyką wentylatora z podstawą tłumiącą!");
    const size_t e2 = IndexOfLabel(
        lines, "Charakterystyka sieci nie przecina się z charakterystyką wentylatora z tłumikiem cylindrycznym!");
    ASSERT_LT(e1, lines.size());
    EXPECT_EQ(e2, e1 + 1);
    EXPECT_EQ(IndexOfLabel(lines, "Obliczone wartości:") + 1, e1);
    EXPECT_EQ(CellOf(lines[e2 + 1], ReportColumn::BaseHeader)->Text, "Wentylator z podstawą tłumiącą");
    EXPECT_EQ(lines.size(), e2 + 7) << "messages, one header line, five table lines";
    const ReportLine& velocity = lines.back();
    EXPECT_EQ(CellOf(velocity, ReportColumn::BaseValue)->Text, "0.0 [m/s]");
    EXPECT_EQ(CellOf(velocity, ReportColumn::SilencerValue)->Text, "0.0 [m/s]");
    const ReportLine* hourly = LineLabelled(lines, "   Wydajność godzinowa wentylatora Qh");
    EXPECT_EQ(CellOf(*hourly, ReportColumn::BaseValue)->Text, "0 [m3/h]");
    EXPECT_EQ(CellOf(*hourly, ReportColumn::Value)->Text, " 444 [m3/h]");
    EXPECT_EQ(IndexOfLabel(lines, kTableHeaderOne), lines.size()) << "no storey table";

    r.BaseFlow = 0.11;
    r.SilencerFlow = 0.105;
    std::vector<ReportLine> none = BuildResultsReport(r, ReportRendering::Screen);
    EXPECT_EQ(none.size(), lines.size() - 2) << "no message line when both variants intersect";
}

TEST(report, regulated_variant_heading_by_variant)
{
    struct Row {
        int32_t Variant;
        const char* Heading;  // "" for no cell
    };
    const Row rows[] = {
        {0, "Wyniki obliczeń dla wentylatora."},
        {1, "Wyniki obliczeń dla wentylatora z podstawą tłumiącą."},
        {2, "Wyniki obliczeń dla wentylatora z tłumikiem cylindrycznym."},
        {-1, ""},
        {3, ""},
    };
    for (const Row& row : rows) {
        CalcRecord r = SampleRecord(4);
        r.RegulationVariant = row.Variant;
        std::vector<ReportLine> lines = BuildResultsReport(r, ReportRendering::Screen);
        const size_t f2 = IndexOfLabel(lines, "   Wydajność regulowana Qr");
        ASSERT_LT(f2, lines.size());
        const ReportLine& f1 = lines[f2 - 1];
        EXPECT_EQ(f1.Advance, 1) << "variant " << row.Variant;
        const ReportCell* cell = CellOf(f1, ReportColumn::Value);
        EXPECT_EQ(cell ? cell->Text : std::string(), row.Heading) << "variant " << row.Variant;
        EXPECT_EQ(f1.Cells.size(), row.Heading[0] ? 1u : 0u);
        EXPECT_EQ(ValueOf(lines, "   Wydajność regulowana Qr"), "= 0.090 [m3/s]");
        EXPECT_EQ(ValueOf(lines, "   Wydajność regulowana na kratkach Qjrh"), "= 81.00 [m3/h]");
        EXPECT_EQ(ValueOf(lines, "   Wydajność regulowana godzinowa Qrh"), "= 324 [m3/h]");
        EXPECT_EQ(IndexOfLabel(lines, kTableHeaderOne), lines.size()) << "no storey table";
    }
}

TEST(report, record_of_zeros_shows_dashes_for_quotients)
{
    for (int32_t kind : {3, 4}) {
        CalcRecord r;
        ResetCalcRecord(r);
        r.FanDesignation = nullptr;  // treated as an empty designation
        SetReportKind(r, kind);
        for (ReportRendering rendering : {ReportRendering::Screen, ReportRendering::Printer}) {
            std::vector<ReportLine> lines = BuildResultsReport(r, rendering);
            const std::string text = RenderReportText(lines);
            EXPECT_EQ(text.find("nan"), std::string::npos) << text;
            EXPECT_EQ(text.find("inf"), std::string::npos) << text;
            EXPECT_EQ(ValueOf(lines, "   Nazwa wentylatora"), "=  obroty: 0 [1/min]");
            EXPECT_NE(LineLabelled(lines, "   Kanał prostokątny o wymiarach"), nullptr);
            EXPECT_NE(LineLabelled(lines, "   Kratka okrągła o średnicy"), nullptr);
            if (kind == 3) {
                const ReportLine* qi = LineLabelled(lines, "   Wydajność na kratce Qi");
                EXPECT_EQ(CellOf(*qi, ReportColumn::BaseValue)->Text, "- [m3/h]");
                const ReportLine* c = LineLabelled(lines, "   Prędkość w kanale c");
                EXPECT_EQ(CellOf(*c, ReportColumn::SilencerValue)->Text, "- [m/s]");
                EXPECT_EQ(CellOf(*c, ReportColumn::Value)->Text, " 0.0 [m/s]");
            } else {
                EXPECT_EQ(ValueOf(lines, "   Wydajność regulowana na kratkach Qjrh"), "= - [m3/h]");
                EXPECT_EQ(ValueOf(lines, "   Prędkość regulowana w kanale"), "= - [m/s]");
                EXPECT_EQ(ValueOf(lines, "   Wydajność regulowana godzinowa Qrh"), "= 0 [m3/h]");
            }
        }
    }
}

TEST(report, text_rendering_rules)
{
    const std::vector<ReportLine> lines = {
        {0, ReportFont::Title, {{ReportColumn::Label, "title"}}},
        {1.5, ReportFont::Title, {{ReportColumn::Label, "second"}}},
        {3, ReportFont::Body, {{ReportColumn::SilencerValue, "s"}, {ReportColumn::Label, "l"},
                               {ReportColumn::BaseValue, "b"}, {ReportColumn::Value, "v"}}},
        {1, ReportFont::Body, {}},
        {1, ReportFont::Body, {{ReportColumn::Label, "  1"}, {ReportColumn::Pressure, "p1"}}},
        {0, ReportFont::Body, {{ReportColumn::Pressure2, "p2"}, {ReportColumn::Value, "  2"}}},
        {1, ReportFont::Body, {{ReportColumn::BaseHeader, "h1"}, {ReportColumn::Pressure2, "h2"}}},
    };
    EXPECT_EQ(RenderReportText(lines),
              "title\n"
              "second\n"
              "\n"
              "\n"
              "l  v  b  s\n"
              "\n"
              "  1  p1    2  p2\n"
              "h1  h2\n");
}
