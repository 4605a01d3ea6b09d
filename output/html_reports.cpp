// The four HTML reports in "wykresy": letterhead, chart picture, input data, results and closing,
// each block written from fixed templates. The page is put together in UTF-8 and converted to
// code page 1250 as a whole at the end; values go in without HTML escaping.
#include "output/html_reports.h"

#include <algorithm>
#include <cmath>

#include "output/cp1250.h"
#include "output/number_format.h"
#include "output/storey_html.h"
#include "output/text_file.h"

namespace {

constexpr double kSecondsPerHour = 3600.0;

// The letterhead's contact details; the texts around them are fixed markup.
constexpr char kOfficeAddress[] = "ul. Przykładowa 1, 00-000 Miasto";
constexpr char kOfficePhones[] = "tel. (00) 000 00 00, fax (00) 000 00 01";
constexpr char kWorksAddress[] = "ul. Przykładowa 2, 00-000 Miasto";
constexpr char kWorksPhones[] = "tel. (00) 000 00 02, fax (00) 000 00 03";
constexpr char kWebAddress[] = "http://www.koralinex.example";
constexpr char kEmailAddress[] = "biuro@koralinex.example";

struct MaterialRow {
    double Roughness;  // - : DuctRoughness, compared exactly
    const char* Row;
};

// Columns: roughness coefficient, material row.
constexpr MaterialRow kMaterialRows[] = {
    {1.8,  "<tr><td>Rodzaj materiału:</td><td>rura stalowa ocynkowana czysta.</td></tr>\n"},
    {2.5,  "<tr><td>Rodzaj materiału:</td><td>nowa rura odlewana, blacha stalowa, gładki cement.</td></tr>\n"},
    {3.0,  "<tr><td>Rodzaj materiału:</td><td>zwyczajnie ocynkowana rura stalowa. </td></tr>\n"},
    {5.0,  "<tr><td>Rodzaj materiału:</td><td>stara rura stalowa zardzewiała. </td></tr>\n"},
    {7.5,  "<tr><td>Rodzaj materiału:</td><td>surowy cement lub deski. </td></tr>\n"},
    {10.0, "<tr><td>Rodzaj materiału:</td><td>cegła. </td></tr>\n"},
};

// Variant lines of the regulated-with-silencers report, by RegulationVariant 0, 1, 2.
constexpr const char* kVariantLines[] = {
    "<tr><td colspan=\"2\">Wyniki obliczeń dla wentylatora.</td></tr>\n",
    "<tr><td colspan=\"2\">Wyniki obliczeń dla wentylatora z podstawą tłumiącą.</td></tr>\n",
    "<tr><td colspan=\"2\">Wyniki obliczeń dla wentylatora z tłumikiem cylindrycznym.</td></tr>\n",
};

void AppendHead(std::string& page)
{
    page += "\n";
    page += "<html>\n";
    page += "<head>\n";
    page += "<meta http-equiv=\"Content-Language\" content=\"pl\">\n";
    page += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">\n";
    page += "<title>Program doboru wentylatorów firmy KORALINEX</title>\n";
    page += "<style>\n";
    page += "body,td,a {font-family:Verdana, arial,sans-serif;font-size :  11px; font-weight :  normal; "
            "text-decoration :  none; line-height :  13px; }\n";
    page += "</style>\n";
    page += "</head>\n";
    page += "<body>\n";
    page += "<table align=\"center\" border=\"0\" width=\"90%\">\n";
    page += "<tr><td align=\"center\">\n";
    page += "<b>\"KORALINEX\" sp. z o.o.</b><br>\n";
    page += std::string("Biuro techniczno-handlowe:<br> ") + kOfficeAddress + "<br>\n";
    page += std::string(kOfficePhones) + "<br><br>\n";
    page += std::string("Produkcja i magazyny: <br>") + kWorksAddress + "<br>\n";
    page += std::string(kWorksPhones) + "</td>\n";
    page += "<td align=\"center\">\n";
    page += std::string("<a href=\"") + kWebAddress + "\"><img src=\"koralinex.jpg\" border=\"0\"></a><br>\n";
    page += std::string("<a href=\"mailto:") + kEmailAddress + "\">e-mail: " + kEmailAddress + "</a><br>\n";
    page += std::string("<a href=\"") + kWebAddress + "\">" + kWebAddress + "</a>\n";
    page += "</td></tr>\n";
}

void AppendPicture(std::string& page, ChartSet set)
{
    // The page lies beside the picture, so it names the picture without the directory.
    std::string_view picture = FilesOf(set).Picture;
    picture.remove_prefix(picture.rfind('/') + 1);
    page += FormatTemplate("<tr><td colspan=\"2\" align=\"center\"><img src=\"%s\"></td></tr>\n", {picture});
}

void AppendInputs(std::string& page, const CalcRecord& r)
{
    page += "<tr><td colspan=\"2\">\n";
    page += "<table border=\"0\" align=\"center\">\n";
    page += "<tr><td colspan=\"2\" align=\"center\"><b>Dane do obliczeń</b></td></tr>\n";
    page += FormatTemplate("<tr><td>Nazwa wentylatora:</td><td>%s obroty= %d [1/min]</td></tr>\n",
                           {r.FanDesignation, r.FanSpeed});
    page += FormatTemplate("<tr><td>Gęstość powietrza</td><td>= %1.3f [kg/m3]</td></tr>\n", {r.AirDensity});
    if (r.DuctShape != 0) {
        page += FormatTemplate("<tr><td>Kanał okrągły o średnicy</td><td>= %1.3f [m]</td></tr>\n", {r.DuctDiameter});
    } else {
        page += FormatTemplate("<tr><td>Kanał prostokątny o wymiarach</td><td>= %1.3f [m]x%1.3f [m] </td></tr>\n",
                               {r.DuctSideA, r.DuctSideB});
        page += FormatTemplate("<tr><td>Średnica równoważna kanału</td><td>= %1.3f [m]</td></tr>\n",
                               {r.DuctDiameter});
    }
    // Six separate equality tests: a roughness that matches none of them gives no row.
    for (const MaterialRow& material : kMaterialRows) {
        if (r.DuctRoughness == material.Roughness)
            page += material.Row;
    }
    page += "<tr><td colspan=\"2\" align=\"center\">Budynek wielokondygnacyjny:</td></tr>\n";
    page += FormatTemplate("<tr><td>Ilość kondygnacji</td><td>= %d [-]</td></tr>\n", {r.StoreyCount});
    page += FormatTemplate("<tr><td>Wysokość jednej kondygnacji</td><td>= %1.2f [m]</td></tr>\n", {r.StoreyHeight});
    if (r.InstallationKind == 1) {
        page += FormatTemplate("<tr><td>Kratka prostokątna o wymiarach</td><td>= %1.3f [m]x%1.3f [m] </td></tr>\n",
                               {r.GrilleSizeA, r.GrilleSizeB});
    } else {
        page += FormatTemplate("<tr><td>Kratka okrągła o średnicy</td><td>= %1.3f [m]</td></tr>\n", {r.GrilleSizeA});
    }
    page += FormatTemplate("<tr><td>Współczynnik strat kratki</td><td>= %1.2f [-]</td></tr>\n",
                           {r.GrilleLossCoefficient});
    page += "<tr><td colspan=\"2\" align=\"center\"><b>Obliczone wartości</b></td></tr>\n";
}

// Entries 0..StoreyCount, numbered from 1; the last one is the pressure at the fan. Up to 8
// storeys one column pair, from 9 on two pairs side by side. Only entries that exist in
// StoreyPressure are shown, whatever StoreyCount holds.
void AppendStoreyTable(std::string& page, const CalcRecord& r)
{
    const int32_t entries = std::clamp<int32_t>(r.StoreyCount + 1, 0, kStoreyPressureSlots);
    if (r.StoreyCount < 9) {
        page += "<tr><td colspan=\"2\"><table border=\"0\" width=\"40%\">";
        page += "<tr><td>Kondygnacja</td><td>Podciśnienie</td></tr>\n";
        for (int32_t k = 0; k < entries; ++k) {
            page += FormatTemplate("<tr><td align=\"center\">%d</td><td align=\"right\">%1.1f [Pa]</td></tr>\n",
                                   {k + 1, r.StoreyPressure[k]});
        }
    } else {
        page += "<tr><td colspan=\"2\"><table border=\"0\" width=\"80%\">";
        page += "<tr><td>Kondygnacja</td><td>Podciśnienie</td><td>&nbsp;</td><td>Kondygnacja</td>"
                "<td>Podciśnienie</td></tr>\n";
        for (int32_t k = 0; k < entries; ++k) {
            // Even entries open a row, odd ones close it; an odd count leaves the last row open.
            if (std::fmod(static_cast<double>(k), 2.0) == 0.0) {
                page += FormatTemplate("<tr><td align=\"center\">%d</td><td align=\"right\">%1.1f [Pa]</td>\n",
                                       {k + 1, r.StoreyPressure[k]});
            } else {
                page += FormatTemplate("<td>&nbsp;&nbsp;&nbsp;&nbsp;</td><td align=\"center\">%d</td>"
                                       "<td align=\"right\">%1.1f [Pa]</td></tr>\n",
                                       {k + 1, r.StoreyPressure[k]});
            }
        }
    }
    page += "</table></td></tr>";
}

void AppendOperatingPoint(std::string& page, const CalcRecord& r)
{
    page += FormatTemplate("<tr><td>Wydajność na kratce Qi</td><td>= %1.1f [m3/h]</td></tr>\n", {r.GrilleFlowHourly});
    page += FormatTemplate("<tr><td>Wydajność sekundowa wentylatora Q</td><td>= %1.3f [m3/s]</td></tr>\n",
                           {r.FanFlow});
    page += FormatTemplate("<tr><td>Wydajność godzinowa wentylatora Qh</td><td>= %2.0f [m3/h]</td></tr>\n",
                           {r.FanFlowHourly});
    page += FormatTemplate("<tr><td>Podciśnienie wentylatora DPsw</td><td>= %1.1f [Pa]</td></tr>\n",
                           {r.FanPressure});
    page += FormatTemplate("<tr><td>Prędkość w kanale c</td><td>= %1.1f [m/s]</td></tr>\n", {r.DuctVelocity});
    page += "<tr><td colspan=\"2\">Rozkład ciśnienia w kanale:</td></tr>\n";
    AppendStoreyTable(page, r);
}

// The plain fan from the record beside both silencer variants; a variant without intersection
// (flow exactly 0.0) gets its notice above the table and zeros in its column.
void AppendVariants(std::string& page, const CalcRecord& r)
{
    const double storeys = r.StoreyCount;
    if (r.BaseFlow == 0.0) {
        page += "<tr><td colspan=\"2\" align=\"center\">Charakterystyka sieci nie przecina się z charakterystyką "
                "wentylatora z podstawą tłumiącą!</td></tr>\n";
    }
    if (r.SilencerFlow == 0.0) {
        page += "<tr><td colspan=\"2\" align=\"center\">Charakterystyka sieci nie przecina się z charakterystyką "
                "wentylatora z tłumikiem cylindrycznym!</td></tr>\n";
    }
    page += "<tr><td colspan=\"2\" align=\"center\"><table border=\"0\">";
    page += "<tr><td>&nbsp;</td><td>Wentylator&nbsp;&nbsp;</td><td>Wentylator<br>z podstawą tłumiącą</td>"
            "<td>Wentylator<br>z tłumikiem cylindrycznym</td></tr>\n";
    page += FormatTemplate("<tr><td>Wydajność na kratce Qi</td><td align=\"right\">%1.1f[m3/h]</td>"
                           "<td align=\"right\">%1.1f[m3/h]</td><td align=\"right\">%1.1f[m3/h]</td></tr>\n",
                           {r.GrilleFlowHourly, r.BaseFlow * kSecondsPerHour / storeys,
                            r.SilencerFlow * kSecondsPerHour / storeys});
    page += FormatTemplate("<tr><td>Wydajność sekundowa wentylatora Q</td><td align=\"right\">%1.3f[m3/s]</td>"
                           "<td align=\"right\">%1.3f[m3/s]</td><td align=\"right\">%1.3f[m3/s]</td></tr>\n",
                           {r.FanFlow, r.BaseFlow, r.SilencerFlow});
    page += FormatTemplate("<tr><td>Wydajność godzinowa wentylatora Qh</td><td align=\"right\">%2.0f[m3/h]</td>"
                           "<td align=\"right\">%2.0f[m3/h]</td><td align=\"right\">%2.0f[m3/h]</td></tr>\n",
                           {r.FanFlowHourly, r.BaseFlow * kSecondsPerHour, r.SilencerFlow * kSecondsPerHour});
    page += FormatTemplate("<tr><td>Podciśnienie wentylatora DPsw</td><td align=\"right\">%1.1f[Pa]</td>"
                           "<td align=\"right\">%1.1f[Pa]</td><td align=\"right\">%1.1f[Pa]</td></tr>\n",
                           {r.FanPressure, r.BasePressure, r.SilencerPressure});
    page += FormatTemplate("<tr><td>Prędkość w kanale c</td><td align=\"right\">%1.1f[m/s]</td>"
                           "<td align=\"right\">%1.1f[m/s]</td><td align=\"right\">%1.1f[m/s]</td></tr>\n",
                           {r.DuctVelocity, r.BaseFlow / r.DuctArea, r.SilencerFlow / r.DuctArea});
    page += "</table></td></tr>";
}

// The requested flow Qr with its network pressure Pr, per grille, per hour and as duct velocity.
void AppendRegulated(std::string& page, const CalcRecord& r, double flow, double pressure)
{
    const double storeys = r.StoreyCount;
    page += FormatTemplate("<tr><td>Wydajność regulowana Qr</td><td>= %1.3f [m3/s]</td></tr>\n", {flow});
    page += FormatTemplate("<tr><td>Wydajność regulowana na kratkach Qjrh</td><td>= %1.3f [m3/h]</td></tr>\n",
                           {flow * kSecondsPerHour / storeys});
    page += FormatTemplate("<tr><td>Wydajność regulowana godzinowa Qrh</td><td>= %2.0f [m3/h]</td></tr>\n",
                           {flow * kSecondsPerHour});
    page += FormatTemplate("<tr><td>Spiętrzenie statyczne Pstr</td><td>= %1.3f [Pa]</td></tr>\n", {pressure});
    page += FormatTemplate("<tr><td>Prędkość regulowana w kanale</td><td>= %1.3f [m/s]</td></tr>\n",
                           {flow / r.DuctArea});
}

void AppendClosing(std::string& page)
{
    page += "</table>";
    page += "</td></tr>\n";
    page += "</table>\n";
    page += "</body>\n";
    page += "</html>\n";
}

}  // namespace

std::string HtmlReportText(ChartSet set, const CalcRecord& record)
{
    std::string page;
    AppendHead(page);
    AppendPicture(page, set);
    AppendInputs(page, record);
    switch (set) {
    case ChartSet::Fan:
        AppendOperatingPoint(page, record);
        break;
    case ChartSet::Silencers:
        AppendVariants(page, record);
        break;
    case ChartSet::Regulated:
        AppendOperatingPoint(page, record);
        AppendRegulated(page, record, record.RegulatedFlow, record.RegulatedPressure);
        break;
    case ChartSet::RegulatedSilencers:
        if (record.RegulationVariant >= 0 && record.RegulationVariant <= 2)
            page += kVariantLines[record.RegulationVariant];
        AppendRegulated(page, record, record.VariantRegulatedFlow, record.VariantRegulatedPressure);
        break;
    case ChartSet::StoreyFlows:
        AppendStoreyFlowPage(page, record);
        break;
    }
    AppendClosing(page);
    return Utf8ToCp1250(page);
}

void WriteHtmlReport(const std::string& dir, ChartSet set, const CalcRecord& record, FileProblems& problems)
{
    const std::string path = JoinPath(dir, FilesOf(set).HtmlReport);
    if (!WriteFileAtomically(path, HtmlReportText(set, record)))
        problems.Add(path);
}
