// A whole calculation from the main window's menu, as the program is put together at start-up:
// "&Nowe obliczenia" through every dialog to the fan chooser, then "&Obroty regulowane" and
// "&Obroty regulowane z tłumikami", with gnuplot replaced by a recorder.
#include <clocale>
#include <string>
#include <vector>

#include <QAction>
#include <QTest>

#include "app/about_box.h"
#include "app/dialogs_modal_driver.h"
#include "app/main_form.h"
#include "app/process_launcher.h"
#include "app/qt_front_end.h"
#include "dialogs/forms/dialog_forms.h"
#include "output/working_dir.h"
#include "support/test_support.h"

namespace {

class RecordingLauncher final : public ProcessLauncher {
public:
    void StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDirectory) override
    {
        std::string line = program;
        for (const std::string& argument : arguments)
            line += " " + argument;
        Started.push_back(line);
        Directories.push_back(workingDirectory);
    }

    std::vector<std::string> Started;
    std::vector<std::string> Directories;
};

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : "; ") + item;
    return text;
}

}  // namespace

class DialogMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }
    void wholeCalculationFromTheMenu();
};

void DialogMenuTest::wholeCalculationFromTheMenu()
{
    const std::string dir = ScratchDir("menu_whole_calculation");
    CalcRecord record;
    ResetCalcRecord(record);

    // The start-up order of the program.
    RecordingLauncher launcher;
    QtFrontEnd frontEnd(launcher, dir);
    TMainForm mainForm(record, dir, frontEnd, WindowServices{&launcher});
    TAboutBox aboutBox(&mainForm);
    mainForm.SetAboutBox(&aboutBox);
    DialogForms forms(DialogContext{&record, dir, &mainForm.Problems()});
    frontEnd.SetMainForm(&mainForm);
    frontEnd.SetDialogForms(&forms);
    PrepareWorkingDirectory(dir, mainForm.Problems());
    mainForm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainForm));

    ModalDriver driver;
    driver.Then("OKBottomDlg3", [](QWidget* f) {
        Check(f, "RadioButton2");  // typed density
        ClickOk(f);
    });
    driver.Then("OKBottomDlg", [](QWidget* f) {
        SetEdit(f, "Edit1", "1.2");
        ClickOk(f);
    });
    driver.Then("OKBottomDlg333", [](QWidget* f) {
        Check(f, "RadioButton2");  // round duct
        ClickOk(f);
    });
    driver.Then("Form4", [](QWidget* f) {
        SetEdit(f, "Edit1", "0.315");
        ClickOk(f);
    });
    driver.Then("OKBottomDlg33333", [](QWidget* f) { ClickOk(f); });  // galvanised steel, as it stands
    driver.Then("OKBottomDlg3333", [](QWidget* f) { ClickOk(f); });   // rectangular grille, as it stands
    driver.Then("Form22", [](QWidget* f) {
        SetEdit(f, "Edit1", "3");
        SetEdit(f, "Edit2", "10");
        SetEdit(f, "Edit3", "0.2");
        SetEdit(f, "Edit4", "0.25");
        SetEdit(f, "Edit5", "2.5");
        ClickOk(f);
    });
    driver.Then("OKBottomDlg_wyw", [](QWidget* f) {
        Check(f, "RadioButton19");
        ClickOk(f);
    });
    driver.Then("OKBottomDlg1", [](QWidget* f) {
        SetEdit(f, "Edit1", "0.6");
        ClickOk(f);
    });
    driver.Then("OKBottomDlg2", [](QWidget* f) {
        SetEdit(f, "Edit1", "0.5");
        PickComboItem(f, "ComboBox1", 1);
        ClickOk(f);
    });
    driver.Start();

    auto* fileNew = mainForm.findChild<QAction*>(QStringLiteral("FileNewItem"));
    QVERIFY(fileNew);
    QCOMPARE(fileNew->text(), QStringLiteral("&Nowe obliczenia"));
    fileNew->trigger();
    QCOMPARE(record.ScreenReportKind, 1);
    QCOMPARE(record.FanIndex, 19);
    QCOMPARE(std::string(record.FanDesignation), std::string("CORVA-4"));
    QVERIFY(record.FanFlow > 0);
    QCOMPARE(ReadFileForTest(dir + "/dialog33.sav"), std::string("3.00\n10\n0.20\n0.25\n2.50\n"));
    QVERIFY(!ReadFileForTest(dir + "/wykresy/wykresy.html").empty());

    auto* regulate = mainForm.findChild<QAction*>(QStringLiteral("obr_reg"));
    QVERIFY(regulate);
    regulate->trigger();
    QCOMPARE(record.ScreenReportKind, 2);
    QCOMPARE(record.RegulatedFlow, 0.6);

    auto* regulateVariant = mainForm.findChild<QAction*>(QStringLiteral("par_reg_tlumika"));
    QVERIFY(regulateVariant);
    regulateVariant->trigger();
    QCOMPARE(record.ScreenReportKind, 4);
    QCOMPARE(record.RegulationVariant, 1);
    QCOMPARE(record.VariantRegulatedFlow, 0.5);

    driver.Stop();
    QVERIFY2(driver.Finished() && driver.Problems().empty(), Joined(driver.Problems()).c_str());
    QCOMPARE(Joined(launcher.Started),
             std::string("gnuplot gif.gnu; gnuplot gif_tl.gnu; gnuplot gif_reg.gnu; gnuplot gif_reg_tl.gnu"));
    for (const std::string& started : launcher.Directories)
        QCOMPARE(started, dir);

    // A picture of the window with the last report, for a look by eye: WENT_SCREENSHOT_DIR=/tmp/shots.
    const QByteArray shots = qgetenv("WENT_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        mainForm.showNormal();
        mainForm.resize(808, 546);
        QTest::qWait(50);
        QVERIFY(mainForm.grab().save(QString::fromLocal8Bit(shots) + "/MainForm_after_run.png"));
    }
}

QTEST_MAIN(DialogMenuTest)
#include "dialogs_menu_test.moc"
