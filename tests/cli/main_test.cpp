// The went_char_cli program: command line, exit statuses, standard output and error, files left.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "output/text_file.h"
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

    // Wrong usage is followed by the usage text; bad input is read from standard input ("-").
    const std::string usage = "\n" + help.Out;
    struct Row { std::vector<std::string> args; const char* input; std::string error; };
    const Row rows[] = {
        {{}, "", "went_char_cli: brak pliku wejściowego\n" + usage},
        {{"--plot", "x.txt"}, "", "went_char_cli: nieznana opcja „--plot”\n" + usage},
        {{"a.txt", "b.txt"}, "", "went_char_cli: podano więcej niż jeden plik wejściowy\n" + usage},
        {{"x.txt", "--dir"}, "", "went_char_cli: po --dir brak katalogu\n" + usage},
        {{"--csv", "x.txt"}, "", "went_char_cli: --csv, --outside-temp i --speed tylko z --storeys\n" + usage},
        {{"--storeys", "x.txt", "--outside-temp"}, "", "went_char_cli: po --outside-temp brak temperatury\n" + usage},
        {{"--no-plot", "--dir", dir, "--storeys", "--outside-temp=-99", "-"},
         "density = 1.2\nduct_shape = round\nduct_diameter = 0.315\nstoreys = 3\nstorey_height = 3\n"
         "grille_height = 0.2\ngrille_width = 0.2\nloss_coefficient = 15\nfan = 19\n",
         "-: --storeys: Temperatura zewnętrzna musi być liczbą z zakresu -60 do 60 [°C].\n"},
        {{"--no-plot", "--dir", dir, "--storeys", "--speed", "731", "-"},
         "density = 1.2\nduct_shape = round\nduct_diameter = 0.315\nstoreys = 3\nstorey_height = 3\n"
         "grille_height = 0.2\ngrille_width = 0.2\nloss_coefficient = 15\nfan = 19\n",
         "-: --storeys: Obroty wentylatora muszą być liczbą od 0 (obroty z katalogu) do obrotów z katalogu.\n"},
        {{"--no-plot", "--dir", dir, "-"}, "fan = 19\nstoreys: 10\n", "-: wiersz 2: brak znaku „=” w „storeys: 10”\n"},
        {{"--no-plot", "--dir", dir, "-"}, "duct_shape = round\nfan = 19\nstoreys = -1\n",
         "-: okno Form22 („Parametry budynku”) nie przyjmuje danych: Ilość kondygnacji musi być liczbą z zakresu "
         "0 do 99.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.error);
        const CliRun run = RunCli(scratch, row.args, row.input);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, row.error);
        EXPECT_TRUE(fs::is_empty(dir)) << "nothing may be written";
    }

    const CliRun missing = RunCli(scratch, {"--no-plot", "--dir", dir, JoinPath(scratch, "none.txt")});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_EQ(missing.Err, "went_char_cli: nie można odczytać pliku „" + JoinPath(scratch, "none.txt") + "”\n");
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
        EXPECT_TRUE(fs::exists(JoinPath(dir, "wykresy/wykresy_reg.html")));
        EXPECT_FALSE(fs::exists(JoinPath(dir, "wykresy/wykres.gif"))) << "--no-plot starts no plotter";
        if (name != std::string("blok_10_kondygnacji"))
            continue;
        const std::vector<std::string> files = FileNamesBelow(dir);
        EXPECT_EQ(files, (std::vector<std::string>{
            "1.gnu", "dialog.sav", "dialog22.sav", "dialog33.sav", "dialog4.sav", "dialog5.sav", "gif.gnu",
            "gif_reg.gnu", "gif_reg_tl.gnu", "gif_tl.gnu", "pstr.txt", "pt.gnu", "reg.gnu", "reg_tl.gnu", "siec.gnu",
            "tc.gnu", "tmp1.gnu", "tmp2.gnu", "tmp3.gnu", "tmp4.gnu", "wykres.gnu", "wykres_reg.gnu",
            "wykres_reg_tl.gnu", "wykres_tl.gnu", "wykresy/koralinex.jpg", "wykresy/wykresy.html",
            "wykresy/wykresy_reg.html", "wykresy/wykresy_reg_tl.html", "wykresy/wykresy_tl.html"}));
        for (const std::string& file : files)
            if (file != "wykresy/koralinex.jpg") {
                EXPECT_EQ(CompareWithGolden("cli/" + std::string(name) + "/" + file, ReadFileForTest(JoinPath(dir, file))), "");
            }
    }
}

// The storey table after the usual reports, its CSV alone on standard output, and the exit status 3
// of a fan whose curve ends before the storeys' flows meet it.
TEST(main, storey_flows)
{
    const std::string scratch = ScratchDir("storeys");
    const std::string dir = WorkDir(scratch);
    const CliRun table = RunCli(scratch, {"--dir", dir, "--no-plot", "--storeys", "--outside-temp", "-20",
                                          Example("blok_10_kondygnacji_kratki_typ_a")});
    EXPECT_EQ(table.Status, 0);
    EXPECT_EQ(table.Err, "");
    EXPECT_EQ(CompareWithGolden("cli/blok_10_kondygnacji_kratki_typ_a.stdout", table.Out), "");
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog7.sav")), "1\n-20.0\n0.0\n");
    for (const char* file : {"kond.gnu", "kond_r.gnu", "gif_kond.gnu", "wykresy/wykresy_kond.html"})
        EXPECT_TRUE(fs::exists(JoinPath(dir, file))) << file;

    const CliRun csv = RunCli(scratch, {"--dir", dir, "--no-plot", "--storeys", "--csv", "--speed=730",
                                        Example("wiezowiec_30_kondygnacji")});
    EXPECT_EQ(csv.Status, 0);
    EXPECT_EQ(csv.Err, "");
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog7.sav")), "0\n-20.0\n730.0\n") << "the temperature box keeps its text";
    EXPECT_EQ(csv.Out.substr(0, csv.Out.find('\n')),
              "Kondygnacja,Przepływ [m3/h],Udział [%],Podciśnienie [Pa],DP kratki [Pa]");
    EXPECT_EQ(CountOf(csv.Out, "\n"), 31);
    EXPECT_EQ(CountOf(csv.Out, "\n30,"), 1);
    EXPECT_EQ(csv.Out.find(' ', csv.Out.find('\n')), std::string::npos) << "rows hold numbers only";

    // A regulated fan moves less air; the equal-flow result beside it is at the same speed.
    const CliRun slower = RunCli(scratch, {"--dir", dir, "--no-plot", "--storeys", "--speed", "500",
                                           Example("blok_10_kondygnacji_kratki_typ_a")});
    EXPECT_EQ(slower.Status, 0);
    EXPECT_EQ(CountOf(slower.Out, "   Obroty regulowane wentylatora = 500.0 [1/min]\n"), 1) << slower.Out;
    EXPECT_EQ(CountOf(slower.Out, "   Wydajność sekundowa wentylatora Q"), 2) << "the usual report and the comparison";

    const CliRun none = RunCli(scratch, {"--dir", dir, "--no-plot", "--storeys", Example("blok_10_kondygnacji")});
    EXPECT_EQ(none.Status, 3);
    EXPECT_EQ(none.Err, "Przy rzeczywistym rozkładzie przepływu charakterystyka wentylatora nie przecina\n"
                        "charakterystyki sieci: brak rozwiązania.\n");
    EXPECT_EQ(none.Out.find("Rozkład przepływu"), std::string::npos);
}

TEST(main, plotter_renders_every_picture_before_the_program_ends)
{
    if (std::system("command -v gnuplot >/dev/null 2>&1") != 0)
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
