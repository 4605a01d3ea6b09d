// The twelve chart commands: which program each starts on which file, the save script's bytes,
// nothing to save, a cancelled or blocked save, and help.
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/chart_commands.h"
#include "app/help_manual.h"
#include "app/qt_front_end.h"
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
        // Columns: handler; display: gnuplot in the working directory; print: the HTML report.
        const char* rows[][3] = {
            {"char_wyswietl", "gnuplot -persist wykres.gnu", ""},
            {"obr_reg_wyswietl", "gnuplot -persist wykres_reg.gnu", ""},
            {"char_tlumika", "gnuplot -persist wykres_tl.gnu", ""},
            {"char_reg_tlumika", "gnuplot -persist wykres_reg_tl.gnu", ""},
            {"char_drukuj", "", "/wykresy/wykresy.html"},
            {"obr_reg_druk", "", "/wykresy/wykresy_reg.html"},
            {"druk_tlumika", "", "/wykresy/wykresy_tl.html"},
            {"druk_reg_tlumika", "", "/wykresy/wykresy_reg_tl.html"},
        };
        for (const auto& [handler, started, opened] : rows) {
            TestWindow window("display");
            QVERIFY(QMetaObject::invokeMethod(&window.Form, handler));
            QCOMPARE(Joined(window.Launcher.Started), std::string(started));
            QCOMPARE(Joined(window.Launcher.Directories), *started ? window.Dir : std::string());
            QCOMPARE(Joined(window.Opener.Opened), *opened ? window.Dir + opened : std::string());
        }
    }

    void saveWritesTheSaveScript()
    {
        // Columns: handler, chart set (zapisz1 is the silencer set), name chosen, output file (".gif"
        // added unless the name holds it, in that case).
        const std::tuple<const char*, int, const char*, const char*> rows[] = {
            {"char_zapisz", 1, "/d/wykres", "/d/wykres.gif"},
            {"char_zapisz1", 2, "/d/w.gif", "/d/w.gif"},
            {"char_zapisz2", 3, "/d/chart.GIF", "/d/chart.GIF.gif"},
            {"char_zapisz3", 4, "/d/chart.gif.old", "/d/chart.gif.old"},
        };
        for (const auto& [handler, set, chosen, output] : rows) {
            SaveWindow window("save", {1, 2, 3, 4}, std::nullopt);
            window.Dialogs.SaveAnswer = chosen;
            QVERIFY(QMetaObject::invokeMethod(&window.Form, handler));
            const std::string saveScript = "gifd" + std::to_string(set) + ".gnu";
            QCOMPARE(ReadFileForTest(window.Dir + "/" + saveScript),
                     "set terminal gif\nset output ' " + std::string(output) + " '\n" + CopyScript(set));
            QCOMPARE(Joined(window.Launcher.Started), "gnuplot " + saveScript);
            QCOMPARE(Joined(window.Launcher.Directories), window.Dir);
            for (int other = 1; other <= 4; ++other)
                QCOMPARE(Exists(window.Dir + "/gifd" + std::to_string(other) + ".gnu"), other == set);
            QVERIFY(window.Dialogs.Messages.empty());
        }
    }

    void saveRefusedCancelledOrBlocked()
    {
        // No copy script: a message, and the save dialog is not even shown.
        SaveWindow nothing("save_nothing", {}, "/wykres");
        nothing.Form.char_zapisz2();
        QCOMPARE(Joined(nothing.Dialogs.Messages),
                 std::string("Brak charakterystyki do zapisania.\nProszę najpierw wykonać obliczenia."));
        QVERIFY(nothing.Dialogs.SaveDialogRuns == 0 && nothing.Launcher.Started.empty());
        QVERIFY(!Exists(nothing.Dir + "/gifd3.gnu"));

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
