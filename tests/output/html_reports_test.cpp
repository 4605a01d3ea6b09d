// The HTML reports, compared with golden files (code page 1250), and the rows a record chooses.
#include "output/html_reports.h"

#include <gtest/gtest.h>

#include "model/operating_point.h"
#include "output/cp1250.h"
#include "support/test_support.h"

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
    r.FanDesignation = "BRESA-2";
    r.FanSpeed = 960;
    r.AirDensity = 1.2;
    r.DuctRoughness = 1.8;
    r.DuctSideA = 0.5;
    r.DuctSideB = 0.4;
    r.StoreyHeight = 2.85;
    r.DuctDiameter = 2 * 0.5 * 0.4 / (0.5 + 0.4);
    r.StoreyCount = storeys;
    r.DuctArea = 3.141592653589793 * r.DuctDiameter * r.DuctDiameter * 0.25;
    r.GrilleLossCoefficient = 2.5;
    r.GrilleArea = 0.04;
    r.GrilleSizeA = 0.2;
    r.GrilleSizeB = 0.25;
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

}  // namespace

TEST(html_reports, golden_pages)
{
    CalcRecord round9 = ReportRecord(9);
    round9.DuctShape = 1;
    round9.DuctDiameter = 0.4;
    round9.InstallationKind = 2;
    round9.DuctRoughness = 2.5;
    CalcRecord ten = ReportRecord(10);
    ten.InstallationKind = 3;
    ten.DuctRoughness = 4.0;  // 4.0: none of the six materials, no material row
    CalcRecord none = ReportRecord(4);
    none.BaseFlow = none.BasePressure = none.SilencerFlow = none.SilencerPressure = 0.0;
    CalcRecord empty;  // right after the reset every quotient has divisor 0: those values show "-"
    ResetCalcRecord(empty);
    // The storey flows of three storeys with round constant-flow grilles of 100 mm at 30 m3/h
    // and CORVA-1/1460, after its fan selection, which finds no equal-flow point here: that
    // column shows zeros, never the record's earlier results.
    CalcRecord storeys = ReportRecord(3);
    storeys.FanIndex = 8;
    storeys.InstallationKind = 4;
    storeys.GrilleSetFlowHourly = 30.0;
    storeys.GrilleLossCoefficient = 77.15;
    storeys.GrilleArea = 0.00785398;
    storeys.GrilleSizeA = 0.1;
    SelectFan(storeys);
    // The commissioning settings of the same building asking 25 m3/h per grille.
    CalcRecord settings = storeys;
    settings.RequiredGrilleFlowHourly = 25.0;
    struct Case { const char* Name; ChartSet Set; CalcRecord Record; };
    const Case cases[] = {
        {"fan_8_storeys", ChartSet::Fan, ReportRecord(8)}, {"fan_9_storeys_round", ChartSet::Fan, round9},
        {"fan_10_storeys", ChartSet::Fan, ten},            {"silencers_both", ChartSet::Silencers, ReportRecord(4)},
        {"silencers_none", ChartSet::Silencers, none},
        {"regulated", ChartSet::Regulated, ReportRecord(3)},
        {"regulated_silencers", ChartSet::RegulatedSilencers, ReportRecord(3)},
        {"empty_regulated_silencers", ChartSet::RegulatedSilencers, empty},
        {"storey_flows", ChartSet::StoreyFlows, storeys}, {"empty_storey_flows", ChartSet::StoreyFlows, empty},
        {"commissioning", ChartSet::Commissioning, settings}, {"empty_commissioning", ChartSet::Commissioning, empty},
        {"empty_fan", ChartSet::Fan, empty}, {"empty_silencers", ChartSet::Silencers, empty},
        {"empty_regulated", ChartSet::Regulated, empty},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CompareWithGolden(std::string("output/html/") + c.Name + ".html", HtmlReportText(c.Set, c.Record)),
                  "");
}

// What a change of the record changes in a page of a three-storey building.
TEST(html_reports, rows_chosen_by_the_record)
{
    struct Row { const char* Name; ChartSet Set; void (*Change)(CalcRecord&); };
    const Row rows[] = {
        {"material of roughness 10", ChartSet::Fan, [](auto& r) { r.DuctRoughness = 10.0; }},
        {"no point with the silencing base", ChartSet::Silencers, [](auto& r) { r.BaseFlow = 0.0; }},
        // Unlike the results report, grille kind 5 is shown round.
        {"grille kind 5", ChartSet::Regulated, [](auto& r) { r.InstallationKind = 5; }},
        {"unknown regulated variant", ChartSet::RegulatedSilencers, [](auto& r) { r.RegulationVariant = 3; }},
        {"designation shown unescaped", ChartSet::Fan, [](auto& r) { r.FanDesignation = "A<B & C"; }},
        // Only entries that exist in StoreyPressure are shown, whatever the storey count.
        {"-3 storeys", ChartSet::Fan, [](auto& r) { r.StoreyCount = -3; }},
        {"no storeys", ChartSet::Fan, [](auto& r) { r.StoreyCount = 0; }},
        {"99 storeys", ChartSet::Fan, [](auto& r) { r.StoreyCount = 99; }},
        {"150 storeys", ChartSet::Fan, [](auto& r) { r.StoreyCount = 150; }},
    };
    std::string dump;
    for (const Row& row : rows) {
        CalcRecord r = ReportRecord(3);
        const std::string base = Cp1250ToUtf8(HtmlReportText(row.Set, r));
        row.Change(r);
        dump += "== " + std::string(row.Name) + "\n" + ChangedLines(base, Cp1250ToUtf8(HtmlReportText(row.Set, r)));
    }
    EXPECT_EQ(CompareWithGolden("output/html/chosen_rows.txt", dump), "");
}
