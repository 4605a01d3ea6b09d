// The twelve chart commands: which program each starts on which file, the save script's bytes,
// nothing to save, a cancelled or blocked save, and help.
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/chart_commands.h"
#include "app/help_manual.h"
#include "app/qt_front_end.h"
#include "output/picture_guard.h"
#include "window_fakes.h"

namespace {

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// A copy script as the calculations leave it: the last line ends in a blank.
std::string CopyScript(int set)
{
    return "set title 'Wykres " + std::to_string(set) + "'\nset xlabel 'Q [m3/s]'\nset ylabel 'dp [Pa]'\n"
           "set grid\nplot '1.gnu' with lines \n";
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// A window with copy scripts of these chart sets and `answer` for the save dialog.
struct SaveWindow : TestWindow {
    SaveWindow(const char* name, std::initializer_list<int> sets, std::optional<std::string> answer) : TestWindow(name)
    {
        for (int set : sets)
            WriteFile(Dir + "/tmp" + std::to_string(set) + ".gnu", CopyScript(set));
        Dialogs.SaveAnswer = answer ? Dir + *answer : answer;
    }
};

}  // namespace

class WindowChartTest : public QObject {
    Q_OBJECT

private slots:
    void displayAndPrint()
    {
        // Columns: handler, the file it needs; display: gnuplot in the working directory; print:
        // the HTML report.
        const char* rows[][4] = {
            {"char_wyswietl", "wykres.gnu", "gnuplot -persist wykres.gnu", ""},
            {"obr_reg_wyswietl", "wykres_reg.gnu", "gnuplot -persist wykres_reg.gnu", ""},
            {"char_tlumika", "wykres_tl.gnu", "gnuplot -persist wykres_tl.gnu", ""},
            {"char_reg_tlumika", "wykres_reg_tl.gnu", "gnuplot -persist wykres_reg_tl.gnu", ""},
            {"char_drukuj", "wykresy/wykresy.html", "", "/wykresy/wykresy.html"},
            {"obr_reg_druk", "wykresy/wykresy_reg.html", "", "/wykresy/wykresy_reg.html"},
            {"druk_tlumika", "wykresy/wykresy_tl.html", "", "/wykresy/wykresy_tl.html"},
            {"druk_reg_tlumika", "wykresy/wykresy_reg_tl.html", "", "/wykresy/wykresy_reg_tl.html"},
        };
        for (const auto& [handler, needed, started, opened] : rows) {
            TestWindow window("display");
            std::filesystem::create_directories(window.Dir + "/wykresy");
            WriteFile(window.Dir + "/" + needed, "");
            QVERIFY(QMetaObject::invokeMethod(&window.Form, handler));
            QCOMPARE(Joined(window.Launcher.Started), std::string(started));
            QCOMPARE(Joined(window.Launcher.Directories), *started ? window.Dir : std::string());
            QCOMPARE(Joined(window.Opener.Opened), *opened ? window.Dir + opened : std::string());
            QCOMPARE(Joined(window.Dialogs.Messages), std::string());
        }
    }

    void refusalsSayWhatIsMissing()
    {
        const std::string regulateFirst = "Proszę najpierw wykonać polecenie „Obroty regulowane”.";
        const std::string stale = "\npochodzi z poprzedniego doboru wentylatora.\nProszę ponownie wykonać polecenie „";
        // Columns: handler, files present (a regulation older than the selection when "old reg"),
        // gnuplot or browser missing, the message.
        const std::tuple<const char*, const char*, bool, std::string> rows[] = {
            {"char_wyswietl", "", false, "Brak charakterystyki do wyświetlenia.\nProszę najpierw wykonać obliczenia."},
            {"obr_reg_druk", "", false, "Brak charakterystyki do wydruku.\n" + regulateFirst},
            {"char_zapisz2", "", false, "Brak charakterystyki do zapisania.\n" + regulateFirst},
            {"kond_wyswietl", "", false, "Brak charakterystyki do wyświetlenia.\n"
                                         "Proszę najpierw wykonać polecenie „Rozkład przepływu na kondygnacjach”."},
            {"obr_reg_wyswietl", "old reg", false, "Charakterystyka obrotów regulowanych" + stale + "Obroty regulowane”."},
            {"char_zapisz3", "old reg", false,
             "Charakterystyka obrotów regulowanych z tłumikami" + stale + "Obroty regulowane z tłumikami”."},
            {"char_tlumika", "all", true, kNoPlotterMessage},
            {"char_zapisz", "all", true, kNoPlotterMessage},
            {"druk_tlumika", "all", true, "Nie można uruchomić przeglądarki, aby otworzyć plik:\n%/wykresy/wykresy_tl.html"
                                          "\nProszę otworzyć go w przeglądarce samodzielnie."},
        };
        for (const auto& [handler, files, missing, message] : rows) {
            SaveWindow window("refusal", {}, "/wykres");
            window.Launcher.Missing = window.Opener.Missing = missing;
            if (*files) {
                std::filesystem::create_directories(window.Dir + "/wykresy");
                for (const char* name : {"reg.gnu", "reg_tl.gnu", "wykres.gnu", "wykres_tl.gnu", "wykres_reg.gnu",
                                         "wykres_reg_tl.gnu", "tmp1.gnu", "tmp2.gnu", "tmp3.gnu", "tmp4.gnu",
                                         "wykresy/wykresy_tl.html", "wykresy/wykresy_reg_tl.html", "1.gnu", "pt.gnu"})
                    WriteFile(window.Dir + "/" + name, "");
                if (std::string(files) == "old reg")
                    std::filesystem::last_write_time(window.Dir + "/pt.gnu", std::filesystem::last_write_time(
                        window.Dir + "/reg_tl.gnu") + std::chrono::seconds(2));
            }
            QVERIFY(QMetaObject::invokeMethod(&window.Form, handler));
            std::string expected = message;
            if (const size_t at = expected.find('%'); at != std::string::npos)
                expected.replace(at, 1, window.Dir);
            QCOMPARE(Joined(window.Dialogs.Messages), expected);
            QCOMPARE(window.Dialogs.SaveDialogRuns, std::string(handler).rfind("char_zapisz", 0) == 0 && missing ? 1 : 0);
        }
        // Nothing to show in the variants' report before a fan was selected.
        CalcRecord empty;
        ResetCalcRecord(empty);
        TestWindow window("no_fan", empty);
        window.Form.par_tlumika();
        QCOMPARE(Joined(window.FrontEnd.Messages), std::string(kMessageCaption) + ": " + kNoFanSelectedMessage);
        QCOMPARE(window.Record.ScreenReportKind, 0);
    }

    void saveWritesTheSaveScript()
    {
        // Columns: handler, chart set (zapisz1 is the silencer set), name chosen, output file (".gif"
        // added unless the name holds it, a quote doubled in the script), in the working directory.
        const std::tuple<const char*, int, const char*, const char*> rows[] = {
            {"char_zapisz", 1, "/wykres", "/wykres.gif"},
            {"char_zapisz1", 2, "/w y.gif", "/w y.gif"},
            {"char_zapisz2", 3, "/chart.GIF", "/chart.GIF.gif"},
            {"char_zapisz3", 4, "/O'Brien.gif.old", "/O''Brien.gif.old"},
        };
        for (const auto& [handler, set, chosen, output] : rows) {
            SaveWindow window("save", {1, 2, 3, 4}, chosen);
            QVERIFY(QMetaObject::invokeMethod(&window.Form, handler));
            const std::string saveScript = "gifd" + std::to_string(set) + ".gnu";
            QCOMPARE(ReadFileForTest(window.Dir + "/" + saveScript),
                     "set terminal gif\nset output '" + window.Dir + output + "'\n" + CopyScript(set));
            QCOMPARE(Joined(window.Launcher.Started), "gnuplot " + saveScript);
            QCOMPARE(Joined(window.Launcher.Directories), window.Dir);
            for (int other = 1; other <= 4; ++other)
                QCOMPARE(Exists(window.Dir + "/gifd" + std::to_string(other) + ".gnu"), other == set);
            QVERIFY2(window.Dialogs.Messages.empty(), Joined(window.Dialogs.Messages).c_str());
        }
    }

    void saveRunsGnuplotAndKeepsTheOldPictureWhenItFails()
    {
        if (QStandardPaths::findExecutable("gnuplot").isEmpty())
            QSKIP("gnuplot is not installed");
        SaveWindow window("save_gnuplot", {1}, "/Projekt O'Brien/wykres 1");
        std::filesystem::create_directories(window.Dir + "/Projekt O'Brien");
        WriteFile(window.Dir + "/1.gnu", "0 0\n1 1\n");
        QtProcessLauncher launcher;
        QCOMPARE(SaveChart(ChartSet::Fan, window.Dir, window.Dialogs, launcher, window.Form.Problems()),
                 SaveOutcome::Saved);
        const std::string picture = window.Dir + "/Projekt O'Brien/wykres 1.gif";
        QVERIFY(IsWholeGif(ReadFileForTest(picture)));
        QVERIFY(window.Dialogs.Messages.empty());

        // A script gnuplot cannot plot: it leaves an empty file; the previous picture comes back
        // and the message quotes gnuplot.
        WriteFile(window.Dir + "/tmp1.gnu", "plot 'brak.gnu' with lines\n");
        WriteFile(picture, "GIF89a previous picture;");
        QCOMPARE(SaveChart(ChartSet::Fan, window.Dir, window.Dialogs, launcher, window.Form.Problems()),
                 SaveOutcome::NotWritten);
        QCOMPARE(ReadFileForTest(picture), std::string("GIF89a previous picture;"));
        const std::string message = Joined(window.Dialogs.Messages);
        QVERIFY2(message.rfind("Nie udało się zapisać charakterystyki w pliku:\n" + picture + "\nProgram gnuplot: ", 0) == 0 &&
                     message.find("\"gifd1.gnu\" line ") != std::string::npos,
                 message.c_str());
    }

    void saveCancelledOrBlocked()
    {
        // A cancelled save dialog writes and starts nothing.
        SaveWindow cancelled("save_cancel", {2}, std::nullopt);
        cancelled.Form.char_zapisz1();
        QVERIFY(cancelled.Dialogs.SaveDialogRuns == 1 && cancelled.Launcher.Started.empty());
        QVERIFY(cancelled.Dialogs.Messages.empty() && !Exists(cancelled.Dir + "/gifd2.gnu"));

        // A save script that cannot be written is reported at once; gnuplot is not started.
        SaveWindow blocked("save_blocked", {1}, "/wykres");
        std::filesystem::create_directories(blocked.Dir + "/gifd1.gnu");
        blocked.Form.char_zapisz();
        const std::string message = Joined(blocked.Dialogs.Messages);
        QVERIFY2(blocked.Dialogs.Messages.size() == 1 && message.find("gifd1.gnu") != std::string::npos, message.c_str());
        QVERIFY(blocked.Launcher.Started.empty() && blocked.Form.Problems().Empty());
    }

    void helpManual()
    {
        TestWindow window("help");
        window.Form.HelpContents();
        QVERIFY(window.Opener.Opened.empty());
        QCOMPARE(Joined(window.Dialogs.Messages), std::string(kNoManualMessage));

        // Found beside the program first, then in the shared documentation.
        const std::string root = ScratchDir("manual");
        std::filesystem::create_directories(root + "/bin");
        std::filesystem::create_directories(root + "/share/doc/went_char");
        QVERIFY(!FindManual(root + "/bin"));
        WriteFile(root + "/share/doc/went_char/went_char_pl.html", "<html></html>");
        QCOMPARE(FindManual(root + "/bin").value_or(""), root + "/share/doc/went_char/went_char_pl.html");
        WriteFile(root + "/bin/went_char_pl.html", "<html></html>");
        QCOMPARE(FindManual(root + "/bin").value_or(""), root + "/bin/went_char_pl.html");
    }

    void realLauncherStartsInTheWorkingDirectoryWithoutInput()
    {
        // An empty input, so that a script's "pause -1" cannot wait on the terminal.
        const std::string dir = ScratchDir("launcher");
        QtProcessLauncher launcher;
        launcher.StartDetached("/bin/sh", {"-c", "cat > input.txt; pwd > started.txt"}, dir);
        QTRY_COMPARE(ReadFileForTest(dir + "/started.txt"), dir + "\n");
        QCOMPARE(ReadFileForTest(dir + "/input.txt"), std::string());
    }
};

QTEST_MAIN(WindowChartTest)
#include "window_chart_test.moc"
