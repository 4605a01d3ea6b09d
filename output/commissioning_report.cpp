// The settings table, its notes, its summary and the seasons, as report lines, as an aligned text
// table and as CSV. The settings are computed afresh from the record each time, like the storey
// flows: the record holds the building, the fan and the required flow.
#include "output/commissioning_report.h"

#include <algorithm>
#include <cmath>

#include "model/installation_kinds.h"
#include "output/number_format.h"
#include "output/text_columns.h"

const SettingColumn kSettingColumns[kSettingColumnCount] = {
    {"Kondygnacja",     ReportColumn::Label},
    {"Obroty",          ReportColumn::SettingTurns},
    {"ζ [-]",           ReportColumn::SettingZeta},
    {"Przepływ [m3/h]", ReportColumn::SettingFlow},
    {"Udział Qi [%]",   ReportColumn::SettingShare},
    {"Uwagi",           ReportColumn::SettingRemark},
};

const char kSeasonColumns[3][24] = {"Kondygnacja", "Zima [m3/h]", "Lato [m3/h]"};

namespace {

constexpr double kSecondsPerHour = 3600.0;  // s/h

bool HasRows(const Commissioning& commissioning) { return !commissioning.Storeys.empty(); }

// A seasonal flow, "-" where the season has no solution.
std::string SeasonFlow(double flow, double fanFlow)
{
    return fanFlow > 0.0 ? FormatNumber("%1.1f", flow * kSecondsPerHour) : std::string("-");
}

std::string Remark(const Commissioning& c, const CommissioningStorey& storey)
{
    if (c.Rule == CommissioningRule::ConstantFlow)
        return (storey.Margin >= 0.0 ? "zapas " : "brak ") + FormatNumber("%1.1f", std::fabs(storey.Margin)) + " Pa";
    const double excess = (storey.Flow - c.RequiredFlow) * kSecondsPerHour;
    return excess >= 0.0 ? "+" + FormatNumber("%1.1f", excess) + " m3/h"
                         : "brak " + FormatNumber("%1.1f", -excess) + " m3/h";
}

}  // namespace

CommissioningConditions CommissioningConditionsOf(const CalcRecord& record)
{
    CommissioningConditions conditions;
    conditions.RequiredFlowHourly = record.RequiredGrilleFlowHourly;
    conditions.WinterTemperature = record.WinterTemperature;
    conditions.SummerTemperature = record.SummerTemperature;
    return conditions;
}

std::array<std::string, kSettingColumnCount> SettingRowTexts(const Commissioning& c, size_t i)
{
    const CommissioningStorey& storey = c.Storeys[i];
    return {Printf("%d", static_cast<int>(i + 1)),
            storey.Turns >= 0 ? Printf("%d", storey.Turns) : std::string(),
            FormatNumber("%1.2f", storey.LossCoefficient),
            FormatNumber("%1.1f", storey.Flow * kSecondsPerHour),
            FormatNumber("%1.1f", storey.Flow / c.RequiredFlow * 100.0),
            Remark(c, storey)};
}

std::vector<std::string> CommissioningNotes(const CalcRecord& record, const Commissioning& c)
{
    std::vector<std::string> notes = {"Nastawy regulacyjne (warunki obliczeniowe, bez efektu kominowego):"};
    if (c.Status == CommissioningStatus::NoNetwork) {
        notes.push_back(kCommissioningNoNetworkMessage);
        return notes;
    }
    notes.push_back("   Wymagana wydajność na kratkę Qi = " + FormatNumber("%1.1f", c.RequiredFlow * kSecondsPerHour) +
                    " [m3/h]");
    if (c.Rule == CommissioningRule::ConstantFlow)
        notes.push_back("   Kratki stałej wydajności Qs = " + FormatNumber("%1.0f", record.GrilleSetFlowHourly) +
                        " [m3/h]");
    if (c.Rule == CommissioningRule::Turns)
        notes.push_back("   Obroty: otwarcie kratki regulowanej od 0 do 20");
    if (c.Status == CommissioningStatus::CatalogueTooLow) {
        notes.push_back(c.Rule == CommissioningRule::Turns
                            ? "   Nawet przy obrotach z katalogu i w pełni otwartych kratkach"
                            : "   Nawet przy obrotach z katalogu");
        notes.push_back(c.Rule == CommissioningRule::ConstantFlow
                            ? "   nie każda kratka ma ciśnienie potrzebne do utrzymania Qs:"
                            : "   nie każda kondygnacja otrzymuje Qi:");
    }
    if (c.SolveStatus == StoreyFlowStatus::OffCatalogue)
        notes.push_back("   " + FormatTemplate(kStoreyFlowOffCatalogueMessage,
                                               {c.FlowCoefficient, c.CatalogueRange.Min, c.CatalogueRange.Max}));
    return notes;
}

std::vector<SettingSummaryRow> CommissioningSummary(const Commissioning& c)
{
    return {
        {"   Obroty wentylatora n", "= " + Printf("%d", c.Speed) + " [1/min]"},
        {"   Udział obrotów z katalogu (" + Printf("%d", c.CatalogueSpeed) + " [1/min])",
         "= " + FormatNumber("%1.1f", SpeedShare(c)) + " [%]"},
        {"   Wydajność godzinowa wentylatora Qh", "= " + FormatNumber("%1.0f", c.FanFlow * kSecondsPerHour) + " [m3/h]"},
        {"   Podciśnienie wentylatora DPsw", "= " + FormatNumber("%1.1f", c.FanPressure) + " [Pa]"},
    };
}

std::string SeasonsHeading(const Commissioning& c)
{
    return "Te same nastawy zimą (" + FormatNumber("%1.1f", c.WinterTemperature) + " [°C]) i latem (" +
           FormatNumber("%1.1f", c.SummerTemperature) + " [°C]):";
}

std::array<std::string, 3> SeasonRowTexts(const Commissioning& c, size_t i)
{
    const CommissioningStorey& storey = c.Storeys[i];
    return {Printf("%d", static_cast<int>(i + 1)), SeasonFlow(storey.WinterFlow, c.WinterFanFlow),
            SeasonFlow(storey.SummerFlow, c.SummerFanFlow)};
}

std::array<std::string, 3> SeasonFanTexts(const Commissioning& c)
{
    return {"Wentylator", SeasonFlow(c.WinterFanFlow, c.WinterFanFlow), SeasonFlow(c.SummerFanFlow, c.SummerFanFlow)};
}

std::vector<ReportLine> BuildCommissioningLines(const CalcRecord& record)
{
    const Commissioning c = ComputeCommissioning(record, CommissioningConditionsOf(record));
    std::vector<ReportLine> lines;
    for (const std::string& note : CommissioningNotes(record, c))
        lines.push_back({1, ReportFont::Body, {{ReportColumn::Label, note}}});
    if (!HasRows(c))
        return lines;

    ReportLine heading{2, ReportFont::Body, {}, ReportRole::TableHeading};
    for (const SettingColumn& column : kSettingColumns)
        heading.Cells.push_back({column.Column, column.Heading});
    lines.push_back(std::move(heading));
    for (size_t i = 0; i < c.Storeys.size(); ++i) {
        const auto texts = SettingRowTexts(c, i);
        ReportLine row{1, ReportFont::Body, {}, ReportRole::TableRow};
        for (int k = 0; k < kSettingColumnCount; ++k)
            row.Cells.push_back({kSettingColumns[k].Column, texts[k]});
        lines.push_back(std::move(row));
    }
    double advance = 2.0;
    for (const SettingSummaryRow& row : CommissioningSummary(c)) {
        lines.push_back({advance, ReportFont::Body, {{ReportColumn::Label, row.Label}, {ReportColumn::SettingShare, row.Value}}});
        advance = 1.0;
    }

    // The seasons under the same columns as the storeys and flows above.
    constexpr ReportColumn kSeasonAt[3] = {ReportColumn::Label, ReportColumn::SettingFlow, ReportColumn::SettingShare};
    lines.push_back({2, ReportFont::Body, {{ReportColumn::Label, SeasonsHeading(c)}}});
    const auto addRow = [&](const std::array<std::string, 3>& texts, ReportRole role) {
        ReportLine row{1, ReportFont::Body, {}, role};
        for (int k = 0; k < 3; ++k)
            row.Cells.push_back({kSeasonAt[k], texts[k]});
        lines.push_back(std::move(row));
    };
    addRow({kSeasonColumns[0], kSeasonColumns[1], kSeasonColumns[2]}, ReportRole::TableHeading);
    for (size_t i = 0; i < c.Storeys.size(); ++i)
        addRow(SeasonRowTexts(c, i), ReportRole::TableRow);
    addRow(SeasonFanTexts(c), ReportRole::TableRow);
    return lines;
}

std::string CommissioningTableText(const CalcRecord& record, const Commissioning& c)
{
    std::string text;
    for (const std::string& note : CommissioningNotes(record, c))
        text += note + "\n";
    if (!HasRows(c))
        return text;

    // Every column as wide as its heading or its widest value; the remark left-aligned.
    std::array<size_t, kSettingColumnCount> widths{};
    for (int k = 0; k < kSettingColumnCount; ++k)
        widths[k] = Width(kSettingColumns[k].Heading);
    for (size_t i = 0; i < c.Storeys.size(); ++i) {
        const auto texts = SettingRowTexts(c, i);
        for (int k = 0; k < kSettingColumnCount; ++k)
            widths[k] = std::max(widths[k], Width(texts[k]));
    }
    const auto row = [&](const std::array<std::string, kSettingColumnCount>& texts) {
        std::string line;
        for (int k = 0; k < kSettingColumnCount; ++k)
            line += (k > 0 ? "  " : "") + (k + 1 < kSettingColumnCount ? PadLeft(texts[k], widths[k]) : texts[k]);
        return line + "\n";
    };
    text += "\n" + row({kSettingColumns[0].Heading, kSettingColumns[1].Heading, kSettingColumns[2].Heading,
                        kSettingColumns[3].Heading, kSettingColumns[4].Heading, kSettingColumns[5].Heading});
    for (size_t i = 0; i < c.Storeys.size(); ++i)
        text += row(SettingRowTexts(c, i));

    const std::vector<SettingSummaryRow> summary = CommissioningSummary(c);
    size_t labelWidth = 0;
    for (const SettingSummaryRow& line : summary)
        labelWidth = std::max(labelWidth, Width(line.Label));
    text += "\n";
    for (const SettingSummaryRow& line : summary)
        text += PadRight(line.Label, labelWidth) + "  " + line.Value + "\n";

    text += "\n" + SeasonsHeading(c) + "\n";
    const auto season = [&](const std::array<std::string, 3>& texts) {
        return PadRight(texts[0], Width(kSeasonColumns[0])) + "  " + PadLeft(texts[1], Width(kSeasonColumns[1])) + "  " +
               PadLeft(texts[2], Width(kSeasonColumns[2])) + "\n";
    };
    text += season({kSeasonColumns[0], kSeasonColumns[1], kSeasonColumns[2]});
    for (size_t i = 0; i < c.Storeys.size(); ++i)
        text += season(SeasonRowTexts(c, i));
    text += season(SeasonFanTexts(c));
    return text;
}

std::string CommissioningCsv(const Commissioning& c)
{
    std::string text = "Kondygnacja,Obroty,Dzeta [-],Przeplyw [m3/h],Udzial Qi [%],Nadmiar [m3/h],Zapas [Pa],"
                       "Zima [m3/h],Lato [m3/h]\n";
    for (size_t i = 0; i < c.Storeys.size(); ++i) {
        const CommissioningStorey& s = c.Storeys[i];
        text += Printf("%d", static_cast<int>(i + 1)) + "," + (s.Turns >= 0 ? Printf("%d", s.Turns) : std::string()) +
                "," + FormatNumber("%1.4f", s.LossCoefficient) + "," + FormatNumber("%1.3f", s.Flow * kSecondsPerHour) +
                "," + FormatNumber("%1.2f", s.Flow / c.RequiredFlow * 100.0) + "," +
                FormatNumber("%1.3f", (s.Flow - c.RequiredFlow) * kSecondsPerHour) + "," +
                (c.Rule == CommissioningRule::ConstantFlow ? FormatNumber("%1.3f", s.Margin) : std::string()) + "," +
                (c.WinterFanFlow > 0.0 ? FormatNumber("%1.3f", s.WinterFlow * kSecondsPerHour) : std::string()) + "," +
                (c.SummerFanFlow > 0.0 ? FormatNumber("%1.3f", s.SummerFlow * kSecondsPerHour) : std::string()) + "\n";
    }
    return text;
}

void AppendCommissioningPage(std::string& page, const CalcRecord& record)
{
    const Commissioning c = ComputeCommissioning(record, CommissioningConditionsOf(record));
    for (std::string note : CommissioningNotes(record, c)) {
        // The page is written in code page 1250, which has no phi: the entity keeps it.
        for (size_t at = note.find("φ"); at != std::string::npos; at = note.find("φ", at))
            note.replace(at, std::string("φ").size(), "&phi;");
        page += "<tr><td colspan=\"2\">" + note + "</td></tr>\n";
    }
    if (!HasRows(c))
        return;

    page += "<tr><td colspan=\"2\" align=\"center\"><table border=\"0\">";
    page += "<tr>";
    for (const SettingColumn& column : kSettingColumns) {
        const std::string heading = column.Heading;
        page += "<td align=\"center\">" + (heading == "ζ [-]" ? std::string("&zeta; [-]") : heading) + "</td>";
    }
    page += "</tr>\n";
    for (size_t i = 0; i < c.Storeys.size(); ++i) {
        const auto texts = SettingRowTexts(c, i);
        page += "<tr>";
        for (int k = 0; k < kSettingColumnCount; ++k)
            page += std::string(k + 1 < kSettingColumnCount ? "<td align=\"right\">" : "<td>") + texts[k] + "</td>";
        page += "</tr>\n";
    }
    page += "</table></td></tr>\n";
    for (const SettingSummaryRow& row : CommissioningSummary(c))
        page += "<tr><td>" + row.Label + "</td><td>" + row.Value + "</td></tr>\n";

    page += "<tr><td colspan=\"2\">" + SeasonsHeading(c) + "</td></tr>\n";
    page += "<tr><td colspan=\"2\" align=\"center\"><table border=\"0\">";
    const auto row = [&](const std::array<std::string, 3>& texts) {
        page += "<tr><td>" + texts[0] + "</td><td align=\"right\">" + texts[1] + "</td><td align=\"right\">" + texts[2] +
                "</td></tr>\n";
    };
    row({kSeasonColumns[0], kSeasonColumns[1], kSeasonColumns[2]});
    for (size_t i = 0; i < c.Storeys.size(); ++i)
        row(SeasonRowTexts(c, i));
    row(SeasonFanTexts(c));
    page += "</table></td></tr>";
}
