// The went_char_cli program itself: command line, exit statuses, standard output and error, and
// the files it leaves in the working directory.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "dialogs/commands.h"
#include "model/regulation.h"
#include "output/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int Status;
    std::string Out;
    std::string Err;
};

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the program with `args`; `environment` is put before it ("PATH=..."), `input` is fed to
// its standard input.
CliRun RunCli(const std::string& scratch, const std::vector<std::string>& args, const std::string& input = "",
              const std::string& environment = "")
{
    const std::string in = JoinPath(scratch, "cli.stdin");
    const std::string out = JoinPath(scratch, "cli.stdout");
    const std::string err = JoinPath(scratch, "cli.stderr");
    EXPECT_TRUE(WriteFileAtomically(in, input));
    std::string command = environment + " " + Quoted(WENT_CLI_PATH);
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    command += " <" + Quoted(in) + " >" + Quoted(out) + " 2>" + Quoted(err);
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw)) << command;
    CliRun run{WEXITSTATUS(raw), ReadFileForTest(out), ReadFileForTest(err)};
    fs::remove(in);
    fs::remove(out);
    fs::remove(err);
    return run;
}

std::string Example(const std::string& name) { return std::string(WENT_SOURCE_DIR) + "/examples/" + name + ".txt"; }

std::string WorkDir(const std::string& scratch)
{
    const std::string dir = JoinPath(scratch, "work");
    fs::create_directories(dir);
    return dir;
}

bool IsEmptyDir(const std::string& dir) { return fs::is_empty(dir); }

bool OnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::string rest = path ? path : "";
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string dir = rest.substr(0, colon);
        rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
        if (!dir.empty() && fs::exists(fs::path(dir) / program))
            return true;
    }
    return false;
}

// Files every complete run with both regulation keys leaves, besides the value files.
const char* const kOutputFiles[] = {
    "pstr.txt", "1.gnu", "siec.gnu", "pt.gnu", "tc.gnu", "reg.gnu", "reg_tl.gnu",
    "wykres.gnu", "gif.gnu", "tmp1.gnu", "wykres_tl.gnu", "gif_tl.gnu", "tmp2.gnu",
    "wykres_reg.gnu", "gif_reg.gnu", "tmp3.gnu", "wykres_reg_tl.gnu", "gif_reg_tl.gnu", "tmp4.gnu",
    "wykresy/koralinex.jpg", "wykresy/wykresy.html", "wykresy/wykresy_tl.html",
    "wykresy/wykresy_reg.html", "wykresy/wykresy_reg_tl.html",
};

}  // namespace

TEST(main, help_lists_options_keys_defaults_and_units)
{
    const std::string scratch = ScratchDir("help");
    const CliRun run = RunCli(scratch, {"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out.rfind("Użycie: went_char_cli [--dir KATALOG] [--no-plot] WEJŚCIE\n", 0), 0u) << run.Out;
    // The text is wrapped: look for the phrases with every run of blanks and line ends as one blank.
    std::string flat;
    for (char c : run.Out) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank || flat.empty() || flat.back() != ' ')
            flat += blank ? ' ' : c;
    }
    for (const char* text : {"--dir KATALOG", "--no-plot", "--help", "(domyślnie bieżący)", "density_source",
                             "density [kg/m3]", "temperature [°C]", "pressure [hPa]", "humidity [%]",
                             "duct_diameter [m]", "constant_flow [m3/h]", "regulated_flow [m3/s]",
                             "variant_flow [m3/s]", "variant", "fan", "(domyślnie: typed)",
                             "(domyślnie: rectangular)", "(domyślnie: brak: klucz wymagany)"})
        EXPECT_NE(flat.find(text), std::string::npos) << "usage text lacks " << text;
}

TEST(main, wrong_usage_exits_2_with_the_usage_on_standard_error)
{
    const std::string scratch = ScratchDir("usage");
    struct Row {
        const char* name;
        std::vector<std::string> args;
        const char* problem;
    };
    const Row rows[] = {
        {"no_input", {}, "went_char_cli: brak pliku wejściowego\n"},
        {"unknown_option", {"--plot", "x.txt"}, "went_char_cli: nieznana opcja „--plot”\n"},
        {"two_inputs", {"a.txt", "b.txt"}, "went_char_cli: podano więcej niż jeden plik wejściowy\n"},
        {"dir_without_value", {"x.txt", "--dir"}, "went_char_cli: po --dir brak katalogu\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun run = RunCli(scratch, row.args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err.rfind(row.problem, 0), 0u) << run.Err;
        EXPECT_NE(run.Err.find("Użycie: went_char_cli"), std::string::npos);
    }
}

TEST(main, bad_input_exits_2_and_writes_nothing)
{
    const std::string scratch = ScratchDir("bad_input");
    const std::string dir = WorkDir(scratch);
    struct Row {
        const char* name;
        const char* input;
        const char* error;
    };
    const Row rows[] = {
        {"parse", "fan = 19\nstoreys: 10\n", "-: wiersz 2: brak znaku „=” w „storeys: 10”\n"},
        {"choice", "fan = 19\nduct_shape = oval\n",
         "-: wiersz 2: duct_shape: „oval” nie jest żadną z wartości: rectangular, round\n"},
        {"unknown_duct_sides", "fan = 19\n",
         "-: okno Form1 („Parametry kanału”) nie przyjmuje danych: Dla podanych wymiarów nie można obliczyć "
         "średnicy równoważnej kanału.\nProszę poprawić dane.\n"},
        {"refused", "duct_shape = round\nfan = 19\nstoreys = -1\n",
         "-: okno Form22 („Parametry budynku”) nie przyjmuje danych: Ilość kondygnacji musi być liczbą z zakresu "
         "0 do 99.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun run = RunCli(scratch, {"--no-plot", "--dir", dir, "-"}, row.input);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, row.error);
        EXPECT_TRUE(IsEmptyDir(dir)) << "nothing may be written";
    }

    const CliRun missing = RunCli(scratch, {"--no-plot", "--dir", dir, JoinPath(scratch, "none.txt")});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_EQ(missing.Err, "went_char_cli: nie można odczytać pliku „" + JoinPath(scratch, "none.txt") + "”\n");
}

TEST(main, examples_print_their_reports_and_leave_every_file)
{
    for (const char* name : {"blok_10_kondygnacji", "szeregowiec_kratki_regulowane",
                             "wiezowiec_kratki_stalej_wydajnosci"}) {
        SCOPED_TRACE(name);
        const std::string scratch = ScratchDir(std::string("example_") + name);
        const std::string dir = WorkDir(scratch);
        const CliRun run = RunCli(scratch, {"--dir=" + dir, "--no-plot", Example(name)});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(CompareWithGolden(std::string("cli/") + name + ".stdout", run.Out), "");
        for (const char* file : kOutputFiles) {
            const bool regulatedVariant = std::string(file).find("reg_tl") != std::string::npos ||
                                          std::string(file) == "tmp4.gnu";
            if (std::string(name) == "wiezowiec_kratki_stalej_wydajnosci" && regulatedVariant)
                continue;  // this example asks for no regulation with silencers
            EXPECT_TRUE(fs::exists(JoinPath(dir, file))) << file;
        }
        EXPECT_FALSE(fs::exists(JoinPath(dir, "wykresy/wykres.gif"))) << "--no-plot starts no plotter";
    }
}

TEST(main, the_dialogs_read_and_rewrite_their_value_files)
{
    const std::string scratch = ScratchDir("value_files");
    const std::string dir = WorkDir(scratch);
    // Left by an earlier run: the density is replaced by the key, the building keeps its lines.
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "dialog.sav"), "9.999\r\n"));
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "dialog22.sav"), "0.4\n"));
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "dialog33.sav"), "3\n8\n0.2\n0.25\n2.5\n"));

    const CliRun run = RunCli(scratch, {"--no-plot", "--dir", dir, "-"},
                              "density = 1,25\nduct_shape = round\nstoreys = 10\nfan = 12\n");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog.sav")), "1.000\n") << "a comma ends the number";
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog22.sav")), "0.400\n");
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog33.sav")), "3.00\n10\n0.20\n0.25\n2.50\n");
    EXPECT_NE(run.Out.find("Kanał okrągły o średnicy  = 0.400 [m]"), std::string::npos) << run.Out;
}

TEST(main, unsuitable_fan_exits_3)
{
    const std::string scratch = ScratchDir("unsuitable");
    const std::string dir = WorkDir(scratch);
    const CliRun run = RunCli(scratch, {"--no-plot", "--dir", dir, "-"},
                              "duct_shape = round\nduct_diameter = 0.315\nstorey_height = 3\nstoreys = 10\n"
                              "grille_height = 0.2\ngrille_width = 0.25\nloss_coefficient = 2.5\ndensity = 1.2\n"
                              "fan = 9\nregulated_flow = 0.3\n");
    EXPECT_EQ(run.Status, 3);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, std::string(kUnsuitableFanMessage) + "\n" + kNoOperatingPointMessage + "\n");
    EXPECT_TRUE(fs::exists(JoinPath(dir, "gif_tl.gnu")));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "gif.gnu")));
}

TEST(main, missing_plotter_is_reported_once_and_is_no_error)
{
    const std::string scratch = ScratchDir("no_plotter");
    const std::string dir = WorkDir(scratch);
    const CliRun run =
        RunCli(scratch, {"--dir", dir, Example("blok_10_kondygnacji")}, "", "PATH=" + Quoted(scratch));
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "nie znaleziono programu gnuplot: wykresy GIF nie powstały\n");
    EXPECT_EQ(run.Out, ReadFileForTest(std::string(WENT_GOLDEN_DIR) + "/cli/blok_10_kondygnacji.stdout"));
}

TEST(main, plotter_renders_every_picture_before_the_program_ends)
{
    if (!OnPath("gnuplot"))
        GTEST_SKIP() << "gnuplot is not installed";
    const std::string scratch = ScratchDir("plot");
    const std::string dir = WorkDir(scratch);
    const CliRun run = RunCli(scratch, {"--dir", dir, Example("blok_10_kondygnacji")});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    for (const char* picture : {"wykres.gif", "wykres_tl.gif", "wykres_reg.gif", "wykres_reg_tl.gif"}) {
        const std::string bytes = ReadFileForTest(JoinPath(dir, std::string("wykresy/") + picture));
        EXPECT_EQ(bytes.substr(0, 4), "GIF8") << picture << " is not a GIF picture";
    }
}
