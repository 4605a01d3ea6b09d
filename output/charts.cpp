// Chart point files and gnuplot scripts of the four chart sets, and the save scripts. Each file
// is built whole in memory and written in one go; a file that cannot be written is noted and the
// writer goes on with the next one.
#include "output/charts.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "model/operating_point.h"
#include "output/cp1250.h"
#include "output/number_format.h"
#include "output/storage/text_file.h"

namespace {

// clang-format off
// Columns: display script, GIF script, copy script, save script, GIF picture, HTML report, the
// point files the GIF script plots.
constexpr ChartFiles kChartFiles[6] = {
    {"wykres.gnu",        "gif.gnu",        "tmp1.gnu", "gifd1.gnu", "wykresy/wykres.gif",        "wykresy/wykresy.html",        {"1.gnu", "siec.gnu"}},
    {"wykres_tl.gnu",     "gif_tl.gnu",     "tmp2.gnu", "gifd2.gnu", "wykresy/wykres_tl.gif",     "wykresy/wykresy_tl.html",     {"1.gnu", "siec.gnu", "pt.gnu", "tc.gnu"}},
    {"wykres_reg.gnu",    "gif_reg.gnu",    "tmp3.gnu", "gifd3.gnu", "wykresy/wykres_reg.gif",    "wykresy/wykresy_reg.html",    {"1.gnu", "siec.gnu", "reg.gnu"}},
    {"wykres_reg_tl.gnu", "gif_reg_tl.gnu", "tmp4.gnu", "gifd4.gnu", "wykresy/wykres_reg_tl.gif", "wykresy/wykresy_reg_tl.html", {"1.gnu", "siec.gnu", "pt.gnu", "tc.gnu", "reg_tl.gnu"}},
    {"wykres_kond.gnu",   "gif_kond.gnu",   "tmp5.gnu", "gifd5.gnu", "wykresy/wykres_kond.gif",   "wykresy/wykresy_kond.html",   {"kond.gnu", "kond_z.gnu", "kond_l.gnu", "kond_qi.gnu"}},
    {"wykres_nast.gnu",   "gif_nast.gnu",   "tmp6.gnu", "gifd6.gnu", "wykresy/wykres_nast.gif",   "wykresy/wykresy_nast.html",   {"nast_przed.gnu", "nast_po.gnu", "nast_qi.gnu"}},
};
// clang-format on

constexpr double kSampleStep = 0.005;          // - : flow-coefficient step of every curve file
constexpr double kNetworkBeyondPoint = 0.01;   // - : the network curve ends this far past phi*

// Title templates. Backslash-quote and backslash-n stay in the file: gnuplot reads them as a
// quote and a line break inside its title string.
constexpr char kTitleDisplay[] =  // T1
    "set title \" \\\"K O R A L I N E X\\\"   sp. z o.o.\\n Charakterystyka wentylatora %s"
    "\\nobroty=%d[1/min], gestosc=%2.3lf[kg/m3]\"\n";
constexpr char kTitlePlain[] =  // T2
    "set title \" \\\"K O R A L I N E X\\\"   sp. z o.o.\\n Charakterystyka wentylatora %s "
    "\\nobroty=%d[1/min], gestosc=%2.3lf[kg/m3]\"\n";
constexpr char kTitleRegulated[] =  // T3
    "set title \" \\\"K O R A L I N E X\\\"   sp. z o.o.\\n Charakterystyka wentylatora %s "
    "\\nobroty=%d[1/min], obr. reg.=%2.1lf[1/min], gestosc=%2.3lf[kg/m3]\"\n";

constexpr char kPlotFan[] =
    "plot '1.gnu' title '' with lines, 'siec.gnu' title '' with lines \n";
constexpr char kPlotSilencers[] =
    "plot '1.gnu' title 'wentylator' with lines, 'siec.gnu' title '' with lines, "
    "'pt.gnu' title 'wentylator z podstawa tlumiaca' with lines, "
    "'tc.gnu' title 'wentylator z tlumikiem cylindrycznym' with lines \n";
constexpr char kPlotRegulated[] =
    "plot '1.gnu' title '' with lines, 'siec.gnu' title '' with lines, "
    "'reg.gnu' title '' with linespoints \n";
constexpr char kPlotRegulatedSilencers[] =
    "plot '1.gnu' title 'wentylator' with lines, 'siec.gnu' title '' with lines, "
    "'pt.gnu' title 'wentylator z podstawa tlumiaca' with lines, "
    "'tc.gnu' title 'wentylator z tlumikiem cylindrycznym' with lines, "
    "'reg_tl.gnu' title '' with linespoints \n";

constexpr char kXLabel[] = "set xlabel 'Wydajnosc [m3/s]'\n";
constexpr char kYLabel[] = "set ylabel 'Cisnienie statyczne [Pa]'\n";
constexpr char kGrid[] = "set grid\n";
constexpr char kTerminal[] = "set terminal gif  size 507,380 \n";
constexpr char kPause[] = "pause -1 'Koniec wyświetlania wykresów' \n";  // written in code page 1250

const char* Designation(const CalcRecord& record)
{
    return record.FanDesignation ? record.FanDesignation : "";
}

std::string PlainTitle(const char* tmpl, const CalcRecord& record)
{
    return FormatTemplate(tmpl, {Designation(record), record.FanSpeed, record.AirDensity});
}

std::string RegulatedTitle(const CalcRecord& record, double regulatedSpeed)
{
    return FormatTemplate(kTitleRegulated,
                          {Designation(record), record.FanSpeed, regulatedSpeed, record.AirDensity});
}

void WriteOrNote(const std::string& path, std::string_view bytes, FileProblems& problems)
{
    if (!WriteFileAtomically(path, bytes))
        problems.Add(path);
}

std::string PointLine(double flow, double pressure)
{
    return FormatNumber("%f", flow) + "  " + FormatNumber("%f", pressure) + "\n";
}

// A curve sampled in phi by repeated addition of 0.005 while `goOn(phi)` holds; the first point
// with negative pressure ends the curve and is not written.
template <typename GoOn, typename PressureAt>
std::string SampleCurve(double phiStart, GoOn goOn, double flowScale, PressureAt pressureAt)
{
    std::string text;
    for (double phi = phiStart; goOn(phi); phi += kSampleStep) {
        const double flow = flowScale * phi;
        const double pressure = pressureAt(phi, flow);
        if (pressure < 0.0)
            break;
        text += PointLine(flow, pressure);
    }
    return text;
}

// A silencer variant: sampled while phi < phimax + 0.005, so the last point may lie beyond
// phimax; a missing variant (range 0-0, coefficients 0) gives the single point (0, 0).
std::string VariantCurve(const Characteristic& variant, const FanScales& scales)
{
    const double bound = variant.Range.Max + kSampleStep;
    return SampleCurve(
        variant.Range.Min, [bound](double phi) { return phi < bound; }, scales.TotalFlow,
        [&](double phi, double) { return PressureCoefficient(variant.Coefficients, phi) * scales.Pressure; });
}

// The scripts of the four flow-pressure sets. The display script takes its own title (T1 for
// the fan charts), the GIF and copy scripts share the other.
void WriteScripts(const std::string& dir, ChartSet set, const std::string& displayTitle,
                  const std::string& title, const char* plotLine, FileProblems& problems)
{
    std::string body = kXLabel;
    body += kYLabel;
    body += kGrid;
    body += plotLine;
    WriteChartScripts(dir, set, displayTitle, title, body, problems);
}

}  // namespace

void WriteChartScripts(const std::string& dir, ChartSet set, const std::string& displayTitle,
                       const std::string& title, const std::string& body, FileProblems& problems)
{
    const ChartFiles& files = FilesOf(set);
    const std::string display = displayTitle + body + kPause;
    const std::string gif = "set output '" + std::string(files.Picture) + "'\n" + kTerminal + title + body;
    const std::string copy = title + body;

    WriteOrNote(JoinPath(dir, files.DisplayScript), Utf8ToCp1250(display), problems);
    WriteOrNote(JoinPath(dir, files.GifScript), Utf8ToCp1250(gif), problems);
    WriteOrNote(JoinPath(dir, files.CopyScript), Utf8ToCp1250(copy), problems);
}

const ChartFiles& FilesOf(ChartSet set)
{
    return kChartFiles[static_cast<int>(set) - 1];
}

void WriteFanCharts(const std::string& dir, const CalcRecord& record, const FanEntry& entry,
                    double operatingFlowCoefficient, FileProblems& problems)
{
    const FanScales scales = ComputeScales(entry, record.AirDensity, record.StoreyCount);

    const double phiMax = entry.FlowCoefficientRange.Max;
    const std::string fan = SampleCurve(
        entry.FlowCoefficientRange.Min, [phiMax](double phi) { return phi <= phiMax; }, scales.TotalFlow,
        [&](double phi, double) { return PressureCoefficient(entry.PressureCoefficients, phi) * scales.Pressure; });
    WriteOrNote(JoinPath(dir, "1.gnu"), fan, problems);

    // The network dp = R * Q^2 with the R of this calculation, so it passes through the
    // operating point and ends a little beyond it.
    const double phiEnd = operatingFlowCoefficient + kNetworkBeyondPoint;
    const double r = record.NetworkCoefficient;
    const std::string network = SampleCurve(
        entry.FlowCoefficientRange.Min, [phiEnd](double phi) { return phi <= phiEnd; }, scales.TotalFlow,
        [r](double, double flow) { return r * flow * flow; });
    WriteOrNote(JoinPath(dir, "siec.gnu"), network, problems);

    WriteScripts(dir, ChartSet::Fan, PlainTitle(kTitleDisplay, record), PlainTitle(kTitlePlain, record),
                 kPlotFan, problems);
}

void WriteSilencerCharts(const std::string& dir, const CalcRecord& record, const FanEntry& entry,
                         FileProblems& problems)
{
    const FanScales scales = ComputeScales(entry, record.AirDensity, record.StoreyCount);
    WriteOrNote(JoinPath(dir, "pt.gnu"), VariantCurve(entry.BaseCharacteristic, scales), problems);
    WriteOrNote(JoinPath(dir, "tc.gnu"), VariantCurve(entry.SilencerCharacteristic, scales), problems);

    WriteScripts(dir, ChartSet::Silencers, PlainTitle(kTitleDisplay, record), PlainTitle(kTitlePlain, record),
                 kPlotSilencers, problems);
}

void WriteRegulatedCharts(const std::string& dir, const CalcRecord& record, FileProblems& problems)
{
    WriteOrNote(JoinPath(dir, "reg.gnu"), PointLine(record.RegulatedFlow, record.RegulatedPressure), problems);

    const std::string title = RegulatedTitle(record, record.RegulatedSpeed);
    WriteScripts(dir, ChartSet::Regulated, title, title, kPlotRegulated, problems);
}

void WriteRegulatedSilencerCharts(const std::string& dir, const CalcRecord& record, FileProblems& problems)
{
    WriteOrNote(JoinPath(dir, "reg_tl.gnu"),
                PointLine(record.VariantRegulatedFlow, record.VariantRegulatedPressure), problems);

    // One choice for all three scripts: a variant that cannot be regulated has no regulated
    // speed to show.
    const std::string title = record.VariantRegulatedSpeed != 0.0
                                  ? RegulatedTitle(record, record.VariantRegulatedSpeed)
                                  : PlainTitle(kTitlePlain, record);
    WriteScripts(dir, ChartSet::RegulatedSilencers, title, title, kPlotRegulatedSilencers, problems);
}

bool WriteSaveScript(const std::string& dir, ChartSet set, const std::string& pictureFullPath,
                     FileProblems& problems)
{
    const ChartFiles& files = FilesOf(set);
    const std::optional<std::string> copy = ReadWholeFile(JoinPath(dir, files.CopyScript));
    if (!copy)
        return false;
    // The default GIF size of the plotting program, not the report's 507 x 380; the copy script
    // follows byte for byte with nothing after it. The name stands alone between the quotes
    // (blanks there would become part of the name), with every quote in it doubled.
    std::error_code error;
    std::string absolute = std::filesystem::absolute(pictureFullPath, error).lexically_normal().string();
    if (error)
        absolute = pictureFullPath;
    std::string quoted;
    for (const char c : absolute)
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    std::string script = "set terminal gif\n";
    script += "set output '" + quoted + "'\n";
    script += *copy;
    const std::string path = JoinPath(dir, files.SaveScript);
    if (!WriteFileAtomically(path, script)) {
        problems.Add(path);
        return false;
    }
    return true;
}

bool IsStale(const std::string& dir, ChartSet set)
{
    namespace fs = std::filesystem;
    const char* point = set == ChartSet::Regulated ? "reg.gnu" : set == ChartSet::RegulatedSilencers ? "reg_tl.gnu" : nullptr;
    std::error_code error;
    if (!point)
        return false;
    const fs::file_time_type written = fs::last_write_time(JoinPath(dir, point), error);
    if (error)
        return false;
    for (const char* selection : {"1.gnu", "siec.gnu", "pt.gnu", "tc.gnu"}) {
        const fs::file_time_type selected = fs::last_write_time(JoinPath(dir, selection), error);
        if (!error && selected > written)
            return true;
    }
    return false;
}

std::string SaveNameWithGif(const std::string& chosen)
{
    if (chosen.find(".gif") != std::string::npos)
        return chosen;
    return chosen + ".gif";
}
