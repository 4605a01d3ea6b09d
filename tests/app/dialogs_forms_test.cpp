// The dialog forms one by one: names, captions, sizes, places, texts, initial states and tab
// orders; the value files read at creation; Escape, Enter and the close box; the refusals that
// keep a dialog open; the fan chooser's layout and its choice carried over within a run.
#include <clocale>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "app/dialogs_modal_driver.h"
#include "dialogs/commands.h"
#include "dialogs/forms/dialog_forms.h"
#include "dialogs/forms/modal_form.h"
#include "dialogs/forms/tokbottomdlg2.h"
#include "dialogs/forms/tokbottomdlg_wyw.h"
#include "model/fan_catalogue.h"
#include "support/test_support.h"

namespace {

// The forms, their value files and a record, in a scratch directory of their own.
struct Harness {
    explicit Harness(const std::string& name) : Dir(ScratchDir(name)) { ResetCalcRecord(Record); }

    void Create() { Forms = std::make_unique<DialogForms>(DialogContext{&Record, Dir, &Problems}); }

    std::string File(const char* name) const { return ReadFileForTest(Dir + "/" + name); }
    bool Exists(const char* name) const { return QFile::exists(QString::fromStdString(Dir + "/" + name)); }
    void Write(const char* name, const std::string& text) const
    {
        QFile file(QString::fromStdString(Dir + "/" + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    std::string Dir;
    CalcRecord Record;
    FileProblems Problems;
    std::unique_ptr<DialogForms> Forms;
};

struct FormShapeRow {
    DialogId Id;
    const char* ClassName;
    const char* Name;
    const char* Caption;
    QSize Client;
    bool Centred;
    QPoint DesignPosition;
    bool EscapeCancels;
    std::vector<const char*> TabOrder;  // focusable controls, first to last
};

// Columns: dialog, class, instance, caption, client size, centred, design position, Escape
// cancels, tab order.
const std::vector<FormShapeRow>& FormShapes()
{
    static const std::vector<FormShapeRow> rows = {
        {DialogId::OKBottomDlg,      "TOKBottomDlg",      "OKBottomDlg",      "Dobór parametrów",                  {297, 146}, true,  {},         false, {"Edit1", "OKBtn", "CancelBtn"}},
        {DialogId::Form1,            "TForm1",            "Form1",            "Parametry kanału",                  {332, 146}, false, {327, 303}, false, {"Edit1", "Edit2", "Button1", "Button2"}},
        {DialogId::Form3,            "TForm3",            "Form3",            "Dobór parametrów ",                 {308, 209}, false, {358, 246}, false, {"Edit1", "Edit2", "Edit3", "Button1", "Button2"}},
        {DialogId::Form4,            "TForm4",            "Form4",            "Parametry kanału",                  {300, 126}, false, {353, 284}, false, {"Button1", "Button2", "Edit1"}},
        {DialogId::OKBottomDlg3,     "TOKBottomDlg3",     "OKBottomDlg3",     "Wprowadzanie Ro",                   {275, 150}, true,  {},         true,  {"RadioButton1", "RadioButton2", "OKBtn", "CancelBtn"}},
        {DialogId::OKBottomDlg333,   "TOKBottomDlg333",   "OKBottomDlg333",   "Wybór kanału",                      {209, 174}, true,  {},         true,  {"RadioButton1", "RadioButton2", "OKBtn", "CancelBtn"}},
        {DialogId::OKBottomDlg3333,  "TOKBottomDlg3333",  "OKBottomDlg3333",  "Wybór typu instalacji",             {393, 225}, true,  {},         true,  {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5", "OKBtn", "CancelBtn"}},
        {DialogId::OKBottomDlg33333, "TOKBottomDlg33333", "OKBottomDlg33333", "Wybór współczynnika chropowatości", {318, 290}, true,  {},         true,  {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6", "OKBtn", "CancelBtn"}},
        {DialogId::OKBottomDlg_wyw,  "TOKBottomDlg_wyw",  "OKBottomDlg_wyw",  "Wybór wentylatora",                 {662, 552}, true,  {},         true,  {}},
        {DialogId::Form22,           "TForm22",           "Form22",           "Parametry budynku",                 {590, 442}, false, {195, 96},  false, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Button1", "Button2"}},
        {DialogId::Form222,          "TForm222",          "Form222",          "Parametry budynku",                 {326, 404}, false, {195, 96},  false, {"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Button2"}},
        {DialogId::Form2222,         "TForm2222",         "Form2222",         "Parametry budynku",                 {326, 232}, false, {272, 200}, false, {"Edit1", "Edit2", "ComboBox1", "Edit4", "Button1", "Button2"}},
        {DialogId::Form22222,        "TForm22222",        "Form22222",        "Parametry budynku",                 {326, 232}, false, {272, 200}, false, {"Edit1", "Edit2", "ComboBox1", "Edit4", "Button1", "Button2"}},
        {DialogId::OKBottomDlg1,     "TOKBottomDlg1",     "OKBottomDlg1",     "Podaj parametry",                   {320, 183}, true,  {},         true,  {"OKBtn", "CancelBtn", "Edit1"}},
        {DialogId::OKBottomDlg2,     "TOKBottomDlg2",     "OKBottomDlg2",     "Podaj parametry",                   {386, 177}, true,  {},         true,  {"Edit1", "ComboBox1", "OKBtn", "CancelBtn"}},
        {DialogId::Form222222,       "TForm222222",       "Form222222",       "Parametry budynku",                 {326, 255}, false, {272, 200}, false, {"Edit1", "Edit2", "ComboBox1", "Edit4", "Button1", "Button2"}},
    };
    return rows;
}

// FanIndex of the chooser's buttons, column by column, top to bottom.
const std::vector<std::vector<int>> kChooserColumns = {
    {1, 2, 3, 4, 5, 6, 51, 52, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
    {17, 18, 19, 23, 24, 39, 40, 41, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34},
    {42, 43, 35, 36, 37, 38, 44, 45, 46, 47, 48, 49, 50, 53, 54, 55, 56, 57, 58},
};

std::vector<const char*> ChooserTabOrder()
{
    static std::vector<std::string> names;
    if (names.empty()) {
        for (const std::vector<int>& column : kChooserColumns)
            for (int k : column)
                names.push_back("RadioButton" + std::to_string(k));
        names.push_back("OKBtn");
        names.push_back("CancelBtn");
    }
    std::vector<const char*> order;
    for (const std::string& name : names)
        order.push_back(name.c_str());
    return order;
}

// The controls Tab visits, from the first of the chain, once round.
QStringList TabChain(QWidget* form)
{
    QStringList names;
    QWidget* start = nullptr;
    for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain()) {
        const bool focusable = (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->focusProxy() &&
                               !qobject_cast<QComboBox*>(w->parentWidget());  // a combo's own line edit
        if (!focusable)
            continue;
        if (!start)
            start = w;
        names << w->objectName();
    }
    return names;
}

template <typename T>
T* Child(QWidget* form, const char* name)
{
    return form->findChild<T*>(QString::fromLatin1(name));
}

QString LabelText(QWidget* form, const char* name)
{
    QLabel* label = Child<QLabel>(form, name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "; ";
    return text;
}

DialogInput Input(std::vector<std::string> edits, int choice = 0, std::string comboText = {})
{
    DialogInput input;
    input.Edits = std::move(edits);
    input.Choice = choice;
    input.ComboText = std::move(comboText);
    return input;
}

// Answers the warning of a refusal: records its caption and text, then presses its OK.
struct WarningSeen {
    QString Caption;
    QString Text;
    bool IconWarning = false;
};

}  // namespace

class DialogFormsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }

    void formShapes();
    void tabOrders();
    void firstFocusOnOpening();
    void dialogFontFallsBackToTheSystemFont();
    void initialTextsWithoutValueFiles();
    void radioChoicesAtCreation();
    void comboBoxesAtCreation();
    void fixedTexts();
    void exampleTables();
    void specifiedGeometry();
    void valueFilesFillEditsAtCreation();
    void escapeCancelsOnlyWhereBound();
    void closeBoxCancels();
    void enterPressesOk();
    void enterInComboBoxAddsNoItem();
    void okHandsControlsToConfirmDialog();
    void refusalKeepsDialogOpen_data();
    void refusalKeepsDialogOpen();
    void chooserLayout();
    void chooserPictures();
    void chooserCarriesChoiceOver();
    void variantIsTheSelectedItem();
    void screenshots();
};

void DialogFormsTest::formShapes()
{
    Harness h("forms_shapes");
    h.Create();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (const FormShapeRow& row : FormShapes()) {
        QDialog* form = h.Forms->Form(row.Id);
        const QByteArray what = QByteArray(row.Name) + ": ";
        QVERIFY2(form, what);
        QCOMPARE(QByteArray(form->metaObject()->className()), QByteArray(row.ClassName));
        QCOMPARE(form->objectName(), QString::fromLatin1(row.Name));
        QCOMPARE(form->windowTitle(), QString::fromUtf8(row.Caption));
        QVERIFY2(form->minimumSize() == row.Client && form->maximumSize() == row.Client,
                 what + "client size is not fixed at the designed size");
        QVERIFY2(!(form->windowFlags() & Qt::WindowMaximizeButtonHint), what + "a fixed dialog has no maximise box");
        QVERIFY2(form->windowFlags() & Qt::WindowCloseButtonHint, what + "the close box cancels, so it must be there");
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        if (row.Centred) {
            const QPoint centre = form->frameGeometry().center();
            QVERIFY2(std::abs(centre.x() - screen.center().x()) <= 1 && std::abs(centre.y() - screen.center().y()) <= 1,
                     what + "not centred on the screen");
        } else {
            QCOMPARE(form->frameGeometry().topLeft(), row.DesignPosition);
        }
        form->reject();
    }
}

void DialogFormsTest::tabOrders()
{
    Harness h("forms_tab_orders");
    h.Create();
    for (const FormShapeRow& row : FormShapes()) {
        const std::vector<const char*> expected = row.Id == DialogId::OKBottomDlg_wyw ? ChooserTabOrder() : row.TabOrder;
        QStringList names;
        for (const char* name : expected)
            names << QString::fromLatin1(name);
        QDialog* form = h.Forms->Form(row.Id);
        // The chain is a ring; start it at the first control of the expected order.
        QStringList chain = TabChain(form);
        const qsizetype first = chain.indexOf(names.front());
        QVERIFY2(first >= 0, QByteArray(row.Name) + ": first control not in the tab chain");
        chain = chain.mid(first) + chain.mid(0, first);
        QCOMPARE(chain, names);
    }
}

void DialogFormsTest::firstFocusOnOpening()
{
    Harness h("forms_first_focus");
    h.Create();
    // OKBottomDlg1 and Form4 open with the focus on OK, so Enter accepts the value shown.
    const struct {
        DialogId Id;
        const char* Focus;
    } rows[] = {
        {DialogId::OKBottomDlg1, "OKBtn"},     {DialogId::Form4, "Button1"}, {DialogId::OKBottomDlg, "Edit1"},
        {DialogId::Form22, "Edit1"},           {DialogId::OKBottomDlg2, "Edit1"},
        {DialogId::OKBottomDlg3, "RadioButton1"}, {DialogId::OKBottomDlg_wyw, "RadioButton1"},
    };
    for (const auto& row : rows) {
        QDialog* form = h.Forms->Form(row.Id);
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY2(form->focusWidget(), row.Focus);
        QCOMPARE(form->focusWidget()->objectName(), QString::fromLatin1(row.Focus));
        form->reject();
    }
}

void DialogFormsTest::dialogFontFallsBackToTheSystemFont()
{
    Harness h("forms_font");
    h.Create();
    const QStringList installed = QFontDatabase::families();
    QString expected = QApplication::font().family();
    for (const char* face : {"Liberation Sans", "Arial", "MS Sans Serif"}) {
        if (installed.contains(QString::fromLatin1(face)))
            expected = QString::fromLatin1(face);
    }
    for (const FormShapeRow& row : FormShapes()) {
        const QFont font = h.Forms->Form(row.Id)->font();
        QCOMPARE(font.family(), expected);
        QCOMPARE(font.pointSize(), 8);
    }
}

void DialogFormsTest::initialTextsWithoutValueFiles()
{
    Harness h("forms_initial_texts");
    h.Create();
    const struct {
        DialogId Id;
        std::vector<const char*> Edits;
    } rows[] = {
        {DialogId::OKBottomDlg, {"Edit1"}},
        {DialogId::Form1, {"Edit1", "Edit2"}},
        {DialogId::Form3, {"Edit1", "Edit2", "Edit3"}},
        {DialogId::Form4, {"Edit1"}},
        {DialogId::Form22, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}},
        {DialogId::Form222, {"Edit1", "Edit2", "Edit3", "Edit4"}},
        {DialogId::Form2222, {"Edit1", "Edit2", "Edit4"}},
        {DialogId::Form22222, {"Edit1", "Edit2", "Edit4"}},
        {DialogId::Form222222, {"Edit1", "Edit2", "Edit4"}},
        {DialogId::OKBottomDlg1, {"Edit1"}},
        {DialogId::OKBottomDlg2, {"Edit1"}},
    };
    for (const auto& row : rows) {
        QDialog* form = h.Forms->Form(row.Id);
        for (const char* name : row.Edits) {
            QLineEdit* edit = Child<QLineEdit>(form, name);
            QVERIFY2(edit, qPrintable(form->objectName() + "." + name));
            QCOMPARE(edit->text(), QString::fromLatin1(name));
        }
        // No other edit boxes than those of the value file (a combo's own line edit aside).
        int edits = 0;
        for (QLineEdit* edit : form->findChildren<QLineEdit*>())
            edits += qobject_cast<QComboBox*>(edit->parentWidget()) ? 0 : 1;
        QCOMPARE(edits, static_cast<int>(row.Edits.size()));
    }
}

void DialogFormsTest::radioChoicesAtCreation()
{
    Harness h("forms_radios");
    h.Create();
    const struct {
        DialogId Id;
        const char* Group;
        std::vector<const char*> Captions;
        int Checked;  // 1-based
    } rows[] = {
        {DialogId::OKBottomDlg3, "", {"Niech program obliczy wartość Ro", "Podać wartość Ro z klawiatuy"}, 2},
        {DialogId::OKBottomDlg333, "Proszę wybrać typ kanału", {"Prostokątny", "Okrągły"}, 1},
        {DialogId::OKBottomDlg33333, "Proszę wybrać materiał kanału",
         {"Rura stalowa ocynkowana czysta", "Nowa rura odlewana, blacha stalowa, gładki cement ",
          "Zwyczajnie ocynkowana rura stalowa", "Stara rura stalowa zardzewiała", "Surowy cement lub deski", "Cegła"},
         1},
        {DialogId::OKBottomDlg3333, "Proszę wybrać typ instalacji",
         {"Budynek wielokondygnacyjny - kratka prostokątna", "Budynek wielokondygnacyjny - kratka okrągła nieregulowana",
          "Budynek wielokondygnacyjny - kratka okrągła regulowana",
          "Budynek wielokondygnacyjny - kratka okrągła stałej wydajności",
          "Budynek wielokondygnacyjny - kratka prostokątna stałej wydajności"},
         1},
    };
    for (const auto& row : rows) {
        QDialog* form = h.Forms->Form(row.Id);
        QGroupBox* group = Child<QGroupBox>(form, "GroupBox1");
        QVERIFY2(group, qPrintable(form->objectName()));
        QCOMPARE(group->title(), QString::fromUtf8(row.Group));
        const QList<QRadioButton*> radios = form->findChildren<QRadioButton*>();
        QCOMPARE(radios.size(), static_cast<qsizetype>(row.Captions.size()));
        for (size_t i = 0; i < row.Captions.size(); ++i) {
            const QByteArray name = "RadioButton" + QByteArray::number(static_cast<int>(i + 1));
            QRadioButton* radio = Child<QRadioButton>(form, name.constData());
            QVERIFY2(radio, name);
            QCOMPARE(radio->parentWidget(), static_cast<QWidget*>(group));
            QCOMPARE(radio->text(), QString::fromUtf8(row.Captions[i]));
            QCOMPARE(radio->isChecked(), static_cast<int>(i + 1) == row.Checked);
        }
    }
}

void DialogFormsTest::comboBoxesAtCreation()
{
    Harness h("forms_combos");
    h.Create();
    const struct {
        DialogId Id;
        const char* Text;
        std::vector<const char*> Items;
    } rows[] = {
        {DialogId::Form2222, "LUMA 75/80", {"LUMA 75/80", "LUMA 100", "LUMA 125", "LUMA 160", "LUMA 200"}},
        {DialogId::Form22222, "100 mm", {"100 mm", "116 mm", "125 mm"}},
        {DialogId::Form222222, "NEVA-20", {"NEVA-20", "NEVA-30", "NEVA-50", "NEVA-70"}},
        {DialogId::OKBottomDlg2, "Wentylator",
         {"Wentylator", "Wentylator z podstawą tłumiącą", "Wentylator z tłumikiem cylindrycznym"}},
    };
    for (const auto& row : rows) {
        QDialog* form = h.Forms->Form(row.Id);
        QComboBox* combo = Child<QComboBox>(form, "ComboBox1");
        QVERIFY2(combo, qPrintable(form->objectName()));
        QVERIFY2(combo->isEditable(), "the combo box has a text part the user can type into");
        QCOMPARE(combo->currentText(), QString::fromUtf8(row.Text));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->count(), static_cast<int>(row.Items.size()));
        for (size_t i = 0; i < row.Items.size(); ++i)
            QCOMPARE(combo->itemText(static_cast<int>(i)), QString::fromUtf8(row.Items[i]));
    }
}

void DialogFormsTest::fixedTexts()
{
    Harness h("forms_texts");
    h.Create();
    const struct {
        DialogId Id;
        std::vector<std::pair<const char*, const char*>> Labels;
    } rows[] = {
        {DialogId::OKBottomDlg, {{"Label1", "Proszę podać parametry"}, {"Label2", "Gęstość Ro [kg/m3]"}}},
        {DialogId::Form3,
         {{"Label1", "Proszę podać parametry do obliczenia gestości Ro"}, {"Label2", "Temperatura [°C]"},
          {"Label3", "Ciśnienie baryczne [hPa]"}, {"Label4", "Wilgotność względna [%]"}}},
        {DialogId::Form1, {{"Label1", "Proszę podać wymiary kanału"}, {"Label2", "Długość [m]"}, {"Label3", "Szerokość [m]"}}},
        {DialogId::Form4, {{"Label1", "Proszę podać parametry kanału"}, {"Label2", "Średnica kanału [m]"}}},
        {DialogId::Form22,
         {{"Label1", "Proszę podać parametry budynku"}, {"Label2", "Wysokość jednej kondygnacji [m]"},
          {"Label3", "Ilość kondygnacji"}, {"Label4", "Wysokość kratki [m]"}, {"Label5", "Szerokość kratki [m]"},
          {"Label6", "Współczynnik strat kratki"}, {"Label7", "Przykładowe wartości współczynnika strat kratek"}}},
        {DialogId::Form222,
         {{"Label1", "Proszę podać parametry budynku"}, {"Label2", "Wysokość jednej kondygnacji [m]"},
          {"Label3", "Ilość kondygnacji"}, {"Label4", "Średnica kratki [m]"}, {"Label5", "Współczynnik strat kratki"},
          {"Label6", "Przykładowe wartości współczynnika strat kratek"}}},
        {DialogId::Form2222,
         {{"Label1", "Proszę podać parametry budynku"}, {"Label2", "Wysokość jednej kondygnacji [m]"},
          {"Label3", "Ilość kondygnacji"}, {"Label4", "Wybierz kratke"}, {"Label5", "Otwarcie kratki"},
          {"Label6", "(ilosc obrotow tarczy kratki 0-20)"}}},
        {DialogId::Form22222,
         {{"Label1", "Proszę podać parametry budynku"}, {"Label2", "Wysokość jednej kondygnacji [m]"},
          {"Label3", "Ilość kondygnacji"}, {"Label4", "Wybierz kratke"}, {"Label5", "Stała wydajność Qs [m3/h]"},
          {"Label6", "(liczba z zakresu 15 do 90)"}}},
        {DialogId::Form222222,
         {{"Label1", "Proszę podać parametry budynku"}, {"Label2", "Wysokość jednej kondygnacji [m]"},
          {"Label3", "Ilość kondygnacji"}, {"Label4", "Wybierz kratke"}, {"Label5", "Stała wydajność Qs [m3/h]"},
          {"Label6", "liczba z zakresu "}, {"Label7", "dla kratki NEVA-20 od 5 do 23"},
          {"Label8", "dla kratki NEVA-50 od 5 do 60"}, {"Label9", "dla kratki NEVA-30 od 5 do 35"},
          {"Label10", "dla kratki NEVA-70 od 10 do 80"}}},
        {DialogId::OKBottomDlg1, {{"Label2", "Proszę podać parametry"}, {"Label1", "Wydajność regulowana Qr [m3/s]"}}},
        {DialogId::OKBottomDlg2, {{"Label1", "Wydajność regulowana [m3/s]"}, {"Label2", "Proszę wybrać"}}},
    };
    for (const auto& row : rows) {
        QDialog* form = h.Forms->Form(row.Id);
        for (const auto& [name, text] : row.Labels)
            QCOMPARE(LabelText(form, name), QString::fromUtf8(text));
    }
    // Every form's buttons read "OK" and "Anuluj", and OK is the default button.
    for (const FormShapeRow& row : FormShapes()) {
        QDialog* form = h.Forms->Form(row.Id);
        const bool bottomKind = Child<QPushButton>(form, "OKBtn") != nullptr;
        QPushButton* ok = Child<QPushButton>(form, bottomKind ? "OKBtn" : "Button1");
        QPushButton* cancel = Child<QPushButton>(form, bottomKind ? "CancelBtn" : "Button2");
        QVERIFY2(ok && cancel, row.Name);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(cancel->text(), QStringLiteral("Anuluj"));
        QVERIFY2(ok->isDefault(), row.Name);
        QCOMPARE(ok->size(), QSize(75, 25));
        QCOMPARE(cancel->size(), QSize(75, 25));
        // Every control lies inside the client area, or inside its group.
        for (QWidget* child : form->findChildren<QWidget*>()) {
            QWidget* parent = child->parentWidget();
            if (child->isWindow() || child->objectName().isEmpty() || parent->objectName().isEmpty())
                continue;
            QVERIFY2(parent->rect().contains(child->geometry()),
                     qPrintable(form->objectName() + "." + child->objectName() + " lies outside " + parent->objectName()));
            // With the design font or one of its widths, no caption is cut.
            if (qobject_cast<QRadioButton*>(child) && form->font().family() != QApplication::font().family())
                QVERIFY2(child->sizeHint().width() <= child->width(),
                         qPrintable(form->objectName() + "." + child->objectName() + " cuts its caption"));
        }
    }
}

void DialogFormsTest::exampleTables()
{
    Harness h("forms_examples");
    h.Create();
    // Description, value; Form22 row by row down the left column, then the right.
    const std::vector<std::pair<const char*, const char*>> form22 = {
        {"Prostokątna TERN 20 i VASK 20    0,222x0,255", "4,6"},
        {"Prostokątna TERN 25 i VASK 25    0,272x0,305", "2,8"},
        {"Firmy ZORIN TERN 30 i VASK 30      0,322x0,355", "2,5"},
        {"Firmy ZORIN TERN 35 i VASK 35      0,372x0,405", "2,1"},
        {"Kwadratowa Typ A                        0,15x0,15", "15"},
        {"Łopatki pod kątem 45 st Typ A     0,2x0,2", "15"},
        {"Łopatki pod kątem 45 st Typ A     0,25x0,25", "15"},
        {"Firmy WEXALTyp A                     0,3x0,3", "15"},
        {"Kwadratowa Typ G                        0,15x0,15", "3,3"},
        {"Łopatki pod kątem 0 st Typ G       0,2x0,2", "3,3"},
        {"Łopatki pod kątem 0 st Typ G       0,25x0,25", "3,3"},
        {"Firmy WEXAL Typ G                    0,3x0,3", "3,3"},
    };
    const std::vector<std::pair<const char*, const char*>> form222 = {
        {"Okrągła OKRA-80                    d=0,06", "1,6"},
        {"Regulowana OKRA-100           d=0,074", "1,6"},
        {"Całkowicie OKRA-125              d=0,097", "3,9"},
        {"Otwarta OKRA-150                   d=0,117", "4"},
        {"Otwarta OKRA-200                   d=0,155", "4,1"},
    };
    const struct {
        DialogId Id;
        int FirstLabel;
        const std::vector<std::pair<const char*, const char*>>& Rows;
        int RowsPerColumn;
    } tables[] = {{DialogId::Form22, 8, form22, 6}, {DialogId::Form222, 7, form222, 5}};
    for (const auto& table : tables) {
        QDialog* form = h.Forms->Form(table.Id);
        int number = table.FirstLabel;
        QLabel* firstOfColumn = nullptr;
        for (size_t i = 0; i < table.Rows.size(); ++i) {
            const QByteArray descriptionName = "Label" + QByteArray::number(number++);
            const QByteArray valueName = "Label" + QByteArray::number(number++);
            QLabel* description = Child<QLabel>(form, descriptionName.constData());
            QLabel* value = Child<QLabel>(form, valueName.constData());
            QVERIFY2(description && value, descriptionName);
            QCOMPARE(description->text(), QString::fromUtf8(table.Rows[i].first));
            QCOMPARE(value->text(), QString::fromUtf8(table.Rows[i].second));
            QCOMPARE(value->y(), description->y());
            QVERIFY2(value->x() >= description->x() + description->width(), "the value stands right of its description");
            if (i % table.RowsPerColumn == 0) {
                if (firstOfColumn)
                    QVERIFY2(description->x() > firstOfColumn->x(), "the second column stands right of the first");
                firstOfColumn = description;
            } else {
                QCOMPARE(description->x(), firstOfColumn->x());
                QVERIFY2(description->y() > firstOfColumn->y(), "rows go downwards");
            }
        }
    }
}

void DialogFormsTest::specifiedGeometry()
{
    Harness h("forms_geometry");
    h.Create();
    const struct {
        DialogId Id;
        const char* Name;
        QRect Place;  // height 0: not given, not checked
    } rows[] = {
        {DialogId::OKBottomDlg1, "Bevel1", {8, 8, 305, 105}},
        {DialogId::OKBottomDlg1, "Label2", {16, 24, 0, 0}},
        {DialogId::OKBottomDlg1, "Label1", {16, 56, 0, 0}},
        {DialogId::OKBottomDlg1, "Edit1", {184, 56, 121, 0}},
        {DialogId::OKBottomDlg1, "OKBtn", {79, 140, 75, 25}},
        {DialogId::OKBottomDlg1, "CancelBtn", {159, 140, 75, 25}},
        {DialogId::OKBottomDlg2, "Bevel1", {8, 8, 369, 113}},
        {DialogId::OKBottomDlg2, "Label1", {16, 40, 0, 0}},
        {DialogId::OKBottomDlg2, "Label2", {16, 72, 0, 0}},
        {DialogId::OKBottomDlg2, "Edit1", {168, 40, 121, 0}},
        {DialogId::OKBottomDlg2, "ComboBox1", {168, 72, 201, 0}},
        {DialogId::OKBottomDlg2, "OKBtn", {111, 132, 75, 25}},
        {DialogId::OKBottomDlg2, "CancelBtn", {223, 132, 75, 25}},
    };
    for (const auto& row : rows) {
        QWidget* widget = Child<QWidget>(h.Forms->Form(row.Id), row.Name);
        QVERIFY2(widget, row.Name);
        const QRect g = widget->geometry();
        QCOMPARE(g.topLeft(), row.Place.topLeft());
        if (row.Place.width() > 0)
            QCOMPARE(g.width(), row.Place.width());
        if (row.Place.height() > 0)
            QCOMPARE(g.height(), row.Place.height());
    }
}

void DialogFormsTest::valueFilesFillEditsAtCreation()
{
    Harness h("forms_value_files");
    h.Write("dialog.sav", "1.200\r\n");  // a CR LF line end leaves no carriage return in the box
    h.Write("dialog1.sav", "20\n1013\n50\n");
    h.Write("dialog22.sav", "0.000\n");
    h.Write("dialog33.sav", "3.00\n10\n");  // ends early: the other boxes keep their initial texts
    h.Write("dialog3333.sav", "2.80\n6\n20\n");
    h.Write("dialog4.sav", "0.500\n");
    h.Write("dialog5.sav", "abc\n");  // any text is shown; it is converted only on OK
    h.Create();
    const struct {
        DialogId Id;
        const char* Edit;
        const char* Text;
    } rows[] = {
        {DialogId::OKBottomDlg, "Edit1", "1.200"}, {DialogId::Form3, "Edit1", "20"},
        {DialogId::Form3, "Edit2", "1013"},        {DialogId::Form3, "Edit3", "50"},
        {DialogId::Form1, "Edit1", "Edit1"},       {DialogId::Form4, "Edit1", "0.000"},
        {DialogId::Form22, "Edit1", "3.00"},       {DialogId::Form22, "Edit2", "10"},
        {DialogId::Form22, "Edit3", "Edit3"},      {DialogId::Form22, "Edit5", "Edit5"},
        {DialogId::Form2222, "Edit1", "2.80"},     {DialogId::Form2222, "Edit2", "6"},
        {DialogId::Form2222, "Edit4", "20"},       {DialogId::OKBottomDlg1, "Edit1", "0.500"},
        {DialogId::OKBottomDlg2, "Edit1", "abc"},
    };
    for (const auto& row : rows) {
        QLineEdit* edit = Child<QLineEdit>(h.Forms->Form(row.Id), row.Edit);
        QVERIFY2(edit, row.Edit);
        QCOMPARE(edit->text(), QString::fromLatin1(row.Text));
    }
    // Reading changes no file.
    QCOMPARE(h.File("dialog.sav"), std::string("1.200\r\n"));
}

void DialogFormsTest::escapeCancelsOnlyWhereBound()
{
    Harness h("forms_escape");
    h.Create();
    for (const FormShapeRow& row : FormShapes()) {
        QDialog* form = h.Forms->Form(row.Id);
        form->setResult(-1);
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QWidget* target = form->focusWidget() ? form->focusWidget() : form;
        // In a dialog with a combo box, the key is pressed in the combo's text part.
        if (QComboBox* combo = Child<QComboBox>(form, "ComboBox1")) {
            combo->setFocus();
            target = combo->lineEdit();
        }
        QTest::keyClick(target, Qt::Key_Escape);
        if (row.EscapeCancels) {
            QVERIFY2(!form->isVisible(), QByteArray(row.Name) + ": Escape should cancel");
            QCOMPARE(form->result(), static_cast<int>(QDialog::Rejected));
        } else {
            QVERIFY2(form->isVisible(), QByteArray(row.Name) + ": Escape should do nothing");
            // Also with the focus on the form itself.
            QTest::keyClick(form, Qt::Key_Escape);
            QVERIFY2(form->isVisible(), QByteArray(row.Name) + ": Escape should do nothing");
            form->reject();
        }
    }
    QCOMPARE(h.Record.DensitySource, 0);
    QVERIFY(!h.Exists("dialog.sav"));
}

void DialogFormsTest::closeBoxCancels()
{
    Harness h("forms_close_box");
    h.Create();
    for (const FormShapeRow& row : FormShapes()) {
        QDialog* form = h.Forms->Form(row.Id);
        form->setResult(-1);
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(form->close());
        QVERIFY2(!form->isVisible(), row.Name);
        QCOMPARE(form->result(), static_cast<int>(QDialog::Rejected));
    }
    QCOMPARE(h.Record.InstallationKind, 0);
    QCOMPARE(h.Record.FanIndex, 0);
    QVERIFY(QDir(QString::fromStdString(h.Dir)).entryList(QDir::Files).isEmpty());
}

void DialogFormsTest::enterPressesOk()
{
    Harness h("forms_enter");
    h.Create();
    QDialog* form = h.Forms->Form(DialogId::OKBottomDlg);
    form->open();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QLineEdit* edit = Child<QLineEdit>(form, "Edit1");
    edit->setFocus();
    edit->setText(QStringLiteral("1.2"));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(h.Record.AirDensity, 1.2);
    QCOMPARE(h.File("dialog.sav"), std::string("1.200\n"));

    // OKBottomDlg1 opens with the focus on OK: Enter alone accepts the remembered text.
    QDialog* request = h.Forms->Form(DialogId::OKBottomDlg1);
    Child<QLineEdit>(request, "Edit1")->setText(QStringLiteral("0.5"));
    request->open();
    QVERIFY(QTest::qWaitForWindowExposed(request));
    QTest::keyClick(request->focusWidget(), Qt::Key_Return);
    QCOMPARE(request->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(h.Record.RegulatedFlow, 0.5);
}

void DialogFormsTest::enterInComboBoxAddsNoItem()
{
    Harness h("forms_combo_enter");
    h.Create();
    QDialog* form = h.Forms->Form(DialogId::Form2222);
    form->open();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    SetEdit(form, "Edit1", "3");
    SetEdit(form, "Edit2", "4");
    SetEdit(form, "Edit4", "5");
    QComboBox* combo = Child<QComboBox>(form, "ComboBox1");
    combo->setFocus();
    TypeComboText(form, "ComboBox1", "LUMA 1");  // names no item; no completion to "LUMA 100"
    QCOMPARE(combo->currentText(), QStringLiteral("LUMA 1"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->count(), 5);
    QCOMPARE(form->result(), static_cast<int>(QDialog::Accepted));
    // A text naming no item counts as the first item, LUMA 75/80 (d = 0.046 m).
    QCOMPARE(h.Record.GrilleSizeA, 0.046);
    QCOMPARE(h.Record.StoreyCount, 4);
}

void DialogFormsTest::okHandsControlsToConfirmDialog()
{
    // What each form passes on OK equals ConfirmDialog on the same texts and choices.
    Harness h("forms_ok");
    h.Create();
    const std::string reference = ScratchDir("forms_ok_reference");
    CalcRecord expected;
    ResetCalcRecord(expected);
    FileProblems problems;
    const auto confirm = [&](DialogId id, const DialogInput& input) {
        QVERIFY(ConfirmDialog(id, input, expected, ValueFileTarget{reference}, problems).Accepted);
    };

    const auto run = [&](DialogId id, const std::function<void(QWidget*)>& fill) {
        QDialog* form = h.Forms->Form(id);
        ModalDriver driver;
        driver.Then(form->objectName(), [&](QWidget* modal) {
            fill(modal);
            ClickOk(modal);
        });
        driver.Start();
        const bool accepted = h.Forms->Exec(id);
        driver.Stop();
        QVERIFY2(driver.Finished(), qPrintable(form->objectName()));
        QVERIFY(accepted);
    };

    run(DialogId::Form3, [](QWidget* f) {
        SetEdit(f, "Edit1", "20.7");
        SetEdit(f, "Edit2", "1013");
        SetEdit(f, "Edit3", "50");
    });
    confirm(DialogId::Form3, Input({"20.7", "1013", "50"}));
    run(DialogId::Form1, [](QWidget* f) {
        SetEdit(f, "Edit1", "0.2");
        SetEdit(f, "Edit2", "0,3");
    });
    confirm(DialogId::Form1, Input({"0.2", "0,3"}));
    run(DialogId::OKBottomDlg33333, [](QWidget* f) { Check(f, "RadioButton6"); });
    confirm(DialogId::OKBottomDlg33333, Input({}, 5));
    run(DialogId::OKBottomDlg3333, [](QWidget* f) { Check(f, "RadioButton4"); });
    confirm(DialogId::OKBottomDlg3333, Input({}, 3));
    run(DialogId::Form22222, [](QWidget* f) {
        SetEdit(f, "Edit1", "2.8");
        SetEdit(f, "Edit2", "12");
        SetEdit(f, "Edit4", "120");
        PickComboItem(f, "ComboBox1", 1);
    });
    confirm(DialogId::Form22222, Input({"2.8", "12", "120"}, 0, "116 mm"));

    QCOMPARE(h.Record.AirDensity, expected.AirDensity);
    QCOMPARE(h.Record.DuctSideA, expected.DuctSideA);
    QCOMPARE(h.Record.DuctSideB, expected.DuctSideB);
    QCOMPARE(h.Record.DuctDiameter, expected.DuctDiameter);
    QCOMPARE(h.Record.DuctArea, expected.DuctArea);
    QCOMPARE(h.Record.DuctRoughness, 10.0);
    QCOMPARE(h.Record.InstallationKind, 4);
    QCOMPARE(h.Record.GrilleLossCoefficient, expected.GrilleLossCoefficient);
    QCOMPARE(h.Record.GrilleArea, expected.GrilleArea);
    QCOMPARE(h.Record.GrilleSizeA, 0.116);
    for (const char* file : {"dialog1.sav", "dialog2.sav", "dialog33333.sav"})
        QCOMPARE(h.File(file), ReadFileForTest(reference + "/" + file));
    QCOMPARE(h.File("dialog33333.sav"), std::string("2.80\n12\n90\n"));

    // Re-opened in the same run, the dialogs show what they were left with.
    QCOMPARE(Child<QRadioButton>(h.Forms->Form(DialogId::OKBottomDlg33333), "RadioButton6")->isChecked(), true);
    QCOMPARE(Child<QLineEdit>(h.Forms->Form(DialogId::Form1), "Edit2")->text(), QStringLiteral("0,3"));
    QCOMPARE(Child<QComboBox>(h.Forms->Form(DialogId::Form22222), "ComboBox1")->currentText(), QStringLiteral("116 mm"));
}

void DialogFormsTest::refusalKeepsDialogOpen_data()
{
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QStringList>("texts");  // for Edit1, Edit2, ... in value-file order
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("valueFile");

    const QString storeys = QStringLiteral("Ilość kondygnacji musi być liczbą z zakresu 0 do 99.");
    const QString flow = QStringLiteral("Wydajność regulowana musi być większa od zera.");
    QTest::newRow("100 storeys") << int(DialogId::Form22) << QStringList{"3", "100", "0.2", "0.25", "2.5"}
                                 << storeys << "dialog33.sav";
    QTest::newRow("negative storeys") << int(DialogId::Form2222) << QStringList{"3", "-1", "5"} << storeys
                                      << "dialog3333.sav";
    QTest::newRow("huge storeys") << int(DialogId::Form222222) << QStringList{"3", "4294967297", "20"} << storeys
                                  << "dialog333333.sav";
    QTest::newRow("pressure 0") << int(DialogId::Form3) << QStringList{"20", "0", "50"}
                                << QStringLiteral("Dla podanych parametrów nie można obliczyć gęstości powietrza.\nProszę poprawić dane.")
                                << "dialog1.sav";
    QTest::newRow("duct sides 0") << int(DialogId::Form1) << QStringList{"0", "0"}
                                  << QStringLiteral("Dla podanych wymiarów nie można obliczyć średnicy równoważnej kanału.\nProszę poprawić dane.")
                                  << "dialog2.sav";
    QTest::newRow("flow 0") << int(DialogId::OKBottomDlg1) << QStringList{"0,5"} << flow << "dialog4.sav";
    QTest::newRow("variant flow negative") << int(DialogId::OKBottomDlg2) << QStringList{"-0.1"} << flow
                                           << "dialog5.sav";
}

void DialogFormsTest::refusalKeepsDialogOpen()
{
    QFETCH(int, dialog);
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    QFETCH(QString, valueFile);

    Harness h("forms_refusal");
    h.Create();
    const DialogId id = static_cast<DialogId>(dialog);
    QDialog* form = h.Forms->Form(id);
    QList<QLineEdit*> edits;
    for (QLineEdit* edit : form->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(edit->parentWidget()))
            edits << edit;
    std::sort(edits.begin(), edits.end(), [](QLineEdit* a, QLineEdit* b) { return a->objectName() < b->objectName(); });
    QCOMPARE(edits.size(), texts.size());

    WarningSeen warning;
    bool stillOpenAfterWarning = false;
    QStringList textsAfterWarning;
    ModalDriver driver;
    driver.Then(form->objectName(), [&](QWidget* modal) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            edits[i]->setText(texts[i]);
        ClickOk(modal);
    });
    driver.Then(QStringLiteral("QMessageBox"), [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        warning = {box->windowTitle(), box->text(), box->icon() == QMessageBox::Warning};
        box->accept();
    });
    driver.Then(form->objectName(), [&](QWidget* modal) {
        stillOpenAfterWarning = modal->isVisible();
        for (QLineEdit* edit : edits)
            textsAfterWarning << edit->text();
        ClickCancel(modal);
    });
    driver.Start();
    const bool accepted = h.Forms->Exec(id);
    driver.Stop();

    QVERIFY2(driver.Problems().empty(), Joined(driver.Problems()).c_str());
    QVERIFY(!accepted);
    QVERIFY(stillOpenAfterWarning);
    QCOMPARE(textsAfterWarning, texts);
    QCOMPARE(warning.Caption, QStringLiteral("Program doboru wentylatorów dachowych Firmy KORALINEX"));
    QCOMPARE(warning.Text, message);
    QVERIFY(warning.IconWarning);
    QVERIFY2(!h.Exists(valueFile.toLatin1().constData()), "a refused dialog saves nothing");
    QCOMPARE(h.Record.StoreyCount, 0);
    QCOMPARE(h.Record.AirDensity, 0.0);
    QCOMPARE(h.Record.DuctDiameter, 0.0);
    QCOMPARE(h.Record.RegulatedFlow, 0.0);
    QCOMPARE(h.Record.VariantRegulatedFlow, 0.0);
}

void DialogFormsTest::chooserLayout()
{
    Harness h("forms_chooser_layout");
    h.Create();
    TOKBottomDlg_wyw* chooser = h.Forms->OKBottomDlg_wyw;
    QGroupBox* frame = Child<QGroupBox>(chooser, "GroupBox1");
    QVERIFY(frame);
    QCOMPARE(frame->geometry(), QRect(8, 8, 513, 481));
    QCOMPARE(frame->title(), QStringLiteral("Proszę wybrać wentylator"));
    QVERIFY2(frame->findChildren<QWidget*>().isEmpty(), "the frame has no items of its own");

    const int left[] = {16, 184, 352};
    int buttons = 0;
    for (size_t c = 0; c < kChooserColumns.size(); ++c) {
        int top = 24;
        for (int k : kChooserColumns[c]) {
            const QByteArray name = "RadioButton" + QByteArray::number(k);
            QRadioButton* radio = Child<QRadioButton>(chooser, name.constData());
            QVERIFY2(radio, name);
            QCOMPARE(radio->parentWidget(), static_cast<QWidget*>(chooser));
            QCOMPARE(radio->pos(), QPoint(left[c], top));
            QCOMPARE(radio->height(), 17);
            QVERIFY2(radio->x() + radio->width() <= 8 + 513, name + " reaches past the frame");
            QCOMPARE(radio->text(), QString::fromUtf8(LookupFan(k)->ChooserCaption));
            QCOMPARE(chooser->Buttons->id(radio), k);
            QCOMPARE(radio->isChecked(), k == 1);
            top += 24;
            ++buttons;
        }
    }
    QCOMPARE(buttons, 55);
    QCOMPARE(chooser->findChildren<QRadioButton*>().size(), 55);
    QVERIFY(chooser->Buttons->exclusive());
    for (const char* absent : {"RadioButton20", "RadioButton21", "RadioButton22"})
        QVERIFY2(!Child<QRadioButton>(chooser, absent), absent);
    // The captions as the catalogue has them, own spellings included.
    QCOMPARE(Child<QRadioButton>(chooser, "RadioButton36")->text(), QStringLiteral("ESKOL-2/900 obr"));
    QCOMPARE(Child<QRadioButton>(chooser, "RadioButton3")->text(), QStringLiteral("BRESA-1/1370obr"));

    const struct {
        const char* Image;
        QRect ImagePlace;
        const char* Label;
        QPoint LabelPlace;
        const char* Family;
    } pictures[] = {
        {"Image1", {528, 8, 73, 65}, "Label1", {608, 32}, "ALVIR"},
        {"Image2", {528, 80, 73, 73}, "Label2", {608, 104}, "BRESA"},
        {"Image3", {528, 160, 73, 81}, "Label3", {608, 192}, "CORVA"},
        {"Image4", {528, 248, 73, 89}, "Label4", {608, 280}, "DUNMAR"},
        {"Image5", {528, 344, 73, 49}, "Label5", {608, 360}, "ESKOL"},
    };
    for (const auto& p : pictures) {
        QLabel* image = Child<QLabel>(chooser, p.Image);
        QLabel* label = Child<QLabel>(chooser, p.Label);
        QVERIFY2(image && label, p.Image);
        QCOMPARE(image->geometry(), p.ImagePlace);
        QCOMPARE(label->pos(), p.LabelPlace);
        QCOMPARE(label->text(), QString::fromLatin1(p.Family));
    }
    QCOMPARE(Child<QPushButton>(chooser, "OKBtn")->geometry(), QRect(143, 508, 75, 25));
    QCOMPARE(Child<QPushButton>(chooser, "CancelBtn")->geometry(), QRect(239, 508, 75, 25));
}

void DialogFormsTest::chooserPictures()
{
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
        QSKIP("Qt's JPEG reader is not installed; the pictures stay empty");
    Harness h("forms_chooser_pictures");
    h.Create();
    for (QLabel* image : h.Forms->OKBottomDlg_wyw->Images) {
        const QPixmap pixmap = image->pixmap();
        QVERIFY2(!pixmap.isNull(), qPrintable(image->objectName()));
        QCOMPARE(pixmap.size(), image->size());
        // A drawing on white: the corner is white, something in the middle is not.
        const QImage picture = pixmap.toImage();
        QVERIFY(qGray(picture.pixel(0, 0)) > 240);
        bool drawn = false;
        for (int y = 0; y < picture.height() && !drawn; ++y)
            drawn = qGray(picture.pixel(picture.width() / 2, y)) < 200;
        QVERIFY2(drawn, qPrintable(image->objectName()));
    }
}

void DialogFormsTest::chooserCarriesChoiceOver()
{
    Harness h("forms_chooser_choice");
    h.Create();
    TOKBottomDlg_wyw* chooser = h.Forms->OKBottomDlg_wyw;
    ModalDriver driver;
    driver.Then("OKBottomDlg_wyw", [](QWidget* f) {
        Check(f, "RadioButton19");
        Click(f, "CancelBtn");
    });
    driver.Then("OKBottomDlg_wyw", [&](QWidget* f) {
        // Cancelled, but still checked when the chooser is shown again.
        QVERIFY(Child<QRadioButton>(f, "RadioButton19")->isChecked());
        QVERIFY(!Child<QRadioButton>(f, "RadioButton1")->isChecked());
        Click(f, "OKBtn");
    });
    driver.Then("OKBottomDlg_wyw", [](QWidget* f) {
        Check(f, "RadioButton58");
        QTest::keyClick(f->focusWidget() ? f->focusWidget() : f, Qt::Key_Escape);
    });
    driver.Then("OKBottomDlg_wyw", [](QWidget* f) {
        Check(f, "RadioButton23");
        QTest::keyClick(f->focusWidget() ? f->focusWidget() : f, Qt::Key_Return);
    });
    driver.Start();
    QVERIFY(!h.Forms->Exec(DialogId::OKBottomDlg_wyw));
    QCOMPARE(h.Record.FanIndex, 0);
    QVERIFY(h.Forms->Exec(DialogId::OKBottomDlg_wyw));
    QCOMPARE(h.Record.FanIndex, 19);
    QVERIFY(!h.Forms->Exec(DialogId::OKBottomDlg_wyw));
    QCOMPARE(h.Record.FanIndex, 19);
    QVERIFY(chooser->RadioButton(58)->isChecked());
    QVERIFY(h.Forms->Exec(DialogId::OKBottomDlg_wyw));
    QCOMPARE(h.Record.FanIndex, 23);
    driver.Stop();
    QVERIFY(driver.Finished());
    QCOMPARE(chooser->RadioButton(20), nullptr);
}

void DialogFormsTest::variantIsTheSelectedItem()
{
    Harness h("forms_variant");
    h.Create();
    TOKBottomDlg2* dialog = h.Forms->OKBottomDlg2;
    const auto confirm = [&](const std::function<void(QWidget*)>& act) {
        ModalDriver driver;
        driver.Then("OKBottomDlg2", [&](QWidget* f) {
            SetEdit(f, "Edit1", "0.5");
            act(f);
            ClickOk(f);
        });
        driver.Start();
        const bool accepted = h.Forms->Exec(DialogId::OKBottomDlg2);
        driver.Stop();
        QVERIFY(accepted);
    };
    // The initial "Wentylator" is no selection.
    confirm([](QWidget*) {});
    QCOMPARE(h.Record.RegulationVariant, -1);
    QCOMPARE(h.Record.VariantRegulatedFlow, 0.5);
    QCOMPARE(h.File("dialog5.sav"), std::string("0.500\n"));
    // Chosen from the list.
    confirm([](QWidget* f) { PickComboItem(f, "ComboBox1", 2); });
    QCOMPARE(h.Record.RegulationVariant, 2);
    // Kept when shown again.
    confirm([](QWidget*) {});
    QCOMPARE(h.Record.RegulationVariant, 2);
    // The arrow keys choose too.
    confirm([](QWidget* f) {
        QComboBox* combo = Child<QComboBox>(f, "ComboBox1");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
    });
    QCOMPARE(h.Record.RegulationVariant, 1);
    QCOMPARE(dialog->SelectedItem(), 1);
    // Typing over the text leaves no item selected, even when the text names one.
    confirm([](QWidget* f) { TypeComboText(f, "ComboBox1", "Wentylator z tłumikiem cylindrycznym"); });
    QCOMPARE(h.Record.RegulationVariant, -1);
}

void DialogFormsTest::screenshots()
{
    // Pictures of every dialog for a look by eye: WENT_SCREENSHOT_DIR=/tmp/shots.
    const QByteArray dir = qgetenv("WENT_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set WENT_SCREENSHOT_DIR to save a picture of every dialog");
    Harness h("forms_screenshots");
    h.Create();
    for (const FormShapeRow& row : FormShapes()) {
        QDialog* form = h.Forms->Form(row.Id);
        form->open();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QString path = QString::fromLocal8Bit(dir) + "/" + form->objectName() + ".png";
        QVERIFY2(form->grab().save(path), qPrintable(path));
        form->reject();
    }
}

QTEST_MAIN(DialogFormsTest)
#include "dialogs_forms_test.moc"
