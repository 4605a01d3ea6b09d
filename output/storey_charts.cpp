// Point files and scripts of the storey-flow chart. The storey runs along the x axis, the grille
// flow up the y axis: one curve per condition and the required flow per grille as a line; the
// titles keep to ASCII like those of the other sets.
#include "output/storey_charts.h"

#include "output/charts.h"
#include "output/number_format.h"
#include "output/storey_report.h"
#include "output/storage/text_file.h"

namespace {

constexpr double kSecondsPerHour = 3600.0;  // s/h

constexpr char kTitle[] =
    "set title \" \\\"K O R A L I N E X\\\"   sp. z o.o.\\n Rozklad przeplywu na kondygnacjach, wentylator %s "
    "\\nobroty=%d[1/min], gestosc=%2.3lf[kg/m3]\\n%s\"\n";
constexpr char kTitleRegulated[] =
    "set title \" \\\"K O R A L I N E X\\\"   sp. z o.o.\\n Rozklad przeplywu na kondygnacjach, wentylator %s "
    "\\nobroty=%d[1/min], obr. reg.=%2.1lf[1/min], gestosc=%2.3lf[kg/m3]\\n%s\"\n";
constexpr char kQiFile[] = "kond_qi.gnu";

// Point file and ASCII key of each condition.
struct ConditionCurve {
    StoreyCondition Condition;
    const char* PointFile;
    const char* Key;  // printf template of the outside temperature
};
constexpr ConditionCurve kCurves[] = {
    {StoreyCondition::Still,   "kond.gnu",   "bez efektu kominowego"},
    {StoreyCondition::Winter,  "kond_z.gnu", "zima %1.1f C"},
    {StoreyCondition::Summer,  "kond_l.gnu", "lato %1.1f C"},
    {StoreyCondition::Outside, "kond.gnu",   "temperatura zewnetrzna %1.1f C"},
};

const ConditionCurve& CurveOf(StoreyCondition condition)
{
    for (const ConditionCurve& curve : kCurves)
        if (curve.Condition == condition)
            return curve;
    return kCurves[0];
}

void WriteOrNote(const std::string& path, const std::string& bytes, FileProblems& problems)
{
    if (!WriteFileAtomically(path, bytes))
        problems.Add(path);
}

}  // namespace

std::string StoreyChartAxes(int32_t storeys, const char* yRange)
{
    constexpr int32_t kEveryStoreyTicks = 20;  // - : up to this many storeys every storey is numbered
    std::string axes = "set xlabel 'Kondygnacja'\nset ylabel 'Wydajnosc kratki [m3/h]'\nset grid\nset key below\n";
    axes += Printf("set xrange [0.5:%d.5]\n", storeys);
    axes += yRange;
    axes += storeys <= kEveryStoreyTicks ? "set xtics 1\n" : "set xtics 5\n";
    return axes;
}

void WriteStoreyFlowCharts(const std::string& dir, const CalcRecord& record,
                           const std::vector<StoreyConditionFlows>& conditions, FileProblems& problems)
{
    const int32_t storeys = record.StoreyCount;
    std::string plot = "plot ";
    std::string names;
    for (const StoreyConditionFlows& condition : conditions) {
        const ConditionCurve& curve = CurveOf(condition.Condition);
        const std::string key = FormatNumber(curve.Key, condition.OutsideTemperature);
        names += (names.empty() ? "" : ", ") + key;
        if (!HasStoreyRows(condition.Flows))
            continue;
        std::string points;
        for (size_t i = 0; i < condition.Flows.Storeys.size(); ++i)
            points += Printf("%zu", i + 1) + "  " +
                      FormatNumber("%f", condition.Flows.Storeys[i].GrilleFlow * kSecondsPerHour) + "\n";
        WriteOrNote(JoinPath(dir, curve.PointFile), points, problems);
        plot += std::string("'") + curve.PointFile + "' title '" + key + "' with linespoints, ";
    }
    const std::string required = FormatNumber("%f", record.RequiredGrilleFlowHourly);
    WriteOrNote(JoinPath(dir, kQiFile), "0.5  " + required + "\n" + Printf("%d.5", storeys) + "  " + required + "\n",
                problems);
    plot += std::string("'") + kQiFile + "' title 'Qi=" + FormatNumber("%1.1f", record.RequiredGrilleFlowHourly) +
            " m3/h' with lines \n";

    const std::string body = StoreyChartAxes(storeys, "") + plot;
    const char* designation = record.FanDesignation ? record.FanDesignation : "";
    const std::string title =
        StoreySolveSpeed(record) > 0.0
            ? FormatTemplate(kTitleRegulated,
                             {designation, record.FanSpeed, StoreySolveSpeed(record), record.AirDensity, names.c_str()})
            : FormatTemplate(kTitle, {designation, record.FanSpeed, record.AirDensity, names.c_str()});
    WriteChartScripts(dir, ChartSet::StoreyFlows, title, title, body, problems);
}
