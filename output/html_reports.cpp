// The four HTML reports in "wykresy": letterhead, chart picture, input data, results and closing,
// each block written from fixed templates. The page is put together in UTF-8 and converted to
// code page 1250 as a whole at the end; values go in without HTML escaping.
#include "output/html_reports.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/installation_kinds.h"
#include "model/materials.h"
#include "output/cp1250.h"
#include "output/number_format.h"
#include "output/result_rows.h"
#include "output/commissioning_report.h"
#include "output/storey_html.h"
#include "output/storage/text_file.h"

namespace {

// The letterhead's contact details; the texts around them are fixed markup.
constexpr char kOfficeAddress[] = "ul. Przykładowa 1, 00-000 Miasto";
constexpr char kOfficePhones[] = "tel. (00) 000 00 00, fax (00) 000 00 01";
constexpr char kWorksAddress[] = "ul. Przykładowa 2, 00-000 Miasto";
constexpr char kWorksPhones[] = "tel. (00) 000 00 02, fax (00) 000 00 03";
constexpr char kWebAddress[] = "http://www.koralinex.example";
constexpr char kEmailAddress[] = "biuro@koralinex.example";

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
    if (r.DuctShape != kRectangularDuct) {
        page += FormatTemplate("<tr><td>Kanał okrągły o średnicy</td><td>= %1.3f [m]</td></tr>\n", {r.DuctDiameter});
    } else {
        page += FormatTemplate("<tr><td>Kanał prostokątny o wymiarach</td><td>= %1.3f [m]x%1.3f [m] </td></tr>\n",
                               {r.DuctSideA, r.DuctSideB});
        page += FormatTemplate("<tr><td>Średnica równoważna kanału</td><td>= %1.3f [m]</td></tr>\n",
                               {r.DuctDiameter});
    }
    // A roughness that matches none of the materials gives no row.
    if (const Material* material = FindMaterial(r.DuctRoughness))
        page += std::string("<tr><td>Rodzaj materiału:</td><td>") + material->HtmlText + "</td></tr>\n";
    page += "<tr><td colspan=\"2\" align=\"center\">Budynek wielokondygnacyjny:</td></tr>\n";
    page += FormatTemplate("<tr><td>Ilość kondygnacji</td><td>= %d [-]</td></tr>\n", {r.StoreyCount});
    page += FormatTemplate("<tr><td>Wysokość jednej kondygnacji</td><td>= %1.2f [m]</td></tr>\n", {r.StoreyHeight});
    if (HtmlGrilleOf(r.InstallationKind) == GrilleOutline::Rectangular) {
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

// "<number> [<unit>]" of a result row in the HTML format, with or without the blank.
std::string HtmlValue(const ResultRow& row, const ResultPoint& point, const char* beforeUnit)
{
    return FormatNumber(row.HtmlFormat, point.*row.Value) + beforeUnit + "[" + row.Unit + "]";
}

// One "label = value" row per result row.
template <size_t N>
void AppendResultRows(std::string& page, const ResultRow (&rows)[N], const ResultPoint& point)
{
    for (const ResultRow& row : rows)
        page += std::string("<tr><td>") + row.Label + "</td><td>= " + HtmlValue(row, point, " ") + "</td></tr>\n";
}

void AppendOperatingPoint(std::string& page, const CalcRecord& r)
{
    AppendResultRows(page, kOperatingPointRows, FanResultPoint(r));
    page += "<tr><td colspan=\"2\">Rozkład ciśnienia w kanale:</td></tr>\n";
    AppendStoreyTable(page, r);
}

// The plain fan from the record beside both silencer variants; a configuration without
// intersection (flow exactly 0.0) gets its notice above the table, the plain fan's first, and
// zeros in its column.
void AppendVariants(std::string& page, const CalcRecord& r)
{
    if (r.FanFlow == 0.0) {
        page += "<tr><td colspan=\"2\" align=\"center\">Charakterystyka sieci nie przecina się z charakterystyką "
                "wentylatora!</td></tr>\n";
    }
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
    const ResultPoint points[] = {FanResultPoint(r), ResultPointOfFlow(r, r.BaseFlow, r.BasePressure),
                                  ResultPointOfFlow(r, r.SilencerFlow, r.SilencerPressure)};
    for (const ResultRow& row : kOperatingPointRows) {
        page += std::string("<tr><td>") + row.Label + "</td>";
        for (const ResultPoint& point : points)
            page += "<td align=\"right\">" + HtmlValue(row, point, "") + "</td>";
        page += "</tr>\n";
    }
    page += "</table></td></tr>";
}

// The requested flow Qr with its network pressure Pr, per grille, per hour and as duct velocity,
// then the regulated speed.
void AppendRegulated(std::string& page, const CalcRecord& r, double flow, double pressure, double speed)
{
    AppendResultRows(page, kRegulatedRows, ResultPointOfFlow(r, flow, pressure));
    page += std::string("<tr><td>") + kRegulatedSpeedLabel + "</td><td>" + RegulatedSpeedText(speed) +
            "</td></tr>\n";
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
        AppendRegulated(page, record, record.RegulatedFlow, record.RegulatedPressure, record.RegulatedSpeed);
        break;
    case ChartSet::RegulatedSilencers:
        if (const char* heading = RegulatedVariantHeading(record.RegulationVariant))
            page += std::string("<tr><td colspan=\"2\">") + heading + "</td></tr>\n";
        AppendRegulated(page, record, record.VariantRegulatedFlow, record.VariantRegulatedPressure,
                        record.VariantRegulatedSpeed);
        break;
    case ChartSet::StoreyFlows:
        AppendStoreyFlowPage(page, record);
        break;
    case ChartSet::Commissioning:
        AppendCommissioningPage(page, record);
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
