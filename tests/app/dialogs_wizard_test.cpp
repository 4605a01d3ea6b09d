// "&Nowe obliczenia" through the real dialogs as a user answers them: every branch of the wizard
// and the regulation requests, compared byte for byte with the batch front end on the same answers;
// a cancel at every step; two runs and the selection from the catalogue from the main window's menu
// put together as at start-up.
#include <algorithm>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <map>

#include <QAction>
#include <QHeaderView>
#include <QProcess>
#include <QTableWidget>

#include "app/window_program.h"
#include "dialogs/forms/adjustable_grille_form.h"
#include "dialogs/forms/density_source_form.h"
#include "dialogs/forms/fan_choice_form.h"
#include "output/report.h"
#include "output/storage/picture_guard.h"
#include "window_fakes.h"

namespace fs = std::filesystem;

namespace {

using Answers = std::map<std::string, std::string>;  // the batch front end's input keys

// "key=value; key=value" as answers.
Answers Parse(const char* text)
{
    Answers answers;
    for (const QString& pair : QString::fromUtf8(text).split(';'))
        answers[pair.section('=', 0, 0).trimmed().toStdString()] = pair.section('=', 1).trimmed().toStdString();
    return answers;
}

// A form the wizard shows, with what the user does in it.
struct Step {
    DialogId Dialog;
    const char* Name;
    std::function<void(QWidget*)> Fill;
};

// A step that fills the controls from the answers: in a form without edit boxes the key checks
// the button its value names; otherwise the keys answer "Edit1", "Edit2", ... in turn, except that
// "variant" picks the item of that number in "ComboBox1" and "grille" picks the item the text
// names there or, naming none, types it. Missing keys leave controls as they are.
Step MakeStep(DialogId dialog, const char* name, const Answers& a, std::vector<std::string> keys)
{
    return {dialog, name, [a, keys](QWidget* f) {
                static const Answers kButtons = {{"computed", "1"}, {"typed", "2"}, {"rectangular", "1"}, {"round", "2"}};
                for (size_t k = 0; k < keys.size(); ++k) {
                    if (!a.count(keys[k]))
                        continue;
                    const std::string& value = a.at(keys[k]);
                    const QString text = QString::fromStdString(value);
                    const int item = keys[k] == "grille" ? Child<QComboBox>(f, "ComboBox1")->findText(text) : -1;
                    if (!f->findChild<QLineEdit*>("Edit1"))
                        Check(f, ("RadioButton" + (kButtons.count(value) ? kButtons.at(value) : value)).c_str());
                    else if (keys[k] == "variant" || item >= 0)
                        PickComboItem(f, "ComboBox1", item >= 0 ? item : text.toInt());
                    else if (keys[k] == "grille")
                        TypeComboText(f, "ComboBox1", text);
                    else
                        SetEdit(f, ("Edit" + std::to_string(k + 1)).c_str(), text);
                }
            }};
}
#define STEP(id, ...) MakeStep(DialogId::id, #id, a, __VA_ARGS__)

// The forms the wizard shows for these answers, then the regulation requests they ask for.
std::vector<Step> WizardSteps(const Answers& a, bool withRegulation = false)
{
    const Step buildings[] = {
        STEP(Form22, {"storey_height", "storeys", "grille_height", "grille_width", "loss_coefficient"}),
        STEP(Form222, {"storey_height", "storeys", "grille_diameter", "loss_coefficient"}),
        STEP(Form2222, {"storey_height", "storeys", "grille", "turns"}),
        STEP(Form22222, {"storey_height", "storeys", "grille", "constant_flow"}),
        STEP(Form222222, {"storey_height", "storeys", "grille", "constant_flow"}),
    };
    std::vector<Step> steps = {
        STEP(OKBottomDlg3, {"density_source"}),
        a.at("density_source") == "computed" ? STEP(Form3, {"temperature", "pressure", "humidity"})
                                             : STEP(OKBottomDlg, {"density"}),
        STEP(OKBottomDlg333, {"duct_shape"}),
        a.at("duct_shape") == "round" ? STEP(Form4, {"duct_diameter"}) : STEP(Form1, {"duct_length", "duct_width"}),
        STEP(OKBottomDlg33333, {"material"}),
        STEP(OKBottomDlg3333, {"installation"}),
        buildings[std::stoi(a.at("installation")) - 1],
        STEP(OKBottomDlg_wyw, {"fan"}),
    };
    if (withRegulation && a.count("regulated_flow"))
        steps.push_back(STEP(OKBottomDlg1, {"regulated_flow"}));
    if (withRegulation && a.count("variant_flow"))
        steps.push_back(STEP(OKBottomDlg2, {"variant_flow", "variant"}));
    return steps;
}
#undef STEP

// Queues the first `count` steps, each filled in and confirmed by a click or by Enter.
void Confirmed(ModalDriver& driver, const std::vector<Step>& steps, size_t count, bool byEnter = false)
{
    for (size_t k = 0; k < count; ++k)
        driver.Then(QString::fromLatin1(steps[k].Name), [&step = steps[k], byEnter](QWidget* f) {
            step.Fill(f);
            byEnter ? Key(f, Qt::Key_Return) : ClickOk(f);
        });
}

// Every installation kind across both density sources and duct shapes; two ask for the regulated
// speeds. Columns: name, answers, OK given by Enter, the network and the fan do not meet.
const struct Scenario {
    const char* Name;
    Answers Keys;
    bool ByEnter, FanUnsuitable;
} kScenarios[] = {
    {"typed_round_rect_grille", Parse("density_source=typed; density=1.2; duct_shape=round; duct_diameter=0.315; material=1; "
     "installation=1; storey_height=3; storeys=10; grille_height=0.2; grille_width=0.25; loss_coefficient=2.5; fan=19; "
     "regulated_flow=0.6; variant_flow=0.5; variant=1"), false, false},
    {"computed_rect_adjustable_grille", Parse("density_source=computed; temperature=20; pressure=1013; humidity=50; "
     "duct_shape=rectangular; duct_length=0.3; duct_width=0.2; material=2; installation=3; storey_height=2.8; storeys=6; "
     "grille=LUMA 125; turns=10; fan=9; regulated_flow=0.1; variant_flow=0.08; variant=2"), true, false},
    {"typed_rect_round_grille", Parse("density_source=typed; density=1.19; duct_shape=rectangular; duct_length=0.4; "
     "duct_width=0.25; material=4; installation=2; storey_height=3.1; storeys=8; grille_diameter=0.125; "
     "loss_coefficient=3.9; fan=30"), false, false},
    {"computed_round_constant_flow_round_grille", Parse("density_source=computed; temperature=5; pressure=990; humidity=80; "
     "duct_shape=round; duct_diameter=0.2; material=6; installation=4; storey_height=2.7; storeys=5; grille=116 mm; "
     "constant_flow=30; fan=27"), true, false},
    {"typed_round_constant_flow_rect_grille", Parse("density_source=typed; density=1.2; duct_shape=round; duct_diameter=0.25; "
     "material=3; installation=5; storey_height=3; storeys=12; grille=NEVA-70; constant_flow=40; fan=45"), false, false},
    // A typed name naming no grille counts as NEVA-20, far beyond what the fan can draw at 40 m3/h,
    // even when it begins like another (no completion to NEVA-70) and Enter is pressed in the box.
    {"typed_grille_name_unsuitable_fan", Parse("density_source=typed; density=1.2; duct_shape=round; duct_diameter=0.25; "
     "material=3; installation=5; storey_height=3; storeys=12; grille=NEVA-7; constant_flow=40; fan=45"), true, true},
};

// What the forms of `steps` show: their edit texts, checked buttons and combo boxes' texts and items.
std::string FormStates(DialogForms& forms, const std::vector<Step>& steps)
{
    QString dump;
    for (const Step& step : steps) {
        const DialogFacts& facts = FactsOf(step.Dialog);
        dump += QString::fromLatin1(facts.FormName) + ":";
        for (QWidget* child : forms.Form(facts.Id)->findChildren<QWidget*>()) {
            if (auto* combo = qobject_cast<QComboBox*>(child))
                dump += QStringLiteral(" %1=%2#%3").arg(combo->objectName(), combo->currentText()).arg(combo->currentIndex());
            else if (auto* edit = qobject_cast<QLineEdit*>(child); edit && !edit->objectName().isEmpty())
                dump += " " + edit->objectName() + "=" + edit->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(child); button && button->isChecked())
                dump += " " + button->objectName();
        }
        dump += "\n";
    }
    return dump.toStdString();
}

// The window program as at start-up in `dir`, gnuplot replaced by a recorder; Choose triggers a
// menu item with the modal dialogs the driver has queued.
struct MenuRun {
    explicit MenuRun(const std::string& dir) : Dir(dir), Program(Record, dir, Launcher) {}
    void Choose(const char* item)
    {
        Driver.Drive([&] { return Program.MainForm.findChild<QAction*>(item)->trigger(), 0; });
    }
    std::string Dir;
    CalcRecord Record = EmptyRecord();
    FakeLauncher Launcher;
    WindowProgram Program;
    ModalDriver Driver;
};

}  // namespace

class DialogWizardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }

    void sameRunAsBatchFrontEnd_data()
    {
        QTest::addColumn<int>("scenario");
        for (size_t i = 0; i < std::size(kScenarios); ++i)
            QTest::newRow(kScenarios[i].Name) << int(i);
    }

    void sameRunAsBatchFrontEnd()
    {
        QFETCH(int, scenario);
        const Scenario& s = kScenarios[scenario];
        // The window: the wizard, then the regulation commands the input asks for.
        TestWindow w(std::string("wizard_") + s.Name);
        const std::vector<Step> steps = WizardSteps(s.Keys, true);
        ModalDriver driver;
        Confirmed(driver, steps, steps.size(), s.ByEnter);
        std::string reports;
        driver.Drive([&] {
            for (const auto& [handler, key] :
                 {std::pair{"FileNew", "fan"}, {"obr_reg", "regulated_flow"}, {"par_reg_tlumika", "variant_flow"}})
                if (s.Keys.count(key) && QMetaObject::invokeMethod(&w.Form, handler))
                    reports += RenderReportText(BuildResultsReport(w.Record, ReportRendering::Screen));
            return 0;
        });
        QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
        std::vector<std::string> shown;
        for (const Step& step : steps)
            shown.push_back(step.Name);
        QCOMPARE(w.FrontEnd.Shown, shown);
        QCOMPARE(Joined(w.FrontEnd.Messages), s.FanUnsuitable ? std::string(kMessageCaption) + ": " + kUnsuitableFanMessage : "");

        // The batch front end on the same answers.
        const std::string cliDir = ScratchDir(std::string("wizard_cli_") + s.Name), input = cliDir + ".txt";
        std::string lines;
        for (const auto& [key, value] : s.Keys)
            lines += key + " = " + value + "\n";
        std::ofstream(input, std::ios::binary) << lines;
        QProcess cli;
        cli.start(WENT_CLI_PATH, {"--no-plot", "--dir", QString::fromStdString(cliDir), QString::fromStdString(input)});
        QVERIFY2(cli.waitForFinished(60000), "went_char_cli did not finish");
        QVERIFY2(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == (s.FanUnsuitable ? 3 : 0),
                 cli.readAllStandardError().constData());
        QCOMPARE(reports, cli.readAllStandardOutput().toStdString());
        QCOMPARE(DifferentFiles(w.Dir, cliDir), std::string());
    }

    void cancelAtEveryStep_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<int>("cancelAt");
        for (size_t i = 0; i < std::size(kScenarios); ++i) {
            const std::vector<Step> steps = WizardSteps(kScenarios[i].Keys);
            for (size_t k = 0; k < steps.size(); ++k)
                QTest::addRow("%s, %s", kScenarios[i].Name, steps[k].Name) << int(i) << int(k);
        }
    }

    void cancelAtEveryStep()
    {
        QFETCH(int, scenario);
        QFETCH(int, cancelAt);
        const std::vector<Step> steps = WizardSteps(kScenarios[scenario].Keys);
        // A previous report is on the screen: the wizard clears its kinds whatever happens.
        CalcRecord before = EmptyRecord();
        SetReportKind(before, 1);
        TestWindow w("wizard_cancel", before);
        ModalDriver driver;
        Confirmed(driver, steps, size_t(cancelAt));
        const Step& cancelled = steps[size_t(cancelAt)];
        driver.Then(QString::fromLatin1(cancelled.Name), [&](QWidget* f) {
            cancelled.Fill(f);  // typed or chosen, but not confirmed; Escape and the close box: the forms' test
            ClickCancel(f);
        });
        driver.Drive([&] { return w.Form.FileNew(), 0; });
        QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
        QCOMPARE(w.FrontEnd.Repaints, 1);
        QVERIFY(w.FrontEnd.Messages.empty() && w.FrontEnd.Plotted.empty());
        QCOMPARE(int(w.FrontEnd.Shown.size()), cancelAt + 1);

        // The reference: a second window in which the same dialogs are confirmed one by one and the
        // cancelled one is never shown.
        TestWindow reference("wizard_cancel_reference", before);
        for (const Step& step : std::vector<Step>(steps.begin(), steps.begin() + cancelAt))
            QVERIFY(reference.Exec(step.Dialog, [&step](QWidget* f) {
                step.Fill(f);
                ClickOk(f);
            }));
        SetReportKind(reference.Record, 0);
        QVERIFY2(std::memcmp(&w.Record, &reference.Record, sizeof w.Record) == 0, "the records differ");
        // Only the value files of the confirmed dialogs were written; no calculation file.
        QCOMPARE(DifferentFiles(w.Dir, reference.Dir), std::string());
    }

    void buildingComesBackAfterFolderSwitchesAndRestart()
    {
        // Two buildings of different kinds, each typed with a text its value file rounds.
        const std::string root = ScratchDir("building_switches"), folders[] = {root + "/first", root + "/second"};
        Answers answers[] = {kScenarios[1].Keys, kScenarios[0].Keys};
        answers[0]["storey_height"] = "2.875";
        answers[1]["grille_height"] = "0.222";
        const std::vector<Step> shown[] = {WizardSteps(answers[0]), WizardSteps(answers[1])};
        CalcRecord record = EmptyRecord();
        FakeLauncher launcher;
        FakeOpener opener;
        FakeDialogs dialogs;
        std::string states[2];
        CalcRecord records[2];
        {
            WindowProgram program(record, folders[0], launcher, {&launcher, &opener, &dialogs});
            ModalDriver driver;
            const auto choose = [&](const char* item) {
                driver.Drive([&] { return program.MainForm.findChild<QAction*>(item)->trigger(), 0; });
            };
            for (int k : {0, 1}) {
                if (k == 1) {
                    dialogs.FolderAnswer = folders[1];
                    choose("FileFolderItem");
                }
                const std::vector<Step>& steps = shown[k];
                Confirmed(driver, steps, steps.size());
                choose("FileNewItem");
                QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
                QCOMPARE(record.ScreenReportKind, 1);
                states[k] = FormStates(*program.Forms, shown[k]);
                records[k] = record;
            }
            // Back and forth: every text, choice and the report as they were left.
            for (int k : {0, 1}) {
                dialogs.FolderAnswer = folders[k];
                choose("FileFolderItem");
                QCOMPARE(FormStates(*program.Forms, shown[k]), states[k]);
                QVERIFY2(std::memcmp(&record, &records[k], sizeof record) == 0, "the records differ");
            }
            QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());  // no message either
            QVERIFY(dialogs.Messages.empty());
        }
        QVERIFY(states[0].find("Edit1=2.875") != std::string::npos);
        QVERIFY(states[1].find("Edit3=0.222") != std::string::npos);
        QCOMPARE(ReadFileForTest(folders[0] + "/dialog3333.sav"), std::string("2.88\n6\n10\n"));

        // A restart: the same, and nothing written; "Wybierz tylko wentylator" works at once.
        fs::copy(folders[0], root + "/before", fs::copy_options::recursive);
        CalcRecord restarted = EmptyRecord();
        WindowProgram program(restarted, folders[0], launcher);
        QCOMPARE(FormStates(*program.Forms, shown[0]), states[0]);
        QVERIFY2(std::memcmp(&restarted, &records[0], sizeof restarted) == 0, "the records differ");
        QCOMPARE(DifferentFiles(folders[0], root + "/before"), std::string());
        ModalDriver driver;
        driver.Then("OKBottomDlg_wyw", [](QWidget* f) { ClickOk(f); });
        driver.Drive([&] { return program.MainForm.findChild<QAction*>("FileWywietrznikItem")->trigger(), 0; });
        QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
        QVERIFY2(std::memcmp(&restarted, &records[0], sizeof restarted) == 0, "the records differ");

        // A folder with value files only starts as before: the remembered texts, the first
        // buttons, no report, and no building file until a dialog's OK.
        const std::string old = root + "/old";
        fs::create_directories(old);
        std::ofstream(old + "/dialog3333.sav", std::ios::binary) << "2.80\n7\n5\n";
        CalcRecord plain = EmptyRecord();
        WindowProgram oldProgram(plain, old, launcher);
        QCOMPARE(oldProgram.Forms->Form2222->Edit1->text(), QStringLiteral("2.80"));
        QCOMPARE(oldProgram.Forms->Form2222->ComboBox1->currentIndex(), -1);
        QVERIFY(oldProgram.Forms->OKBottomDlg3->RadioButton2->isChecked());
        const CalcRecord empty = EmptyRecord();
        QVERIFY2(std::memcmp(&plain, &empty, sizeof plain) == 0, "the record is not empty");
        QVERIFY(!fs::exists(old + "/budynek.txt"));
    }

    void wholeCalculationFromTheMenu()
    {
        // The window program as at start-up, gnuplot replaced by a recorder (the results are compared
        // with the batch front end above). A second run: every dialog shows what the first left, so OK
        // throughout repeats the calculation; the value files are not read again, but written.
        MenuRun run(ScratchDir("menu_whole_calculation"));
        auto& [dir, record, launcher, program, driver] = run;
        const auto choose = [&run](const char* item) { run.Choose(item); };

        const std::vector<Step> steps = WizardSteps(kScenarios[1].Keys);
        Confirmed(driver, steps, steps.size());
        choose("FileNewItem");
        const CalcRecord afterFirst = record;
        fs::remove(dir + "/dialog1.sav");
        for (const Step& step : steps)
            driver.Then(QString::fromLatin1(step.Name), [](QWidget* f) { ClickOk(f); });
        choose("FileNewItem");
        QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
        QVERIFY2(std::memcmp(&record, &afterFirst, sizeof afterFirst) == 0, "the records differ");
        QCOMPARE(ReadFileForTest(dir + "/dialog1.sav"), std::string("20\n1013\n50\n"));
        const std::string plots = "gnuplot gif.gnu in " + dir + "; gnuplot gif_tl.gnu in " + dir;
        QCOMPARE(Joined(launcher.Started), plots + "; " + plots);

        // The report came while the pictures are still being drawn; a chart command on one waits
        // for it under the busy cursor, then shows the whole picture.
        const std::string picture = dir + "/wykresy/wykres.gif";
        QVERIFY(program.FrontEnd.Pictures().Drawing(picture) && !fs::exists(picture));
        choose("char_wyswietl");
        QCOMPARE(Joined(launcher.Waited), std::string("with the busy cursor"));
        QVERIFY(IsWholeGif(ReadFileForTest(picture)));
        QCOMPARE(launcher.Started.back(), "gnuplot -persist wykres.gnu in " + dir);
        QVERIFY(!program.FrontEnd.Pictures().Drawing(picture));

        // The selection from the catalogue: the rows that reach Qi are marked; OK on the first row
        // after sorting by the flow per grille selects the entry of the largest flow and checks its
        // button in the chooser.
        const std::vector<RankedConfiguration> rows = RankCatalogue(record, 50.0);
        const RankedConfiguration& largest = *std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return a.GrilleFlowHourly < b.GrilleFlowHourly;
        });
        int marked = 0;
        driver.Then("OKBottomDlg6", [](QWidget* f) {
            SetEdit(f, "Edit1", "50");
            ClickOk(f);
        });
        driver.Then("KatalogDlg", [&marked](QWidget* f) {
            auto* table = Child<QTableWidget>(f, "Table");
            for (int r = 0; r < table->rowCount(); ++r)
                marked += table->item(r, 0)->font().bold();
            table->sortByColumn(3, Qt::DescendingOrder);
            table->selectRow(0);
            Click(f, "OKBtn");
        });
        choose("dobor_z_katalogu");
        QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
        QCOMPARE(marked, int(std::count_if(rows.begin(), rows.end(),
                                           [](const RankedConfiguration& row) { return row.ReachesRequiredFlow; })));
        QCOMPARE(record.FanIndex, largest.FanIndex);
        QVERIFY(program.Forms->OKBottomDlg_wyw->RadioButton(largest.FanIndex)->isChecked());
    }

    // The ranking for a block whose grilles have zeta 3.3, after a run with CORVA-2/740: its
    // columns end in the reasons, rows without a curve show only with "Pokaż wszystkie", no header
    // is narrower than its text with the sort arrow, and a sort lasts one showing. OK on the top
    // row, BRESA-1/1370 with cylindrical silencer, whose plain fan has no point, shows that
    // variant without the unsuitable-fan message and without a result of CORVA-2.
    void variantChosenFromTheCatalogue()
    {
        MenuRun run(ScratchDir("menu_catalogue_variant"));
        auto& [dir, record, launcher, program, driver] = run;
        const auto choose = [&run](const char* item) { run.Choose(item); };
        const std::vector<Step> steps = WizardSteps(Parse(
            "density_source=typed; density=1.2; duct_shape=round; duct_diameter=0.315; material=1; installation=1; "
            "storey_height=3; storeys=10; grille_height=0.2; grille_width=0.25; loss_coefficient=3.3; fan=13"));
        Confirmed(driver, steps, steps.size());
        choose("FileNewItem");
        QCOMPARE(record.ScreenReportKind, 1);

        const auto required = [](QWidget* f) {
            SetEdit(f, "Edit1", "60");
            ClickOk(f);
        };
        const auto hiddenRows = [](QTableWidget* table) {
            int hidden = 0;
            for (int r = 0; r < table->rowCount(); ++r)
                hidden += table->isRowHidden(r);
            return hidden;
        };
        QStringList seen;  // headers, hidden rows, then the top row and selection of each showing
        driver.Then("OKBottomDlg6", required);
        driver.Then("KatalogDlg", [&](QWidget* f) {
            auto* table = Child<QTableWidget>(f, "Table");
            QHeaderView* header = table->horizontalHeader();
            seen << table->horizontalHeaderItem(0)->text() << table->horizontalHeaderItem(table->columnCount() - 1)->text();
            seen << QString::number(hiddenRows(table));
            Click(f, "ShowAll");
            seen << QString::number(hiddenRows(table));
            Click(f, "ShowAll");
            for (int c = 0; c < table->columnCount(); ++c)
                QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c),
                         qPrintable(table->horizontalHeaderItem(c)->text() + " is clipped"));
            table->sortByColumn(0, Qt::DescendingOrder);
            seen << QString::number(hiddenRows(table)) << table->item(0, 1)->text();
            Click(f, "CancelBtn");
        });
        choose("dobor_z_katalogu");
        driver.Then("OKBottomDlg6", required);
        driver.Then("KatalogDlg", [&](QWidget* f) {
            auto* table = Child<QTableWidget>(f, "Table");
            seen << table->item(0, 1)->text() + " " + table->item(0, 2)->text() << QString::number(table->currentRow())
                 << QString::number(table->horizontalHeader()->sortIndicatorSection());
            Click(f, "OKBtn");
        });
        choose("dobor_z_katalogu");
        QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
        QCOMPARE(seen, QStringList({"Nr", "Każda kondygnacja ≥ Qi", "27", "0", "27", "GELMA-1/1000 obr",
                                    "BRESA-1/1370obr Wentylator z tłumikiem cylindrycznym", "0", "-1"}));

        QCOMPARE(record.FanIndex, 3);
        QCOMPARE(record.ScreenReportKind, int(kSilencerVariantsReport));
        const std::string report = RenderReportText(BuildResultsReport(record, ReportRendering::Screen));
        QVERIFY2(report.find("Charakterystyka sieci nie przecina się z charakterystyką wentylatora!\n"
                             "Charakterystyka sieci nie przecina się z charakterystyką wentylatora z podstawą "
                             "tłumiącą!\n") != std::string::npos,
                 report.c_str());
        QVERIFY2(report.find("   Wydajność na kratce Qi   0.0 [m3/h]  0.0 [m3/h]  64.1 [m3/h]\n") != std::string::npos,
                 report.c_str());
    }
};

QTEST_MAIN(DialogWizardTest)
#include "dialogs_wizard_test.moc"
