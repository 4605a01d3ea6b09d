// The storey-flow table, its notes and its comparison with the equal-flow result, as report
// lines, as an aligned text table and as CSV. The flows are solved afresh from the record each
// time: the record holds the inputs and the options, and the solve takes well under a millisecond.
#include "output/storey_report.h"

#include <algorithm>
#include <string_view>

#include "model/installation_kinds.h"
#include "output/number_format.h"

// Columns: heading, report format, CSV format, report column. The headings are short enough for
// the columns of the printed page: the duct's negative pressure at the grille, and the pressure
// difference across the grille (DP, as in DPsw of the fan).
const StoreyColumn kStoreyColumns[kStoreyColumnCount] = {
    {"Kondygnacja",                    "%1.0f", "%1.0f", ReportColumn::Label},
    {"Przepływ [m3/h]",                "%1.1f", "%1.3f", ReportColumn::Pressure},
    {"Udział [%]",                     "%1.1f", "%1.2f", ReportColumn::Value},
    {"Podciśnienie [Pa]",              "%1.1f", "%1.3f", ReportColumn::Pressure2},
    {"DP kratki [Pa]",                 "%1.1f", "%1.3f", ReportColumn::SilencerHeader},
};

const char kSolvedHeading[] = "Rzeczywisty";
const char kEqualHeading[] = "Równy podział";
const char kSpreadLabel[] = "   Wydajność kratki max / min";

namespace {

constexpr double kSecondsPerHour = 3600.0;  // s/h

// Characters of a UTF-8 text (continuation bytes are not counted).
size_t Width(const std::string& text)
{
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string PadLeft(const std::string& text, size_t width)
{
    const size_t w = Width(text);
    return w >= width ? text : std::string(width - w, ' ') + text;
}

std::string PadRight(const std::string& text, size_t width)
{
    const size_t w = Width(text);
    return w >= width ? text : text + std::string(width - w, ' ');
}

bool HasRows(const StoreyFlows& flows)
{
    return flows.Status == StoreyFlowStatus::Solved || flows.Status == StoreyFlowStatus::OffCatalogue;
}

}  // namespace

std::array<double, kStoreyColumnCount> StoreyRowValues(const StoreyFlows& flows, size_t i)
{
    const StoreyFlowRow& row = flows.Storeys[i];
    const double mean = flows.FanFlow / static_cast<double>(flows.Storeys.size());
    return {static_cast<double>(i + 1), row.GrilleFlow * kSecondsPerHour, row.GrilleFlow / mean * 100.0,
            row.DuctPressure, row.GrillePressure};
}

EqualFlowPoint EqualFlowResult(const CalcRecord& record)
{
    if (!(record.StoreyFanSpeed > 0.0))
        return {record.FanFlow, record.FanPressure, record.GrilleFlowHourly};
    StoreyFlowOptions options;
    options.FanSpeed = record.StoreyFanSpeed;
    options.EqualFlows = true;
    const StoreyFlows equal = SolveStoreyFlows(record, options);
    if (!HasRows(equal))
        return {0.0, 0.0, 0.0};
    return {equal.FanFlow, equal.FanPressure, equal.FanFlow * kSecondsPerHour / static_cast<double>(equal.Storeys.size())};
}

std::vector<StoreyComparison> CompareWithEqualFlows(const CalcRecord& record, const StoreyFlows& flows)
{
    const double storeys = static_cast<double>(flows.Storeys.size());
    const EqualFlowPoint equal = EqualFlowResult(record);
    return {
        {"   Wydajność sekundowa wentylatora Q", FormatNumber("%1.3f", flows.FanFlow) + " [m3/s]",
         FormatNumber("%1.3f", equal.FanFlow) + " [m3/s]"},
        {"   Wydajność godzinowa wentylatora Qh", FormatNumber("%1.0f", flows.FanFlow * kSecondsPerHour) + " [m3/h]",
         FormatNumber("%1.0f", equal.FanFlow * kSecondsPerHour) + " [m3/h]"},
        {"   Podciśnienie wentylatora DPsw", FormatNumber("%1.1f", flows.FanPressure) + " [Pa]",
         FormatNumber("%1.1f", equal.FanPressure) + " [Pa]"},
        {"   Średnia wydajność na kratce", FormatNumber("%1.1f", flows.FanFlow * kSecondsPerHour / storeys) + " [m3/h]",
         FormatNumber("%1.1f", equal.GrilleFlowHourly) + " [m3/h]"},
    };
}

std::string SpreadText(const StoreyFlows& flows)
{
    const double spread = StoreyFlowSpread(flows);
    return "= " + (spread > 0.0 ? FormatNumber("%1.2f", spread) : std::string("-")) + " [-]";
}

std::vector<std::string> StoreyFlowNotes(const CalcRecord& record, const StoreyFlows& flows)
{
    std::vector<std::string> notes = {"Rozkład przepływu na kondygnacjach:"};
    if (record.StoreyStackEffect != 0) {
        const double indoor = record.DensitySource == 0 ? record.AirTemperature : kIndoorTemperature;
        notes.push_back("   Efekt kominowy: temperatura zewnętrzna " + FormatNumber("%1.1f", record.OutsideTemperature) +
                        " [°C], wewnętrzna " + FormatNumber("%1.1f", indoor) + " [°C]");
    } else {
        notes.push_back("   Bez efektu kominowego");
    }
    if (record.StoreyFanSpeed > 0.0)
        notes.push_back("   Obroty regulowane wentylatora = " + FormatNumber("%1.1f", record.StoreyFanSpeed) + " [1/min]");
    if (IsConstantFlowKind(record.InstallationKind) && record.GrilleSetFlowHourly > 0.0)
        notes.push_back("   Kratki stałej wydajności Qs = " + FormatNumber("%1.0f", record.GrilleSetFlowHourly) +
                        " [m3/h]");
    const char* status = nullptr;
    switch (flows.Status) {
    case StoreyFlowStatus::Solved: break;
    case StoreyFlowStatus::OffCatalogue: status = kStoreyFlowOffCatalogueMessage; break;
    case StoreyFlowStatus::NoSolution: status = kStoreyFlowNoSolutionMessage; break;
    case StoreyFlowStatus::NoNetwork: status = kStoreyFlowNoNetworkMessage; break;
    }
    // A message of several lines becomes several report lines: a canvas draws one line per text.
    for (std::string_view rest = status ? status : ""; !rest.empty();) {
        const size_t end = rest.find('\n');
        notes.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return notes;
}

std::vector<ReportLine> BuildStoreyFlowLines(const CalcRecord& record, ReportRendering rendering)
{
    const StoreyFlows flows = SolveStoreyFlows(record, StoreyFlowOptionsOf(record));
    std::vector<ReportLine> lines;
    for (const std::string& note : StoreyFlowNotes(record, flows))
        lines.push_back({1, ReportFont::Body, {{ReportColumn::Label, note}}});
    if (!HasRows(flows))
        return lines;

    ReportLine heading{2, ReportFont::Body, {}, ReportRole::TableHeading};
    for (const StoreyColumn& column : kStoreyColumns)
        heading.Cells.push_back({column.Column, column.Heading});
    lines.push_back(std::move(heading));
    for (size_t i = 0; i < flows.Storeys.size(); ++i) {
        const auto values = StoreyRowValues(flows, i);
        ReportLine row{1, ReportFont::Body, {}, ReportRole::TableRow};
        for (int c = 0; c < kStoreyColumnCount; ++c)
            row.Cells.push_back({kStoreyColumns[c].Column, FormatNumber(kStoreyColumns[c].Format, values[c])});
        lines.push_back(std::move(row));
    }

    // The comparison: the solved column beside the equal-flow one. On paper the labels in the
    // larger font reach past the value column, so the two stand in the last two table columns.
    const bool printer = rendering == ReportRendering::Printer;
    const ReportColumn solved = printer ? ReportColumn::Pressure2 : ReportColumn::Value;
    const ReportColumn equal = printer ? ReportColumn::SilencerHeader : ReportColumn::BaseValue;
    lines.push_back({printer ? 3.0 : 2.0, ReportFont::Body, {{solved, kSolvedHeading}, {equal, kEqualHeading}}});
    for (const StoreyComparison& row : CompareWithEqualFlows(record, flows))
        lines.push_back({1, ReportFont::Body, {{ReportColumn::Label, row.Label}, {solved, row.Solved}, {equal, row.Equal}}});
    lines.push_back({1, ReportFont::Body, {{ReportColumn::Label, kSpreadLabel}, {solved, SpreadText(flows)}}});
    return lines;
}

std::string StoreyFlowTableText(const CalcRecord& record, const StoreyFlows& flows)
{
    std::string text;
    for (const std::string& note : StoreyFlowNotes(record, flows))
        text += note + "\n";
    if (!HasRows(flows))
        return text;

    text += "\n";
    for (int c = 0; c < kStoreyColumnCount; ++c)
        text += (c > 0 ? "  " : "") + std::string(kStoreyColumns[c].Heading);
    text += "\n";
    for (size_t i = 0; i < flows.Storeys.size(); ++i) {
        const auto values = StoreyRowValues(flows, i);
        for (int c = 0; c < kStoreyColumnCount; ++c) {
            const std::string& heading = kStoreyColumns[c].Heading;
            text += (c > 0 ? "  " : "") + PadLeft(FormatNumber(kStoreyColumns[c].Format, values[c]), Width(heading));
        }
        text += "\n";
    }

    const std::vector<StoreyComparison> rows = CompareWithEqualFlows(record, flows);
    size_t labelWidth = Width(kSpreadLabel);
    for (const StoreyComparison& row : rows)
        labelWidth = std::max(labelWidth, Width(row.Label));
    constexpr size_t kValueWidth = 16;
    text += "\n" + std::string(labelWidth, ' ') + "  " + PadLeft(kSolvedHeading, kValueWidth) + "  " +
            PadLeft(kEqualHeading, kValueWidth) + "\n";
    for (const StoreyComparison& row : rows)
        text += PadRight(row.Label, labelWidth) + "  " + PadLeft(row.Solved, kValueWidth) + "  " +
                PadLeft(row.Equal, kValueWidth) + "\n";
    text += PadRight(kSpreadLabel, labelWidth) + "  " + SpreadText(flows) + "\n";
    return text;
}

std::string StoreyFlowCsv(const StoreyFlows& flows)
{
    std::string text;
    for (int c = 0; c < kStoreyColumnCount; ++c)
        text += (c > 0 ? "," : "") + std::string(kStoreyColumns[c].Heading);
    text += "\n";
    if (!HasRows(flows))
        return text;
    for (size_t i = 0; i < flows.Storeys.size(); ++i) {
        const auto values = StoreyRowValues(flows, i);
        for (int c = 0; c < kStoreyColumnCount; ++c)
            text += (c > 0 ? "," : "") + FormatNumber(kStoreyColumns[c].CsvFormat, values[c]);
        text += "\n";
    }
    return text;
}
