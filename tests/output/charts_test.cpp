// Chart point files, plot scripts and save scripts, compared with golden files.
#include "output/charts.h"
#include "output/commissioning_charts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "model/operating_point.h"
#include "output/storey_charts.h"
#include "output/storage/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

// A fan whose pressure coefficient 0.4 - 20 phi^2 turns negative at phi = 0.1414, inside its
// range 0.0-0.2; the silencing base is missing (range 0-0); the silencer's curve is sampled up to
// phi = 0.1, beyond the end of its range 0.0975.
constexpr FanEntry kTestFan = {99, "TEST-1", 1000, "TEST-1/1000 obr", 0.25, 0.5, {0.0, 0.2}, {0.4, 0.0, -20.0},
                                {{0.0, 0.0}, {}}, {{0.02, 0.0975}, {0.3, 0.0, -25.0}}};

CalcRecord ChartRecord()
{
    CalcRecord r;
    ResetCalcRecord(r);
    r.FanDesignation = "BRESA-2";
    r.FanSpeed = 960;
    r.AirDensity = 1.2;
    r.StoreyCount = 5;
    r.NetworkCoefficient = 250.0;
    r.RegulatedFlow = 0.4;
    r.RegulatedPressure = 40.0;
    r.RegulatedSpeed = 812.34;
    r.VariantRegulatedFlow = 0.35;
    r.VariantRegulatedPressure = 30.625;
    r.VariantRegulatedSpeed = 700.05;
    return r;
}

std::string Read(const std::string& dir, const std::string& name) { return ReadFileForTest(JoinPath(dir, name)); }

}  // namespace

// Each set against its golden files (`Golden`) and files of one point or none (`Exact`; nullptr:
// the set does not write that file).
TEST(charts, files_of_every_set)
{
    CalcRecord notRegulated = ChartRecord();
    notRegulated.VariantRegulatedSpeed = 0.0;  // the title without "obr. reg."
    CalcRecord zeros;
    ResetCalcRecord(zeros);
    zeros.RegulatedFlow = 0.0 / zeros.AirDensity;  // a quotient by zero
    // Three storeys: still air, a winter drawing most at the bottom, a summer pushing air back into
    // the lowest flat, and a condition without flows, which draws no curve.
    StoreyFlows still;
    still.Status = StoreyFlowStatus::Solved;
    still.Storeys = {{0.01, 1.0, 1.0}, {0.02, 2.0, 2.0}, {0.03, 3.5, 3.5}};
    StoreyFlows winter = still;
    winter.Storeys = {{0.03, 1.0, 4.0}, {0.02, 2.0, 3.0}, {0.025, 3.5, 3.5}};
    StoreyFlows summer = still;
    summer.Status = StoreyFlowStatus::OffCatalogue;
    summer.Storeys = {{-0.001, 1.0, -0.5}, {0.02, 2.0, 2.0}, {0.031, 3.5, 3.5}};
    const std::vector<StoreyConditionFlows> seasons = {{StoreyCondition::Still, 0.0, still},
                                                       {StoreyCondition::Winter, -20.0, winter},
                                                       {StoreyCondition::Summer, 30.0, summer}};
    const std::vector<StoreyConditionFlows> unsolved = {{StoreyCondition::Outside, -5.0, StoreyFlows{}}};
    CalcRecord storeys = ChartRecord();
    storeys.StoreyCount = 3;
    storeys.RequiredGrilleFlowHourly = 50.0;
    FanEntry emptyRange = kTestFan;
    emptyRange.FlowCoefficientRange = {0.2, 0.1};
    // Two storeys balanced at 600 1/min of the 1000 of ALVIR-1.
    Commissioning settings;
    settings.RequiredFlow = 20.0 / 3600.0;
    settings.Speed = 600;
    settings.FlowsBefore = {0.005, 0.008};
    settings.Storeys = {{12, 5.0, 0.0056, 0.0, 0.0, 0.0}, {8, 9.0, 0.0058, 0.0, 0.0, 0.0}};
    using Writer = std::function<void(const std::string&, FileProblems&)>;
    using Texts = std::vector<std::pair<const char*, const char*>>;
    struct Case { const char* Area; Writer Write; std::vector<const char*> Golden; Texts Exact; };
    const Case cases[] = {
        {"fan", [](auto& dir, auto& p) { WriteFanCharts(dir, ChartRecord(), *LookupFan(5), 0.1, p); },
         {"1.gnu", "siec.gnu", "wykres.gnu", "gif.gnu", "tmp1.gnu"}, {}},
        // The fan curve stops before the first negative pressure; the network runs from phi = 0
        // (first point 0, 0) to phi* + 0.01 = 0.06.
        {"negative_end", [](auto& dir, auto& p) { WriteFanCharts(dir, ChartRecord(), kTestFan, 0.05, p); },
         {"1.gnu", "siec.gnu"}, {}},
        {"empty_range", [&](auto& dir, auto& p) { WriteFanCharts(dir, ChartRecord(), emptyRange, 0.05, p); },
         {}, {{"1.gnu", ""}, {"siec.gnu", ""}}},
        // The variant curves run while phi < phimax + 0.005; a missing variant gives the point (0, 0).
        {"silencers", [](auto& dir, auto& p) { WriteSilencerCharts(dir, ChartRecord(), kTestFan, p); },
         {"tc.gnu", "wykres_tl.gnu", "gif_tl.gnu", "tmp2.gnu"},
         {{"pt.gnu", "0.000000  0.000000\n"}, {"1.gnu", nullptr}}},
        {"silencers_catalogue", [](auto& dir, auto& p) { WriteSilencerCharts(dir, ChartRecord(), *LookupFan(5), p); },
         {"pt.gnu", "tc.gnu"}, {}},
        {"regulated", [](auto& dir, auto& p) { WriteRegulatedCharts(dir, ChartRecord(), p); },
         {"wykres_reg.gnu", "gif_reg.gnu", "tmp3.gnu"}, {{"reg.gnu", "0.400000  40.000000\n"}}},
        {"zeros", [&](auto& dir, auto& p) { WriteRegulatedCharts(dir, zeros, p); }, {}, {{"reg.gnu", "-  0.000000\n"}}},
        {"regulated_silencers", [](auto& dir, auto& p) { WriteRegulatedSilencerCharts(dir, ChartRecord(), p); },
         {"wykres_reg_tl.gnu", "gif_reg_tl.gnu", "tmp4.gnu"}, {{"reg_tl.gnu", "0.350000  30.625000\n"}}},
        {"regulated_silencers_zero", [&](auto& dir, auto& p) { WriteRegulatedSilencerCharts(dir, notRegulated, p); },
         {"wykres_reg_tl.gnu", "gif_reg_tl.gnu", "tmp4.gnu"}, {}},
        {"storey_flows", [&](auto& dir, auto& p) { WriteStoreyFlowCharts(dir, storeys, seasons, p); },
         {"wykres_kond.gnu", "gif_kond.gnu", "tmp5.gnu"},
         {{"kond.gnu", "1  36.000000\n2  72.000000\n3  108.000000\n"},
          {"kond_l.gnu", "1  -3.600000\n2  72.000000\n3  111.600000\n"},
          {"kond_qi.gnu", "0.5  50.000000\n3.5  50.000000\n"}}},
        {"storey_flows_one_unsolved", [&](auto& dir, auto& p) { WriteStoreyFlowCharts(dir, storeys, unsolved, p); },
         {"wykres_kond.gnu"}, {{"kond.gnu", nullptr}}},
        {"commissioning", [&](auto& dir, auto& p) { WriteCommissioningCharts(dir, ChartRecord(), settings, p); },
         {"wykres_nast.gnu", "gif_nast.gnu", "tmp6.gnu"},
         {{"nast_przed.gnu", "1  18.000000\n2  28.800000\n"}, {"nast_po.gnu", "1  20.160000\n2  20.880000\n"},
          {"nast_qi.gnu", "1  20.000000\n2  20.000000\n"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Area);
        const std::string dir = ScratchDir(c.Area);
        FileProblems problems;
        c.Write(dir, problems);
        EXPECT_TRUE(problems.Empty()) << problems.Message();
        for (const char* name : c.Golden)
            EXPECT_EQ(CompareWithGolden(std::string("output/charts/") + c.Area + "/" + name, Read(dir, name)), "");
        for (auto [name, expected] : c.Exact) {
            EXPECT_EQ(fs::exists(JoinPath(dir, name)), expected != nullptr) << name;
            EXPECT_EQ(Read(dir, name), expected ? expected : "") << name;
        }
    }
}

// The save scripts, the regulated sets made stale by a later selection, and the files that cannot
// be written.
TEST(charts, save_scripts_stale_sets_and_files_that_cannot_be_written)
{
    const std::string dir = ScratchDir("save");
    FileProblems problems;
    WriteFanCharts(dir, ChartRecord(), kTestFan, 0.05, problems);
    // Unusual bytes are copied, and nothing is added after them.
    const std::string copy = std::string("set grid\r\nplot 'x' \xb9", 21) + std::string(1, '\0') + "no line end";
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "tmp4.gnu"), copy));
    // The path stands alone between the quotes, a quote in it doubled.
    ASSERT_TRUE(WriteSaveScript(dir, ChartSet::RegulatedSilencers, "/d/x y'z.gif", problems));
    EXPECT_EQ(Read(dir, "gifd4.gnu"), "set terminal gif\nset output '/d/x y''z.gif'\n" + copy);
    // ".gif" is added unless the chosen name contains it anywhere.
    const std::pair<const char*, const char*> names[] = {
        {"/home/u/wykres", "/home/u/wykres.gif"}, {"/home/u/wykres.gif", "/home/u/wykres.gif"},
        {"chart.GIF", "chart.GIF.gif"},           {"chart.gif.old", "chart.gif.old"},
        {"/a.gif/chart", "/a.gif/chart"},         {"", ".gif"},
    };
    for (auto [chosen, expected] : names)
        EXPECT_EQ(SaveNameWithGif(chosen), expected) << chosen;

    WriteSilencerCharts(dir, ChartRecord(), kTestFan, problems);
    EXPECT_FALSE(IsStale(dir, ChartSet::Regulated)) << "missing, not stale";
    WriteRegulatedCharts(dir, ChartRecord(), problems);
    WriteRegulatedSilencerCharts(dir, ChartRecord(), problems);
    for (ChartSet set : {ChartSet::Fan, ChartSet::Silencers, ChartSet::Regulated, ChartSet::RegulatedSilencers})
        EXPECT_FALSE(IsStale(dir, set)) << static_cast<int>(set);
    // A new selection (here only its variant curves) after the regulation.
    const auto later = fs::last_write_time(JoinPath(dir, "reg.gnu")) + std::chrono::seconds(2);
    fs::last_write_time(JoinPath(dir, "tc.gnu"), later);
    EXPECT_TRUE(IsStale(dir, ChartSet::Regulated));
    EXPECT_TRUE(IsStale(dir, ChartSet::RegulatedSilencers));
    EXPECT_FALSE(IsStale(dir, ChartSet::Silencers));
    fs::last_write_time(JoinPath(dir, "reg_tl.gnu"), later);
    EXPECT_FALSE(IsStale(dir, ChartSet::RegulatedSilencers)) << "regulated again";
    EXPECT_TRUE(problems.Empty()) << problems.Message();

    // A file that cannot be written is reported and the other files of its set are still written;
    // a missing copy script leaves the save script unwritten without a problem.
    const std::string full = ScratchDir("unwritable");
    fs::create_directories(JoinPath(full, "1.gnu/occupied"));
    WriteFanCharts(full, ChartRecord(), kTestFan, 0.05, problems);
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\n" + JoinPath(full, "1.gnu"));
    for (const char* name : {"siec.gnu", "wykres.gnu", "gif.gnu", "tmp1.gnu"})
        EXPECT_TRUE(fs::is_regular_file(JoinPath(full, name))) << name;
    FileProblems saveProblems;
    EXPECT_FALSE(WriteSaveScript(full, ChartSet::Regulated, "/d/wykres.gif", saveProblems));
    EXPECT_FALSE(fs::exists(JoinPath(full, "gifd3.gnu")));
    EXPECT_TRUE(saveProblems.Empty()) << saveProblems.Message();
    fs::create_directories(JoinPath(full, "gifd1.gnu/occupied"));
    EXPECT_FALSE(WriteSaveScript(full, ChartSet::Fan, "/d/wykres.gif", saveProblems));
    EXPECT_EQ(saveProblems.Message(), "Nie można zapisać pliku:\n" + JoinPath(full, "gifd1.gnu"));
}
