// The batch run in-process: dialog answers, checks before any file is touched, the plotter, golden files.
#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "model/regulation.h"
#include "output/quoted_input.h"
#include "output/storage/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

using D = DialogId;

BatchInput Parse(const std::string& text)
{
    const BatchInputResult result = ParseBatchInput(text);
    EXPECT_TRUE(result.Ok) << result.Error;
    return result.Input;
}

// The ten-storey block of the examples, without its regulation keys.
const std::string kBlock =
    "density = 1.2\nduct_shape = round\nduct_diameter = 0.315\nstorey_height = 3\nstoreys = 10\n"
    "grille_height = 0.2\ngrille_width = 0.25\nloss_coefficient = 2.5\nfan = 19\n";

// The block with one of its lines replaced.
std::string Block(const std::string& from, const std::string& to)
{
    std::string text = kBlock;
    return text.replace(text.find(from), from.size(), to);
}

struct RunResult { int Status; std::string Out, Err; };

RunResult RunInProcess(const std::string& text, const std::string& dir, BatchOptions options = {})
{
    options.Dir = dir;
    options.Plot = options.Plotter != "gnuplot";  // only a test's own plotter is ever started
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunBatch(Parse(text), options, out, err);
    return {status, out.str(), err.str()};
}

// A plotting program that appends its working directory, argument and standard input to `log`,
// then runs `body` with $out set to the picture its script names.
std::string FakePlotter(const std::string& dir, const std::string& log, const std::string& name,
                        const std::string& body)
{
    const std::string path = JoinPath(dir, "fake_plotter_" + name + ".sh");
    EXPECT_TRUE(WriteFileAtomically(path, "#!/bin/sh\necho \"$(pwd) $1 $(readlink /proc/$$/fd/0)\" >> '" + log +
                                              "'\nout=$(sed -n \"s/^set output '\\(.*\\)'$/\\1/p\" \"$1\")\n" +
                                              body + "\n"));
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

const std::string kWholeGif = "printf 'GIF89a1234567;' > \"$out\"";

}  // namespace

// Where a key is missing the box shows the remembered value, else its initial text; the buttons
// and combo boxes start as the forms do. (Which key fills which box: the wizard's comparison.)
TEST(batch_run, answers_without_keys_take_value_files_and_initial_texts)
{
    const std::string dir = ScratchDir("answers");
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "dialog33.sav"), "2.80\n8\n0.20\n0.20\n2.50\n"));
    const DialogAnswersResult result = BuildDialogAnswers(Parse("installation = 1\nstoreys = 12\nfan = 1\n"), dir);
    ASSERT_TRUE(result.Ok) << result.Error;
    const DialogAnswers& answers = result.Answers;
    EXPECT_EQ(answers.For(D::Form22).Edits, (std::vector<std::string>{"2.80", "12", "0.20", "0.20", "2.50"}));
    EXPECT_EQ(answers.For(D::OKBottomDlg3).Choice, 1) << "typed density";
    EXPECT_EQ(answers.For(D::OKBottomDlg333).Choice, 0) << "rectangular duct";
    EXPECT_EQ(answers.For(D::OKBottomDlg33333).Choice, 0);
    EXPECT_EQ(answers.For(D::Form2222).ComboText, "LUMA 75/80");
    EXPECT_EQ(answers.For(D::OKBottomDlg2).ComboIndex, -1) << "no variant selected";
}

// What standard error says of each case is in cli/bad_input.txt, one case after another.
TEST(batch_run, bad_input_names_its_line_or_dialog_and_writes_nothing)
{
    const std::pair<const char*, std::string> rows[] = {
        {"duct_shape", "fan = 19\n\nduct_shape = Round\n"},
        {"material_high", "material = 7\nfan = 19\n"},
        {"material_text", "material = 1.5\nfan = 19\n"},
        {"installation_zero", "installation = 0\nfan = 19\n"},
        {"fan_without_button", "fan = 21\n"},
        {"fan_outside_catalogue", "fan = 59\n"},
        {"fan_missing", "density = 1.2\n"},
        {"variant", "fan = 19\nvariant = 3\n"},
        {"rectangular_duct", Block("duct_shape = round", "duct_length = 0.5\nduct_width = -0.5")},
        {"rectangular_duct_without_sides", Block("duct_shape = round", "")},
        {"comma_in_a_dialog_not_shown", kBlock + "duct_width = 0,3\n"},
        {"regulated_flow_comma", Block("fan = 19", "fan = 19\nregulated_flow = 0,5")},
    };
    std::string errors;
    for (const auto& [name, text] : rows) {
        SCOPED_TRACE(name);
        const std::string dir = ScratchDir(std::string("bad_") + name);
        BatchOptions options;
        options.InputName = "in.txt";
        const RunResult run = RunInProcess(text, dir, options);
        EXPECT_EQ(run.Status, kExitBadInput);
        errors += std::string(name) + ": " + run.Err;
        EXPECT_EQ(run.Out, "");
        EXPECT_TRUE(fs::is_empty(dir)) << "nothing may be written";
    }
    EXPECT_EQ(CompareWithGolden("cli/bad_input.txt", errors), "");

    // A value file that cannot be read is never overwritten (a FIFO would block the read for ever).
    const std::string dir = ScratchDir("unreadable");
    const std::string fifo = JoinPath(dir, "dialog.sav");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const RunResult run = RunInProcess(kBlock, dir);
    EXPECT_EQ(run.Status, kExitBadInput);
    EXPECT_EQ(run.Err, "nie można odczytać pliku „" + QuotedInput(fifo) +
                           "” z zapamiętanymi wartościami okna OKBottomDlg („Dobór parametrów”)\n");
    EXPECT_EQ(FileNamesBelow(dir), std::vector<std::string>{}) << "nothing written";
}

TEST(batch_run, keys_of_a_branch_not_taken_are_ignored)
{
    const std::string dir = ScratchDir("branch_not_taken");
    // Form3 would refuse a pressure of 0, and Form1 sides summing to 0, but neither is shown.
    const RunResult run = RunInProcess(kBlock + "pressure = 0\nduct_length = 0\nduct_width = 0\n", dir);
    EXPECT_EQ(run.Status, kExitOk) << run.Err;
    EXPECT_FALSE(fs::exists(JoinPath(dir, "dialog1.sav")));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "dialog2.sav")));

    // A missing working directory is made; a file in its place is refused.
    const std::string missing = JoinPath(dir, "new/work");
    const RunResult newDir = RunInProcess(kBlock, missing);
    EXPECT_EQ(newDir.Status, kExitOk) << newDir.Err;
    EXPECT_TRUE(fs::exists(JoinPath(missing, "wykresy/wykresy.html")));
    const std::string notDir = JoinPath(dir, "dialog33.sav");
    const RunResult fileDir = RunInProcess(kBlock, notDir);
    EXPECT_EQ(fileDir.Status, kExitBadInput);
    EXPECT_EQ(fileDir.Err, "katalog roboczy „" + QuotedInput(notDir) + "” nie jest katalogiem\n");

    // Another run that makes the missing folder first does not stop this one.
    const std::string raced = JoinPath(dir, "raced");
    BatchFolder folder(raced);
    std::ostringstream err;
    ASSERT_EQ(folder.Open(err), kExitOk);
    fs::create_directory(raced);
    EXPECT_EQ(folder.Make(err), kExitOk);
    EXPECT_EQ(err.str(), "");
}

TEST(batch_run, unsuitable_fan_exits_3_and_the_other_commands_still_run)
{
    const std::string dir = ScratchDir("unsuitable");
    // CORVA-1/980 does not meet this network.
    const RunResult run = RunInProcess(Block("fan = 19", "fan = 9\nregulated_flow = 0.5\nvariant_flow = 0.5"), dir);
    EXPECT_EQ(run.Status, 3);
    EXPECT_EQ(run.Err, std::string(kUnsuitableFanMessage) + "\n" + kNoOperatingPointMessage + "\n" +
                           kNoOperatingPointMessage + "\n");
    EXPECT_FALSE(fs::exists(JoinPath(dir, "dialog4.sav"))) << "the flow dialog is not shown";
}

TEST(batch_run, plotter_runs_in_the_working_directory_without_input_and_is_waited_for)
{
    const std::string scratch = ScratchDir("plotter");
    const std::string dir = JoinPath(scratch, "work");
    fs::create_directory(dir);
    const std::string log = JoinPath(scratch, "plotter.log");
    const std::string regulation = "regulated_flow = 0.5\nvariant_flow = 0.5\n";
    BatchOptions options;
    options.Plotter = FakePlotter(scratch, log, "whole", kWholeGif);
    RunResult run = RunInProcess(kBlock + regulation, dir, options);
    EXPECT_EQ(run.Status, kExitOk);
    EXPECT_EQ(run.Err, "");
    const std::string cwd = fs::canonical(dir).string();
    EXPECT_EQ(ReadFileForTest(log), cwd + " gif.gnu /dev/null\n" + cwd + " gif_tl.gnu /dev/null\n" + cwd +
                                         " gif_reg.gnu /dev/null\n" + cwd + " gif_reg_tl.gnu /dev/null\n");
    const std::string picture = JoinPath(dir, "wykresy/wykres.gif");
    EXPECT_EQ(ReadFileForTest(picture), "GIF89a1234567;");

    // A plotter that fails, hangs or leaves a torn picture: the previous picture stays, each is
    // reported, the run goes on and ends with status 4. A hung one is ended after the limit.
    const std::string pictures = JoinPath(dir, "wykresy/wykres.gif") + "\n" + JoinPath(dir, "wykresy/wykres_tl.gif") + "\n";
    struct Row { const char* name; const char* body; std::string err; };
    const Row rows[] = {
        {"failing", "exit 1", "program % zakończył pracę nad „gif.gnu” z kodem 1\n"
                              "program % zakończył pracę nad „gif_tl.gnu” z kodem 1\n"},
        {"torn", "printf 'GIF89a12' > \"$out\"", ""},
        {"torn after its first block", "printf 'GIF89a1234567890' > \"$out\"", ""},
        {"endless", "rm -f \"$out\"; ln -s /dev/zero \"$out\"", ""},
        {"hung", "sleep 20", "program % nie skończył pracy nad „gif.gnu” w ciągu 0.3 s i został zatrzymany\n"
                             "program % nie skończył pracy nad „gif_tl.gnu” w ciągu 0.3 s i został zatrzymany\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        options.Plotter = FakePlotter(scratch, log, row.name, row.body);
        options.PlotTimeout = std::chrono::milliseconds(300);
        run = RunInProcess(kBlock, dir, options);
        EXPECT_EQ(run.Status, kExitNotWritten);
        std::string err = row.err;
        for (size_t at; (at = err.find('%')) != std::string::npos;)
            err.replace(at, 1, options.Plotter);
        EXPECT_EQ(run.Err, err + "Nie można zapisać plików:\n" + pictures);
        EXPECT_EQ(ReadFileForTest(picture), "GIF89a1234567;") << "the previous picture is kept";
        EXPECT_FALSE(fs::exists(picture + ".old~"));
    }

    // A link planted under a picture's name is replaced, never written through.
    const std::string victim = JoinPath(scratch, "victim");
    ASSERT_TRUE(WriteFileAtomically(victim, "not a picture\n"));
    fs::remove(picture);
    fs::create_symlink(victim, picture);
    options.Plotter = FakePlotter(scratch, log, "whole", kWholeGif);
    EXPECT_EQ(RunInProcess(kBlock, dir, options).Status, kExitOk);
    EXPECT_EQ(ReadFileForTest(victim), "not a picture\n");
    EXPECT_EQ(ReadFileForTest(picture), "GIF89a1234567;");
    EXPECT_FALSE(fs::is_symlink(picture));

    options.Plotter = "went-char-no-such-plotter";
    run = RunInProcess(kBlock + regulation, dir, options);
    EXPECT_EQ(run.Status, kExitOk);
    EXPECT_EQ(run.Err, "nie znaleziono programu went-char-no-such-plotter: wykresy GIF nie powstały\n")
        << "reported once for the whole run";
}

// The building file a run leaves repeats the run in another folder, file for file; a later run in
// the folder takes every key its input lacks from it, the fan too, with the typed texts unrounded
// (the value file holds the storey height as 2.88), and names a line it cannot read.
TEST(batch_run, building_file_repeats_the_run_and_answers_missing_keys)
{
    const std::pair<const char*, std::string> inputs[] = {
        {"example_block", ReadFileForTest(WENT_SOURCE_DIR "/examples/blok_10_kondygnacji.txt")},
        {"computed_adjustable", "density_source = computed\ntemperature = 20\npressure = 1013\nhumidity = 50\n"
                                "duct_length = 0.3\nduct_width = 0.2\nmaterial = 2\ninstallation = 3\n"
                                "storey_height = 2.875\nstoreys = 6\ngrille = LUMA 125\nturns = 10\nfan = 9\n"},
    };
    for (const auto& [name, text] : inputs) {
        SCOPED_TRACE(name);
        const std::string first = ScratchDir(std::string("building_") + name);
        const std::string second = ScratchDir(std::string("building_again_") + name);
        const RunResult run = RunInProcess(text, first);
        ASSERT_EQ(run.Status, kExitOk) << run.Err;
        const std::string building = JoinPath(first, kBuildingFileName);
        const RunResult again = RunInProcess(ReadFileForTest(building), second);
        EXPECT_EQ(again.Status, kExitOk) << again.Err;
        EXPECT_EQ(again.Out, run.Out);
        EXPECT_EQ(DifferentFiles(first, second), "");
    }

    const std::string dir = JoinPath(WENT_TEST_TMP, "building_computed_adjustable");
    const std::string building = JoinPath(dir, kBuildingFileName);
    const std::string full = RunInProcess(inputs[1].second, ScratchDir("building_reference")).Out;
    ASSERT_TRUE(WriteFileAtomically(building, ReadFileForTest(building) + "colour = red\n"));
    BatchOptions options;
    options.InputName = "in.txt";
    const RunResult run = RunInProcess("turns = 10\n", dir, options);
    EXPECT_EQ(run.Status, kExitOk);
    EXPECT_EQ(run.Err, "„" + building + "”: wiersz 19: nieznany klucz „colour” (wiersz pominięty)\n");
    EXPECT_EQ(run.Out, full);
    EXPECT_EQ(ReadFileForTest(building).find("colour"), std::string::npos) << "rewritten by the dialogs' OK";
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog3333.sav")), "2.88\n6\n10\n");

    // A refusal of a building file's answer names its line there.
    ASSERT_TRUE(WriteFileAtomically(building, ReadFileForTest(building) + "storeys = 100\n"));
    const std::string noStoreys = ReadFileForTest(building);
    ASSERT_TRUE(WriteFileAtomically(building, noStoreys.substr(0, noStoreys.find("storeys = 6\n")) +
                                                  noStoreys.substr(noStoreys.find("storeys = 6\n") + 12)));
    const RunResult refused = RunInProcess("", dir, options);
    EXPECT_EQ(refused.Status, kExitBadInput);
    EXPECT_EQ(refused.Err, "in.txt: „" + building + "”: wiersz 18: storeys: Ilość kondygnacji musi być liczbą z zakresu 0 do 99.\n");

    // Every key of the building file is a key of the input file.
    std::map<std::string, std::string> every;
    for (const BuildingKey& key : BuildingKeys())
        every[key.Key] = "1";
    EXPECT_TRUE(ParseBatchInput(BuildingFileText(every)).Ok);
}
