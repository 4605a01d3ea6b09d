// The twelve chart commands of the main window: which program each starts on which file, the
// bytes of the save script, the cases with nothing to save or a cancelled dialog, and help.
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/chart_commands.h"
#include "app/help_manual.h"
#include "app/main_form.h"
#include "app/qt_front_end.h"
#include "support/test_support.h"
#include "window_fakes.h"

namespace {

struct Window {
    explicit Window(const char* name) : Dir(ScratchDir(name)), Record(WorkedExample(4)),
        Form(Record, Dir, FrontEnd, {&Launcher, &Opener, &Dialogs}) {}
    std::string Dir;
    CalcRecord Record;
    FakeFrontEnd FrontEnd;
    FakeLauncher Launcher;
    FakeOpener Opener;
    FakeDialogs Dialogs;
    TMainForm Form;
};

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

QStringList ToList(const std::vector<std::string>& values)
{
    QStringList list;
    for (const std::string& value : values)
        list << QString::fromStdString(value);
    return list;
}

// A copy script as the calculations leave it: five lines, the last one with a trailing blank.
std::string CopyScript(int set)
{
    return "set title 'Wykres " + std::to_string(set) + "'\nset xlabel 'Q [m3/s]'\nset ylabel 'dp [Pa]'\n"
           "set grid\nplot '1.gnu' with lines \n";
}

}  // namespace

class WindowChartTest : public QObject {
    Q_OBJECT

private slots:
    void displayStartsGnuplotPersisting_data()
    {
        QTest::addColumn<QByteArray>("handler");
        QTest::addColumn<QString>("script");
        QTest::newRow("char_wyswietl") << QByteArray("char_wyswietl") << "wykres.gnu";
        QTest::newRow("obr_reg_wyswietl") << QByteArray("obr_reg_wyswietl") << "wykres_reg.gnu";
        QTest::newRow("char_tlumika") << QByteArray("char_tlumika") << "wykres_tl.gnu";
        QTest::newRow("char_reg_tlumika") << QByteArray("char_reg_tlumika") << "wykres_reg_tl.gnu";
    }

    void displayStartsGnuplotPersisting()
    {
        QFETCH(QByteArray, handler);
        QFETCH(QString, script);
        Window window("display");
        QVERIFY(QMetaObject::invokeMethod(&window.Form, handler.constData()));
        QCOMPARE(int(window.Launcher.Started.size()), 1);
        const StartedProcess& started = window.Launcher.Started[0];
        QCOMPARE(started.Program, std::string("gnuplot"));
        QCOMPARE(ToList(started.Arguments), (QStringList{"-persist", script}));
        QCOMPARE(started.WorkingDirectory, window.Dir);
        QVERIFY(window.Opener.Opened.empty());
    }

    void printOpensTheHtmlReport_data()
    {
        QTest::addColumn<QByteArray>("handler");
        QTest::addColumn<QString>("report");
        QTest::newRow("char_drukuj") << QByteArray("char_drukuj") << "/wykresy/wykresy.html";
        QTest::newRow("obr_reg_druk") << QByteArray("obr_reg_druk") << "/wykresy/wykresy_reg.html";
        QTest::newRow("druk_tlumika") << QByteArray("druk_tlumika") << "/wykresy/wykresy_tl.html";
        QTest::newRow("druk_reg_tlumika") << QByteArray("druk_reg_tlumika") << "/wykresy/wykresy_reg_tl.html";
    }

    void printOpensTheHtmlReport()
    {
        QFETCH(QByteArray, handler);
        QFETCH(QString, report);
        Window window("print");
        QVERIFY(QMetaObject::invokeMethod(&window.Form, handler.constData()));
        QCOMPARE(ToList(window.Opener.Opened), QStringList{QString::fromStdString(window.Dir) + report});
        QVERIFY(window.Launcher.Started.empty());
    }

    void saveWritesTheSaveScript_data()
    {
        QTest::addColumn<QByteArray>("handler");
        QTest::addColumn<int>("set");
        // The handler numbers do not follow the sets: zapisz1 is the silencer set (2).
        QTest::newRow("char_zapisz: fan") << QByteArray("char_zapisz") << 1;
        QTest::newRow("char_zapisz1: silencers") << QByteArray("char_zapisz1") << 2;
        QTest::newRow("char_zapisz2: regulated") << QByteArray("char_zapisz2") << 3;
        QTest::newRow("char_zapisz3: regulated with silencers") << QByteArray("char_zapisz3") << 4;
    }

    void saveWritesTheSaveScript()
    {
        QFETCH(QByteArray, handler);
        QFETCH(int, set);
        Window window("save");
        for (int other = 1; other <= 4; ++other)
            WriteFile(window.Dir + "/tmp" + std::to_string(other) + ".gnu", CopyScript(other));
        window.Dialogs.SaveAnswer = window.Dir + "/wykres";

        QVERIFY(QMetaObject::invokeMethod(&window.Form, handler.constData()));

        const std::string saveScript = "gifd" + std::to_string(set) + ".gnu";
        const std::string expected = "set terminal gif\nset output ' " + window.Dir + "/wykres.gif '\n" + CopyScript(set);
        QCOMPARE(ReadFileForTest(window.Dir + "/" + saveScript), expected);
        QCOMPARE(int(window.Launcher.Started.size()), 1);
        QCOMPARE(window.Launcher.Started[0].Program, std::string("gnuplot"));
        QCOMPARE(ToList(window.Launcher.Started[0].Arguments), QStringList{QString::fromStdString(saveScript)});
        QCOMPARE(window.Launcher.Started[0].WorkingDirectory, window.Dir);
        for (int other = 1; other <= 4; ++other)
            if (other != set)
                QVERIFY(!std::filesystem::exists(window.Dir + "/gifd" + std::to_string(other) + ".gnu"));
        QVERIFY(window.Dialogs.Messages.empty());
    }

    void saveNameGetsGifUnlessItHoldsIt_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("output");
        QTest::newRow("bare name") << "/d/wykres" << "/d/wykres.gif";
        QTest::newRow("already .gif") << "/d/w.gif" << "/d/w.gif";
        QTest::newRow("upper case is not .gif") << "/d/chart.GIF" << "/d/chart.GIF.gif";
        QTest::newRow(".gif inside") << "/d/chart.gif.old" << "/d/chart.gif.old";
    }

    void saveNameGetsGifUnlessItHoldsIt()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, output);
        Window window("save_name");
        WriteFile(window.Dir + "/tmp1.gnu", CopyScript(1));
        window.Dialogs.SaveAnswer = chosen.toStdString();
        window.Form.char_zapisz();
        const std::string script = ReadFileForTest(window.Dir + "/gifd1.gnu");
        QCOMPARE(QString::fromStdString(script.substr(0, script.find('\n', 17) + 1)),
                 "set terminal gif\nset output ' " + output + " '\n");
    }

    void saveWithoutCopyScriptSaysSo()
    {
        Window window("save_nothing");
        window.Dialogs.SaveAnswer = window.Dir + "/wykres";
        window.Form.char_zapisz2();
        QCOMPARE(int(window.Dialogs.Messages.size()), 1);
        QCOMPARE(QString::fromStdString(window.Dialogs.Messages[0].Text),
                 QStringLiteral("Brak charakterystyki do zapisania.\nProszę najpierw wykonać obliczenia."));
        QCOMPARE(window.Dialogs.SaveDialogRuns, 0);
        QVERIFY(window.Launcher.Started.empty());
        QVERIFY(!std::filesystem::exists(window.Dir + "/gifd3.gnu"));
    }

    void cancelledSaveWritesAndStartsNothing()
    {
        Window window("save_cancel");
        WriteFile(window.Dir + "/tmp2.gnu", CopyScript(2));
        window.Form.char_zapisz1();  // SaveAnswer stays empty: cancelled
        QCOMPARE(window.Dialogs.SaveDialogRuns, 1);
        QVERIFY(window.Launcher.Started.empty());
        QVERIFY(window.Dialogs.Messages.empty());
        QVERIFY(!std::filesystem::exists(window.Dir + "/gifd2.gnu"));
    }

    void saveScriptThatCannotBeWrittenIsReported()
    {
        Window window("save_blocked");
        WriteFile(window.Dir + "/tmp1.gnu", CopyScript(1));
        std::filesystem::create_directories(window.Dir + "/gifd1.gnu");  // a directory in the way
        window.Dialogs.SaveAnswer = window.Dir + "/wykres";
        window.Form.char_zapisz();
        QCOMPARE(int(window.Dialogs.Messages.size()), 1);
        QVERIFY2(window.Dialogs.Messages[0].Text.find("gifd1.gnu") != std::string::npos,
                 window.Dialogs.Messages[0].Text.c_str());
        QVERIFY(window.Launcher.Started.empty());
        QVERIFY(window.Form.Problems().Empty());
    }

    void saveDialogSetUp()
    {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        ConfigureSaveDialog(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Zapisz plik charakterystyki"));
        QCOMPARE(dialog.nameFilters(), QStringList{QStringLiteral("Pliki graficzne (*.gif)")});
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
        QVERIFY2(!dialog.testOption(QFileDialog::DontConfirmOverwrite), "overwriting is confirmed");
        QVERIFY(!dialog.testOption(QFileDialog::ReadOnly));
        QCOMPARE(dialog.directory().absolutePath(), QDir::current().absolutePath());
    }

    void calculationPlotterStartsGnuplotOnTheGifScript()
    {
        FakeLauncher launcher;
        QtFrontEnd frontEnd(launcher, "/work/dir");
        frontEnd.StartPlotter("gif_tl.gnu");
        QCOMPARE(int(launcher.Started.size()), 1);
        QCOMPARE(launcher.Started[0].Program, std::string("gnuplot"));
        QCOMPARE(ToList(launcher.Started[0].Arguments), QStringList{"gif_tl.gnu"});
        QCOMPARE(launcher.Started[0].WorkingDirectory, std::string("/work/dir"));
    }

    void helpWithoutManualSaysSo()
    {
        Window window("help");
        window.Form.HelpContents();
        QVERIFY(window.Opener.Opened.empty());
        QCOMPARE(int(window.Dialogs.Messages.size()), 1);
        QCOMPARE(window.Dialogs.Messages[0].Text, std::string(kNoManualMessage));
    }

    void manualFoundBesideTheProgramFirst()
    {
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
        // The started program runs in the given directory and reads an empty input, so that a
        // script's "pause -1" cannot wait on the terminal.
        const std::string dir = ScratchDir("launcher");
        QtProcessLauncher launcher;
        launcher.StartDetached("/bin/sh", {"-c", "cat > input.txt; pwd > started.txt"}, dir);
        QTRY_COMPARE(ReadFileForTest(dir + "/started.txt"), dir + "\n");
        QCOMPARE(ReadFileForTest(dir + "/input.txt"), std::string());
    }
};

QTEST_MAIN(WindowChartTest)
#include "window_chart_test.moc"
