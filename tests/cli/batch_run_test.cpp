// The batch run in-process: the answers the input gives each dialog, the checks made before any
// file is touched, the plotting program, and a whole run compared with golden files.
#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "model/regulation.h"
#include "output/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

BatchInput Parse(const std::string& text)
{
    const BatchInputResult result = ParseBatchInput(text);
    EXPECT_TRUE(result.Ok) << result.Error;
    return result.Input;
}

// The ten-storey block of the examples, without its regulation keys.
const char kBlock[] =
    "density = 1.2\n"
    "duct_shape = round\n"
    "duct_diameter = 0.315\n"
    "storey_height = 3\n"
    "storeys = 10\n"
    "grille_height = 0.2\n"
    "grille_width = 0.25\n"
    "loss_coefficient = 2.5\n"
    "fan = 19\n";

struct RunResult {
    int Status;
    std::string Out;
    std::string Err;
};

RunResult RunInProcess(const std::string& text, const std::string& dir, BatchOptions options = {})
{
    options.Dir = dir;
    options.Plot = options.Plotter != "gnuplot";  // only a test's own plotter is ever started
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatch(Parse(text), options, out, err);
    return {status, out.str(), err.str()};
}

// Relative names of every file below `dir`, sorted.
std::vector<std::string> FilesBelow(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file())
            names.push_back(fs::relative(entry.path(), dir).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

// A plotting program that appends its working directory and argument to a log, then exits
// with `status`.
std::string FakePlotter(const std::string& dir, const std::string& log, int status)
{
    const std::string path = JoinPath(dir, "fake_plotter.sh");
    EXPECT_TRUE(WriteFileAtomically(path, "#!/bin/sh\necho \"$(pwd) $1\" >> '" + log + "'\nexit " +
                                              std::to_string(status) + "\n"));
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

}  // namespace

TEST(batch_run, answers_take_keys_value_files_and_initial_texts)
{
    const std::string dir = ScratchDir("answers");
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "dialog22.sav"), "0.400\n"));
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "dialog33.sav"), "2.80\n8\n0.20\n0.20\n2.50\n"));

    const DialogAnswersResult result = BuildDialogAnswers(
        Parse("density_source = computed\n"
              "temperature = 20,5\n"
              "duct_shape = round\n"
              "material = 6\n"
              "installation = 4\n"
              "storeys = 12\n"
              "loss_coefficient = 3.3\n"
              "grille = 116 mm\n"
              "constant_flow = 30\n"
              "fan = 44\n"
              "variant = 2\n"),
        dir);
    ASSERT_TRUE(result.Ok) << result.Error;
    const DialogAnswers& answers = result.Answers;

    // The text goes to the box unconverted: the dialog converts it on OK.
    EXPECT_EQ(answers.For(DialogId::Form3).Edits, (std::vector<std::string>{"20,5", "Edit2", "Edit3"}));
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg).Edits, (std::vector<std::string>{"Edit1"}));
    EXPECT_EQ(answers.For(DialogId::Form4).Edits, (std::vector<std::string>{"0.400"}));
    EXPECT_EQ(answers.For(DialogId::Form22).Edits,
              (std::vector<std::string>{"2.80", "12", "0.20", "0.20", "3.3"}));
    EXPECT_EQ(answers.For(DialogId::Form222).Edits, (std::vector<std::string>{"Edit1", "12", "Edit3", "3.3"}));
    EXPECT_EQ(answers.For(DialogId::Form22222).Edits, (std::vector<std::string>{"Edit1", "12", "30"}));
    EXPECT_EQ(answers.For(DialogId::Form222222).Edits, (std::vector<std::string>{"Edit1", "12", "30"}));
    EXPECT_EQ(answers.For(DialogId::Form2222).Edits, (std::vector<std::string>{"Edit1", "12", "Edit4"}));

    EXPECT_EQ(answers.For(DialogId::OKBottomDlg3).Choice, 0);
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg333).Choice, 1);
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg33333).Choice, 5);
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg3333).Choice, 3);
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg_wyw).Choice, 44);
    for (DialogId dialog : {DialogId::Form2222, DialogId::Form22222, DialogId::Form222222})
        EXPECT_EQ(answers.For(dialog).ComboText, "116 mm");
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg2).ComboIndex, 2);
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg2).ComboText, "Wentylator z tłumikiem cylindrycznym");
}

TEST(batch_run, choices_default_to_the_initial_buttons)
{
    const DialogAnswersResult result = BuildDialogAnswers(Parse("fan = 1\n"), ScratchDir("defaults"));
    ASSERT_TRUE(result.Ok) << result.Error;
    const DialogAnswers& answers = result.Answers;
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg3).Choice, 1) << "typed density";
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg333).Choice, 0) << "rectangular duct";
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg33333).Choice, 0);
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg3333).Choice, 0);
    EXPECT_EQ(answers.For(DialogId::Form2222).ComboText, "LUMA 75/80");
    EXPECT_EQ(answers.For(DialogId::Form22222).ComboText, "100 mm");
    EXPECT_EQ(answers.For(DialogId::Form222222).ComboText, "NEVA-20");
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg2).ComboIndex, -1) << "no variant selected";
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg2).ComboText, "Wentylator");
    EXPECT_EQ(answers.For(DialogId::OKBottomDlg1).Edits, (std::vector<std::string>{"Edit1"}));

    const DialogAnswersResult byText =
        BuildDialogAnswers(Parse("fan = 1\nvariant = Wentylator z podstawą tłumiącą\n"), ScratchDir("defaults"));
    ASSERT_TRUE(byText.Ok) << byText.Error;
    EXPECT_EQ(byText.Answers.For(DialogId::OKBottomDlg2).ComboIndex, 1);
}

TEST(batch_run, choice_errors_name_the_line_and_write_nothing)
{
    struct Row {
        const char* name;
        const char* text;
        const char* error;
    };
    const Row rows[] = {
        {"density_source", "fan = 19\ndensity_source = measured\n",
         "in.txt: wiersz 2: density_source: „measured” nie jest żadną z wartości: computed, typed\n"},
        {"duct_shape", "fan = 19\n\nduct_shape = Round\n",
         "in.txt: wiersz 3: duct_shape: „Round” nie jest żadną z wartości: rectangular, round\n"},
        {"material_high", "material = 7\nfan = 19\n", "in.txt: wiersz 1: material: „7” nie jest liczbą od 1 do 6\n"},
        {"material_text", "material = 1.5\nfan = 19\n", "in.txt: wiersz 1: material: „1.5” nie jest liczbą od 1 do 6\n"},
        {"installation_zero", "installation = 0\nfan = 19\n",
         "in.txt: wiersz 1: installation: „0” nie jest liczbą od 1 do 5\n"},
        {"fan_without_button", "fan = 21\n",
         "in.txt: wiersz 1: fan: „21” nie jest numerem wentylatora z przyciskiem w oknie wyboru\n"},
        {"fan_outside_catalogue", "fan = 59\n",
         "in.txt: wiersz 1: fan: „59” nie jest numerem wentylatora z przyciskiem w oknie wyboru\n"},
        {"fan_by_caption", "fan = CORVA-4/730 obr\n",
         "in.txt: wiersz 1: fan: „CORVA-4/730 obr” nie jest numerem wentylatora z przyciskiem w oknie wyboru\n"},
        {"fan_missing", "density = 1.2\n", "in.txt: brak klucza „fan” (numer wentylatora w katalogu)\n"},
        {"variant", "fan = 19\nvariant = 3\n",
         "in.txt: wiersz 2: variant: „3” nie jest żadną z wartości: 0 („Wentylator”), 1 („Wentylator z "
         "podstawą tłumiącą”), 2 („Wentylator z tłumikiem cylindrycznym”)\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = ScratchDir(std::string("choice_") + row.name);
        BatchOptions options;
        options.InputName = "in.txt";
        const RunResult run = RunInProcess(row.text, dir, options);
        EXPECT_EQ(run.Status, kExitBadInput);
        EXPECT_EQ(run.Err, row.error);
        EXPECT_EQ(run.Out, "");
        EXPECT_TRUE(FilesBelow(dir).empty()) << "nothing may be written";
        EXPECT_FALSE(fs::exists(JoinPath(dir, "wykresy")));
    }
}

TEST(batch_run, input_a_dialog_refuses_stops_before_any_file)
{
    struct Row {
        const char* name;
        const char* from;  // a line of the block ...
        const char* to;    // ... and what replaces it
        const char* error;
    };
    const Row rows[] = {
        {"storeys", "storeys = 10", "storeys = 150",
         "-: okno Form22 („Parametry budynku”) nie przyjmuje danych: Ilość kondygnacji musi być liczbą z zakresu "
         "0 do 99.\n"},
        {"computed_density", "density = 1.2", "density_source = computed\npressure = 0",
         "-: okno Form3 („Dobór parametrów”) nie przyjmuje danych: Dla podanych parametrów nie można obliczyć "
         "gęstości powietrza.\nProszę poprawić dane.\n"},
        {"regulated_flow", "fan = 19", "fan = 19\nregulated_flow = 0,5",
         "-: okno OKBottomDlg1 („Podaj parametry”) nie przyjmuje danych: Wydajność regulowana musi być większa "
         "od zera.\n"},
        {"variant_flow", "fan = 19", "fan = 19\nregulated_flow = 0.5\nvariant_flow = -1",
         "-: okno OKBottomDlg2 („Podaj parametry”) nie przyjmuje danych: Wydajność regulowana musi być większa "
         "od zera.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = ScratchDir(std::string("refused_") + row.name);
        std::string text = kBlock;
        text.replace(text.find(row.from), std::string(row.from).size(), row.to);
        const RunResult run = RunInProcess(text, dir);
        EXPECT_EQ(run.Status, kExitBadInput);
        EXPECT_EQ(run.Err, row.error);
        EXPECT_TRUE(FilesBelow(dir).empty()) << "nothing may be written";
    }
}

TEST(batch_run, keys_of_a_branch_not_taken_are_ignored)
{
    const std::string dir = ScratchDir("branch_not_taken");
    // Form3 would refuse a pressure of 0, and Form1 sides summing to 0, but neither is shown.
    const RunResult run = RunInProcess(std::string(kBlock) + "pressure = 0\nduct_length = 0\nduct_width = 0\n", dir);
    EXPECT_EQ(run.Status, kExitOk) << run.Err;
    EXPECT_FALSE(fs::exists(JoinPath(dir, "dialog1.sav")));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "dialog2.sav")));
}

TEST(batch_run, missing_working_directory_is_bad_usage)
{
    const std::string dir = JoinPath(ScratchDir("missing_dir"), "no_such");
    const RunResult run = RunInProcess(kBlock, dir);
    EXPECT_EQ(run.Status, kExitBadInput);
    EXPECT_EQ(run.Err, "katalog roboczy „" + dir + "” nie istnieje\n");
    EXPECT_FALSE(fs::exists(dir));
}

TEST(batch_run, whole_run_matches_golden_files)
{
    const std::string dir = ScratchDir("golden_block");
    const std::string text = ReadFileForTest(WENT_SOURCE_DIR "/examples/blok_10_kondygnacji.txt");
    ASSERT_FALSE(text.empty());
    const RunResult run = RunInProcess(text, dir);
    EXPECT_EQ(run.Status, kExitOk);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/blok_10_kondygnacji.stdout", run.Out), "");

    const std::vector<std::string> expected = {
        "1.gnu", "dialog.sav", "dialog22.sav", "dialog33.sav", "dialog4.sav", "dialog5.sav",
        "gif.gnu", "gif_reg.gnu", "gif_reg_tl.gnu", "gif_tl.gnu", "pstr.txt", "pt.gnu", "reg.gnu",
        "reg_tl.gnu", "siec.gnu", "tc.gnu", "tmp1.gnu", "tmp2.gnu", "tmp3.gnu", "tmp4.gnu",
        "wykres.gnu", "wykres_reg.gnu", "wykres_reg_tl.gnu", "wykres_tl.gnu", "wykresy/koralinex.jpg",
        "wykresy/wykresy.html", "wykresy/wykresy_reg.html", "wykresy/wykresy_reg_tl.html",
        "wykresy/wykresy_tl.html",
    };
    const std::vector<std::string> files = FilesBelow(dir);
    EXPECT_EQ(files, expected);
    for (const std::string& name : files) {
        if (name == "wykresy/koralinex.jpg")
            continue;
        EXPECT_EQ(CompareWithGolden("cli/blok_10_kondygnacji/" + name, ReadFileForTest(JoinPath(dir, name))), "");
    }
}

TEST(batch_run, unsuitable_fan_exits_3_and_the_other_commands_still_run)
{
    const std::string dir = ScratchDir("unsuitable");
    std::string text = kBlock;
    text.replace(text.find("fan = 19"), 8, "fan = 9");  // CORVA-1/980 does not meet this network
    const RunResult run = RunInProcess(text + "regulated_flow = 0.5\nvariant_flow = 0.5\n", dir);

    EXPECT_EQ(run.Status, kExitFanUnsuitable);
    EXPECT_EQ(run.Err, std::string(kUnsuitableFanMessage) + "\n" + kNoOperatingPointMessage + "\n" +
                           kNoOperatingPointMessage + "\n");
    EXPECT_EQ(run.Out, "") << "report kind 0 shows nothing";
    EXPECT_TRUE(fs::exists(JoinPath(dir, "pt.gnu")));
    EXPECT_TRUE(fs::exists(JoinPath(dir, "wykresy/wykresy_tl.html")));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "pstr.txt")));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "wykresy/wykresy.html")));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "dialog4.sav"))) << "the flow dialog is not shown";
}

TEST(batch_run, plotter_runs_in_the_working_directory_on_each_gif_script)
{
    const std::string scratch = ScratchDir("plotter");
    const std::string dir = JoinPath(scratch, "work");
    fs::create_directory(dir);
    const std::string log = JoinPath(scratch, "plotter.log");
    BatchOptions options;
    options.Plotter = FakePlotter(scratch, log, 0);

    const RunResult run = RunInProcess(std::string(kBlock) + "regulated_flow = 0.5\nvariant_flow = 0.5\n", dir, options);

    EXPECT_EQ(run.Status, kExitOk);
    EXPECT_EQ(run.Err, "");
    const std::string cwd = fs::canonical(dir).string();
    EXPECT_EQ(ReadFileForTest(log), cwd + " gif.gnu\n" + cwd + " gif_tl.gnu\n" + cwd + " gif_reg.gnu\n" + cwd +
                                         " gif_reg_tl.gnu\n");
}

TEST(batch_run, plotter_failures_are_reported_but_not_errors)
{
    const std::string scratch = ScratchDir("plotter_failures");
    const std::string dir = JoinPath(scratch, "work");
    fs::create_directory(dir);

    BatchOptions failing;
    failing.Plotter = FakePlotter(scratch, JoinPath(scratch, "log"), 1);
    const RunResult failed = RunInProcess(kBlock, dir, failing);
    EXPECT_EQ(failed.Status, kExitOk);
    EXPECT_EQ(failed.Err, "program " + failing.Plotter + " zakończył pracę nad „gif.gnu” z kodem 1\n" +
                              "program " + failing.Plotter + " zakończył pracę nad „gif_tl.gnu” z kodem 1\n");

    BatchOptions missing;
    missing.Plotter = "went-char-no-such-plotter";
    const RunResult notFound = RunInProcess(std::string(kBlock) + "regulated_flow = 0.5\n", dir, missing);
    EXPECT_EQ(notFound.Status, kExitOk);
    EXPECT_EQ(notFound.Err, "nie znaleziono programu went-char-no-such-plotter: wykresy GIF nie powstały\n")
        << "reported once for the whole run";
}

TEST(batch_run, unwritable_files_are_reported_without_changing_the_status)
{
    const std::string dir = ScratchDir("unwritable");
    fs::create_directory(JoinPath(dir, "pstr.txt"));
    const RunResult run = RunInProcess(kBlock, dir);
    EXPECT_EQ(run.Status, kExitOk);
    EXPECT_EQ(run.Err, "Nie można zapisać pliku:\n" + JoinPath(dir, "pstr.txt") + "\n");
    EXPECT_NE(run.Out, "");
}
