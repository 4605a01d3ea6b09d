// Point files and scripts of the storey-flow chart. The storey runs along the x axis, the grille
// flow up the y axis; the titles keep to ASCII like those of the other sets.
#include "output/storey_charts.h"

#include "output/charts.h"
#include "output/number_format.h"
#include "output/storey_report.h"
#include "output/storage/text_file.h"

namespace {

constexpr double kSecondsPerHour = 3600.0;  // s/h
constexpr int32_t kEveryStoreyTicks = 20;   // - : up to this many storeys every storey is numbered

constexpr char kTitle[] =
    "set title \" \\\"K O R A L I N E X\\\"   sp. z o.o.\\n Rozklad przeplywu na kondygnacjach, wentylator %s "
    "\\nobroty=%d[1/min], gestosc=%2.3lf[kg/m3]\"\n";
constexpr char kTitleRegulated[] =
    "set title \" \\\"K O R A L I N E X\\\"   sp. z o.o.\\n Rozklad przeplywu na kondygnacjach, wentylator %s "
    "\\nobroty=%d[1/min], obr. reg.=%2.1lf[1/min], gestosc=%2.3lf[kg/m3]\"\n";
constexpr char kLabels[] =
    "set xlabel 'Kondygnacja'\nset ylabel 'Wydajnosc kratki [m3/h]'\nset grid\nset key below\n";
constexpr char kPlot[] =
    "plot 'kond.gnu' title 'przeplyw rzeczywisty' with linespoints, 'kond_r.gnu' title 'rowny podzial' with lines \n";

void WriteOrNote(const std::string& path, const std::string& bytes, FileProblems& problems)
{
    if (!WriteFileAtomically(path, bytes))
        problems.Add(path);
}

}  // namespace

void WriteStoreyFlowCharts(const std::string& dir, const CalcRecord& record, const StoreyFlows& flows,
                           FileProblems& problems)
{
    const int32_t storeys = static_cast<int32_t>(flows.Storeys.size());
    std::string points;
    for (int32_t i = 0; i < storeys; ++i)
        points += Printf("%d", i + 1) + "  " +
                  FormatNumber("%f", flows.Storeys[static_cast<size_t>(i)].GrilleFlow * kSecondsPerHour) + "\n";
    WriteOrNote(JoinPath(dir, "kond.gnu"), points, problems);

    const std::string equal = FormatNumber("%f", EqualFlowResult(record).GrilleFlowHourly);
    WriteOrNote(JoinPath(dir, "kond_r.gnu"), "1  " + equal + "\n" + Printf("%d", storeys) + "  " + equal + "\n",
                problems);

    std::string body = kLabels;
    body += Printf("set xrange [0.5:%d.5]\n", storeys);
    body += storeys <= kEveryStoreyTicks ? "set xtics 1\n" : "set xtics 5\n";
    body += kPlot;
    const char* designation = record.FanDesignation ? record.FanDesignation : "";
    const std::string title =
        record.StoreyFanSpeed > 0.0
            ? FormatTemplate(kTitleRegulated, {designation, record.FanSpeed, record.StoreyFanSpeed, record.AirDensity})
            : FormatTemplate(kTitle, {designation, record.FanSpeed, record.AirDensity});
    WriteChartScripts(dir, ChartSet::StoreyFlows, title, title, body, problems);
}
