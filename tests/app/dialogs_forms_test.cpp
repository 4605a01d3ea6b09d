// The dialog forms: shape, texts and initial states, value files read at creation, Escape, Enter
// and the close box, refusals that keep a dialog open, the fan chooser and its carried-over choice.
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/dialogs_modal_driver.h"
#include "dialogs/commands.h"
#include "dialogs/forms/dialog_forms.h"
#include "dialogs/forms/tokbottomdlg2.h"
#include "dialogs/forms/tokbottomdlg_wyw.h"
#include "model/fan_catalogue.h"
#include "support/test_support.h"

namespace {

// The forms, their value files and a record in a scratch directory.
struct Harness {
    explicit Harness(const std::string& name, std::vector<std::pair<const char*, std::string>> files = {})
        : Dir(ScratchDir(name))
    {
        ResetCalcRecord(Record);
        for (const auto& [file, text] : files)
            std::ofstream(Dir + "/" + file, std::ios::binary) << text;
        Forms = std::make_unique<DialogForms>(DialogContext{&Record, Dir, &Problems});
    }

    std::string File(const char* name) const { return ReadFileForTest(Dir + "/" + name); }

    // Shows the dialog answered by `act`; true for OK.
    bool Exec(DialogId id, const ModalDriver::Action& act)
    {
        ModalDriver driver;
        driver.Then(Forms->Form(id)->objectName(), act);
        const bool accepted = driver.Drive([&] { return Forms->Exec(id); });
        if (!driver.Ok())
            QTest::qFail(driver.Problems().c_str(), __FILE__, __LINE__);
        return accepted;
    }

    std::string Dir;
    CalcRecord Record;
    FileProblems Problems;
    std::unique_ptr<DialogForms> Forms;
};

// Columns: dialog, class (object name without "T"), caption, client size, design position (none:
// centred), Escape cancels, tab order (the first has the focus; the chooser's follows its columns).
const struct FormRow {
    DialogId Id;
    const char *ClassName, *Caption;
    QSize Client;
    QPoint DesignPosition;
    bool EscapeCancels;
    const char* TabOrder;
} kForms[] = {
    {DialogId::OKBottomDlg,      "TOKBottomDlg",      "Dobór parametrów",                  {297, 146}, {},         false, "Edit1 OKBtn CancelBtn"},
    {DialogId::Form1,            "TForm1",            "Parametry kanału",                  {332, 146}, {327, 303}, false, "Edit1 Edit2 Button1 Button2"},
    {DialogId::Form3,            "TForm3",            "Dobór parametrów ",                 {308, 209}, {358, 246}, false, "Edit1 Edit2 Edit3 Button1 Button2"},
    {DialogId::Form4,            "TForm4",            "Parametry kanału",                  {300, 126}, {353, 284}, false, "Button1 Button2 Edit1"},
    {DialogId::OKBottomDlg3,     "TOKBottomDlg3",     "Wprowadzanie Ro",                   {275, 150}, {},         true,  "RadioButton1 RadioButton2 OKBtn CancelBtn"},
    {DialogId::OKBottomDlg333,   "TOKBottomDlg333",   "Wybór kanału",                      {209, 174}, {},         true,  "RadioButton1 RadioButton2 OKBtn CancelBtn"},
    {DialogId::OKBottomDlg3333,  "TOKBottomDlg3333",  "Wybór typu instalacji",             {393, 225}, {},         true,  "RadioButton1 RadioButton2 RadioButton3 RadioButton4 RadioButton5 OKBtn CancelBtn"},
    {DialogId::OKBottomDlg33333, "TOKBottomDlg33333", "Wybór współczynnika chropowatości", {318, 290}, {},         true,  "RadioButton1 RadioButton2 RadioButton3 RadioButton4 RadioButton5 RadioButton6 OKBtn CancelBtn"},
    {DialogId::OKBottomDlg_wyw,  "TOKBottomDlg_wyw",  "Wybór wentylatora",                 {662, 552}, {},         true,  ""},
    {DialogId::Form22,           "TForm22",           "Parametry budynku",                 {590, 442}, {195, 96},  false, "Edit1 Edit2 Edit3 Edit4 Edit5 Button1 Button2"},
    {DialogId::Form222,          "TForm222",          "Parametry budynku",                 {326, 404}, {195, 96},  false, "Edit1 Edit2 Edit3 Edit4 Button1 Button2"},
    {DialogId::Form2222,         "TForm2222",         "Parametry budynku",                 {326, 232}, {272, 200}, false, "Edit1 Edit2 ComboBox1 Edit4 Button1 Button2"},
    {DialogId::Form22222,        "TForm22222",        "Parametry budynku",                 {326, 232}, {272, 200}, false, "Edit1 Edit2 ComboBox1 Edit4 Button1 Button2"},
    {DialogId::OKBottomDlg1,     "TOKBottomDlg1",     "Podaj parametry",                   {320, 183}, {},         true,  "OKBtn CancelBtn Edit1"},
    {DialogId::OKBottomDlg2,     "TOKBottomDlg2",     "Podaj parametry",                   {386, 177}, {},         true,  "Edit1 ComboBox1 OKBtn CancelBtn"},
    {DialogId::Form222222,       "TForm222222",       "Parametry budynku",                 {326, 255}, {272, 200}, false, "Edit1 Edit2 ComboBox1 Edit4 Button1 Button2"},
    {DialogId::OKBottomDlg7,     "TOKBottomDlg7",     "Rozkład przepływu na kondygnacjach", {320, 215}, {},        true,  "CheckBox1 Edit2 OKBtn CancelBtn"},
};

// FanIndex of the chooser's buttons, column by column, top down.
const std::vector<std::vector<int>> kChooserColumns = {
    {1, 2, 3, 4, 5, 6, 51, 52, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
    {17, 18, 19, 23, 24, 39, 40, 41, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34},
    {42, 43, 35, 36, 37, 38, 44, 45, 46, 47, 48, 49, 50, 53, 54, 55, 56, 57, 58},
};

QStringList TabOrder(const FormRow& row)
{
    if (row.Id != DialogId::OKBottomDlg_wyw)
        return QString::fromLatin1(row.TabOrder).split(' ');
    QStringList names;
    for (const std::vector<int>& column : kChooserColumns)
        for (int k : column)
            names << QStringLiteral("RadioButton%1").arg(k);
    return names << "OKBtn" << "CancelBtn";
}

// The controls Tab visits once round, from `first`.
QStringList TabChain(QWidget* form, const QString& first)
{
    QStringList names;
    for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->focusProxy() && !qobject_cast<QComboBox*>(w->parentWidget()))
            names << w->objectName();
    const qsizetype start = std::max<qsizetype>(names.indexOf(first), 0);
    return names.mid(start) + names.mid(0, start);
}

// A control's text, title or current text.
QString TextOf(QWidget* form, const char* name)
{
    if (const QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(name)))
        for (const char* property : {"text", "title", "currentText"})
            if (w->property(property).isValid())
                return w->property(property).toString();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

// The edit boxes in value-file order (a combo box's own line edit aside).
QList<QLineEdit*> EditBoxes(QWidget* form)
{
    QList<QLineEdit*> edits;
    for (QLineEdit* edit : form->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(edit->parentWidget()))
            edits << edit;
    return edits;
}

}  // namespace

class DialogFormsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }

    void everyFormAsDesigned()
    {
        Harness h("forms_shapes");
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QString family = QApplication::font().family();
        for (const char* face : {"Liberation Sans", "Arial", "MS Sans Serif"})
            if (QFontDatabase::families().contains(QString::fromLatin1(face)))
                family = QString::fromLatin1(face);
        for (const FormRow& row : kForms) {
            QDialog* form = h.Forms->Form(row.Id);
            const QByteArray what = QByteArray(row.ClassName) + ": ";
            QCOMPARE(QByteArray(form->metaObject()->className()), QByteArray(row.ClassName));
            QCOMPARE(form->objectName(), QString::fromLatin1(row.ClassName + 1));
            QCOMPARE(form->windowTitle(), QString::fromUtf8(row.Caption));
            QVERIFY2(form->minimumSize() == row.Client && form->maximumSize() == row.Client, what + "size not fixed");
            QVERIFY2(!(form->windowFlags() & Qt::WindowMaximizeButtonHint) && (form->windowFlags() & Qt::WindowCloseButtonHint),
                     what + "a close box and no maximise box");
            QCOMPARE(form->font().family() + " " + QString::number(form->font().pointSize()), family + " 8");
            const QStringList order = TabOrder(row);
            QCOMPARE(TabChain(form, order.front()), order);
            // Without value files every edit box shows its own name; the storey-flow dialog has
            // the stack effect off, its temperature box closed with a winter temperature ready in
            // it, and the catalogue speed.
            for (QLineEdit* edit : EditBoxes(form))
                QCOMPARE(edit->text(), row.Id != DialogId::OKBottomDlg7 ? edit->objectName()
                                       : edit->objectName() == "Edit1" ? QStringLiteral("-20.0") : QStringLiteral("0"));
            // The radio buttons of a group, the typed density checked in the first dialog, the first elsewhere.
            const bool chooser = row.Id == DialogId::OKBottomDlg_wyw;
            const std::vector<std::string> captions = chooser ? std::vector<std::string>() : RadioCaptions(row.Id);
            QVERIFY(chooser || form->findChildren<QRadioButton*>().size() == qsizetype(captions.size()));
            for (size_t i = 0; i < captions.size(); ++i) {
                auto* radio = Child<QRadioButton>(form, ("RadioButton" + std::to_string(i + 1)).c_str());
                QCOMPARE(radio->parentWidget(), Child<QWidget>(form, "GroupBox1"));
                QCOMPARE(radio->text(), QString::fromStdString(captions[i]));
                QCOMPARE(radio->isChecked(), i == (row.Id == DialogId::OKBottomDlg3 ? 1u : 0u));
            }
            // Combo boxes are editable, with no item selected.
            if (auto* combo = form->findChild<QComboBox*>("ComboBox1")) {
                QVERIFY2(combo->isEditable() && combo->currentIndex() == -1, what);
                QStringList expected;
                for (const std::string& item : ComboItems(row.Id))
                    expected << QString::fromStdString(item);
                QCOMPARE(combo->count(), expected.size());
                for (int i = 0; i < combo->count(); ++i)
                    QCOMPARE(combo->itemText(i), expected[i]);
            }
            QPushButton* ok = Child<QPushButton>(form, BottomKind(form) ? "OKBtn" : "Button1");
            QVERIFY2(ok->text() == "OK" && ok->isDefault(), what);
            QCOMPARE(Child<QPushButton>(form, BottomKind(form) ? "CancelBtn" : "Button2")->text(), QStringLiteral("Anuluj"));
            // Every control lies inside its parent; with the design font no radio caption is cut.
            for (QWidget* child : form->findChildren<QWidget*>()) {
                QWidget* parent = child->parentWidget();
                if (child->isWindow() || child->objectName().isEmpty() || parent->objectName().isEmpty())
                    continue;
                const QByteArray where = what + child->objectName().toLatin1();
                QVERIFY2(parent->rect().contains(child->geometry()), where + " lies outside its parent");
                if (qobject_cast<QRadioButton*>(child) && form->font().family() != QApplication::font().family())
                    QVERIFY2(child->sizeHint().width() <= child->width(), where + " cuts its caption");
            }

            form->open();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            const QPoint off = form->frameGeometry().center() - screen.center();
            if (row.DesignPosition.isNull())
                QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1, what + "not centred on the screen");
            else
                QCOMPARE(form->frameGeometry().topLeft(), row.DesignPosition);
            QCOMPARE(form->focusWidget() ? form->focusWidget()->objectName() : "<no focus>", order.front());
            // Escape cancels only where bound; with a combo box it is pressed in the combo's line edit.
            form->setResult(-1);
            QWidget* target = form->focusWidget();
            if (auto* combo = form->findChild<QComboBox*>("ComboBox1")) {
                combo->setFocus();
                target = combo->lineEdit();
            }
            QTest::keyClick(target, Qt::Key_Escape);
            if (!row.EscapeCancels)
                QTest::keyClick(form, Qt::Key_Escape);
            QVERIFY2(form->isVisible() != row.EscapeCancels, what + "Escape cancels where bound and only there");
            QCOMPARE(form->result(), row.EscapeCancels ? int(QDialog::Rejected) : -1);
            if (!form->isVisible())
                form->open();
            form->setResult(-1);
            QVERIFY2(form->close() && !form->isVisible(), what + "the close box should cancel");
            QCOMPARE(form->result(), int(QDialog::Rejected));
        }
        QCOMPARE((QList<int>{h.Record.DensitySource, h.Record.InstallationKind, h.Record.FanIndex}), QList<int>(3, 0));
        QVERIFY(QDir(QString::fromStdString(h.Dir)).entryList(QDir::Files).isEmpty());
    }

    void textsAtCreation()
    {
        // The value files fill the edit boxes: no carriage return is left of a CR LF, a short file
        // leaves the other boxes as they were, any text is shown as it is.
        Harness h("forms_texts", {{"dialog.sav", "1.200\r\n"}, {"dialog33.sav", "3.00\n10\n"}, {"dialog5.sav", "abc\n"}});
        const QString building = "Label1=Proszę podać parametry budynku|Label2=Wysokość jednej kondygnacji [m]|"
                                 "Label3=Ilość kondygnacji|";
        // Columns: dialog, "control=text" separated by "|".
        const std::pair<DialogId, QString> rows[] = {
            {DialogId::OKBottomDlg, "Label1=Proszę podać parametry|Label2=Gęstość Ro [kg/m3]|Edit1=1.200"},
            {DialogId::Form3, "Label1=Proszę podać parametry do obliczenia gestości Ro|Label2=Temperatura [°C]|"
                              "Label3=Ciśnienie baryczne [hPa]|Label4=Wilgotność względna [%]"},
            {DialogId::Form1, "Label1=Proszę podać wymiary kanału|Label2=Długość [m]|Label3=Szerokość [m]"},
            {DialogId::Form4, "Label1=Proszę podać parametry kanału|Label2=Średnica kanału [m]"},
            {DialogId::OKBottomDlg3, "GroupBox1="},
            {DialogId::OKBottomDlg333, "GroupBox1=Proszę wybrać typ kanału"},
            {DialogId::OKBottomDlg33333, "GroupBox1=Proszę wybrać materiał kanału"},
            {DialogId::OKBottomDlg3333, "GroupBox1=Proszę wybrać typ instalacji"},
            {DialogId::Form22, building + "Label4=Wysokość kratki [m]|Label5=Szerokość kratki [m]|Label6=Współczynnik strat "
                               "kratki|Label7=Przykładowe wartości współczynnika strat kratek|Edit1=3.00|Edit2=10|Edit3=Edit3"},
            {DialogId::Form222, building + "Label4=Średnica kratki [m]|Label5=Współczynnik strat kratki|"
                                "Label6=Przykładowe wartości współczynnika strat kratek"},
            {DialogId::Form2222, building + "Label4=Wybierz kratke|Label5=Otwarcie kratki|"
                                 "Label6=(ilosc obrotow tarczy kratki 0-20)|ComboBox1=LUMA 75/80"},
            {DialogId::Form22222, building + "Label4=Wybierz kratke|Label5=Stała wydajność Qs [m3/h]|"
                                  "Label6=(liczba z zakresu 15 do 90)|ComboBox1=100 mm"},
            {DialogId::Form222222, building + "Label4=Wybierz kratke|Label5=Stała wydajność Qs [m3/h]|Label6=liczba z "
                                   "zakresu |Label7=dla kratki NEVA-20 od 5 do 23|Label8=dla kratki NEVA-50 od 5 do 60|"
                                   "Label9=dla kratki NEVA-30 od 5 do 35|Label10=dla kratki NEVA-70 od 10 do 80|ComboBox1=NEVA-20"},
            {DialogId::OKBottomDlg1, "Label2=Proszę podać parametry|Label1=Wydajność regulowana Qr [m3/s]"},
            {DialogId::OKBottomDlg2, "Label1=Wydajność regulowana [m3/s]|Label2=Proszę wybrać|ComboBox1=Wentylator|Edit1=abc"},
        };
        for (const auto& [id, texts] : rows)
            for (const QString& pair : texts.split('|')) {
                const QString name = pair.section('=', 0, 0);
                QCOMPARE(TextOf(h.Forms->Form(id), name.toLatin1().constData()), pair.section('=', 1));
            }
        QCOMPARE(h.File("dialog.sav"), std::string("1.200\r\n"));  // reading changes no file
    }

    void exampleTables()
    {
        Harness h("forms_examples");
        // Columns: dialog, first label, rows per column, "description|value" column by column.
        const struct {
            DialogId Id;
            int FirstLabel, RowsPerColumn;
            QStringList Rows;
        } tables[] = {
            {DialogId::Form22, 8, 6,
             {"Prostokątna TERN 20 i VASK 20    0,222x0,255|4,6", "Prostokątna TERN 25 i VASK 25    0,272x0,305|2,8",
              "Firmy ZORIN TERN 30 i VASK 30      0,322x0,355|2,5", "Firmy ZORIN TERN 35 i VASK 35      0,372x0,405|2,1",
              "Kwadratowa Typ A                        0,15x0,15|15", "Łopatki pod kątem 45 st Typ A     0,2x0,2|15",
              "Łopatki pod kątem 45 st Typ A     0,25x0,25|15", "Firmy WEXALTyp A                     0,3x0,3|15",
              "Kwadratowa Typ G                        0,15x0,15|3,3", "Łopatki pod kątem 0 st Typ G       0,2x0,2|3,3",
              "Łopatki pod kątem 0 st Typ G       0,25x0,25|3,3", "Firmy WEXAL Typ G                    0,3x0,3|3,3"}},
            {DialogId::Form222, 7, 5,
             {"Okrągła OKRA-80                    d=0,06|1,6", "Regulowana OKRA-100           d=0,074|1,6",
              "Całkowicie OKRA-125              d=0,097|3,9", "Otwarta OKRA-150                   d=0,117|4",
              "Otwarta OKRA-200                   d=0,155|4,1"}},
        };
        for (const auto& table : tables) {
            QLabel* firstOfColumn = nullptr;
            for (int i = 0; i < table.Rows.size(); ++i) {
                const int n = table.FirstLabel + 2 * i;
                auto* description = Child<QLabel>(h.Forms->Form(table.Id), ("Label" + std::to_string(n)).c_str());
                auto* value = Child<QLabel>(h.Forms->Form(table.Id), ("Label" + std::to_string(n + 1)).c_str());
                QCOMPARE(description->text() + "|" + value->text(), table.Rows[i]);
                QCOMPARE(value->y(), description->y());
                QVERIFY2(value->x() >= description->x() + description->width(), "the value stands right of its description");
                if (i % table.RowsPerColumn == 0) {
                    QVERIFY2(!firstOfColumn || description->x() > firstOfColumn->x(), "the second column stands right");
                    firstOfColumn = description;
                } else {
                    QCOMPARE(description->x(), firstOfColumn->x());
                    QVERIFY2(description->y() > firstOfColumn->y(), "rows go downwards");
                }
            }
        }
    }

    void enterInComboBoxAddsNoItem()
    {
        // A text naming no item counts as the first item, LUMA 75/80 (d = 0.046 m), even when it
        // begins like another ("LUMA 1": no completion to "LUMA 100").
        Harness h("forms_combo_enter");
        QComboBox* combo = Child<QComboBox>(h.Forms->Form(DialogId::Form2222), "ComboBox1");
        QVERIFY(h.Exec(DialogId::Form2222, [combo](QWidget* f) {
            for (const auto& [edit, text] : {std::pair{"Edit1", "3"}, {"Edit2", "4"}, {"Edit4", "5"}})
                SetEdit(f, edit, text);
            combo->setFocus();
            TypeComboText(f, "ComboBox1", "LUMA 1");
            QCOMPARE(combo->currentText(), QStringLiteral("LUMA 1"));
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        }));
        QCOMPARE(combo->count(), 5);
        QCOMPARE(h.Record.GrilleSizeA, 0.046);
        QCOMPARE(h.Record.StoreyCount, 4);
    }

    void refusalKeepsDialogOpen()
    {
        const QString storeys = "Ilość kondygnacji musi być liczbą z zakresu 0 do 99.";
        const QString flow = "Wydajność regulowana musi być większa od zera.";
        // Columns: dialog, texts for its edit boxes in value-file order, warning.
        const std::tuple<DialogId, QStringList, QString> rows[] = {
            {DialogId::Form22, {"3", "100", "0.2", "0.25", "2.5"}, storeys},
            {DialogId::Form2222, {"3", "-1", "5"}, storeys},
            {DialogId::Form222222, {"3", "4294967297", "20"}, storeys},
            {DialogId::Form3, {"20", "0", "50"}, "Dla podanych parametrów nie można obliczyć gęstości powietrza.\nProszę poprawić dane."},
            {DialogId::Form1, {"0", "0"}, "Dla podanych wymiarów nie można obliczyć średnicy równoważnej kanału.\nProszę poprawić dane."},
            {DialogId::OKBottomDlg1, {"0,5"}, flow},
            {DialogId::OKBottomDlg2, {"-0.1"}, flow},
        };
        for (const auto& [id, texts, message] : rows) {
            Harness h("forms_refusal");
            QDialog* form = h.Forms->Form(id);
            QStringList warning, textsAfterWarning;
            ModalDriver driver;
            const QList<QLineEdit*> edits = EditBoxes(form);
            QCOMPARE(edits.size(), texts.size());
            driver.Then(form->objectName(), [&](QWidget* f) {
                for (qsizetype i = 0; i < texts.size(); ++i)
                    edits[i]->setText(texts[i]);
                ClickOk(f);
            });
            driver.Then("QMessageBox", [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                warning << box->windowTitle() << box->text() << (box->icon() == QMessageBox::Warning ? "warning" : "no icon");
                box->accept();
            });
            driver.Then(form->objectName(), [&](QWidget* f) {
                for (QLineEdit* edit : edits)
                    textsAfterWarning << edit->text();
                ClickCancel(f);
            });
            QVERIFY(!driver.Drive([&] { return h.Forms->Exec(id); }));
            QVERIFY2(driver.Ok(), driver.Problems().c_str());
            QCOMPARE(warning, (QStringList{"Program doboru wentylatorów dachowych Firmy KORALINEX", message, "warning"}));
            QCOMPARE(textsAfterWarning, texts);  // still open, with the user's texts as they were
            QVERIFY2(!QFile::exists(QString::fromStdString(h.Dir + "/" + ValueFileOf(id)->FileName)), "nothing saved");
            const CalcRecord& r = h.Record;
            QCOMPARE((QList<double>{double(r.StoreyCount), r.AirDensity, r.DuctDiameter, r.RegulatedFlow, r.VariantRegulatedFlow}),
                     QList<double>(5, 0.0));
        }
    }

    void chooserLayout()
    {
        Harness h("forms_chooser_layout");
        TOKBottomDlg_wyw* chooser = h.Forms->OKBottomDlg_wyw;
        QGroupBox* frame = Child<QGroupBox>(chooser, "GroupBox1");
        QCOMPARE(frame->geometry(), QRect(8, 8, 513, 481));
        QCOMPARE(frame->title(), QStringLiteral("Proszę wybrać wentylator"));
        QVERIFY2(frame->findChildren<QWidget*>().isEmpty(), "the buttons stand on the form, over the frame");

        // The buttons down the three columns, one exclusive group with id FanIndex; none for 20, 21, 22.
        const int left[] = {16, 184, 352};
        for (size_t c = 0; c < kChooserColumns.size(); ++c) {
            int top = 24;
            for (int k : kChooserColumns[c]) {
                QRadioButton* radio = chooser->RadioButton(k);
                QVERIFY2(radio && radio->objectName() == QStringLiteral("RadioButton%1").arg(k), qPrintable(QString::number(k)));
                QCOMPARE(radio->geometry().topLeft(), QPoint(left[c], top));
                QCOMPARE(radio->height(), 17);
                QVERIFY2(radio->x() + radio->width() <= 8 + 513, "reaches past the frame");
                QCOMPARE(radio->text(), QString::fromUtf8(LookupFan(k)->ChooserCaption));
                QCOMPARE(chooser->Buttons->id(radio), k);
                QCOMPARE(radio->isChecked(), k == 1);
                top += 24;
            }
        }
        QCOMPARE(chooser->findChildren<QRadioButton*>().size(), 55);
        QVERIFY(chooser->Buttons->exclusive());
        for (int absent : {20, 21, 22})
            QCOMPARE(chooser->RadioButton(absent), nullptr);

        // The family pictures, when Qt's JPEG reader is there: a drawing on white.
        const char* families[] = {"ALVIR", "BRESA", "CORVA", "DUNMAR", "ESKOL"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(chooser->Labels[i]->text(), QString::fromLatin1(families[i]));
            if (!QImageReader::supportedImageFormats().contains("jpeg"))
                continue;
            const QImage picture = chooser->Images[i]->pixmap().toImage();
            QCOMPARE(picture.size(), chooser->Images[i]->size());
            QVERIFY(qGray(picture.pixel(0, 0)) > 240);
            bool drawn = false;
            for (int y = 0; y < picture.height() && !drawn; ++y)
                drawn = qGray(picture.pixel(picture.width() / 2, y)) < 200;
            QVERIFY2(drawn, families[i]);
        }
    }

    void chooserCarriesChoiceOver()
    {
        Harness h("forms_chooser_choice");
        // Columns: button checked (0: none), how the chooser is left, accepted, FanIndex after. The
        // last checked button is still checked when the chooser is shown again, even after a cancel.
        const std::tuple<int, const char*, bool, int> rows[] = {
            {19, "CancelBtn", false, 0}, {0, "OKBtn", true, 19}, {58, "Escape", false, 19}, {23, "Return", true, 23}};
        int shown = 1;
        for (const auto& [check, leave, accepted, fan] : rows) {
            QCOMPARE(h.Exec(DialogId::OKBottomDlg_wyw, [&, check = check, leave = leave](QWidget* f) {
                QVERIFY(Child<QRadioButton>(f, ("RadioButton" + std::to_string(shown)).c_str())->isChecked());
                if (check)
                    Check(f, ("RadioButton" + std::to_string(check)).c_str());
                if (QByteArray(leave).endsWith("Btn"))
                    Click(f, leave);
                else
                    Key(f, QByteArray(leave) == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
            }), accepted);
            QCOMPARE(h.Record.FanIndex, fan);
            shown = check ? check : shown;
        }
    }

    void variantIsTheSelectedItem()
    {
        Harness h("forms_variant");
        const auto confirm = [&](const ModalDriver::Action& act) {
            QVERIFY(h.Exec(DialogId::OKBottomDlg2, [&act](QWidget* f) {
                SetEdit(f, "Edit1", "0.5");
                act(f);
                ClickOk(f);
            }));
        };
        // The initial "Wentylator" is no selection.
        confirm([](QWidget*) {});
        QCOMPARE(h.Record.RegulationVariant, -1);
        QCOMPARE(h.Record.VariantRegulatedFlow, 0.5);
        QCOMPARE(h.File("dialog5.sav"), std::string("0.500\n"));
        // Chosen from the list, and kept when shown again.
        confirm([](QWidget* f) { PickComboItem(f, "ComboBox1", 2); });
        QCOMPARE(h.Record.RegulationVariant, 2);
        confirm([](QWidget*) {});
        QCOMPARE(h.Record.RegulationVariant, 2);
        // The arrow keys choose too.
        confirm([](QWidget* f) {
            QComboBox* combo = Child<QComboBox>(f, "ComboBox1");
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Up);
        });
        QCOMPARE(h.Record.RegulationVariant, 1);
        QCOMPARE(h.Forms->OKBottomDlg2->SelectedItem(), 1);
        // Typing over the text leaves no item selected, even when the text names one.
        confirm([](QWidget* f) { TypeComboText(f, "ComboBox1", "Wentylator z tłumikiem cylindrycznym"); });
        QCOMPARE(h.Record.RegulationVariant, -1);
    }
};

QTEST_MAIN(DialogFormsTest)
#include "dialogs_forms_test.moc"
