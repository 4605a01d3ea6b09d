// The main window's shell: menu bar, tool bar, status-line hints, title, geometry and about box.
#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/about_box.h"
#include "app/dialogs_modal_driver.h"
#include "window_fakes.h"

namespace {

// Columns: menu, object name, caption, status-line hint, handler; "-" a separator.
const struct {
    int Menu;
    const char *ObjectName, *Caption, *Hint, *Handler;
} kExpected[] = {
    {0, "FileNewItem", "&Nowe obliczenia", "Obliczenia ilości odciąganego powietrza", "FileNew"},
    {0, "FileWywietrznikItem", "&Wybierz tylko wentylator", "Obliczenia dla nowego wentylatora", "Wentylator"},
    {0, "FileKondygnacjeItem", "Rozkład &przepływu na kondygnacjach", "Oblicza rzeczywisty przepływ przez kratkę na każdej kondygnacji", "kondygnacje"},
    {0, "", "-", "", ""},
    {0, "FilePrintItem", "&Wydruk wyników", "Drukuje aktualne wyniki", "FilePrint"},
    {0, "FilePrintSetupItem", "&Ustawienia drukarki", "Zmienia ustawienia drukarki", "FilePrintSetup"},
    {0, "", "-", "", ""},
    {0, "FileExitItem", "&Koniec", "Kończy pracę z programem", "FileExit"},
    {1, "char_wyswietl", "&Wyświetl charakterystykę", "Wyświetla charakterystykę wentylatora", "char_wyswietl"},
    {1, "char_drukuj", "&Drukuj charakterystykę", "Drukuje charakterystykę", "char_drukuj"},
    {1, "char_zapisz", "&Zapisz charakterystykę", "Zapisuje charakterystykę", "char_zapisz"},
    {1, "", "-", "", ""},
    {1, "obr_reg", "&Obroty regulowane", "Oblicza obroty regulowane", "obr_reg"},
    {1, "obr_reg_wyswietl", "&Wyświetl charakterystykę obrotow regulowanych", "Wyświetla charakterystykę obrotow regulowanych", "obr_reg_wyswietl"},
    {1, "obr_reg_druk", "&Drukuj charakterystykę obrotów regulowanych", "Drukuje charakterystykę obrotow regulowanych", "obr_reg_druk"},
    {1, "char_zapisz2", "&Zapisz charakterystykę obrotów regulowanych", "Zapisuje charakterystykę obrotów regulowanych", "char_zapisz2"},
    {1, "", "-", "", ""},
    {1, "kond_wyswietl", "W&yświetl wykres przepływu na kondygnacjach", "Wyświetla wykres przepływu przez kratki na kondygnacjach", "kond_wyswietl"},
    {1, "kond_druk", "D&rukuj wykres przepływu na kondygnacjach", "Drukuje wykres przepływu przez kratki na kondygnacjach", "kond_druk"},
    {1, "char_zapisz4", "Z&apisz wykres przepływu na kondygnacjach", "Zapisuje wykres przepływu przez kratki na kondygnacjach", "char_zapisz4"},
    {2, "par_tlumika", "&Parametry z tłumikami", "", "par_tlumika"},
    {2, "char_tlumika", "&Wyświetl charakterystykę z tłumikami", "", "char_tlumika"},
    {2, "druk_tlumika", "&Drukuj charakterystykę z tłumikami", "", "druk_tlumika"},
    {2, "char_zapisz1", "&Zapisz charakterystykę z tłumikami", "Zapisuje charakterystykę z tłumikami", "char_zapisz1"},
    {2, "", "-", "", ""},
    {2, "par_reg_tlumika", "&Obroty regulowane z tłumikami", "", "par_reg_tlumika"},
    {2, "char_reg_tlumika", "&Wyświetl charakterystykę obrotów regulowanych z tłumikami", "", "char_reg_tlumika"},
    {2, "druk_reg_tlumika", "&Drukuj charakterystykę obrotów regulowanych z tłumikami", "", "druk_reg_tlumika"},
    {2, "char_zapisz3", "&Zapisz charakterystykę obrotów regulowanych z tłumikami", "Zapisuje charakterystykę obrotów regulowanych z tłumikami", "char_zapisz3"},
    {3, "HelpContentsItem", "&Spis tresci", "Wyświetla okno pomocy", "HelpContents"},
    {3, "", "-", "", ""},
    {3, "HelpAboutItem", "&O programie", "", "HelpAbout"},
};

QString Status(const TestWindow& window) { return window.Form.StatusLine->currentMessage(); }

}  // namespace

class WindowMenuTest : public QObject {
    Q_OBJECT

private slots:
    void everyItemAsTabulated()
    {
        TestWindow window("items", WorkedExample(4, 0));
        const char* names[] = {"FileMenu", "CharMenu", "tlumMenu", "HelpMenu"};
        const char* captions[] = {"&Obliczenia", "&Charakterystyki", "Charakterystyki z &tłumikami", "&Pomoc"};
        QList<std::pair<int, QAction*>> items;
        QCOMPARE(window.Form.MainMenu->actions().size(), 4);
        for (int m = 0; m < 4; ++m) {
            QMenu* menu = window.Form.MainMenu->actions()[m]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QString::fromLatin1(names[m]));
            QCOMPARE(menu->title(), QString::fromUtf8(captions[m]));
            for (QAction* item : menu->actions())
                items << std::pair{m, item};
        }
        QCOMPARE(items.size(), qsizetype(std::size(kExpected)));
        for (int row = 0; row < items.size(); ++row) {
            const auto& expected = kExpected[row];
            const auto [menu, item] = items[row];
            const QByteArray where = "item " + QByteArray::number(row + 1) + " " + expected.Caption;
            QVERIFY2(menu == expected.Menu, where);
            QVERIFY2(item->isSeparator() == (QByteArray(expected.Caption) == "-"), where);
            if (item->isSeparator())
                continue;
            QCOMPARE(item->text(), QString::fromUtf8(expected.Caption));
            QCOMPARE(item->objectName(), QString::fromLatin1(expected.ObjectName));
            QCOMPARE(item->statusTip(), QString::fromUtf8(expected.Hint));
            QCOMPARE(item->property("handler").toByteArray(), QByteArray(expected.Handler));
            QVERIFY2(item->isEnabled() && item->isVisible() && item->shortcut().isEmpty(), where);

            // Chosen, the item runs its handler: each leaves a trace on the stand-ins without blocking.
            TestWindow run("trigger", WorkedExample(4, 0));
            TAboutBox about;
            run.Form.SetAboutBox(&about);
            run.Form.show();
            bool aboutShown = false;
            QTimer::singleShot(0, &about, [&] {
                aboutShown = about.isVisible();
                about.accept();
            });
            run.Form.findChild<QAction*>(expected.ObjectName)->trigger();
            const FakeDialogs& d = run.Dialogs;
            const size_t trace = run.FrontEnd.Repaints + run.FrontEnd.Messages.size() + run.Launcher.Started.size() +
                                 run.Opener.Opened.size() + d.PrintDialogRuns + d.PrintSetupRuns + d.SaveDialogRuns +
                                 d.Messages.size() + (run.Form.isVisible() ? 0 : 1) + (aboutShown ? 1 : 0);
            QVERIFY2(trace > 0, where + " does nothing");
            QCOMPARE(d.PrintSetupRuns, QByteArray(expected.Handler) == "FilePrintSetup" ? 1 : 0);
        }
    }

    void toolBarButtons()
    {
        TestWindow window("buttons", WorkedExample(4, 0));
        // Columns: left edge, hint, handler of SpeedButton1, 2, ...
        const std::tuple<int, const char*, const char*> buttons[] = {
            {10, "Wydruk wyników", "FilePrint"}, {35, "Ustawienia drukarki", "FilePrintSetup"}, {65, "Pomoc", "HelpContents"},
            {95, "O programie", "HelpAbout"}, {120, "Koniec pracy", "FileExit"}};
        for (int i = 0; i < 5; ++i) {
            const auto& [left, hint, handler] = buttons[i];
            auto* button = Child<QToolButton>(window.Form.SpeedBar, ("SpeedButton" + std::to_string(i + 1)).c_str());
            QCOMPARE(button->geometry(), QRect(left, 4, 25, 25));
            QCOMPARE(button->toolTip(), QString::fromUtf8(hint));
            QCOMPARE(button->property("handler").toByteArray(), QByteArray(handler));
            // Pointing at the button shows its long hint; leaving it empties the status line.
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(button, &enter);
            QCOMPARE(Status(window), QString::fromUtf8(hint));
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
            QCOMPARE(Status(window), QString());
            // The disabled state is a grey picture of its own.
            const QImage normal = button->icon().pixmap(18, QIcon::Normal).toImage();
            const QImage disabled = button->icon().pixmap(18, QIcon::Disabled).toImage();
            QVERIFY(!normal.isNull() && normal != disabled);
            for (int y = 0; y < disabled.height(); ++y)
                for (int x = 0; x < disabled.width(); ++x) {
                    const QRgb pixel = disabled.pixel(x, y);
                    QVERIFY2(qAlpha(pixel) == 0 || (qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)),
                             "disabled is grey");
                }
        }
    }

    void titleGeometryAndStatusLine()
    {
        TestWindow window("title", WorkedExample(4, 0));
        TMainForm& form = window.Form;
        const QString title = QStringLiteral("Program doboru wentylatorów dachowych firmy KORALINEX");
        QCOMPARE(form.windowTitle(), title);
        QCOMPARE(QGuiApplication::applicationDisplayName(), title);
        QVERIFY(form.windowState() & Qt::WindowMaximized);
        QCOMPARE(form.SpeedBar->geometry(), QRect(0, 0, form.SpeedBar->width(), 33));
        QCOMPARE(form.StatusLine->height(), 23);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.SpeedBar->width(), form.ClientArea->width());
        QCOMPARE(form.ClientArea->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(Status(window), QString());  // empty at start
        // Columns: hint, status line (the long part after the first bar; all of a hint without a bar).
        const char* hints[][2] = {{"Krótka|Długa podpowiedź", "Długa podpowiedź"}, {"Krótka|", ""}, {"a|b|c", "b|c"},
                                  {"Obliczenia ilości", "Obliczenia ilości"}, {"", ""}};
        for (const auto& [hint, status] : hints) {
            form.ShowHint(QStringLiteral("previous"));
            form.ShowHint(QString::fromUtf8(hint));
            QCOMPARE(Status(window), QString::fromUtf8(status));
        }
        // A highlighted menu item shows its hint or empties the line; closing a menu empties it.
        form.findChild<QAction*>("FileNewItem")->showStatusText(form.MainMenu);
        QCOMPARE(Status(window), QStringLiteral("Obliczenia ilości odciąganego powietrza"));
        form.findChild<QAction*>("HelpAboutItem")->showStatusText(form.MainMenu);
        QCOMPARE(Status(window), QString());
        form.FileMenu->popup(QPoint(10, 10));
        form.ShowHint(QStringLiteral("Drukuje aktualne wyniki"));
        form.FileMenu->hide();
        QCOMPARE(Status(window), QString());
        form.showNormal();
        QTRY_COMPARE(form.size(), QSize(808, 546));
    }

    void aboutBox()
    {
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(298, 213));
        QCOMPARE((QStringList{box.ProductName->text(), box.ProductName2->text(), box.Version->text(), box.Copyright->text()}),
                 (QStringList{"Program doboru wentylatorów dachowych", "firmy KORALINEX", "Wersja 1.0", "Autorzy: Zespół went_char"}));
        QVERIFY(!box.ProgramIcon->pixmap().isNull() && box.ProgramIcon->size() == QSize(65, 57));
        QVERIFY(box.OKButton->isDefault() && box.OKButton->text() == "OK");
        box.show();
        QTest::mouseClick(box.OKButton, Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(WindowMenuTest)
#include "window_menu_test.moc"
