// The storey-flow part of its HTML report: the same notes, columns and comparison as the report
// in the window, as table rows of the page.
#include "output/storey_html.h"

#include "model/storey_flows.h"
#include "output/number_format.h"
#include "output/storey_report.h"

void AppendStoreyFlowPage(std::string& page, const CalcRecord& record)
{
    const StoreyFlows flows = SolveStoreyFlows(record, StoreyFlowOptionsOf(record));
    for (const std::string& note : StoreyFlowNotes(record, flows))
        page += "<tr><td colspan=\"2\">" + note + "</td></tr>\n";
    if (flows.Status != StoreyFlowStatus::Solved && flows.Status != StoreyFlowStatus::OffCatalogue)
        return;

    page += "<tr><td colspan=\"2\" align=\"center\"><table border=\"0\">";
    page += "<tr>";
    for (const StoreyColumn& column : kStoreyColumns)
        page += std::string("<td align=\"center\">") + column.Heading + "</td>";
    page += "</tr>\n";
    for (size_t i = 0; i < flows.Storeys.size(); ++i) {
        const auto values = StoreyRowValues(flows, i);
        page += "<tr>";
        for (int c = 0; c < kStoreyColumnCount; ++c)
            page += "<td align=\"right\">" + FormatNumber(kStoreyColumns[c].Format, values[c]) + "</td>";
        page += "</tr>\n";
    }
    page += "</table></td></tr>\n";

    page += "<tr><td colspan=\"2\" align=\"center\"><table border=\"0\">";
    page += std::string("<tr><td>&nbsp;</td><td align=\"right\">") + kSolvedHeading + "</td><td align=\"right\">" +
            kEqualHeading + "</td></tr>\n";
    for (const StoreyComparison& row : CompareWithEqualFlows(record, flows))
        page += std::string("<tr><td>") + row.Label + "</td><td align=\"right\">" + row.Solved +
                "</td><td align=\"right\">" + row.Equal + "</td></tr>\n";
    page += std::string("<tr><td>") + kSpreadLabel + "</td><td align=\"right\">" + SpreadText(flows) +
            "</td><td>&nbsp;</td></tr>\n";
    page += "</table></td></tr>";
}
