// Chart point files, plot scripts and save scripts, compared with golden files.
#include "output/charts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/operating_point.h"
#include "output/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

// A fan whose pressure coefficient 0.4 - 20 phi^2 turns negative at phi = 0.1414, inside its
// range 0.0-0.2; the silencing base is missing (range 0-0); the silencer's curve is sampled up to
// phi = 0.1, beyond the end of its range 0.0975.
constexpr FanEntry kTestFan = {
    99, "TEST-1", 1000, "TEST-1/1000 obr", 0.25, 0.5, {0.0, 0.2}, {0.4, 0.0, -20.0, 0.0, 0.0},
    {{0.0, 0.0}, {0.0, 0.0, 0.0, 0.0, 0.0}},
    {{0.02, 0.0975}, {0.3, 0.0, -25.0, 0.0, 0.0}},
};

CalcRecord ChartRecord()
{
    CalcRecord record;
    ResetCalcRecord(record);
    record.FanDesignation = "BRESA-2";
    record.FanSpeed = 960;
    record.AirDensity = 1.2;
    record.StoreyCount = 5;
    record.NetworkCoefficient = 250.0;
    record.RegulatedFlow = 0.4;
    record.RegulatedPressure = 40.0;
    record.RegulatedSpeed = 812.34;
    record.VariantRegulatedFlow = 0.35;
    record.VariantRegulatedPressure = 30.625;
    record.VariantRegulatedSpeed = 700.05;
    return record;
}

// Compares each named file of `dir` with tests/golden/output/charts/<area>/<name>.
void ExpectGoldenFiles(const std::string& dir, const std::string& area, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        const std::string path = JoinPath(dir, name);
        ASSERT_TRUE(fs::exists(path)) << path << " was not written";
        EXPECT_EQ(CompareWithGolden("output/charts/" + area + "/" + name, ReadFileForTest(path)), "");
    }
}

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

TEST(charts, files_of_each_set)
{
    EXPECT_STREQ(FilesOf(ChartSet::Fan).CopyScript, "tmp1.gnu");
    EXPECT_STREQ(FilesOf(ChartSet::Silencers).GifScript, "gif_tl.gnu");
    EXPECT_STREQ(FilesOf(ChartSet::Regulated).SaveScript, "gifd3.gnu");
    EXPECT_STREQ(FilesOf(ChartSet::RegulatedSilencers).Picture, "wykresy/wykres_reg_tl.gif");
    EXPECT_STREQ(FilesOf(ChartSet::RegulatedSilencers).HtmlReport, "wykresy/wykresy_reg_tl.html");
}

TEST(charts, fan_set_of_a_catalogue_fan)
{
    const std::string dir = ScratchDir("fan_catalogue");
    const FanEntry* entry = LookupFan(5);
    ASSERT_NE(entry, nullptr);
    FileProblems problems;
    WriteFanCharts(dir, ChartRecord(), *entry, 0.1, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    ExpectGoldenFiles(dir, "fan", {"1.gnu", "siec.gnu", "wykres.gnu", "gif.gnu", "tmp1.gnu"});
}

// The fan curve stops before the first negative pressure; the network runs from phi = 0 (first
// point 0, 0) to phi* + 0.01 = 0.06.
TEST(charts, fan_curve_ends_before_negative_pressure)
{
    const std::string dir = ScratchDir("fan_negative");
    FileProblems problems;
    WriteFanCharts(dir, ChartRecord(), kTestFan, 0.05, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    ExpectGoldenFiles(dir, "negative_end", {"1.gnu", "siec.gnu"});

    const std::string fan = ReadFileForTest(JoinPath(dir, "1.gnu"));
    EXPECT_EQ(LineCount(fan), 29) << "phi 0.000 to 0.140; 0.145 has a negative pressure";
    EXPECT_EQ(fan.find("-"), std::string::npos) << "no negative pressure is written";
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "siec.gnu")).substr(0, 19), "0.000000  0.000000\n");
}

TEST(charts, empty_range_gives_an_empty_fan_curve)
{
    const std::string dir = ScratchDir("fan_empty");
    FanEntry entry = kTestFan;
    entry.FlowCoefficientRange = {0.2, 0.1};
    FileProblems problems;
    WriteFanCharts(dir, ChartRecord(), entry, 0.05, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_TRUE(fs::exists(JoinPath(dir, "1.gnu")));
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "1.gnu")), "");
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "siec.gnu")), "") << "0.2 lies above phi* + 0.01";
}

// The variant curves run while phi < phimax + 0.005; a missing variant gives the point (0, 0).
TEST(charts, silencer_set)
{
    const std::string dir = ScratchDir("silencers");
    FileProblems problems;
    WriteSilencerCharts(dir, ChartRecord(), kTestFan, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "pt.gnu")), "0.000000  0.000000\n");
    ExpectGoldenFiles(dir, "silencers", {"tc.gnu", "wykres_tl.gnu", "gif_tl.gnu", "tmp2.gnu"});
    EXPECT_FALSE(fs::exists(JoinPath(dir, "1.gnu"))) << "the silencer set does not rewrite the fan curve";
}

TEST(charts, silencer_curves_of_a_catalogue_fan)
{
    const std::string dir = ScratchDir("silencers_catalogue");
    const FanEntry* entry = LookupFan(5);
    ASSERT_NE(entry, nullptr);
    FileProblems problems;
    WriteSilencerCharts(dir, ChartRecord(), *entry, problems);
    ExpectGoldenFiles(dir, "silencers_catalogue", {"pt.gnu", "tc.gnu"});
}

TEST(charts, regulated_set)
{
    const std::string dir = ScratchDir("regulated");
    FileProblems problems;
    WriteRegulatedCharts(dir, ChartRecord(), problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "reg.gnu")), "0.400000  40.000000\n");
    ExpectGoldenFiles(dir, "regulated", {"wykres_reg.gnu", "gif_reg.gnu", "tmp3.gnu"});
}

TEST(charts, regulated_silencer_set_with_regulated_speed)
{
    const std::string dir = ScratchDir("regulated_silencers");
    FileProblems problems;
    WriteRegulatedSilencerCharts(dir, ChartRecord(), problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "reg_tl.gnu")), "0.350000  30.625000\n");
    ExpectGoldenFiles(dir, "regulated_silencers", {"wykres_reg_tl.gnu", "gif_reg_tl.gnu", "tmp4.gnu"});
}

// A variant that cannot be regulated has speed 0.0: all three scripts take the title without
// "obr. reg.".
TEST(charts, regulated_silencer_set_without_regulated_speed)
{
    const std::string dir = ScratchDir("regulated_silencers_zero");
    CalcRecord record = ChartRecord();
    record.VariantRegulatedSpeed = 0.0;
    FileProblems problems;
    WriteRegulatedSilencerCharts(dir, record, problems);
    ExpectGoldenFiles(dir, "regulated_silencers_zero", {"wykres_reg_tl.gnu", "gif_reg_tl.gnu", "tmp4.gnu"});
    for (const char* name : {"wykres_reg_tl.gnu", "gif_reg_tl.gnu", "tmp4.gnu"})
        EXPECT_EQ(ReadFileForTest(JoinPath(dir, name)).find("obr. reg."), std::string::npos) << name;
}

TEST(charts, no_nan_or_inf_from_an_empty_record)
{
    const std::string dir = ScratchDir("empty_record");
    CalcRecord record;
    ResetCalcRecord(record);
    record.RegulatedFlow = 0.0 / record.AirDensity;  // a quotient by zero
    FileProblems problems;
    WriteRegulatedCharts(dir, record, problems);
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "reg.gnu")), "-  0.000000\n");
    const std::string title = ReadFileForTest(JoinPath(dir, "tmp3.gnu"));
    EXPECT_NE(title.find("wentylatora  \\nobroty=0[1/min], obr. reg.=0.0[1/min], gestosc=0.000[kg/m3]"),
              std::string::npos)
        << title;
}

// A file that cannot be written is reported; the other files of the set are still written.
TEST(charts, unwritable_file_is_reported_and_the_rest_written)
{
    const std::string dir = ScratchDir("unwritable");
    fs::create_directories(JoinPath(dir, "1.gnu/occupied"));
    FileProblems problems;
    WriteFanCharts(dir, ChartRecord(), kTestFan, 0.05, problems);
    ASSERT_EQ(problems.Paths().size(), 1u);
    EXPECT_EQ(problems.Paths()[0], JoinPath(dir, "1.gnu"));
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\n" + JoinPath(dir, "1.gnu"));
    for (const char* name : {"siec.gnu", "wykres.gnu", "gif.gnu", "tmp1.gnu"})
        EXPECT_TRUE(fs::is_regular_file(JoinPath(dir, name))) << name;
}

TEST(charts, save_name_gets_gif_unless_it_contains_it)
{
    struct Row {
        const char* Chosen;
        const char* Expected;
    };
    const Row rows[] = {
        {"/home/u/wykres", "/home/u/wykres.gif"},
        {"/home/u/wykres.gif", "/home/u/wykres.gif"},
        {"chart.GIF", "chart.GIF.gif"},
        {"chart.gif.old", "chart.gif.old"},
        {"/a.gif/chart", "/a.gif/chart"},
        {"", ".gif"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SaveNameWithGif(row.Chosen), row.Expected) << row.Chosen;
}

TEST(charts, save_script_is_the_header_and_the_copy_script_byte_for_byte)
{
    const std::string dir = ScratchDir("save");
    FileProblems problems;
    WriteFanCharts(dir, ChartRecord(), kTestFan, 0.05, problems);
    const std::string picture = JoinPath(dir, SaveNameWithGif("wykres"));
    ASSERT_TRUE(WriteSaveScript(dir, ChartSet::Fan, picture, problems));
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    const std::string copy = ReadFileForTest(JoinPath(dir, "tmp1.gnu"));
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "gifd1.gnu")),
              "set terminal gif\nset output ' " + dir + "/wykres.gif '\n" + copy);
}

TEST(charts, save_script_copies_unusual_bytes_and_adds_nothing_after_them)
{
    const std::string dir = ScratchDir("save_bytes");
    const std::string copy = std::string("set grid\r\nplot 'x' \xb9", 21) + std::string(1, '\0') + "no line end";
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "tmp4.gnu"), copy));
    FileProblems problems;
    ASSERT_TRUE(WriteSaveScript(dir, ChartSet::RegulatedSilencers, "/d/x y.gif", problems));
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "gifd4.gnu")), "set terminal gif\nset output ' /d/x y.gif '\n" + copy);
}

TEST(charts, save_script_without_copy_script_writes_nothing)
{
    const std::string dir = ScratchDir("save_missing");
    FileProblems problems;
    EXPECT_FALSE(WriteSaveScript(dir, ChartSet::Regulated, "/d/wykres.gif", problems));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "gifd3.gnu")));
    EXPECT_TRUE(problems.Empty()) << "a missing copy script is not a file problem";
}

TEST(charts, save_script_that_cannot_be_written_is_reported)
{
    const std::string dir = ScratchDir("save_unwritable");
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "tmp2.gnu"), "set grid\n"));
    fs::create_directories(JoinPath(dir, "gifd2.gnu/occupied"));
    FileProblems problems;
    EXPECT_FALSE(WriteSaveScript(dir, ChartSet::Silencers, "/d/wykres.gif", problems));
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\n" + JoinPath(dir, "gifd2.gnu"));
}
