// The went_char_cli program: command line, exit statuses, standard output and error, files left.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "model/storey_flows.h"
#include "output/quoted_input.h"
#include "output/storage/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

struct CliRun { int Status; std::string Out, Err; };

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the program with `args`, feeding `input` to its standard input.
CliRun RunCli(const std::string& scratch, const std::vector<std::string>& args, const std::string& input = "")
{
    const std::string in = JoinPath(scratch, "cli.stdin");
    const std::string out = JoinPath(scratch, "cli.stdout");
    const std::string err = JoinPath(scratch, "cli.stderr");
    EXPECT_TRUE(WriteFileAtomically(in, input));
    std::string command = Quoted(WENT_CLI_PATH);
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    command += " <" + Quoted(in) + " >" + Quoted(out) + " 2>" + Quoted(err);
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw)) << command;
    return {WEXITSTATUS(raw), ReadFileForTest(out), ReadFileForTest(err)};
}

std::string Example(const std::string& name) { return std::string(WENT_SOURCE_DIR) + "/examples/" + name + ".txt"; }

std::string WorkDir(const std::string& scratch)
{
    const std::string dir = JoinPath(scratch, "work");
    fs::create_directories(dir);
    return dir;
}

}  // namespace

TEST(main, wrong_usage_and_bad_input_exit_2_and_write_nothing)
{
    const std::string scratch = ScratchDir("usage");
    const std::string dir = WorkDir(scratch);
    const CliRun help = RunCli(scratch, {"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/usage.txt", help.Out), "");

    // Wrong usage is followed by the usage text; bad input is read from standard input ("-"). An
    // input that is not a regular file, or too large for one, is never read. The dialogs' own
    // refusals are the dialogs' test's; here one shows how the program passes them on. What
    // standard error says in each case is in cli/bad_usage.txt.
    const std::string fifo = JoinPath(scratch, "input.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = JoinPath(scratch, "huge.txt");
    ASSERT_TRUE(WriteFileAtomically(huge, std::string((1 << 20) + 1, '#')));
    std::string density = ReadFileForTest(Example("blok_10_kondygnacji"));
    density.replace(density.find("density = 1.2"), 13, "density = 1e308");
    const std::string block = "density = 1.2\nduct_shape = round\nduct_diameter = 0.315\nstoreys = 3\nstorey_height = 3\n"
                              "grille_height = 0.2\ngrille_width = 0.2\nloss_coefficient = 15\nfan = 19\n";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{}, ""}, {{"--plot", "x.txt"}, ""}, {{"a.txt", "b.txt"}, ""}, {{"x.txt", "--dir"}, ""},
        {{"x.txt", "--rank"}, ""}, {{"--csv", "x.txt"}, ""}, {{"--rank", "0", "--dir", dir, Example("blok_10_kondygnacji")}, ""},
        {{"--rank=inf", "--dir", dir, Example("blok_10_kondygnacji")}, ""},
        {{"--no-plot", "--dir", dir, "--storeys", "--speed", "1e400", Example("blok_10_kondygnacji")}, ""},
        {{"--plot-timeout", "0", "x.txt"}, ""}, {{"--plot-timeout=1e400", "x.txt"}, ""},
        {{"--plot-timeout=0.0001", "x.txt"}, ""}, {{"--plot-timeout=\x1b]0;x\x07\xc2\x9b", "x.txt"}, ""},
        {{"--rank=1e-7", "x.txt"}, ""}, {{"--no-plot", "--dir", std::string(300, 'd'), "-"}, "fan = 19\n"},
        {{"--storeys", "x.txt", "--outside-temp"}, ""},
        {{"--commission=20", "--storeys", "x.txt"}, ""},
        {{"--no-plot", "--dir", dir, "--commission", "0", Example("blok_10_kondygnacji_kratki_regulowane")}, ""},
        {{"--no-plot", "--dir", dir, "--storeys", "--outside-temp=-99", "-"}, block},
        {{"--no-plot", "--dir", dir, "-"}, "fan = 19\nstoreys: 10\n"},
        {{"--no-plot", "--dir", dir, "-"}, "duct_shape = round\nfan = 19\n"},
        {{"--no-plot", "--dir", dir, JoinPath(scratch, "none.txt")}, ""},
        {{"--no-plot", "--dir", dir, "-"}, density}, {{"--no-plot", "--dir", dir, "-"}, "fan = 19\nstoreys\x01 = 1\n"},
    };
    std::string errors;
    for (const auto& [args, input] : rows) {
        const CliRun run = RunCli(scratch, args, input);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_TRUE(fs::is_empty(dir)) << "nothing may be written";
        errors += "$";
        for (const std::string& arg : args)
            errors += " " + EscapedText(arg);
        errors += "\n" + run.Err;
    }
    for (const auto& [text, mark] : {std::pair{"\n" + help.Out, std::string(" <usage>\n")}, {scratch, "<scratch>"},
                                     {std::string(WENT_SOURCE_DIR), "<source>"}})
        for (size_t at; (at = errors.find(text)) != std::string::npos;)
            errors.replace(at, text.size(), mark);
    EXPECT_EQ(CompareWithGolden("cli/bad_usage.txt", errors), "");
    // Quoted as every outside text is, so not in the golden file: the path's length varies.
    EXPECT_EQ(RunCli(scratch, {"--no-plot", "--dir", dir, fifo}).Err,
              "went_char_cli: „" + QuotedInput(fifo) + "” nie jest zwykłym plikiem\n");
    EXPECT_EQ(RunCli(scratch, {"--no-plot", "--dir", dir, huge}).Err,
              "went_char_cli: plik „" + QuotedInput(huge) + "” jest większy niż 1 MiB: to nie jest plik wejściowy\n");
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST(main, examples_print_their_reports)
{
    for (const char* name :
         {"blok_10_kondygnacji", "szeregowiec_kratki_regulowane", "wiezowiec_kratki_stalej_wydajnosci"}) {
        SCOPED_TRACE(name);
        const std::string scratch = ScratchDir(std::string("example_") + name);
        const std::string dir = WorkDir(scratch);
        const CliRun run = RunCli(scratch, {"--dir=" + dir, "--no-plot", Example(name)});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(CompareWithGolden(std::string("cli/") + name + ".stdout", run.Out), "");
        if (name != std::string("blok_10_kondygnacji"))
            continue;
        // The files of the golden folder, byte for byte, and the logo.
        std::vector<std::string> expected = {"wykresy/koralinex.jpg"};
        for (const std::string& file : FileNamesBelow(std::string(WENT_GOLDEN_DIR) + "/cli/" + name))
            if (file.find(".actual") == std::string::npos) {
                expected.push_back(file);
                EXPECT_EQ(CompareWithGolden("cli/" + std::string(name) + "/" + file, ReadFileForTest(JoinPath(dir, file))), "");
            }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(FileNamesBelow(dir), expected);
    }
}

// The whole catalogue for 50 m3/h per grille: the table, the same as CSV, only the value files and
// the building file written, and the fan and regulation keys ignored (fan 99 has no entry at all).
TEST(main, rank_prints_the_catalogue_table)
{
    const std::string scratch = ScratchDir("rank");
    const std::string dir = WorkDir(scratch);
    const CliRun table = RunCli(scratch, {"--rank", "50", "--dir", dir, Example("blok_10_kondygnacji")});
    EXPECT_EQ(table.Status, 0);
    EXPECT_EQ(table.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/rank_blok_10_kondygnacji.txt", table.Out), "");
    EXPECT_EQ(FileNamesBelow(dir), (std::vector<std::string>{"budynek.txt", "dialog.sav", "dialog22.sav", "dialog33.sav", "dialog6.sav"}));

    std::string input = ReadFileForTest(Example("blok_10_kondygnacji"));
    input.replace(input.find("fan = 19"), 8, "fan = 99");
    const CliRun csv = RunCli(scratch, {"--dir", dir, "--csv", "--rank=50", "-"}, input);
    EXPECT_EQ(csv.Status, 0);
    EXPECT_EQ(csv.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/rank_blok_10_kondygnacji.csv", csv.Out), "");

    // The design temperatures of the building file judge the worst flats, as if the input gave them.
    const std::string seasons = WorkDir(ScratchDir("rank_seasons"));
    std::ofstream(JoinPath(seasons, "budynek.txt"), std::ios::binary) << "winter_temp = -5\nsummer_temp = 20\n";
    const CliRun fromBuilding = RunCli(scratch, {"--dir", seasons, "--csv", "--rank=50", "-"}, input);
    const CliRun fromInput = RunCli(scratch, {"--dir", seasons, "--csv", "--rank=50", "-"},
                                    input + "winter_temp = -5\nsummer_temp = 20\n");
    EXPECT_EQ(fromBuilding.Err, "");
    EXPECT_NE(fromBuilding.Out, csv.Out);
    EXPECT_EQ(fromBuilding.Out, fromInput.Out);

    // Value files that cannot be written (no byte may be written here) are named, the table still
    // follows, and the status is 4.
    const std::string both = JoinPath(scratch, "both.txt");
    std::system(("(ulimit -f 0; " + Quoted(WENT_CLI_PATH) + " --rank 50 --dir " + Quoted(dir) + " " +
                 Quoted(Example("blok_10_kondygnacji")) + "; echo status $? >&2) 2>&1 | cat >" + Quoted(both)).c_str());
    const std::string text = ReadFileForTest(both);
    EXPECT_NE(text.find(table.Out), std::string::npos);
    EXPECT_NE(text.find(JoinPath(dir, "dialog6.sav") + "\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - std::min<size_t>(text.size(), 9)), "status 4\n");
}

// The one condition of --outside-temp after the usual reports; the three conditions as CSV alone
// on standard output, --qi, --winter and --speed remembered; the README's block, whose fan runs past the catalogued end of its curve, with
// its tables and the estimate's note.
TEST(main, storey_flows)
{
    const std::string scratch = ScratchDir("storeys");
    const std::string dir = WorkDir(scratch);
    const CliRun table = RunCli(scratch, {"--dir", dir, "--no-plot", "--storeys", "--outside-temp", "-20",
                                          Example("blok_10_kondygnacji_kratki_typ_a")});
    EXPECT_EQ(table.Status, 0);
    EXPECT_EQ(table.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/blok_10_kondygnacji_kratki_typ_a.stdout", table.Out), "");
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog7.sav")), "50.0\n-20.0\n30.0\n0.0\n");

    const CliRun csv = RunCli(scratch, {"--dir", dir, "--no-plot", "--storeys", "--csv", "--speed=730", "--qi", "60",
                                        "--winter=-15", Example("wiezowiec_30_kondygnacji")});
    EXPECT_EQ(csv.Status, 0);
    EXPECT_EQ(csv.Err, "");
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog7.sav")), "60.0\n-15.0\n30.0\n730.0\n");
    EXPECT_EQ(CompareWithGolden("cli/storeys_wiezowiec_30_kondygnacji.csv", csv.Out), "");

    const CliRun block = RunCli(scratch, {"--dir", JoinPath(scratch, "block"), "--no-plot", "--storeys",
                                          Example("blok_10_kondygnacji")});
    EXPECT_EQ(block.Status, 0);
    EXPECT_EQ(block.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/storeys_blok_10_kondygnacji.stdout", block.Out), "");
}

// The settings table after the usual reports, and its CSV alone on standard output: Qi goes into the
// required-flow dialog's file, which the selection from the catalogue shares.
TEST(main, commissioning_settings)
{
    const std::string scratch = ScratchDir("commissioning");
    const std::string dir = WorkDir(scratch);
    const std::string example = Example("blok_10_kondygnacji_kratki_regulowane");
    const CliRun table = RunCli(scratch, {"--dir", dir, "--no-plot", "--commission", "30", example});
    EXPECT_EQ(table.Status, 0);
    EXPECT_EQ(table.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/commission_blok_10_kondygnacji_kratki_regulowane.stdout", table.Out), "");
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog6.sav")), "30.0\n");
    EXPECT_TRUE(fs::exists(JoinPath(dir, "wykresy/wykresy_nast.html")));

    const CliRun csv = RunCli(scratch, {"--dir", dir, "--no-plot", "--csv", "--commission=45", example});
    EXPECT_EQ(csv.Status, 0);
    EXPECT_EQ(csv.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/commission_blok_10_kondygnacji_kratki_regulowane.csv", csv.Out), "");

    // The settings become the building's answers; the storey flows with them give every storey
    // at least Qi in still air (the first CSV column after the storey).
    const std::string building = ReadFileForTest(JoinPath(dir, "budynek.txt"));
    EXPECT_NE(building.find("\ncommission_speed = "), std::string::npos) << building;
    EXPECT_NE(building.find("\ncommission_turns = "), std::string::npos) << building;
    const CliRun balanced = RunCli(scratch, {"--dir", dir, "--no-plot", "--storeys", "--csv", "-"}, "balanced = yes\n");
    EXPECT_EQ(balanced.Status, 0) << balanced.Err;
    std::istringstream rows(balanced.Out);
    std::string row;
    std::getline(rows, row);  // the heading
    int storeys = 0;
    for (; std::getline(rows, row) && std::isdigit(static_cast<unsigned char>(row[0])); ++storeys)
        EXPECT_GE(std::stod(row.substr(row.find(',') + 1)), 45.0) << row;
    EXPECT_EQ(storeys, 10);

    // Turns found for ten storeys do not fit eight: the grilles as entered, at the settings' speed.
    // Without settings the box is refused.
    struct Case {
        const char* Name;
        const char* Dir;
        const char* Input;
        int Status;
        const char* Says;
    } const cases[] = {
        {"stale turns", "", "balanced = yes\nstoreys = 8\n", 0, "kratki jak wprowadzone"},
        {"no settings", "/fresh", "balanced = yes\n", 2, "Budynek nie ma nastaw regulacyjnych."},
    };
    for (const Case& c : cases) {
        const std::string input = c.Dir[0] ? ReadFileForTest(example) + c.Input : std::string(c.Input);
        const CliRun run = RunCli(scratch, {"--dir", dir + c.Dir, "--no-plot", "--storeys", "-"}, input);
        EXPECT_EQ(run.Status, c.Status) << c.Name;
        EXPECT_NE((run.Out + run.Err).find(c.Says), std::string::npos) << c.Name << run.Out << run.Err;
    }
}

// Four runs at once in one folder, round after round: the folder's lock lets one whole run write
// at a time, so the folder holds the files of one and the same run, as that run leaves them alone.
TEST(main, runs_at_once_in_one_folder_leave_one_whole_run)
{
    const std::string scratch = ScratchDir("concurrent");
    const std::string dir = JoinPath(scratch, "shared");
    const std::string errors = JoinPath(scratch, "errors.txt");
    std::vector<std::string> alone;
    std::string command;
    for (int run = 0; run < 4; ++run) {
        std::string input = ReadFileForTest(Example("blok_10_kondygnacji"));
        input.replace(input.find("storeys = 10"), 12, "storeys = " + std::to_string(6 + 2 * run));
        const std::string inputPath = JoinPath(scratch, "in" + std::to_string(run) + ".txt");
        ASSERT_TRUE(WriteFileAtomically(inputPath, input));
        alone.push_back(JoinPath(scratch, "alone" + std::to_string(run)));
        ASSERT_EQ(RunCli(scratch, {"--no-plot", "--dir", alone.back(), inputPath}).Status, 0);
        command += "(" + Quoted(WENT_CLI_PATH) + " --no-plot --dir " + Quoted(dir) + " " + Quoted(inputPath) +
                   " >/dev/null 2>>" + Quoted(errors) + " || echo status $? >>" + Quoted(errors) + ") & ";
    }
    command += "wait";
    const auto same = [&dir](const std::string& one) { return DifferentFiles(one, dir).empty(); };
    for (int round = 0; round < 6; ++round) {
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(std::count_if(alone.begin(), alone.end(), same), 1) << "round " << round << ": the runs mix";
    }
    EXPECT_EQ(ReadFileForTest(errors), "");
}

// A folder whose lock another program holds is waited for a few seconds, then refused with a
// message naming it; nothing is written.
TEST(main, a_busy_folder_is_waited_for_then_refused)
{
    const std::string scratch = ScratchDir("busy");
    const std::string dir = WorkDir(scratch);
    const std::string lock = JoinPath(dir, ".went_char.lock");
    // The holder's output goes nowhere, so that nobody waits for it after the test.
    const std::string holder = "flock " + Quoted(lock) + " sleep 12 >/dev/null 2>&1 </dev/null & "
                               "while [ ! -e " + Quoted(lock) + " ]; do sleep 0.05; done; sleep 0.2";
    ASSERT_EQ(std::system(holder.c_str()), 0);
    for (const char* mode : {"--no-plot", "--rank=50"}) {
        SCOPED_TRACE(mode);
        const auto start = std::chrono::steady_clock::now();
        const CliRun run = RunCli(scratch, {mode, "--dir", dir, Example("blok_10_kondygnacji")});
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
        EXPECT_EQ(run.Status, 4);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, "Katalog roboczy „" + QuotedInput(dir) + "” jest zajęty: inny program went_char zapisuje w nim wyniki.\n"
                           "Proszę poczekać, aż skończy, i powtórzyć polecenie.\n");
        EXPECT_EQ(FileNamesBelow(dir), std::vector<std::string>{".went_char.lock"});
    }
}

// A file-size limit fails the writes that cross it (named, status 4) instead of killing the run;
// a hung plotter is stopped after --plot-timeout; SIGTERM ends a run waiting for its plotter with
// 128 + 15, the plotter ended with it, the previous picture back and neither lock nor temporary left.
TEST(main, limits_and_signals_leave_nothing_behind)
{
    const std::string scratch = ScratchDir("signals");
    const std::string dir = WorkDir(scratch);
    const std::string cli = Quoted(WENT_CLI_PATH) + " --dir " + Quoted(dir) + " " + Quoted(Example("blok_10_kondygnacji"));
    const std::string err = JoinPath(scratch, "err.txt");
    const int limited = std::system(("ulimit -f 4; exec " + cli + " --no-plot >/dev/null 2>" + Quoted(err)).c_str());
    EXPECT_TRUE(WIFEXITED(limited) && WEXITSTATUS(limited) == 4) << limited;
    EXPECT_EQ(ReadFileForTest(err).find("Nie można zapisać pliku:\n" + JoinPath(dir, "wykresy/koralinex.jpg") + "\n"), 0u)
        << ReadFileForTest(err);
    const auto leftovers = [&dir] {
        std::vector<std::string> found;
        for (const std::string& name : FileNamesBelow(dir))
            if (name == ".went_char.lock" || name.back() == '~')
                found.push_back(name);
        return Joined(found);
    };
    EXPECT_EQ(leftovers(), "");

    const std::string bin = JoinPath(scratch, "bin");
    const std::string plotter = JoinPath(bin, "gnuplot");
    fs::create_directories(bin);
    const std::string output = "#!/bin/sh\nout=$(sed -n \"s/^set output '\\(.*\\)'$/\\1/p\" \"$1\")\n";
    ASSERT_TRUE(WriteFileAtomically(plotter, output + "printf 'GIF89a1234567;' > \"$out\"\n"));
    fs::permissions(plotter, fs::perms::owner_all);
    const std::string path = std::getenv("PATH");
    setenv("PATH", (bin + ":" + path).c_str(), 1);
    ASSERT_EQ(std::system((cli + " >/dev/null").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(plotter, output + "printf 'GIF89a' > \"$out\"\nexec sleep 30\n"));
    // --plot-timeout reaches the plotter runs: each hung one is stopped after it, and the status is 4.
    const int hung = std::system((cli + " --plot-timeout 0.5 >/dev/null 2>" + Quoted(err)).c_str());
    EXPECT_EQ(WEXITSTATUS(hung), 4);
    EXPECT_EQ(CountOf(ReadFileForTest(err), "” w ciągu 0.5 s i został zatrzymany\n"), 4) << ReadFileForTest(err);
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "wykresy/wykres.gif")), "GIF89a1234567;");
    const std::string aside = Quoted(JoinPath(dir, "wykresy/wykres.gif.old~"));
    const int ended = std::system((cli + " >/dev/null 2>&1 & pid=$!; while [ ! -e " + aside +
                                   " ]; do sleep 0.05; done; sleep 0.2; kill -TERM $pid; wait $pid").c_str());
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(WEXITSTATUS(ended), 128 + SIGTERM);
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "wykresy/wykres.gif")), "GIF89a1234567;");
    EXPECT_EQ(leftovers(), "");
    EXPECT_NE(std::system("pgrep -f '^sleep 30$' >/dev/null"), 0) << "the plotter was ended with the run";
}
