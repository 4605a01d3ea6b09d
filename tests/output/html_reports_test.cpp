// The four HTML reports, compared with golden files (code page 1250), and their variable rows.
#include "output/html_reports.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "output/cp1250.h"
#include "output/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

// A building of `storeys` storeys after a successful fan selection, rectangular duct and
// rectangular grilles; storey pressures 10.05, 20.05, ... so each one shows its rounding.
CalcRecord ReportRecord(int32_t storeys)
{
    CalcRecord r;
    ResetCalcRecord(r);
    r.DuctShape = 0;
    r.InstallationKind = 1;
    r.FanIndex = 5;
    r.AirDensity = 1.2;
    r.DuctRoughness = 1.8;
    r.DuctSideA = 0.5;
    r.DuctSideB = 0.4;
    r.DuctDiameter = 2 * 0.5 * 0.4 / (0.5 + 0.4);
    r.DuctArea = 3.141592653589793 * r.DuctDiameter * r.DuctDiameter * 0.25;
    r.GrilleLossCoefficient = 2.5;
    r.GrilleArea = 0.04;
    r.GrilleSizeA = 0.2;
    r.GrilleSizeB = 0.25;
    r.StoreyCount = storeys;
    r.StoreyHeight = 2.85;
    r.FanDesignation = "BRESA-2";
    r.FanSpeed = 960;
    r.GrilleFlowHourly = 90.04;
    r.FanFlow = storeys * 90.04 / 3600.0;
    r.FanFlowHourly = r.FanFlow * 3600.0;
    r.FanPressure = 10.05 * (storeys + 1);
    r.DuctVelocity = r.FanFlow / r.DuctArea;
    for (int32_t k = 0; k <= storeys && k < kStoreyPressureSlots; ++k)
        r.StoreyPressure[k] = 10.05 * (k + 1);
    r.NetworkCoefficient = r.FanPressure / (r.FanFlow * r.FanFlow);
    r.BaseFlow = 0.21;
    r.BasePressure = 35.5;
    r.SilencerFlow = 0.19;
    r.SilencerPressure = 30.25;
    r.RegulatedFlow = 0.15;
    r.RegulatedPressure = r.NetworkCoefficient * 0.15 * 0.15;
    r.RegulatedSpeed = 700.0;
    r.VariantRegulatedFlow = 0.12;
    r.VariantRegulatedPressure = r.NetworkCoefficient * 0.12 * 0.12;
    r.RegulationVariant = 1;
    r.VariantRegulatedSpeed = 650.0;
    return r;
}

CalcRecord EmptyRecord()
{
    CalcRecord r;
    ResetCalcRecord(r);
    return r;
}

std::string Golden(const std::string& name, ChartSet set, const CalcRecord& record)
{
    return CompareWithGolden("output/html/" + name + ".html", HtmlReportText(set, record));
}

std::string Page(ChartSet set, const CalcRecord& record)
{
    return Cp1250ToUtf8(HtmlReportText(set, record));
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

int Occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

}  // namespace

TEST(html_reports, fan_report_with_8_storeys_has_one_column_pair)
{
    const CalcRecord record = ReportRecord(8);
    EXPECT_EQ(Golden("fan_8_storeys", ChartSet::Fan, record), "");
    const std::string page = Page(ChartSet::Fan, record);
    EXPECT_TRUE(Contains(page, "<table border=\"0\" width=\"40%\">")) << page;
    EXPECT_EQ(Occurrences(page, "<td align=\"right\">"), 9) << "entries 1 to 9";
}

TEST(html_reports, fan_report_with_9_storeys_has_five_full_rows)
{
    CalcRecord record = ReportRecord(9);
    record.DuctShape = 1;
    record.DuctDiameter = 0.4;
    record.InstallationKind = 2;
    record.DuctRoughness = 2.5;
    EXPECT_EQ(Golden("fan_9_storeys_round", ChartSet::Fan, record), "");
    const std::string page = Page(ChartSet::Fan, record);
    EXPECT_EQ(Occurrences(page, "<td>&nbsp;&nbsp;&nbsp;&nbsp;</td>"), 5);
    EXPECT_TRUE(Contains(page, "<td align=\"right\">100.5 [Pa]</td></tr>\n</table></td></tr>")) << page;
}

TEST(html_reports, fan_report_with_10_storeys_leaves_the_last_row_open)
{
    CalcRecord record = ReportRecord(10);
    record.InstallationKind = 3;
    record.DuctRoughness = 4.0;
    EXPECT_EQ(Golden("fan_10_storeys", ChartSet::Fan, record), "");
    const std::string page = Page(ChartSet::Fan, record);
    EXPECT_TRUE(Contains(page, "<tr><td align=\"center\">11</td><td align=\"right\">110.6 [Pa]</td>\n"
                               "</table></td></tr>"))
        << page;
    EXPECT_FALSE(Contains(page, "Rodzaj materiału")) << "roughness 4.0 is none of the six materials";
}

TEST(html_reports, duct_rows_by_shape)
{
    CalcRecord record = ReportRecord(3);
    const std::string rectangular = Page(ChartSet::Fan, record);
    EXPECT_TRUE(Contains(rectangular, "<tr><td>Kanał prostokątny o wymiarach</td><td>= 0.500 [m]x0.400 [m] </td>"
                                      "</tr>\n<tr><td>Średnica równoważna kanału</td><td>= 0.444 [m]</td></tr>\n"))
        << rectangular;
    EXPECT_FALSE(Contains(rectangular, "Kanał okrągły"));
    record.DuctShape = 1;
    const std::string round = Page(ChartSet::Fan, record);
    EXPECT_TRUE(Contains(round, "<tr><td>Kanał okrągły o średnicy</td><td>= 0.444 [m]</td></tr>\n")) << round;
    EXPECT_FALSE(Contains(round, "prostokątny"));
    EXPECT_FALSE(Contains(round, "równoważna"));
}

TEST(html_reports, material_rows)
{
    struct Row {
        double Roughness;
        const char* Expected;  // nullptr: no row
    };
    const Row rows[] = {
        {1.8, "<tr><td>Rodzaj materiału:</td><td>rura stalowa ocynkowana czysta.</td></tr>\n"},
        {2.5, "<tr><td>Rodzaj materiału:</td><td>nowa rura odlewana, blacha stalowa, gładki cement.</td></tr>\n"},
        {3.0, "<tr><td>Rodzaj materiału:</td><td>zwyczajnie ocynkowana rura stalowa. </td></tr>\n"},
        {5.0, "<tr><td>Rodzaj materiału:</td><td>stara rura stalowa zardzewiała. </td></tr>\n"},
        {7.5, "<tr><td>Rodzaj materiału:</td><td>surowy cement lub deski. </td></tr>\n"},
        {10.0, "<tr><td>Rodzaj materiału:</td><td>cegła. </td></tr>\n"},
        {4.0, nullptr},
        {0.0, nullptr},
        {1.8000000000000003, nullptr},
    };
    for (const Row& row : rows) {
        CalcRecord record = ReportRecord(2);
        record.DuctRoughness = row.Roughness;
        const std::string page = Page(ChartSet::Fan, record);
        EXPECT_EQ(Occurrences(page, "Rodzaj materiału"), row.Expected ? 1 : 0) << row.Roughness;
        if (row.Expected) {
            EXPECT_TRUE(Contains(page, row.Expected)) << row.Roughness;
        }
    }
}

TEST(html_reports, grille_row_by_installation_kind)
{
    const std::string rectangular = "<tr><td>Kratka prostokątna o wymiarach</td><td>= 0.200 [m]x0.250 [m] </td></tr>\n";
    const std::string round = "<tr><td>Kratka okrągła o średnicy</td><td>= 0.200 [m]</td></tr>\n";
    for (int32_t kind = 0; kind <= 5; ++kind) {
        CalcRecord record = ReportRecord(2);
        record.InstallationKind = kind;
        const std::string page = Page(ChartSet::Regulated, record);
        EXPECT_TRUE(Contains(page, kind == 1 ? rectangular : round)) << "kind " << kind;
        EXPECT_EQ(Occurrences(page, "<tr><td>Kratka "), 1) << "kind " << kind;
    }
}

TEST(html_reports, variants_table_with_both_intersections)
{
    EXPECT_EQ(Golden("silencers_both", ChartSet::Silencers, ReportRecord(4)), "");
    EXPECT_FALSE(Contains(Page(ChartSet::Silencers, ReportRecord(4)), "nie przecina"));
}

TEST(html_reports, variants_table_without_base_intersection)
{
    CalcRecord record = ReportRecord(4);
    record.BaseFlow = 0.0;
    record.BasePressure = 0.0;
    EXPECT_EQ(Golden("silencers_no_base", ChartSet::Silencers, record), "");
    const std::string page = Page(ChartSet::Silencers, record);
    EXPECT_EQ(Occurrences(page, "nie przecina"), 1);
    EXPECT_TRUE(Contains(page, "z podstawą tłumiącą!</td></tr>\n<tr><td colspan=\"2\" align=\"center\"><table"));
}

TEST(html_reports, variants_table_without_any_intersection)
{
    CalcRecord record = ReportRecord(4);
    record.BaseFlow = record.BasePressure = 0.0;
    record.SilencerFlow = record.SilencerPressure = 0.0;
    EXPECT_EQ(Golden("silencers_none", ChartSet::Silencers, record), "");
    const std::string page = Page(ChartSet::Silencers, record);
    EXPECT_EQ(Occurrences(page, "nie przecina"), 2);
    EXPECT_TRUE(Contains(page, "tłumiącą!</td></tr>\n<tr><td colspan=\"2\" align=\"center\">Charakterystyka sieci "
                               "nie przecina się z charakterystyką wentylatora z tłumikiem cylindrycznym!"));
}

TEST(html_reports, regulated_report)
{
    EXPECT_EQ(Golden("regulated", ChartSet::Regulated, ReportRecord(3)), "");
    const std::string page = Page(ChartSet::Regulated, ReportRecord(3));
    EXPECT_TRUE(Contains(page, "<tr><td>Wydajność regulowana na kratkach Qjrh</td><td>= 180.000 [m3/h]</td></tr>\n"))
        << page;
    EXPECT_TRUE(Contains(page, "<tr><td>Wydajność regulowana godzinowa Qrh</td><td>= 540 [m3/h]</td></tr>\n"));
    EXPECT_FALSE(Contains(page, "700")) << "the regulated speed is only in the chart title";
}

TEST(html_reports, regulated_silencer_report)
{
    EXPECT_EQ(Golden("regulated_silencers", ChartSet::RegulatedSilencers, ReportRecord(3)), "");
    const std::string page = Page(ChartSet::RegulatedSilencers, ReportRecord(3));
    EXPECT_FALSE(Contains(page, "Kondygnacja")) << "no storey table";
    EXPECT_FALSE(Contains(page, "DPsw")) << "no operating-point rows";
    EXPECT_TRUE(Contains(page, "<tr><td>Wydajność regulowana Qr</td><td>= 0.120 [m3/s]</td></tr>\n"));
}

TEST(html_reports, variant_line_by_regulation_variant)
{
    struct Row {
        int32_t Variant;
        const char* Line;  // nullptr: no line
    };
    const Row rows[] = {
        {0, "<tr><td colspan=\"2\">Wyniki obliczeń dla wentylatora.</td></tr>\n"},
        {1, "<tr><td colspan=\"2\">Wyniki obliczeń dla wentylatora z podstawą tłumiącą.</td></tr>\n"},
        {2, "<tr><td colspan=\"2\">Wyniki obliczeń dla wentylatora z tłumikiem cylindrycznym.</td></tr>\n"},
        {3, nullptr},
        {-1, nullptr},
    };
    for (const Row& row : rows) {
        CalcRecord record = ReportRecord(3);
        record.RegulationVariant = row.Variant;
        const std::string page = Page(ChartSet::RegulatedSilencers, record);
        EXPECT_EQ(Occurrences(page, "Wyniki obliczeń"), row.Line ? 1 : 0) << row.Variant;
        if (row.Line) {
            EXPECT_TRUE(Contains(page, std::string("Obliczone wartości</b></td></tr>\n") + row.Line)) << row.Variant;
        }
    }
}

// Right after the reset every quotient has divisor 0: those values show "-", never nan or inf.
TEST(html_reports, empty_record_shows_dashes_for_quotients)
{
    EXPECT_EQ(Golden("empty_silencers", ChartSet::Silencers, EmptyRecord()), "");
    EXPECT_EQ(Golden("empty_regulated_silencers", ChartSet::RegulatedSilencers, EmptyRecord()), "");
    for (ChartSet set : {ChartSet::Fan, ChartSet::Silencers, ChartSet::Regulated, ChartSet::RegulatedSilencers}) {
        const std::string page = Page(set, EmptyRecord());
        EXPECT_FALSE(Contains(page, "nan")) << static_cast<int>(set);
        EXPECT_FALSE(Contains(page, "inf")) << static_cast<int>(set);
    }
    const std::string variants = Page(ChartSet::Silencers, EmptyRecord());
    EXPECT_TRUE(Contains(variants, "<td align=\"right\">0.0[m3/h]</td><td align=\"right\">-[m3/h]</td>"
                                   "<td align=\"right\">-[m3/h]</td>"))
        << variants;
    EXPECT_TRUE(Contains(variants, "<td align=\"right\">0.0[m/s]</td><td align=\"right\">-[m/s]</td>"));
    const std::string regulated = Page(ChartSet::RegulatedSilencers, EmptyRecord());
    EXPECT_TRUE(Contains(regulated, "Qjrh</td><td>= - [m3/h]</td>")) << regulated;
    EXPECT_TRUE(Contains(regulated, "w kanale</td><td>= - [m/s]</td>"));
}

TEST(html_reports, designation_is_written_unescaped)
{
    CalcRecord record = ReportRecord(2);
    record.FanDesignation = "A<B & C";
    const std::string page = Page(ChartSet::Fan, record);
    EXPECT_TRUE(Contains(page, "<tr><td>Nazwa wentylatora:</td><td>A<B & C obroty= 960 [1/min]</td></tr>\n")) << page;
}

TEST(html_reports, storey_count_beyond_the_table_shows_only_existing_entries)
{
    struct Row {
        int32_t Storeys;
        int Entries;
    };
    const Row rows[] = {{-3, 0}, {0, 1}, {99, 100}, {150, 100}};
    for (const Row& row : rows) {
        CalcRecord record = ReportRecord(2);
        record.StoreyCount = row.Storeys;
        const std::string page = Page(ChartSet::Fan, record);
        EXPECT_EQ(Occurrences(page, "<td align=\"right\">"), row.Entries) << row.Storeys;
    }
}

TEST(html_reports, page_is_in_code_page_1250)
{
    const std::string bytes = HtmlReportText(ChartSet::Fan, ReportRecord(2));
    EXPECT_NE(bytes.find("<title>Program doboru wentylator\xf3w firmy KORALINEX</title>\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\xc3\xb3"), std::string::npos) << "no UTF-8 left";
    EXPECT_EQ(bytes.substr(0, 8), "\n<html>\n");
    EXPECT_TRUE(bytes.ends_with("</table></td></tr></table></td></tr>\n</table>\n</body>\n</html>\n"));
}

TEST(html_reports, report_is_written_into_wykresy)
{
    const std::string dir = ScratchDir("write");
    fs::create_directories(JoinPath(dir, "wykresy"));
    FileProblems problems;
    const CalcRecord record = ReportRecord(2);
    WriteHtmlReport(dir, ChartSet::Silencers, record, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "wykresy/wykresy_tl.html")), HtmlReportText(ChartSet::Silencers, record));
}

TEST(html_reports, missing_wykresy_is_reported)
{
    const std::string dir = ScratchDir("no_wykresy");
    FileProblems problems;
    WriteHtmlReport(dir, ChartSet::Regulated, ReportRecord(2), problems);
    WriteHtmlReport(dir, ChartSet::Fan, ReportRecord(2), problems);
    EXPECT_EQ(problems.Message(), "Nie można zapisać plików:\n" + JoinPath(dir, "wykresy/wykresy_reg.html") + "\n" +
                                      JoinPath(dir, "wykresy/wykresy.html"));
}
