// Point files and scripts of the commissioning chart. The storey runs along the x axis, the grille
// flow up the y axis; the titles keep to ASCII like those of the other sets.
#include "output/commissioning_charts.h"

#include "output/charts.h"
#include "output/number_format.h"
#include "output/storey_charts.h"
#include "output/storage/text_file.h"

namespace {

constexpr double kSecondsPerHour = 3600.0;  // s/h

constexpr char kTitle[] =
    "set title \" \\\"K O R A L I N E X\\\"   sp. z o.o.\\n Nastawy regulacyjne, wentylator %s "
    "\\nobroty=%d[1/min], obr. nast.=%d[1/min], gestosc=%2.3lf[kg/m3]\"\n";
constexpr char kPlot[] =
    "plot 'nast_przed.gnu' title 'przed regulacja' with linespoints, 'nast_po.gnu' title 'po regulacji' "
    "with linespoints, 'nast_qi.gnu' title 'Qi' with lines \n";

void WriteOrNote(const std::string& path, const std::string& bytes, FileProblems& problems)
{
    if (!WriteFileAtomically(path, bytes))
        problems.Add(path);
}

}  // namespace

void WriteCommissioningCharts(const std::string& dir, const CalcRecord& record, const Commissioning& commissioning,
                              FileProblems& problems)
{
    const int32_t storeys = static_cast<int32_t>(commissioning.Storeys.size());
    std::string before;
    std::string after;
    for (int32_t i = 0; i < storeys; ++i) {
        const size_t k = static_cast<size_t>(i);
        const std::string storey = Printf("%d", i + 1) + "  ";
        if (k < commissioning.FlowsBefore.size())
            before += storey + FormatNumber("%f", commissioning.FlowsBefore[k] * kSecondsPerHour) + "\n";
        after += storey + FormatNumber("%f", commissioning.Storeys[k].Flow * kSecondsPerHour) + "\n";
    }
    WriteOrNote(JoinPath(dir, "nast_przed.gnu"), before, problems);
    WriteOrNote(JoinPath(dir, "nast_po.gnu"), after, problems);
    const std::string qi = FormatNumber("%f", commissioning.RequiredFlow * kSecondsPerHour);
    WriteOrNote(JoinPath(dir, "nast_qi.gnu"), "1  " + qi + "\n" + Printf("%d", storeys) + "  " + qi + "\n", problems);

    // The Qi line stays clear of the axis.
    const std::string body = StoreyChartAxes(storeys, "set yrange [0:*]\n") + kPlot;
    const std::string title = FormatTemplate(
        kTitle, {record.FanDesignation ? record.FanDesignation : "", record.FanSpeed, commissioning.Speed, record.AirDensity});
    WriteChartScripts(dir, ChartSet::Commissioning, title, title, body, problems);
}
