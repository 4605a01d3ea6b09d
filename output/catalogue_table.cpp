// Columns, cell texts and the two plain-text forms of the selection-from-the-catalogue table.
#include "output/catalogue_table.h"

#include <algorithm>
#include <limits>

#include "model/fan_catalogue.h"
#include "output/number_format.h"
#include "output/text_columns.h"

// clang-format off
// Columns: header, CSV header, numeric.
const RankingColumn kRankingColumns[kRankingColumnCount] = {
    {"Nr",                  "FanIndex",            true},
    {"Wentylator",          "Wentylator",          false},
    {"Konfiguracja",        "Konfiguracja",        false},
    {"Na kratkę [m3/h]",    "Na kratkę [m3/h]",    true},
    {"Wydajność [m3/s]",    "Wydajność [m3/s]",    true},
    {"Spręż [Pa]",          "Spręż [Pa]",          true},
    {"W kanale [m/s]",      "W kanale [m/s]",      true},
    {"Osiąga Qi",           "Osiąga Qi",           true},
    {"Obroty reg. [1/min]", "Obroty reg. [1/min]", true},
    {"Uwagi",               "Uwagi",               false},
    {"Najmniej bez efektu [m3/h]", "Najmniej bez efektu [m3/h]", true},
    {"Najmniej zimą [m3/h]",       "Najmniej zimą [m3/h]",       true},
    {"Najmniej latem [m3/h]",      "Najmniej latem [m3/h]",      true},
    {"Każda kondygnacja ≥ Qi",     "Każda kondygnacja ≥ Qi",     true},
};
// clang-format on

namespace {

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::vector<std::string> RankingCells(const RankedConfiguration& row)
{
    const FanEntry* entry = LookupFan(row.FanIndex);
    std::vector<std::string> cells;
    cells.push_back(Printf("%d", row.FanIndex));
    cells.push_back(entry && entry->ChooserCaption ? entry->ChooserCaption : "");
    cells.push_back(ConfigurationName(row.Configuration));
    auto number = [&](const char* format, double value) { return row.HasPoint ? FormatNumber(format, value) : "-"; };
    cells.push_back(number("%1.1f", row.GrilleFlowHourly));
    cells.push_back(number("%1.3f", row.FanFlow));
    cells.push_back(number("%1.1f", row.FanPressure));
    cells.push_back(number("%1.2f", row.DuctVelocity));
    cells.push_back(row.ReachesRequiredFlow ? "tak" : "nie");
    cells.push_back(row.ReachesRequiredFlow ? FormatNumber("%1.0f", row.RegulatedSpeed) : "-");
    cells.push_back(ReasonText(row.Reason));
    for (const std::optional<double>& least : row.LeastStoreyFlowHourly)
        cells.push_back(least ? FormatNumber("%1.1f", *least) : "-");
    cells.push_back(row.EveryStoreyReachesRequiredFlow ? "tak" : "nie");
    return cells;
}

double RankingSortKey(const RankedConfiguration& row, int column)
{
    const double none = -std::numeric_limits<double>::infinity();
    const int condition = column - kFirstDesignConditionColumn;
    if (condition >= 0 && condition < static_cast<int>(row.LeastStoreyFlowHourly.size()))
        return row.LeastStoreyFlowHourly[static_cast<size_t>(condition)].value_or(none);
    if (condition == static_cast<int>(row.LeastStoreyFlowHourly.size()))
        return row.EveryStoreyReachesRequiredFlow ? 1.0 : 0.0;
    switch (column) {
    case 0: return row.FanIndex;
    case 3: return row.HasPoint ? row.GrilleFlowHourly : none;
    case 4: return row.HasPoint ? row.FanFlow : none;
    case 5: return row.HasPoint ? row.FanPressure : none;
    case 6: return row.HasPoint ? row.DuctVelocity : none;
    case 7: return row.ReachesRequiredFlow ? 1.0 : 0.0;
    case 8: return row.ReachesRequiredFlow ? row.RegulatedSpeed : none;
    default: return 0.0;
    }
}

std::string RankingHeading(double requiredFlow)
{
    return "Dobór z katalogu dla wymaganej wydajności kratki Qi = " + FormatNumber("%1.1f", requiredFlow) + " m3/h";
}

std::string RankingText(const std::vector<RankedConfiguration>& rows, double requiredFlow)
{
    std::vector<std::vector<std::string>> table;
    std::vector<std::string> header;
    for (const RankingColumn& column : kRankingColumns)
        header.emplace_back(column.Header);
    table.push_back(header);
    for (const RankedConfiguration& row : rows)
        table.push_back(RankingCells(row));

    size_t widths[kRankingColumnCount] = {};
    for (const std::vector<std::string>& cells : table)
        for (int c = 0; c < kRankingColumnCount; ++c)
            widths[c] = std::max(widths[c], Width(cells[c]));

    std::string text = RankingHeading(requiredFlow) + "\n\n";
    for (const std::vector<std::string>& cells : table) {
        std::string line;
        for (int c = 0; c < kRankingColumnCount; ++c) {
            const std::string padding(widths[c] - Width(cells[c]), ' ');
            if (c > 0)
                line += "  ";
            // Numbers to the right, texts to the left; the header follows its column.
            line += kRankingColumns[c].Numeric ? padding + cells[c] : cells[c] + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

std::string RankingCsv(const std::vector<RankedConfiguration>& rows)
{
    std::string text;
    for (int c = 0; c < kRankingColumnCount; ++c)
        text += (c ? "," : "") + CsvField(kRankingColumns[c].CsvHeader);
    text += "\n";
    for (const RankedConfiguration& row : rows) {
        const std::vector<std::string> cells = RankingCells(row);
        for (int c = 0; c < kRankingColumnCount; ++c)
            text += (c ? "," : "") + CsvField(cells[c]);
        text += "\n";
    }
    return text;
}
