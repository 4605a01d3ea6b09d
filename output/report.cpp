// The results report as an ordered list of lines, built afresh from the record for the window and
// for the printed page, and its plain-text rendering. Every number goes through FormatNumber, so
// a quotient with a zero divisor shows "-" and no line ever holds "nan" or "inf".
#include "output/report.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <utility>

#include "model/check.h"
#include "model/installation_kinds.h"
#include "model/materials.h"
#include "output/number_format.h"
#include "output/result_rows.h"
#include "output/commissioning_report.h"
#include "output/storey_report.h"

const char kSeatTown[] = "Kraków";

// clang-format off
// Columns: column role, window position [px], page position [dots of a 600-dpi page].
const ReportColumnPosition kReportColumns[kReportColumnCount] = {
    {ReportColumn::Label,            20,  200},
    {ReportColumn::Pressure,        120, 1100},
    {ReportColumn::Value,           230, 2100},
    {ReportColumn::Pressure2,       330, 2900},
    {ReportColumn::BaseHeader,      330, 2900},
    {ReportColumn::SilencerHeader,  530, 3800},
    {ReportColumn::BaseValue,       370, 2900},
    {ReportColumn::SilencerValue,   570, 3800},
    {ReportColumn::SettingTurns,    110, 1000},
    {ReportColumn::SettingZeta,     170, 1550},
    {ReportColumn::SettingFlow,     230, 2150},
    {ReportColumn::SettingShare,    350, 3050},
    {ReportColumn::SettingRemark,   460, 3850},
};
// clang-format on

const ReportColumnPosition& ColumnPositionOf(ReportColumn column)
{
    for (const ReportColumnPosition& position : kReportColumns) {
        if (position.Column == column)
            return position;
    }
    CheckFailed("ColumnPositionOf(column)", "every report column has a row in kReportColumns", __FILE__, __LINE__);
}

namespace {

int ScreenX(ReportColumn column) { return ColumnPositionOf(column).ScreenX; }

// Collects the lines of one report.
class ReportBuilder {
public:
    explicit ReportBuilder(ReportRendering rendering) : printer_(rendering == ReportRendering::Printer) {}

    bool Printer() const { return printer_; }

    void Line(double advance, ReportFont font, std::initializer_list<ReportCell> cells,
              ReportRole role = ReportRole::Text)
    {
        lines_.push_back(ReportLine{advance, font, std::vector<ReportCell>(cells), role});
    }

    // A body line with a label and, when `value` is not empty, a value cell.
    void Labelled(double advance, std::string label, std::string value)
    {
        ReportLine line{advance, ReportFont::Body, {{ReportColumn::Label, std::move(label)}}};
        if (!value.empty())
            line.Cells.push_back({ReportColumn::Value, std::move(value)});
        lines_.push_back(std::move(line));
    }

    void Append(std::vector<ReportLine> lines)
    {
        for (ReportLine& line : lines)
            lines_.push_back(std::move(line));
    }

    std::vector<ReportLine> Take() { return std::move(lines_); }

private:
    bool printer_;
    std::vector<ReportLine> lines_;
};

std::string Num(const char* fmt, double value) { return FormatNumber(fmt, value); }

// "= <number><unit>", the value text of the input, operating-point and regulated blocks.
std::string Equals(const char* fmt, double value, const char* unit)
{
    return "= " + Num(fmt, value) + unit;
}

// A result row's number with its unit: "<number> [<unit>]".
std::string WithUnit(const ResultRow& row, const ResultPoint& point)
{
    return Num(row.ReportFormat, point.*row.Value) + " [" + row.Unit + "]";
}

// The label and "= <number> [<unit>]" lines of a block of result rows.
template <size_t N>
void AddResultRows(ReportBuilder& report, const ResultRow (&rows)[N], const ResultPoint& point)
{
    for (const ResultRow& row : rows)
        report.Labelled(1, std::string("   ") + row.Label, "= " + WithUnit(row, point));
}

void AddTitle(ReportBuilder& report)
{
    const std::string town = kSeatTown;
    if (report.Printer()) {
        report.Line(0, ReportFont::Title, {{ReportColumn::Label, "Program doboru wentylatorów dachowych "}});
        report.Line(1.5, ReportFont::Title, {{ReportColumn::Label, "firmy KORALINEX sp z o.o. " + town}});
    } else {
        report.Line(0, ReportFont::Title,
                    {{ReportColumn::Label, "Program doboru wentylatorów dachowych firmy KORALINEX sp z o.o. " + town}});
    }
}

void AddInputBlock(ReportBuilder& report, const CalcRecord& r)
{
    const bool printer = report.Printer();
    const std::string designation = r.FanDesignation ? r.FanDesignation : "";

    report.Labelled(printer ? 3 : 2, "Dane do obliczeń:", "");
    report.Labelled(printer ? 2 : 1, "   Nazwa wentylatora",
                    "= " + designation + " obroty: " + Printf("%d", r.FanSpeed) + " [1/min]");
    report.Labelled(1, "   Gęstość powietrza", Equals("%1.3f", r.AirDensity, " [kg/m3]"));
    if (r.DuctShape != kRectangularDuct) {
        // The printed page has always spelt this label with a plain "l".
        report.Labelled(1, printer ? "   Kanał okrągly o średnicy" : "   Kanał okrągły o średnicy",
                        Equals("%1.3f", r.DuctDiameter, " [m]"));
    } else {
        report.Labelled(1, "   Kanał prostokątny o wymiarach",
                        "= " + Num("%1.3f", r.DuctSideA) + " [m] x " + Num("%1.3f", r.DuctSideB) + " [m]");
        report.Labelled(1, "   Średnica równoważna kanału", Equals("%1.3f", r.DuctDiameter, " [m]"));
    }
    const Material* material = FindMaterial(r.DuctRoughness);
    report.Labelled(1, "   Rodzaj materiału:", material ? material->ReportText : "");
    report.Labelled(2, "Budynek wielokondygnacyjny:", "");
    report.Labelled(1, "   Ilość kondygnacji", "= " + Printf("%d", r.StoreyCount) + " [-]");
    report.Labelled(1, "   Wysokość jednej kondygnacji", Equals("%1.2f", r.StoreyHeight, " [m]"));
    if (ReportGrilleOf(r.InstallationKind) == GrilleOutline::Rectangular) {
        report.Labelled(1, "   Kratka prostokątna o wymiarach",
                        "= " + Num("%1.3f", r.GrilleSizeA) + " [m] x " + Num("%1.3f", r.GrilleSizeB) + " [m]");
    } else {
        report.Labelled(1, "   Kratka okrągła o średnicy", Equals("%1.3f", r.GrilleSizeA, " [m]"));
    }
    report.Labelled(1, "   Współczynnik strat kratki", Equals("%1.3f", r.GrilleLossCoefficient, " [-]"));
    report.Labelled(printer ? 3 : 2, "Obliczone wartości:", "");
}

void AddOperatingPoint(ReportBuilder& report, const CalcRecord& r)
{
    AddResultRows(report, kOperatingPointRows, FanResultPoint(r));
    report.Labelled(1, "Rozkład ciśnienia w kanale:", "");
}

std::string StoreyNumber(int i)
{
    return i < 9 ? Printf("  %d", i + 1) : Printf("%d", i + 1);
}

// The number of leading blanks is chosen on the unrounded value, so 9.96 keeps four blanks
// although it is shown as 10.0.
std::string StoreyPressureText(double p)
{
    const char* blanks = p < 10 ? "    " : (p < 100 ? "  " : "");
    return blanks + Num("%1.1f", p) + " [Pa]";
}

void AddStoreyTable(ReportBuilder& report, const CalcRecord& r)
{
    const int n = r.StoreyCount;
    // Rows 0..n, but never past the last entry of StoreyPressure whatever the count holds.
    const int lastRow = std::min(n, kStoreyPressureSlots - 1);
    constexpr ReportRole heading = ReportRole::TableHeading;
    constexpr ReportRole row = ReportRole::TableRow;
    if (n < 9) {
        report.Line(1, ReportFont::Body, {{ReportColumn::Label, "Kondygnacja            Podciśnienie"}}, heading);
        for (int i = 0; i <= lastRow; ++i) {
            report.Line(1, ReportFont::Body,
                        {{ReportColumn::Label, StoreyNumber(i)},
                         {ReportColumn::Pressure, StoreyPressureText(r.StoreyPressure[i])}},
                        row);
        }
        return;
    }
    report.Line(1, ReportFont::Body,
                {{ReportColumn::Label,
                  "Kondygnacja            Podciśnienie            Kondygnacja               Podciśnienie"}},
                heading);
    for (int i = 0; i <= lastRow; ++i) {
        // Storeys 1, 3, 5, ... open a line on the left; 2, 4, 6, ... stay on it on the right.
        if (i % 2 == 0) {
            report.Line(1, ReportFont::Body,
                        {{ReportColumn::Label, StoreyNumber(i)},
                         {ReportColumn::Pressure, StoreyPressureText(r.StoreyPressure[i])}},
                        row);
        } else {
            report.Line(0, ReportFont::Body,
                        {{ReportColumn::Value, StoreyNumber(i)},
                         {ReportColumn::Pressure2, StoreyPressureText(r.StoreyPressure[i])}},
                        row);
        }
    }
}

// The regulated block of the fan alone and of a silencer variant: same lines, own fields, then
// the regulated speed the installer sets.
void AddRegulatedLines(ReportBuilder& report, const CalcRecord& r, double flow, double pressure, double speed)
{
    AddResultRows(report, kRegulatedRows, ResultPointOfFlow(r, flow, pressure));
    report.Labelled(1, std::string("   ") + kRegulatedSpeedLabel, RegulatedSpeedText(speed));
}

void AddVariantTable(ReportBuilder& report, const CalcRecord& r)
{
    // The plain fan's column holds zeros when it has no point; its notice stands first.
    if (r.FanFlow == 0.0)
        report.Labelled(1, "Charakterystyka sieci nie przecina się z charakterystyką wentylatora!", "");
    if (r.BaseFlow == 0.0) {
        report.Labelled(1, "Charakterystyka sieci nie przecina się z charakterystyką wentylatora z podstawą tłumiącą!", "");
    }
    if (r.SilencerFlow == 0.0) {
        report.Labelled(
            1, "Charakterystyka sieci nie przecina się z charakterystyką wentylatora z tłumikiem cylindrycznym!", "");
    }

    double firstAdvance = 1;
    if (report.Printer()) {
        report.Line(1, ReportFont::Body,
                    {{ReportColumn::BaseHeader, "Wentylator"}, {ReportColumn::SilencerHeader, "Wentylator"}},
                    ReportRole::TableHeading);
        report.Line(1, ReportFont::Body,
                    {{ReportColumn::Value, "Wentylator"},
                     {ReportColumn::BaseHeader, "z podstawą"},
                     {ReportColumn::SilencerHeader, "z tłumikiem"}},
                    ReportRole::TableHeading);
        report.Line(1, ReportFont::Body,
                    {{ReportColumn::BaseHeader, "tłumiącą"}, {ReportColumn::SilencerHeader, "cylindrycznym"}},
                    ReportRole::TableHeading);
        firstAdvance = 2;  // a blank line under the three header lines
    } else {
        report.Line(1, ReportFont::Body,
                    {{ReportColumn::Value, "Wentylator"},
                     {ReportColumn::BaseHeader, "Wentylator z podstawą tłumiącą"},
                     {ReportColumn::SilencerHeader, "Wentylator z tłumikiem cylindrycznym"}},
                    ReportRole::TableHeading);
    }

    const ResultPoint fan = FanResultPoint(r);
    const ResultPoint base = ResultPointOfFlow(r, r.BaseFlow, r.BasePressure);
    const ResultPoint silencer = ResultPointOfFlow(r, r.SilencerFlow, r.SilencerPressure);
    double advance = firstAdvance;
    for (const ResultRow& row : kOperatingPointRows) {
        report.Line(advance, ReportFont::Body,
                    {{ReportColumn::Label, std::string("   ") + row.Label},
                     {ReportColumn::Value, " " + WithUnit(row, fan)},
                     {ReportColumn::BaseValue, WithUnit(row, base)},
                     {ReportColumn::SilencerValue, WithUnit(row, silencer)}},
                    ReportRole::TableRow);
        advance = 1;
    }
}

void AddRegulatedVariant(ReportBuilder& report, const CalcRecord& r)
{
    if (const char* heading = RegulatedVariantHeading(r.RegulationVariant))
        report.Line(1, ReportFont::Body, {{ReportColumn::Value, heading}});
    else
        report.Line(1, ReportFont::Body, {});  // no heading, but the line still advances
    AddRegulatedLines(report, r, r.VariantRegulatedFlow, r.VariantRegulatedPressure, r.VariantRegulatedSpeed);
}

}  // namespace

std::vector<ReportLine> BuildResultsReport(const CalcRecord& record, ReportRendering rendering)
{
    ReportBuilder report(rendering);
    // The printed page gates its title and input block by its own kind; both kinds always agree.
    const int32_t headKind = rendering == ReportRendering::Printer ? record.PrintReportKind : record.ScreenReportKind;
    const int32_t kind = record.ScreenReportKind;
    if (headKind > kNoReport) {
        AddTitle(report);
        AddInputBlock(report, record);
    }
    switch (kind) {
    case kFanSelectionReport:
    case kRegulatedSpeedReport:
        AddOperatingPoint(report, record);
        AddStoreyTable(report, record);
        if (kind == kRegulatedSpeedReport)
            AddRegulatedLines(report, record, record.RegulatedFlow, record.RegulatedPressure, record.RegulatedSpeed);
        break;
    case kSilencerVariantsReport:
        AddVariantTable(report, record);
        break;
    case kRegulatedVariantReport:
        AddRegulatedVariant(report, record);
        break;
    case kStoreyFlowsReport:
        report.Append(BuildStoreyFlowLines(record, rendering));
        break;
    case kCommissioningReport:
        report.Append(BuildCommissioningLines(record));
        break;
    default:
        break;
    }
    return report.Take();
}

std::string RenderReportText(const std::vector<ReportLine>& lines)
{
    std::vector<std::string> out;
    for (const ReportLine& line : lines) {
        std::vector<const ReportCell*> cells;
        for (const ReportCell& cell : line.Cells)
            cells.push_back(&cell);
        std::stable_sort(cells.begin(), cells.end(), [](const ReportCell* a, const ReportCell* b) {
            return ScreenX(a->Column) < ScreenX(b->Column);
        });
        std::string text;
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += "  ";
            text += cells[i]->Text;
        }

        if (line.Advance == 0 && !out.empty()) {
            if (!cells.empty())
                out.back() += "  " + text;
            continue;
        }
        const int steps = static_cast<int>(line.Advance);  // 1.5 counts as one step
        for (int i = 1; i < steps; ++i)
            out.emplace_back();
        out.push_back(std::move(text));
    }

    std::string result;
    for (const std::string& text : out) {
        result += text;
        result += '\n';
    }
    return result;
}
