// The storey-flow tables of every condition, their remarks and summaries and the comparison with
// the equal-flow result, as report lines, as an aligned text table and as CSV. The flows are
// solved afresh from the record each time: the record holds the inputs and the options, and the
// three conditions together take well under a millisecond.
#include "output/storey_report.h"

#include <algorithm>
#include <string_view>

#include "model/installation_kinds.h"
#include "output/number_format.h"
#include "output/text_columns.h"

// Columns: heading, report format, CSV format, report column, on the page. The headings are short
// enough for the columns of the printed page. The pressure across the grille (DP, as in DPsw of the
// fan) is what drives the flat's air. The duct's negative pressure is measured against the outside
// air at the fan's height, so with the stack effect it turns negative low in the riser while the
// grille still draws: it stays in the CSV alone, with a header that says so.
const StoreyColumn kStoreyColumns[kStoreyColumnCount] = {
    {"Kondygnacja",                "%1.0f", "%1.0f", ReportColumn::Label,          true},
    {"Przepływ [m3/h]",            "%1.1f", "%1.3f", ReportColumn::Pressure,       true},
    {"Udział w Qi [%]",            "%1.1f", "%1.2f", ReportColumn::Value,          true},
    {"DP kratki [Pa]",             "%1.1f", "%1.3f", ReportColumn::Pressure2,      true},
    {"podciśnienie w kanale względem zewnątrz na wysokości wentylatora [Pa]", "%1.1f", "%1.3f", ReportColumn::SilencerValue, false},
    {"Uwagi",                      nullptr, nullptr, ReportColumn::SilencerHeader, true},
};

// Columns of the comparison: the condition, then the fan's flow, its pressure and the mean grille flow.
const StoreyColumn kComparisonColumns[kComparisonColumnCount] = {
    {"Warunki",                  nullptr, nullptr, ReportColumn::Label,          true},
    {"Q [m3/s]",                 "%1.3f", "%1.3f", ReportColumn::Pressure,       true},
    {"Qh [m3/h]",                "%1.0f", "%1.0f", ReportColumn::Value,          true},
    {"DPsw [Pa]",                "%1.1f", "%1.1f", ReportColumn::Pressure2,      true},
    {"Średnio na kratce [m3/h]", "%1.1f", "%1.1f", ReportColumn::SilencerHeader, true},
};

const char kEqualHeading[] = "Równy podział";

namespace {

constexpr double kSecondsPerHour = 3600.0;  // s/h
constexpr char kSpreadLabel[] = "   Wydajność kratki max / min = ";

// A message of several lines becomes several lines: a canvas draws one line per text.
void AppendLines(std::vector<std::string>& lines, std::string_view text)
{
    for (std::string_view rest = text; !rest.empty();) {
        const size_t end = rest.find('\n');
        lines.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
}

double IndoorTemperature(const CalcRecord& record)
{
    return record.DensitySource == 0 ? record.AirTemperature : kIndoorTemperature;
}

// Rows of text padded into columns: numbers to the right, texts to the left, the last column unpadded.
std::string AlignedTable(const std::vector<std::vector<std::string>>& table, const std::vector<bool>& numeric)
{
    std::vector<size_t> widths(numeric.size(), 0);
    for (const std::vector<std::string>& row : table)
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], Width(row[c]));
    std::string text;
    for (const std::vector<std::string>& row : table) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c)
            line += (c > 0 ? "  " : "") + (numeric[c] ? PadLeft(row[c], widths[c]) : PadRight(row[c], widths[c]));
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

}  // namespace

std::string StoreyRemark(double grilleFlowHourly, double requiredFlow)
{
    if (grilleFlowHourly < 0.0)
        return "przepływ odwrotny";
    if (grilleFlowHourly < requiredFlow)
        return FormatNumber("brak %1.1f m3/h", requiredFlow - grilleFlowHourly);
    return "";
}

std::vector<std::string> StoreyRowCells(const StoreyFlows& flows, size_t i, double requiredFlow, bool csv)
{
    const StoreyFlowRow& row = flows.Storeys[i];
    const double hourly = row.GrilleFlow * kSecondsPerHour;
    const double share = requiredFlow > 0.0 ? hourly / requiredFlow * 100.0 : 0.0;
    const double values[] = {static_cast<double>(i + 1), hourly, share, row.GrillePressure, row.DuctPressure};
    std::vector<std::string> cells;
    for (int c = 0; c < kStoreyColumnCount; ++c) {
        const StoreyColumn& column = kStoreyColumns[c];
        cells.push_back(column.Format ? FormatNumber(csv ? column.CsvFormat : column.Format, values[c])
                                      : StoreyRemark(hourly, requiredFlow));
    }
    return cells;
}

std::string ConditionHeading(const CalcRecord& record, const StoreyConditionFlows& condition)
{
    const std::string temperatures = "temperatura zewnętrzna " + FormatNumber("%1.1f", condition.OutsideTemperature) +
                                     " [°C], wewnętrzna " + FormatNumber("%1.1f", IndoorTemperature(record)) + " [°C]";
    switch (condition.Condition) {
    case StoreyCondition::Still: return "   Bez efektu kominowego";
    case StoreyCondition::Winter: return "   Zima: " + temperatures;
    case StoreyCondition::Summer: return "   Lato: " + temperatures;
    case StoreyCondition::Outside: break;
    }
    return "   Efekt kominowy: " + temperatures;
}

std::string ConditionName(const StoreyConditionFlows& condition)
{
    const std::string temperature = FormatNumber("%1.1f", condition.OutsideTemperature) + " °C";
    switch (condition.Condition) {
    case StoreyCondition::Still: return "Bez efektu";
    case StoreyCondition::Winter: return "Zima " + temperature;
    case StoreyCondition::Summer: return "Lato " + temperature;
    case StoreyCondition::Outside: break;
    }
    return "Efekt kominowy " + temperature;
}

EqualFlowPoint EqualFlowResult(const CalcRecord& record)
{
    if (!(StoreySolveSpeed(record) > 0.0))
        return {record.FanFlow, record.FanPressure, record.GrilleFlowHourly};
    StoreyFlowOptions options;
    options.FanSpeed = StoreySolveSpeed(record);
    options.EqualFlows = true;
    const StoreyFlows equal = SolveStoreyFlows(record, options);
    if (!HasStoreyRows(equal))
        return {0.0, 0.0, 0.0};
    return {equal.FanFlow, equal.FanPressure, equal.FanFlow * kSecondsPerHour / static_cast<double>(equal.Storeys.size())};
}

std::vector<std::vector<std::string>> ComparisonRows(const CalcRecord& record,
                                                     const std::vector<StoreyConditionFlows>& conditions)
{
    const auto row = [](const std::string& name, double flow, double pressure, double perGrille) {
        const double values[] = {0.0, flow, flow * kSecondsPerHour, pressure, perGrille};
        std::vector<std::string> cells = {name};
        for (int c = 1; c < kComparisonColumnCount; ++c)
            cells.push_back(FormatNumber(kComparisonColumns[c].Format, values[c]));
        return cells;
    };
    std::vector<std::vector<std::string>> rows;
    for (const StoreyConditionFlows& condition : conditions) {
        const StoreyFlows& flows = condition.Flows;
        if (!HasStoreyRows(flows))
            continue;
        const double storeys = static_cast<double>(flows.Storeys.size());
        rows.push_back(row(ConditionName(condition), flows.FanFlow, flows.FanPressure,
                           flows.FanFlow * kSecondsPerHour / storeys));
    }
    const EqualFlowPoint equal = EqualFlowResult(record);
    rows.push_back(row(kEqualHeading, equal.FanFlow, equal.FanPressure, equal.GrilleFlowHourly));
    return rows;
}

std::vector<std::string> ConditionSummary(const StoreyFlows& flows, double requiredFlow)
{
    const StoreyShortfall shortfall = ShortfallOf(flows, requiredFlow);
    if (shortfall.Least < 0)
        return {};
    const std::string least = "najmniej kondygnacja " + Printf("%d", shortfall.Least + 1) + ": " +
                              FormatNumber("%1.1f", shortfall.LeastFlowHourly) + " [m3/h]";
    std::vector<std::string> lines;
    if (shortfall.Below == 0)
        lines.push_back("   Każda kondygnacja otrzymuje co najmniej Qi; " + least);
    else
        lines.push_back("   Kondygnacji poniżej Qi: " + Printf("%d z %zu", shortfall.Below, flows.Storeys.size()) +
                        "; " + least);
    const double spread = StoreyFlowSpread(flows);
    lines.push_back(kSpreadLabel + (spread > 0.0 ? FormatNumber("%1.2f", spread) : std::string("-")) + " [-]");
    return lines;
}

std::vector<std::string> ConditionStatus(const StoreyFlows& flows)
{
    std::vector<std::string> lines;
    switch (flows.Status) {
    case StoreyFlowStatus::Solved: break;
    case StoreyFlowStatus::OffCatalogue:
        lines.push_back(FormatTemplate(kStoreyFlowOffCatalogueMessage,
                                       {flows.FlowCoefficient, flows.CatalogueRange.Min, flows.CatalogueRange.Max}));
        break;
    case StoreyFlowStatus::NoSolution:
    case StoreyFlowStatus::NoNetwork: AppendLines(lines, StoreyFlowStatusMessage(flows)); break;
    }
    return lines;
}

std::vector<std::string> StoreyFlowNotes(const CalcRecord& record)
{
    std::vector<std::string> notes = {"Rozkład przepływu na kondygnacjach:"};
    notes.push_back("   Wymagana wydajność kratki Qi = " + FormatNumber("%1.1f", record.RequiredGrilleFlowHourly) +
                    " [m3/h]");
    if (BalancedStoreys(record))
        notes.push_back("   Z nastawami regulacyjnymi: obroty wentylatora = " + Printf("%d", record.CommissionSpeed) +
                        (CommissionedTurnsApply(record) ? " [1/min], kratki otwarte według nastaw"
                                                         : " [1/min], kratki jak wprowadzone"));
    else if (record.StoreyFanSpeed > 0.0)
        notes.push_back("   Obroty regulowane wentylatora = " + FormatNumber("%1.1f", record.StoreyFanSpeed) + " [1/min]");
    else
        notes.push_back("   Obroty wentylatora = " + Printf("%d", record.FanSpeed) + " [1/min]");
    if (IsConstantFlowKind(record.InstallationKind) && record.GrilleSetFlowHourly > 0.0)
        notes.push_back("   Kratki stałej wydajności Qs = " + FormatNumber("%1.0f", record.GrilleSetFlowHourly) +
                        " [m3/h]");
    return notes;
}

std::vector<ReportLine> BuildStoreyFlowLines(const CalcRecord& record, ReportRendering rendering)
{
    const std::vector<StoreyConditionFlows> conditions = SolveStoreyConditions(record);
    const double required = record.RequiredGrilleFlowHourly;
    const bool printer = rendering == ReportRendering::Printer;
    std::vector<ReportLine> lines;
    const auto text = [&](double advance, const std::string& line) {
        lines.push_back({advance, ReportFont::Body, {{ReportColumn::Label, line}}});
    };
    for (const std::string& note : StoreyFlowNotes(record))
        text(1, note);

    for (const StoreyConditionFlows& condition : conditions) {
        const StoreyFlows& flows = condition.Flows;
        text(2, ConditionHeading(record, condition));
        for (const std::string& status : ConditionStatus(flows))
            text(1, status);
        if (!HasStoreyRows(flows))
            continue;
        ReportLine heading{printer ? 1.5 : 1.0, ReportFont::Body, {}, ReportRole::TableHeading};
        for (const StoreyColumn& column : kStoreyColumns)
            if (column.OnPage)
                heading.Cells.push_back({column.Column, column.Heading});
        lines.push_back(std::move(heading));
        for (size_t i = 0; i < flows.Storeys.size(); ++i) {
            const std::vector<std::string> cells = StoreyRowCells(flows, i, required);
            ReportLine row{1, ReportFont::Body, {}, ReportRole::TableRow};
            for (int c = 0; c < kStoreyColumnCount; ++c)
                if (kStoreyColumns[c].OnPage && !cells[c].empty())
                    row.Cells.push_back({kStoreyColumns[c].Column, cells[c]});
            lines.push_back(std::move(row));
        }
        for (const std::string& summary : ConditionSummary(flows, required))
            text(1, summary);
    }

    ReportLine heading{printer ? 3.0 : 2.0, ReportFont::Body, {}, ReportRole::TableHeading};
    for (const StoreyColumn& column : kComparisonColumns)
        heading.Cells.push_back({column.Column, column.Heading});
    lines.push_back(std::move(heading));
    for (const std::vector<std::string>& cells : ComparisonRows(record, conditions)) {
        ReportLine row{1, ReportFont::Body, {}, ReportRole::TableRow};
        for (int c = 0; c < kComparisonColumnCount; ++c)
            row.Cells.push_back({kComparisonColumns[c].Column, cells[c]});
        lines.push_back(std::move(row));
    }
    return lines;
}

std::string StoreyFlowTableText(const CalcRecord& record, const std::vector<StoreyConditionFlows>& conditions)
{
    const double required = record.RequiredGrilleFlowHourly;
    std::string text;
    for (const std::string& note : StoreyFlowNotes(record))
        text += note + "\n";
    for (const StoreyConditionFlows& condition : conditions) {
        const StoreyFlows& flows = condition.Flows;
        text += "\n" + ConditionHeading(record, condition) + "\n";
        for (const std::string& status : ConditionStatus(flows))
            text += status + "\n";
        if (!HasStoreyRows(flows))
            continue;
        std::vector<std::vector<std::string>> table(1);
        std::vector<bool> numeric;
        for (const StoreyColumn& column : kStoreyColumns) {
            if (!column.OnPage)
                continue;
            table[0].emplace_back(column.Heading);
            numeric.push_back(column.Format != nullptr);
        }
        for (size_t i = 0; i < flows.Storeys.size(); ++i) {
            const std::vector<std::string> cells = StoreyRowCells(flows, i, required);
            table.emplace_back();
            for (int c = 0; c < kStoreyColumnCount; ++c)
                if (kStoreyColumns[c].OnPage)
                    table.back().push_back(cells[c]);
        }
        text += AlignedTable(table, numeric);
        for (const std::string& summary : ConditionSummary(flows, required))
            text += summary + "\n";
    }

    std::vector<std::vector<std::string>> table(1);
    std::vector<bool> numeric;
    for (const StoreyColumn& column : kComparisonColumns) {
        table[0].emplace_back(column.Heading);
        numeric.push_back(column.Format != nullptr);
    }
    for (std::vector<std::string>& row : ComparisonRows(record, conditions))
        table.push_back(std::move(row));
    text += "\n" + AlignedTable(table, numeric);
    return text;
}

std::string StoreyFlowCsv(const CalcRecord& record, const std::vector<StoreyConditionFlows>& conditions)
{
    const double required = record.RequiredGrilleFlowHourly;
    std::string text = kStoreyColumns[0].Heading;
    for (const StoreyConditionFlows& condition : conditions)
        for (int c = 1; c < kStoreyColumnCount; ++c)
            text += "," + ConditionName(condition) + ": " + kStoreyColumns[c].Heading;
    text += "\n";
    size_t storeys = 0;
    for (const StoreyConditionFlows& condition : conditions)
        if (HasStoreyRows(condition.Flows))
            storeys = condition.Flows.Storeys.size();
    for (size_t i = 0; i < storeys; ++i) {
        text += Printf("%zu", i + 1);
        for (const StoreyConditionFlows& condition : conditions) {
            const bool rows = HasStoreyRows(condition.Flows);
            const std::vector<std::string> cells =
                rows ? StoreyRowCells(condition.Flows, i, required, true) : std::vector<std::string>(kStoreyColumnCount);
            for (int c = 1; c < kStoreyColumnCount; ++c)
                text += "," + cells[c];
        }
        text += "\n";
    }
    return text;
}
