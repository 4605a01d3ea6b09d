// The dialog forms: shape, texts and initial states, Escape, Enter and the close box, refusals that
// keep a dialog open, the fan chooser and its carried-over choice, the variant box.
#include <algorithm>
#include <clocale>
#include <cstdlib>

#include <QButtonGroup>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "dialogs/forms/fan_choice_form.h"
#include "window_fakes.h"

namespace {

// The controls Tab visits once round.
QStringList TabChain(QWidget* form)
{
    QStringList names;
    for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->focusProxy() && !qobject_cast<QComboBox*>(w->parentWidget()))
            names << w->objectName();
    return names;
}

// One line of the forms' dump: name, kind, parent when not the form, place (not of labels, which
// size and place themselves by the font), text and state.
QString Describe(const QWidget* form, const QWidget* w)
{
    const QRect g = w->geometry();
    QString line = w->objectName() + " " + w->metaObject()->className();
    if (w->parentWidget() != form)
        line += " in " + w->parentWidget()->objectName();
    if (!qobject_cast<const QLabel*>(w))
        line += QStringLiteral(" %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    QVariant text;  // the first of these that the control has
    for (const char* property : {"currentText", "title", "text"})
        if (w->property(property).isValid())
            text = w->property(property);
    line += " „" + text.toString() + "”";
    if (const auto* radio = qobject_cast<const QRadioButton*>(w); radio && radio->isChecked())
        line += " checked";
    if (const auto* button = qobject_cast<const QPushButton*>(w); button && button->isDefault())
        line += " default";
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        line += " items: " + items.join("; ");
    }
    return line;
}

}  // namespace

class DialogFormsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { std::setlocale(LC_NUMERIC, "C"); }

    // Every form as built, against the dump of all forms: class, caption, client size, placement,
    // Escape, the tab chain from the first focus, and every named control (a text, title or
    // current text in quotes).
    void everyFormAsDesigned()
    {
        TestWindow h("forms_shapes");
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QString family = QApplication::font().family();
        for (const char* face : {"Liberation Sans", "Arial", "MS Sans Serif"})
            if (QFontDatabase::families().contains(QString::fromLatin1(face)))
                family = QString::fromLatin1(face);
        QString dump;
        for (int i = 0; i <= int(DialogId::OKBottomDlg2); ++i) {
            QDialog* form = h.Forms->Form(static_cast<DialogId>(i));
            const QByteArray what = form->objectName().toLatin1() + ": ";
            QCOMPARE(form->font().family() + " " + QString::number(form->font().pointSize()), family + " 8");
            QString controls;
            for (QWidget* child : form->findChildren<QWidget*>()) {
                QWidget* parent = child->parentWidget();
                if (child->isWindow() || child->objectName().isEmpty() || parent->objectName().isEmpty())
                    continue;
                controls += "  " + Describe(form, child) + "\n";
            }

            const QStringList hiddenChain = TabChain(form);  // taken before the form is shown
            form->open();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            const QPoint off = form->frameGeometry().center() - screen.center();
            const QPoint corner = form->frameGeometry().topLeft();
            const QString place = std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1
                                      ? QStringLiteral("centred")
                                      : QStringLiteral("at %1,%2").arg(corner.x()).arg(corner.y());
            const QString focus = form->focusWidget() ? form->focusWidget()->objectName() : "<no focus>";
            const qsizetype start = std::max<qsizetype>(hiddenChain.indexOf(focus), 0);
            const QStringList chain = hiddenChain.mid(start) + hiddenChain.mid(0, start);
            QCOMPARE(chain.front(), focus);
            // Escape, pressed in the combo box's line edit where there is one.
            form->setResult(-1);
            auto* combo = form->findChild<QComboBox*>("ComboBox1");
            QTest::keyClick(combo ? combo->lineEdit() : form->focusWidget(), Qt::Key_Escape);
            const bool escapeCancels = !form->isVisible();
            QCOMPARE(form->result(), escapeCancels ? int(QDialog::Rejected) : -1);
            form->open();
            form->setResult(-1);
            QVERIFY2(form->close() && form->result() == int(QDialog::Rejected), what + "the close box cancels");

            dump += QStringLiteral("%1 %2 „%3” %4x%5 %6%7\n  tab: %8\n")
                        .arg(form->metaObject()->className(), form->objectName(), form->windowTitle())
                        .arg(form->width()).arg(form->height())
                        .arg(place, escapeCancels ? " Escape cancels" : "", chain.join(' ')) + controls;
        }
        QCOMPARE(CompareWithGolden("dialogs/forms.txt", dump.toStdString()), std::string());
    }

    // A form whose first control is a number box opens with the focus in it and its text selected,
    // also when the focus was elsewhere as it closed.
    void numberBoxOpensFocusedAndSelected()
    {
        TestWindow h("forms_focus");
        for (int i = 0; i <= int(DialogId::OKBottomDlg2); ++i) {
            QDialog* form = h.Forms->Form(static_cast<DialogId>(i));
            auto* edit = form->findChild<QLineEdit*>("Edit1");
            if (!edit)
                continue;
            edit->setText("0.25");
            for (int showing = 0; showing < 2; ++showing) {
                form->open();
                QVERIFY(QTest::qWaitForWindowExposed(form));
                QCOMPARE(form->focusWidget(), static_cast<QWidget*>(edit));
                QVERIFY2(edit->selectedText() == QStringLiteral("0.25"), qPrintable(form->objectName() + " showing " + QString::number(showing)));
                edit->deselect();
                QTest::keyClick(edit, Qt::Key_Tab);
                form->reject();
            }
        }
    }

    void refusalKeepsDialogOpen()
    {
        // Columns: dialog (one with side buttons, one with bottom ones), texts for its edit boxes in
        // value-file order, warning (every message: the dialogs' test).
        const std::tuple<DialogId, QStringList, QString> rows[] = {
            {DialogId::Form22, {"3", "100", "0.2", "0.25", "2.5"},
             "Ilość kondygnacji musi być liczbą z zakresu 1 do 99."},
            {DialogId::OKBottomDlg1, {"0,5"},
             "W polu „Wydajność regulowana Qr [m3/s]” musi być liczba, a jest „0,5”.\nUżyj kropki dziesiętnej: 0.5"},
        };
        for (const auto& [id, texts, message] : rows) {
            TestWindow h("forms_refusal");
            QDialog* form = h.Forms->Form(id);
            QList<QLineEdit*> edits;  // in value-file order
            for (qsizetype i = 0; i < texts.size(); ++i)
                edits << Child<QLineEdit>(form, ("Edit" + std::to_string(i + 1)).c_str());
            QStringList seen;  // the warning, then the texts of the form still open
            ModalDriver driver;
            driver.Then(form->objectName(), [&](QWidget* f) {
                for (qsizetype i = 0; i < texts.size(); ++i)
                    edits[i]->setText(texts[i]);
                ClickOk(f);
            });
            driver.Then("QMessageBox", [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                seen << box->windowTitle() << box->text()
                     << (box->icon() == QMessageBox::Warning ? "warning" : "no icon");
                box->accept();
            });
            driver.Then(form->objectName(), [&](QWidget* f) {
                for (QLineEdit* edit : edits)
                    seen << edit->text();
                ClickCancel(f);
            });
            QVERIFY(!driver.Drive([&] { return h.Forms->Exec(id); }));
            QVERIFY2(driver.Problems().empty(), driver.Problems().c_str());
            QCOMPARE(seen,
                     QStringList({"Program doboru wentylatorów dachowych Firmy KORALINEX", message, "warning"}) + texts);
            QVERIFY2(!QFile::exists(QString::fromStdString(h.Dir + "/" + ValueFileOf(id)->FileName)), "nothing saved");
            QVERIFY2(h.Record.StoreyCount == 0 && h.Record.RegulatedFlow == 0, "the record as it was");
        }
    }

    void chooserCarriesChoiceOver()
    {
        TestWindow h("forms_chooser_choice");
        TOKBottomDlg_wyw* chooser = h.Forms->OKBottomDlg_wyw;
        // One exclusive group, each button's id its FanIndex; frame, places and captions are in the dump.
        QVERIFY(chooser->Buttons->exclusive());
        for (QRadioButton* radio : chooser->findChildren<QRadioButton*>()) {
            const int k = radio->objectName().mid(QStringLiteral("RadioButton").size()).toInt();
            QVERIFY(chooser->RadioButton(k) == radio && chooser->Buttons->id(radio) == k);
        }
        // Columns: button checked (0: none), how the chooser is left, FanIndex after. The last
        // checked button is still checked when the chooser is shown again, even after a cancel.
        const std::tuple<int, const char*, int> rows[] = {
            {19, "CancelBtn", 0}, {0, "OKBtn", 19}, {58, "CancelBtn", 19}};
        int shown = 1;
        for (const auto& [check, leave, fan] : rows) {
            h.Exec(DialogId::OKBottomDlg_wyw, [&, check = check, leave = leave](QWidget* f) {
                QVERIFY(Child<QRadioButton>(f, ("RadioButton" + std::to_string(shown)).c_str())->isChecked());
                if (check)
                    Check(f, ("RadioButton" + std::to_string(check)).c_str());
                Click(f, leave);
            });
            QCOMPARE(h.Record.FanIndex, fan);
            shown = check ? check : shown;
        }
    }

    void variantIsTheSelectedItem()
    {
        // Columns: what is done in the box, variant after OK. The initial "Wentylator" is no
        // selection; an item chosen from the list is kept when shown again; the arrow keys choose
        // too; typing over the text leaves no item selected, even when the text names one.
        const std::pair<std::function<void(QWidget*)>, int> rows[] = {
            {[](QWidget*) {}, -1},
            {[](QWidget* f) { PickComboItem(f, "ComboBox1", 2); }, 2},
            {[](QWidget*) {}, 2},
            {[](QWidget* f) { QTest::keyClick(Child<QComboBox>(f, "ComboBox1"), Qt::Key_Up); }, 1},
            {[](QWidget* f) { TypeComboText(f, "ComboBox1", "Wentylator z tłumikiem cylindrycznym"); }, -1},
        };
        TestWindow h("forms_variant");
        for (const auto& [act, variant] : rows) {
            QVERIFY(h.Exec(DialogId::OKBottomDlg2, [&act](QWidget* f) {
                SetEdit(f, "Edit1", "0.5");
                act(f);
                ClickOk(f);
            }));
            QCOMPARE(h.Record.RegulationVariant, variant);
        }
    }
};

QTEST_MAIN(DialogFormsTest)
#include "dialogs_forms_test.moc"
