// "&Nowe obliczenia" driven through the real dialogs, as a user answers them: every branch of
// the wizard (typed and computed density, rectangular and round duct, the five installation
// kinds), the regulation requests, and a cancel at every step. A whole run is compared with the
// batch front end on the same answers: the same report and the same files, byte for byte.
#include <clocale>
#include <fstream>
#include <functional>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QProcess>
#include <QTest>

#include "app/dialogs_modal_driver.h"
#include "dialogs/commands.h"
#include "dialogs/forms/dialog_forms.h"
#include "output/report.h"
#include "output/working_dir.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

using Answers = std::map<std::string, std::string>;  // the batch front end's input keys

// The window's front end for a test: dialogs through the real forms, messages and plotter
// starts only recorded.
class TestFrontEnd final : public FrontEnd {
public:
    bool ShowDialog(DialogId dialog) override
    {
        Shown.push_back(dialog);
        return Forms->Exec(dialog);
    }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        Messages.push_back(caption + ": " + text);
    }
    void StartPlotter(const std::string& scriptName) override { Plotted.push_back(scriptName); }
    void Repaint() override { ++Repaints; }

    DialogForms* Forms = nullptr;
    std::vector<DialogId> Shown;
    std::vector<std::string> Messages;
    std::vector<std::string> Plotted;
    int Repaints = 0;
};

// One run of the window program: record, working directory, session, front end and dialogs,
// set up as the program's start-up does.
struct Window {
    explicit Window(const std::string& dir) : Dir(dir), Session_{Record, dir, Ui, {}}
    {
        ResetCalcRecord(Record);
        FileProblems problems;
        PrepareWorkingDirectory(Dir, problems);
        Forms = std::make_unique<DialogForms>(DialogContext{&Record, Dir, &Session_.Problems});
        Ui.Forms = Forms.get();
    }

    std::string Dir;
    CalcRecord Record;
    TestFrontEnd Ui;
    Session Session_;
    std::unique_ptr<DialogForms> Forms;
};

const std::string* Value(const Answers& answers, const char* key)
{
    const auto it = answers.find(key);
    return it == answers.end() ? nullptr : &it->second;
}

QString Q(const Answers& answers, const char* key)
{
    const std::string* value = Value(answers, key);
    return value ? QString::fromStdString(*value) : QString();
}

// Sets an edit box from a key when the input has it; otherwise the box keeps what it shows.
void SetFromKey(QWidget* form, const char* edit, const Answers& answers, const char* key)
{
    if (Value(answers, key))
        SetEdit(form, edit, Q(answers, key));
}

// Chooses a combo item the way a user would: from the list when the text names an item,
// otherwise by typing the text.
void ChooseInCombo(QWidget* form, const QString& text)
{
    auto* combo = form->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    QVERIFY(combo);
    const int index = combo->findText(text);
    if (index >= 0)
        PickComboItem(form, "ComboBox1", index);
    else
        TypeComboText(form, "ComboBox1", text);
}

// How OK is given: by a click, or by Enter in whatever has the focus.
void Confirm(QWidget* form, bool byEnter)
{
    if (byEnter)
        QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, Qt::Key_Return);
    else
        ClickOk(form);
}

// The forms the wizard shows for these answers, in order, each with what the user does in it.
struct Step {
    DialogId Dialog;
    const char* Name;
    std::function<void(QWidget*)> Fill;
};

std::vector<Step> WizardSteps(const Answers& a)
{
    std::vector<Step> steps;
    const bool computed = Q(a, "density_source") == "computed";
    steps.push_back({DialogId::OKBottomDlg3, "OKBottomDlg3",
                     [computed](QWidget* f) { Check(f, computed ? "RadioButton1" : "RadioButton2"); }});
    if (computed)
        steps.push_back({DialogId::Form3, "Form3", [a](QWidget* f) {
                             SetFromKey(f, "Edit1", a, "temperature");
                             SetFromKey(f, "Edit2", a, "pressure");
                             SetFromKey(f, "Edit3", a, "humidity");
                         }});
    else
        steps.push_back({DialogId::OKBottomDlg, "OKBottomDlg", [a](QWidget* f) { SetFromKey(f, "Edit1", a, "density"); }});
    const bool round = Q(a, "duct_shape") == "round";
    steps.push_back({DialogId::OKBottomDlg333, "OKBottomDlg333",
                     [round](QWidget* f) { Check(f, round ? "RadioButton2" : "RadioButton1"); }});
    if (round)
        steps.push_back({DialogId::Form4, "Form4", [a](QWidget* f) { SetFromKey(f, "Edit1", a, "duct_diameter"); }});
    else
        steps.push_back({DialogId::Form1, "Form1", [a](QWidget* f) {
                             SetFromKey(f, "Edit1", a, "duct_length");
                             SetFromKey(f, "Edit2", a, "duct_width");
                         }});
    const QByteArray material = "RadioButton" + Q(a, "material").toLatin1();
    steps.push_back({DialogId::OKBottomDlg33333, "OKBottomDlg33333", [material](QWidget* f) { Check(f, material); }});
    const int kind = Q(a, "installation").toInt();
    const QByteArray kindButton = "RadioButton" + QByteArray::number(kind);
    steps.push_back({DialogId::OKBottomDlg3333, "OKBottomDlg3333", [kindButton](QWidget* f) { Check(f, kindButton); }});
    const auto storeys = [a](QWidget* f) {
        SetFromKey(f, "Edit1", a, "storey_height");
        SetFromKey(f, "Edit2", a, "storeys");
    };
    switch (kind) {
    case 1:
        steps.push_back({DialogId::Form22, "Form22", [a, storeys](QWidget* f) {
                             storeys(f);
                             SetFromKey(f, "Edit3", a, "grille_height");
                             SetFromKey(f, "Edit4", a, "grille_width");
                             SetFromKey(f, "Edit5", a, "loss_coefficient");
                         }});
        break;
    case 2:
        steps.push_back({DialogId::Form222, "Form222", [a, storeys](QWidget* f) {
                             storeys(f);
                             SetFromKey(f, "Edit3", a, "grille_diameter");
                             SetFromKey(f, "Edit4", a, "loss_coefficient");
                         }});
        break;
    case 3:
        steps.push_back({DialogId::Form2222, "Form2222", [a, storeys](QWidget* f) {
                             storeys(f);
                             if (Value(a, "grille"))
                                 ChooseInCombo(f, Q(a, "grille"));
                             SetFromKey(f, "Edit4", a, "turns");
                         }});
        break;
    case 4:
    case 5:
        steps.push_back({kind == 4 ? DialogId::Form22222 : DialogId::Form222222, kind == 4 ? "Form22222" : "Form222222",
                         [a, storeys](QWidget* f) {
                             storeys(f);
                             if (Value(a, "grille"))
                                 ChooseInCombo(f, Q(a, "grille"));
                             SetFromKey(f, "Edit4", a, "constant_flow");
                         }});
        break;
    }
    const QByteArray fan = "RadioButton" + Q(a, "fan").toLatin1();
    steps.push_back({DialogId::OKBottomDlg_wyw, "OKBottomDlg_wyw", [fan](QWidget* f) { Check(f, fan); }});
    return steps;
}

// The same answers as the batch front end's input file.
std::string InputFile(const Answers& answers)
{
    std::string text = "# written by the dialog wizard test\n";
    for (const auto& [key, value] : answers)
        text += key + " = " + value + "\n";
    return text;
}

// Every file below `dir`, by its path relative to `dir`.
std::map<std::string, std::string> FilesBelow(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), dir).generic_string()] = ReadFileForTest(entry.path().string());
    return files;
}

// Names of the record fields in which two records differ.
std::vector<std::string> RecordDifferences(const CalcRecord& a, const CalcRecord& b)
{
    std::vector<std::string> differ;
#define WENT_FIELD(name)     \
    if (!(a.name == b.name)) \
    differ.push_back(#name)
    WENT_FIELD(ScreenReportKind);
    WENT_FIELD(PrintReportKind);
    WENT_FIELD(DensitySource);
    WENT_FIELD(DuctShape);
    WENT_FIELD(InstallationKind);
    WENT_FIELD(FanIndex);
    WENT_FIELD(AirDensity);
    WENT_FIELD(DuctRoughness);
    WENT_FIELD(DuctArea);
    WENT_FIELD(DuctDiameter);
    WENT_FIELD(GrilleLossCoefficient);
    WENT_FIELD(GrilleArea);
    WENT_FIELD(DuctVelocity);
    WENT_FIELD(DuctSideA);
    WENT_FIELD(DuctSideB);
    WENT_FIELD(GrilleSizeA);
    WENT_FIELD(GrilleSizeB);
    WENT_FIELD(StoreyCount);
    WENT_FIELD(StoreyHeight);
    WENT_FIELD(FanFlow);
    WENT_FIELD(FanFlowHourly);
    WENT_FIELD(FanPressure);
    WENT_FIELD(FanSpeed);
    WENT_FIELD(GrilleFlowHourly);
    WENT_FIELD(NetworkCoefficient);
    WENT_FIELD(RegulatedFlow);
    WENT_FIELD(RegulatedPressure);
    WENT_FIELD(RegulatedSpeed);
    WENT_FIELD(BaseFlow);
    WENT_FIELD(SilencerFlow);
    WENT_FIELD(BasePressure);
    WENT_FIELD(SilencerPressure);
    WENT_FIELD(VariantRegulatedFlow);
    WENT_FIELD(VariantRegulatedPressure);
    WENT_FIELD(RegulationVariant);
    WENT_FIELD(VariantRegulatedSpeed);
#undef WENT_FIELD
    if (std::string(a.FanDesignation) != b.FanDesignation)
        differ.push_back("FanDesignation");
    for (int i = 0; i < kStoreyPressureSlots; ++i)
        if (a.StoreyPressure[i] != b.StoreyPressure[i])
            differ.push_back("StoreyPressure[" + std::to_string(i) + "]");
    return differ;
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// Five buildings, one for every installation kind, across both density sources and both duct
// shapes; two of them also ask for the regulated speeds.
struct Scenario {
    const char* Name;
    Answers Keys;
    bool ByEnter;                          // OK given with Enter instead of a click
    bool FanUnsuitable = false;            // the network and the fan do not meet
};

const std::vector<Scenario>& Scenarios()
{
    static const std::vector<Scenario> rows = {
        {"typed_round_rect_grille",
         {{"density_source", "typed"}, {"density", "1.2"}, {"duct_shape", "round"}, {"duct_diameter", "0.315"},
          {"material", "1"}, {"installation", "1"}, {"storey_height", "3"}, {"storeys", "10"},
          {"grille_height", "0.2"}, {"grille_width", "0.25"}, {"loss_coefficient", "2.5"}, {"fan", "19"},
          {"regulated_flow", "0.6"}, {"variant_flow", "0.5"}, {"variant", "1"}},
         false},
        {"computed_rect_adjustable_grille",
         {{"density_source", "computed"}, {"temperature", "20"}, {"pressure", "1013"}, {"humidity", "50"},
          {"duct_shape", "rectangular"}, {"duct_length", "0.3"}, {"duct_width", "0.2"}, {"material", "2"},
          {"installation", "3"}, {"storey_height", "2.8"}, {"storeys", "6"}, {"grille", "LUMA 125"},
          {"turns", "10"}, {"fan", "9"}, {"regulated_flow", "0.1"}, {"variant_flow", "0.08"}, {"variant", "2"}},
         true},
        {"typed_rect_round_grille",
         {{"density_source", "typed"}, {"density", "1.19"}, {"duct_shape", "rectangular"}, {"duct_length", "0.4"},
          {"duct_width", "0.25"}, {"material", "4"}, {"installation", "2"}, {"storey_height", "3.1"},
          {"storeys", "8"}, {"grille_diameter", "0.125"}, {"loss_coefficient", "3,9"}, {"fan", "30"}},
         false},
        {"computed_round_constant_flow_round_grille",
         {{"density_source", "computed"}, {"temperature", "5"}, {"pressure", "990"}, {"humidity", "80"},
          {"duct_shape", "round"}, {"duct_diameter", "0.2"}, {"material", "6"}, {"installation", "4"},
          {"storey_height", "2.7"}, {"storeys", "5"}, {"grille", "116 mm"}, {"constant_flow", "30"}, {"fan", "27"}},
         true},
        {"typed_round_constant_flow_rect_grille",
         {{"density_source", "typed"}, {"density", "1.2"}, {"duct_shape", "round"}, {"duct_diameter", "0.25"},
          {"material", "3"}, {"installation", "5"}, {"storey_height", "3"}, {"storeys", "12"},
          {"grille", "NEVA-70"}, {"constant_flow", "40"}, {"fan", "45"}},
         false},
        // A typed grille name that names no item counts as NEVA-20, whose loss at 40 m3/h is far
        // beyond what the fan can draw: the unsuitable-fan message, and the variants' files only.
        {"typed_grille_name_unsuitable_fan",
         {{"density_source", "typed"}, {"density", "1.2"}, {"duct_shape", "round"}, {"duct_diameter", "0.25"},
          {"material", "3"}, {"installation", "5"}, {"storey_height", "3"}, {"storeys", "12"},
          {"grille", "NEVA 50"}, {"constant_flow", "40"}, {"fan", "45"}},
         false, true},
    };
    return rows;
}

// How a step is cancelled in the cancel tests.
enum class CancelBy { Button, CloseBox, Escape };

}  // namespace

class DialogWizardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }

    void sameRunAsBatchFrontEnd_data();
    void sameRunAsBatchFrontEnd();
    void cancelAtEveryStep_data();
    void cancelAtEveryStep();
    void refusedBuildingKeepsWizardWaiting();
    void dialogsKeepTheirStateForTheNextRun();
};

void DialogWizardTest::sameRunAsBatchFrontEnd_data()
{
    QTest::addColumn<int>("scenario");
    for (size_t i = 0; i < Scenarios().size(); ++i)
        QTest::newRow(Scenarios()[i].Name) << static_cast<int>(i);
}

void DialogWizardTest::sameRunAsBatchFrontEnd()
{
    QFETCH(int, scenario);
    const Scenario& s = Scenarios()[static_cast<size_t>(scenario)];
    const std::string root = ScratchDir(std::string("wizard_") + s.Name);
    const std::string guiDir = root + "/gui";
    const std::string cliDir = root + "/cli";
    fs::create_directories(guiDir);
    fs::create_directories(cliDir);

    // The window: the wizard, then the regulation commands the input asks for.
    Window w(guiDir);
    ModalDriver driver;
    const std::vector<Step> steps = WizardSteps(s.Keys);
    for (const Step& step : steps)
        driver.Then(QString::fromLatin1(step.Name), [&step, &s](QWidget* f) {
            step.Fill(f);
            Confirm(f, s.ByEnter);
        });
    if (Value(s.Keys, "regulated_flow"))
        driver.Then("OKBottomDlg1", [&s](QWidget* f) {
            SetEdit(f, "Edit1", Q(s.Keys, "regulated_flow"));
            Confirm(f, s.ByEnter);
        });
    if (Value(s.Keys, "variant_flow"))
        driver.Then("OKBottomDlg2", [&s](QWidget* f) {
            SetEdit(f, "Edit1", Q(s.Keys, "variant_flow"));
            if (Value(s.Keys, "variant"))
                PickComboItem(f, "ComboBox1", Q(s.Keys, "variant").toInt());
            Confirm(f, s.ByEnter);
        });
    driver.Start();
    std::string reports;
    QCOMPARE(commands::FileNew(w.Session_), s.FanUnsuitable ? CommandResult::FanUnsuitable : CommandResult::Done);
    reports += RenderReportText(BuildResultsReport(w.Record, ReportRendering::Screen));
    if (Value(s.Keys, "regulated_flow")) {
        QCOMPARE(commands::obr_reg(w.Session_), CommandResult::Done);
        reports += RenderReportText(BuildResultsReport(w.Record, ReportRendering::Screen));
    }
    if (Value(s.Keys, "variant_flow")) {
        QCOMPARE(commands::par_reg_tlumika(w.Session_), CommandResult::Done);
        reports += RenderReportText(BuildResultsReport(w.Record, ReportRendering::Screen));
    }
    driver.Stop();
    QVERIFY2(driver.Finished() && driver.Problems().empty(), Joined(driver.Problems()).c_str());
    if (s.FanUnsuitable) {
        QCOMPARE(Joined(w.Ui.Messages), std::string(kMessageCaption) + ": " + kUnsuitableFanMessage);
        QCOMPARE(w.Record.ScreenReportKind, 0);
    } else {
        QVERIFY2(w.Ui.Messages.empty(), Joined(w.Ui.Messages).c_str());
        QVERIFY(w.Record.ScreenReportKind != 0);
    }
    std::vector<DialogId> expectedShown;
    for (const Step& step : steps)
        expectedShown.push_back(step.Dialog);
    if (Value(s.Keys, "regulated_flow"))
        expectedShown.push_back(DialogId::OKBottomDlg1);
    if (Value(s.Keys, "variant_flow"))
        expectedShown.push_back(DialogId::OKBottomDlg2);
    QVERIFY(w.Ui.Shown == expectedShown);
    QCOMPARE(w.Record.FanIndex, Q(s.Keys, "fan").toInt());

    // The batch front end on the same answers.
    const std::string input = root + "/input.txt";
    {
        std::ofstream(input, std::ios::binary) << InputFile(s.Keys);
    }
    QProcess cli;
    cli.start(QStringLiteral(WENT_CLI_PATH), {"--no-plot", "--dir", QString::fromStdString(cliDir),
                                              QString::fromStdString(input)});
    QVERIFY2(cli.waitForFinished(60000), "went_char_cli did not finish");
    const QByteArray cliErrors = cli.readAllStandardError();
    QVERIFY2(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == (s.FanUnsuitable ? 3 : 0),
             cliErrors.constData());
    const std::string cliReports = cli.readAllStandardOutput().toStdString();
    QCOMPARE(reports, cliReports);

    const std::map<std::string, std::string> guiFiles = FilesBelow(guiDir);
    const std::map<std::string, std::string> cliFiles = FilesBelow(cliDir);
    std::vector<std::string> guiNames, cliNames;
    for (const auto& entry : guiFiles)
        guiNames.push_back(entry.first);
    for (const auto& entry : cliFiles)
        cliNames.push_back(entry.first);
    QCOMPARE(Joined(guiNames), Joined(cliNames));
    for (const auto& [name, text] : guiFiles)
        QVERIFY2(text == cliFiles.at(name), ("differs from the batch front end's: " + name).c_str());
    QCOMPARE(guiFiles.count("pstr.txt") == 1, !s.FanUnsuitable);
    QVERIFY(guiFiles.count("wykresy/wykresy_tl.html"));
}

void DialogWizardTest::cancelAtEveryStep_data()
{
    QTest::addColumn<int>("scenario");
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<int>("cancelBy");
    const char* by[] = {"button", "close box", "Escape"};
    for (size_t i = 0; i < Scenarios().size(); ++i) {
        const std::vector<Step> steps = WizardSteps(Scenarios()[i].Keys);
        for (size_t k = 0; k < steps.size(); ++k) {
            // Every way of cancelling in turn; Escape only where it is bound to cancel.
            const int way = static_cast<int>((i + k) % 3);
            QTest::addRow("%s, %s by %s", Scenarios()[i].Name, steps[k].Name, by[way])
                << static_cast<int>(i) << static_cast<int>(k) << way;
        }
    }
}

void DialogWizardTest::cancelAtEveryStep()
{
    QFETCH(int, scenario);
    QFETCH(int, cancelAt);
    QFETCH(int, cancelBy);
    const Scenario& s = Scenarios()[static_cast<size_t>(scenario)];
    const std::vector<Step> steps = WizardSteps(s.Keys);
    const std::string root = ScratchDir("wizard_cancel");
    const std::string guiDir = root + "/gui";
    const std::string referenceDir = root + "/reference";
    fs::create_directories(guiDir);
    fs::create_directories(referenceDir);

    Window w(guiDir);
    // A previous calculation's report is on the screen: the wizard clears its kinds whatever happens.
    SetReportKind(w.Record, 1);
    const CalcRecord before = w.Record;

    ModalDriver driver;
    const Step& cancelled = steps[static_cast<size_t>(cancelAt)];
    const bool escapeBound = cancelled.Dialog == DialogId::OKBottomDlg3 || cancelled.Dialog == DialogId::OKBottomDlg333 ||
                             cancelled.Dialog == DialogId::OKBottomDlg33333 ||
                             cancelled.Dialog == DialogId::OKBottomDlg3333 || cancelled.Dialog == DialogId::OKBottomDlg_wyw;
    const CancelBy way = static_cast<CancelBy>(cancelBy);
    for (int k = 0; k < cancelAt; ++k) {
        const Step& step = steps[static_cast<size_t>(k)];
        driver.Then(QString::fromLatin1(step.Name), [&step](QWidget* f) {
            step.Fill(f);
            ClickOk(f);
        });
    }
    bool escapeIgnored = false;
    driver.Then(QString::fromLatin1(cancelled.Name), [&](QWidget* f) {
        cancelled.Fill(f);  // typed or chosen, but not confirmed
        switch (way) {
        case CancelBy::Button:
            ClickCancel(f);
            break;
        case CancelBy::CloseBox:
            f->close();
            break;
        case CancelBy::Escape:
            QTest::keyClick(f->focusWidget() ? f->focusWidget() : f, Qt::Key_Escape);
            if (!escapeBound) {
                // Escape does nothing here; the user then closes the window.
                escapeIgnored = f->isVisible();
                f->close();
            }
            break;
        }
    });
    driver.Start();
    const CommandResult result = commands::FileNew(w.Session_);
    driver.Stop();
    QVERIFY2(driver.Finished() && driver.Problems().empty(), Joined(driver.Problems()).c_str());
    QCOMPARE(result, CommandResult::Cancelled);
    if (way == CancelBy::Escape && !escapeBound)
        QVERIFY2(escapeIgnored, "Escape closed a dialog that has no cancel button bound to it");
    QCOMPARE(w.Ui.Repaints, 1);
    QVERIFY(w.Ui.Messages.empty());
    QVERIFY(w.Ui.Plotted.empty());
    QCOMPARE(static_cast<int>(w.Ui.Shown.size()), cancelAt + 1);

    // The reference: a second window in which the same dialogs are confirmed one by one and the
    // cancelled one is never shown.
    Window reference(referenceDir);
    reference.Record = before;
    ModalDriver replay;
    for (int k = 0; k < cancelAt; ++k) {
        const Step& step = steps[static_cast<size_t>(k)];
        replay.Then(QString::fromLatin1(step.Name), [&step](QWidget* f) {
            step.Fill(f);
            ClickOk(f);
        });
    }
    replay.Start();
    for (int k = 0; k < cancelAt; ++k)
        QVERIFY(reference.Forms->Exec(steps[static_cast<size_t>(k)].Dialog));
    replay.Stop();
    SetReportKind(reference.Record, 0);
    const std::vector<std::string> differ = RecordDifferences(w.Record, reference.Record);
    QVERIFY2(differ.empty(), ("record fields differ: " + Joined(differ)).c_str());
    QCOMPARE(w.Record.ScreenReportKind, 0);
    QCOMPARE(w.Record.PrintReportKind, 0);
    if (cancelAt == 0) {
        // Cancelling the first dialog changes nothing but the report kinds.
        CalcRecord expected = before;
        SetReportKind(expected, 0);
        QVERIFY(RecordDifferences(w.Record, expected).empty());
    }

    // Only the value files of the confirmed dialogs were written; no calculation file.
    const std::map<std::string, std::string> files = FilesBelow(guiDir);
    const std::map<std::string, std::string> referenceFiles = FilesBelow(referenceDir);
    std::vector<std::string> names, referenceNames;
    for (const auto& entry : files)
        names.push_back(entry.first);
    for (const auto& entry : referenceFiles)
        referenceNames.push_back(entry.first);
    QCOMPARE(Joined(names), Joined(referenceNames));
    for (const auto& [name, text] : files)
        QVERIFY2(text == referenceFiles.at(name), name.c_str());
    QVERIFY(!files.count("pstr.txt"));
}

void DialogWizardTest::refusedBuildingKeepsWizardWaiting()
{
    // A storey count the record cannot hold is refused in the building dialog; the user corrects
    // it there, and the wizard goes on to the chooser.
    const std::string dir = ScratchDir("wizard_refusal");
    Window w(dir);
    Answers keys = Scenarios()[0].Keys;
    std::vector<Step> steps = WizardSteps(keys);
    ModalDriver driver;
    QString warning;
    for (const Step& step : steps) {
        if (step.Dialog == DialogId::Form22) {
            driver.Then("Form22", [&step](QWidget* f) {
                step.Fill(f);
                SetEdit(f, "Edit2", "120");
                ClickOk(f);
            });
            driver.Then("QMessageBox", [&warning](QWidget* box) {
                warning = qobject_cast<QMessageBox*>(box)->text();
                qobject_cast<QMessageBox*>(box)->accept();
            });
            driver.Then("Form22", [](QWidget* f) {
                QCOMPARE(f->findChild<QLineEdit*>("Edit2")->text(), QStringLiteral("120"));
                SetEdit(f, "Edit2", "12");
                ClickOk(f);
            });
        } else {
            driver.Then(QString::fromLatin1(step.Name), [&step](QWidget* f) {
                step.Fill(f);
                ClickOk(f);
            });
        }
    }
    driver.Start();
    QCOMPARE(commands::FileNew(w.Session_), CommandResult::Done);
    driver.Stop();
    QVERIFY2(driver.Finished() && driver.Problems().empty(), Joined(driver.Problems()).c_str());
    QCOMPARE(warning, QStringLiteral("Ilość kondygnacji musi być liczbą z zakresu 0 do 99."));
    QCOMPARE(w.Record.StoreyCount, 12);
    QCOMPARE(ReadFileForTest(dir + "/dialog33.sav"), std::string("3.00\n12\n0.20\n0.25\n2.50\n"));
}

void DialogWizardTest::dialogsKeepTheirStateForTheNextRun()
{
    // A second "Nowe obliczenia" in the same run: every dialog shows what the first left, so
    // pressing OK throughout repeats the calculation (the value files are not read again).
    const std::string dir = ScratchDir("wizard_second_run");
    Window w(dir);
    const std::vector<Step> steps = WizardSteps(Scenarios()[1].Keys);
    ModalDriver first;
    for (const Step& step : steps)
        first.Then(QString::fromLatin1(step.Name), [&step](QWidget* f) {
            step.Fill(f);
            ClickOk(f);
        });
    first.Start();
    QCOMPARE(commands::FileNew(w.Session_), CommandResult::Done);
    first.Stop();
    QVERIFY(first.Finished());
    const CalcRecord afterFirst = w.Record;
    fs::remove(dir + "/dialog1.sav");  // not read again within the run

    ModalDriver second;
    for (const Step& step : steps)
        second.Then(QString::fromLatin1(step.Name), [](QWidget* f) { ClickOk(f); });
    second.Start();
    QCOMPARE(commands::FileNew(w.Session_), CommandResult::Done);
    second.Stop();
    QVERIFY2(second.Finished() && second.Problems().empty(), Joined(second.Problems()).c_str());
    const std::vector<std::string> differ = RecordDifferences(w.Record, afterFirst);
    QVERIFY2(differ.empty(), ("record fields differ: " + Joined(differ)).c_str());
    QCOMPARE(ReadFileForTest(dir + "/dialog1.sav"), std::string("20\n1013\n50\n"));
}

QTEST_MAIN(DialogWizardTest)
#include "dialogs_wizard_test.moc"
