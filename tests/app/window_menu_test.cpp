// The main window's shell: the menu bar item by item, the tool bar, the status-line hints, the
// title, the design geometry and the about box.
#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/about_box.h"
#include "app/main_form.h"
#include "app/menu_table.h"
#include "support/test_support.h"
#include "window_fakes.h"

namespace {

struct ExpectedItem {
    const char* Menu;
    const char* ObjectName;
    const char* Caption;
    const char* Hint;
    const char* Handler;
};

// The menu bar as the user sees it, menu by menu; "-" a separator.
const ExpectedItem kExpected[] = {
    {"FileMenu", "FileNewItem", "&Nowe obliczenia", "Obliczenia ilości odciąganego powietrza", "FileNew"},
    {"FileMenu", "FileWywietrznikItem", "&Wybierz tylko wentylator", "Obliczenia dla nowego wentylatora", "Wentylator"},
    {"FileMenu", "", "-", "", ""},
    {"FileMenu", "FilePrintItem", "&Wydruk wyników", "Drukuje aktualne wyniki", "FilePrint"},
    {"FileMenu", "FilePrintSetupItem", "&Ustawienia drukarki", "Zmienia ustawienia drukarki", "FilePrintSetup"},
    {"FileMenu", "", "-", "", ""},
    {"FileMenu", "FileExitItem", "&Koniec", "Kończy pracę z programem", "FileExit"},
    {"CharMenu", "char_wyswietl", "&Wyświetl charakterystykę", "Wyświetla charakterystykę wentylatora", "char_wyswietl"},
    {"CharMenu", "char_drukuj", "&Drukuj charakterystykę", "Drukuje charakterystykę", "char_drukuj"},
    {"CharMenu", "char_zapisz", "&Zapisz charakterystykę", "Zapisuje charakterystykę", "char_zapisz"},
    {"CharMenu", "", "-", "", ""},
    {"CharMenu", "obr_reg", "&Obroty regulowane", "Oblicza obroty regulowane", "obr_reg"},
    {"CharMenu", "obr_reg_wyswietl", "&Wyświetl charakterystykę obrotow regulowanych",
     "Wyświetla charakterystykę obrotow regulowanych", "obr_reg_wyswietl"},
    {"CharMenu", "obr_reg_druk", "&Drukuj charakterystykę obrotów regulowanych",
     "Drukuje charakterystykę obrotow regulowanych", "obr_reg_druk"},
    {"CharMenu", "char_zapisz2", "&Zapisz charakterystykę obrotów regulowanych",
     "Zapisuje charakterystykę obrotów regulowanych", "char_zapisz2"},
    {"tlumMenu", "par_tlumika", "&Parametry z tłumikami", "", "par_tlumika"},
    {"tlumMenu", "char_tlumika", "&Wyświetl charakterystykę z tłumikami", "", "char_tlumika"},
    {"tlumMenu", "druk_tlumika", "&Drukuj charakterystykę z tłumikami", "", "druk_tlumika"},
    {"tlumMenu", "char_zapisz1", "&Zapisz charakterystykę z tłumikami", "Zapisuje charakterystykę z tłumikami",
     "char_zapisz1"},
    {"tlumMenu", "", "-", "", ""},
    {"tlumMenu", "par_reg_tlumika", "&Obroty regulowane z tłumikami", "", "par_reg_tlumika"},
    {"tlumMenu", "char_reg_tlumika", "&Wyświetl charakterystykę obrotów regulowanych z tłumikami", "",
     "char_reg_tlumika"},
    {"tlumMenu", "druk_reg_tlumika", "&Drukuj charakterystykę obrotów regulowanych z tłumikami", "",
     "druk_reg_tlumika"},
    {"tlumMenu", "char_zapisz3", "&Zapisz charakterystykę obrotów regulowanych z tłumikami",
     "Zapisuje charakterystykę obrotów regulowanych z tłumikami", "char_zapisz3"},
    {"HelpMenu", "HelpContentsItem", "&Spis tresci", "Wyświetla okno pomocy", "HelpContents"},
    {"HelpMenu", "", "-", "", ""},
    {"HelpMenu", "HelpAboutItem", "&O programie", "", "HelpAbout"},
};

struct Window {
    explicit Window(const char* name) : Record(WorkedExample(4, 0)),
        Form(Record, ScratchDir(name), FrontEnd, {&Launcher, &Opener, &Dialogs}) {}
    CalcRecord Record;
    FakeFrontEnd FrontEnd;
    FakeLauncher Launcher;
    FakeOpener Opener;
    FakeDialogs Dialogs;
    TMainForm Form;
};

QString Status(const TMainForm& form) { return form.StatusLine->currentMessage(); }

void Enter(QWidget* widget)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(widget, &enter);
}

void Leave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

}  // namespace

class WindowMenuTest : public QObject {
    Q_OBJECT

private slots:
    void menuBarHoldsFourMenus()
    {
        Window window("menus");
        const QList<QAction*> menus = window.Form.MainMenu->actions();
        QCOMPARE(menus.size(), 4);
        const char* names[] = {"FileMenu", "CharMenu", "tlumMenu", "HelpMenu"};
        const char* captions[] = {"&Obliczenia", "&Charakterystyki", "Charakterystyki z &tłumikami", "&Pomoc"};
        for (int index = 0; index < 4; ++index) {
            QMenu* menu = menus[index]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QString(names[index]));
            QCOMPARE(menu->title(), QString::fromUtf8(captions[index]));
        }
    }

    void everyItemAsTabulated()
    {
        Window window("items");
        int row = 0;
        for (QAction* title : window.Form.MainMenu->actions()) {
            for (QAction* item : title->menu()->actions()) {
                QVERIFY2(row < int(std::size(kExpected)), "no more items than tabulated");
                const ExpectedItem& expected = kExpected[row++];
                const QString where = QStringLiteral("item %1 (%2)").arg(row).arg(QString::fromUtf8(expected.Caption));
                QCOMPARE(title->menu()->objectName(), QString(expected.Menu));
                if (QString(expected.Caption) == "-") {
                    QVERIFY2(item->isSeparator(), qPrintable(where));
                    continue;
                }
                QCOMPARE(item->text(), QString::fromUtf8(expected.Caption));
                QCOMPARE(item->objectName(), QString(expected.ObjectName));
                QCOMPARE(item->statusTip(), QString::fromUtf8(expected.Hint));
                QCOMPARE(item->property("handler").toByteArray(), QByteArray(expected.Handler));
                QVERIFY2(item->isEnabled() && item->isVisible(), qPrintable(where + " can always be chosen"));
                QVERIFY2(item->shortcut().isEmpty(), qPrintable(where + " has no shortcut"));
                const QByteArray slot = QByteArray(expected.Handler) + "()";
                QVERIFY2(window.Form.metaObject()->indexOfSlot(slot) >= 0, qPrintable(where + " has its slot"));
            }
        }
        QCOMPARE(row, int(std::size(kExpected)));
    }

    void everyItemRunsItsHandler()
    {
        // Behind fakes every handler leaves a trace without blocking; the about box is answered
        // as soon as it shows.
        for (const ExpectedItem& expected : kExpected) {
            if (QString(expected.Caption) == "-")
                continue;
            Window window("trigger");
            TAboutBox about;
            window.Form.SetAboutBox(&about);
            window.Form.show();
            bool aboutShown = false;
            QTimer::singleShot(0, &about, [&] {
                aboutShown = about.isVisible();
                about.accept();
            });
            QAction* item = window.Form.findChild<QAction*>(expected.ObjectName);
            QVERIFY(item);
            item->trigger();
            const int trace = window.FrontEnd.Repaints + int(window.FrontEnd.Messages.size())
                              + int(window.Launcher.Started.size()) + int(window.Opener.Opened.size())
                              + window.Dialogs.PrintDialogRuns + window.Dialogs.PrintSetupRuns
                              + window.Dialogs.SaveDialogRuns + int(window.Dialogs.Messages.size())
                              + (window.Form.isVisible() ? 0 : 1) + (aboutShown ? 1 : 0);
            QVERIFY2(trace > 0, expected.ObjectName);
        }
    }

    void toolBarButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QByteArray>("handler");
        QTest::newRow("print") << "SpeedButton1" << 10 << "Wydruk wyników" << "Wydruk wyników" << QByteArray("FilePrint");
        QTest::newRow("printer setup") << "SpeedButton2" << 35 << "Ustawienia drukarki" << "Ustawienia drukarki"
                                       << QByteArray("FilePrintSetup");
        QTest::newRow("help") << "SpeedButton3" << 65 << "Pomoc" << "Pomoc" << QByteArray("HelpContents");
        QTest::newRow("about") << "SpeedButton4" << 95 << "O programie" << "O programie" << QByteArray("HelpAbout");
        QTest::newRow("exit") << "SpeedButton5" << 120 << "Koniec pracy" << "Koniec pracy" << QByteArray("FileExit");
    }

    void toolBarButtons()
    {
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(QString, tip);
        QFETCH(QString, status);
        QFETCH(QByteArray, handler);
        Window window("buttons");
        QToolButton* button = window.Form.SpeedBar->findChild<QToolButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(left, 4, 25, 25));
        QCOMPARE(button->toolTip(), tip);
        QCOMPARE(button->property("handler").toByteArray(), handler);

        // Pointing at the button shows its long hint; leaving it empties the status line.
        Enter(button);
        QCOMPARE(Status(window.Form), status);
        Leave(button);
        QCOMPARE(Status(window.Form), QString());

        // Two-state picture: the disabled state is a grey picture of its own.
        const QImage normal = button->icon().pixmap(18, QIcon::Normal).toImage();
        const QImage disabled = button->icon().pixmap(18, QIcon::Disabled).toImage();
        QVERIFY(!normal.isNull());
        QVERIFY(normal != disabled);
        for (int y = 0; y < disabled.height(); ++y)
            for (int x = 0; x < disabled.width(); ++x) {
                const QRgb pixel = disabled.pixel(x, y);
                if (qAlpha(pixel) > 0)
                    QVERIFY2(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel), "disabled is grey");
            }
    }

    void barHeights()
    {
        Window window("bars");
        QCOMPARE(window.Form.SpeedBar->height(), 33);
        QCOMPARE(window.Form.SpeedBar->y(), 0);
        QCOMPARE(window.Form.StatusLine->height(), 23);
        window.Form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.Form));
        QCOMPARE(window.Form.SpeedBar->width(), window.Form.ClientArea->width());
    }

    void showHint_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("status");
        QTest::newRow("short|long: the long part") << "Krótka|Długa podpowiedź" << "Długa podpowiedź";
        QTest::newRow("tool bar hint") << "Koniec pracy|Koniec pracy" << "Koniec pracy";
        QTest::newRow("no bar: all of it") << "Obliczenia ilości odciąganego powietrza"
                                           << "Obliczenia ilości odciąganego powietrza";
        QTest::newRow("bar at the end: empty long part") << "Krótka|" << "";
        QTest::newRow("two bars: after the first") << "a|b|c" << "b|c";
        QTest::newRow("nothing hinted") << "" << "";
    }

    void showHint()
    {
        QFETCH(QString, hint);
        QFETCH(QString, status);
        Window window("hint");
        window.Form.ShowHint(QStringLiteral("previous"));
        window.Form.ShowHint(hint);
        QCOMPARE(Status(window.Form), status);
    }

    void highlightedMenuItemShowsItsHint()
    {
        Window window("menu_hint");
        QAction* fileNew = window.Form.findChild<QAction*>("FileNewItem");
        QAction* about = window.Form.findChild<QAction*>("HelpAboutItem");
        QVERIFY(fileNew && about);
        fileNew->showStatusText(window.Form.MainMenu);
        QCOMPARE(Status(window.Form), QStringLiteral("Obliczenia ilości odciąganego powietrza"));
        about->showStatusText(window.Form.MainMenu);  // an item without hint
        QCOMPARE(Status(window.Form), QString());
    }

    void closingAMenuEmptiesTheStatusLine()
    {
        Window window("menu_close");
        window.Form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.Form));
        window.Form.FileMenu->popup(QPoint(10, 10));
        window.Form.ShowHint(QStringLiteral("Drukuje aktualne wyniki"));
        window.Form.FileMenu->hide();
        QCOMPARE(Status(window.Form), QString());
    }

    void statusLineEmptyAtStart()
    {
        Window window("start");
        window.Form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.Form));
        QCOMPARE(Status(window.Form), QString());
    }

    void titleAndDesignGeometry()
    {
        Window window("title");
        const QString title = QStringLiteral("Program doboru wentylatorów dachowych firmy KORALINEX");
        QCOMPARE(window.Form.windowTitle(), title);
        QCOMPARE(QGuiApplication::applicationDisplayName(), title);
        QVERIFY(window.Form.windowState() & Qt::WindowMaximized);
        window.Form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.Form));
        window.Form.showNormal();
        QTRY_COMPARE(window.Form.size(), QSize(808, 546));
        QCOMPARE(window.Form.ClientArea->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void printerSetupRunsItsDialog()
    {
        Window window("setup");
        window.Form.FilePrintSetup();
        QCOMPARE(window.Dialogs.PrintSetupRuns, 1);
    }

    void aboutBox()
    {
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(298, 213));
        QCOMPARE(box.ProductName->text(), QStringLiteral("Program doboru wentylatorów dachowych"));
        QCOMPARE(box.ProductName2->text(), QStringLiteral("firmy KORALINEX"));
        QCOMPARE(box.Version->text(), QStringLiteral("Wersja 1.0"));
        QCOMPARE(box.Copyright->text(), QStringLiteral("Autorzy: Zespół went_char"));
        QVERIFY(!box.ProgramIcon->pixmap().isNull());
        QCOMPARE(box.ProgramIcon->size(), QSize(65, 57));
        QVERIFY(box.OKButton->isDefault());
        QCOMPARE(box.OKButton->text(), QStringLiteral("OK"));
        box.show();
        QTest::mouseClick(box.OKButton, Qt::LeftButton);
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(WindowMenuTest)
#include "window_menu_test.moc"
