// The storey-flow part of its HTML report: the same notes, condition tables, summaries and
// comparison as the report in the window, as table rows of the page.
#include "output/storey_html.h"

#include "model/storey_flows.h"
#include "output/number_format.h"
#include "output/storey_report.h"

namespace {

void AppendRow(std::string& page, const std::string& text)
{
    page += "<tr><td colspan=\"2\">" + text + "</td></tr>\n";
}

}  // namespace

void AppendStoreyFlowPage(std::string& page, const CalcRecord& record)
{
    const std::vector<StoreyConditionFlows> conditions = SolveStoreyConditions(record);
    const double required = record.RequiredGrilleFlowHourly;
    for (const std::string& note : StoreyFlowNotes(record))
        AppendRow(page, note);
    for (const StoreyConditionFlows& condition : conditions) {
        const StoreyFlows& flows = condition.Flows;
        AppendRow(page, "<b>" + ConditionHeading(record, condition) + "</b>");
        // The page is written in code page 1250, which has no phi: the entity keeps it.
        for (std::string status : ConditionStatus(flows)) {
            for (size_t at = status.find("φ"); at != std::string::npos; at = status.find("φ", at))
                status.replace(at, std::string("φ").size(), "&phi;");
            AppendRow(page, status);
        }
        if (!HasStoreyRows(flows))
            continue;
        page += "<tr><td colspan=\"2\" align=\"center\"><table border=\"0\">";
        page += "<tr>";
        for (const StoreyColumn& column : kStoreyColumns)
            if (column.OnPage)
                page += std::string("<td align=\"center\">") + column.Heading + "</td>";
        page += "</tr>\n";
        for (size_t i = 0; i < flows.Storeys.size(); ++i) {
            const std::vector<std::string> cells = StoreyRowCells(flows, i, required);
            page += "<tr>";
            for (int c = 0; c < kStoreyColumnCount; ++c)
                if (kStoreyColumns[c].OnPage)
                    page += std::string("<td align=\"") + (kStoreyColumns[c].Format ? "right" : "left") + "\">" +
                            cells[c] + "</td>";
            page += "</tr>\n";
        }
        page += "</table></td></tr>\n";
        for (const std::string& summary : ConditionSummary(flows, required))
            AppendRow(page, summary);
    }

    page += "<tr><td colspan=\"2\" align=\"center\"><table border=\"0\">";
    page += "<tr>";
    for (const StoreyColumn& column : kComparisonColumns)
        page += std::string("<td align=\"") + (column.Format ? "right" : "left") + "\">" + column.Heading + "</td>";
    page += "</tr>\n";
    for (const std::vector<std::string>& cells : ComparisonRows(record, conditions)) {
        page += "<tr>";
        for (int c = 0; c < kComparisonColumnCount; ++c)
            page += std::string("<td align=\"") + (kComparisonColumns[c].Format ? "right" : "left") + "\">" +
                    cells[c] + "</td>";
        page += "</tr>\n";
    }
    page += "</table></td></tr>";
}
