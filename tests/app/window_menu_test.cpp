// The main window's shell: menu bar, tool bar, status-line hints, title, geometry and about box.
#include <filesystem>
#include <fstream>

#include <QAction>
#include <QDir>
#include <QLineEdit>
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
#include "app/window_program.h"
#include "dialogs/forms/rectangular_grille_form.h"
#include "window_fakes.h"

namespace fs = std::filesystem;

namespace {

QString Status(const TestWindow& window) { return window.Form.StatusLine->currentMessage(); }

}  // namespace

class WindowMenuTest : public QObject {
    Q_OBJECT

private slots:
    // The menus and the tool bar as the window builds them, against their dump; every item runs
    // its handler.
    void menusAndToolBar()
    {
        TestWindow window("items", SampleRecord(0));
        std::string dump;
        QList<QAction*> items;
        for (QAction* top : window.Form.MainMenu->actions()) {
            QMenu* menu = top->menu();
            QVERIFY(menu);
            dump += (menu->objectName() + " | " + menu->title() + "\n").toStdString();
            for (QAction* item : menu->actions()) {
                QVERIFY(item->isEnabled() && item->isVisible() && item->shortcut().isEmpty());
                if (item->isSeparator()) {
                    dump += "    -\n";
                    continue;
                }
                items << item;
                dump += ("    " + item->objectName() + " | " + item->text() + " | " + item->statusTip() + " | " +
                         item->property("handler").toString() + "\n").toStdString();
            }
        }
        for (int i = 1; auto* button = window.Form.SpeedBar->findChild<QToolButton*>("SpeedButton" + QString::number(i)); ++i) {
            dump += (button->objectName() + " | " + QString::number(button->geometry().left()) + " | " +
                     button->toolTip() + " | " + button->property("handler").toString() + "\n").toStdString();
            QCOMPARE(button->size(), QSize(25, 25));
            // Pointing at the button shows its hint; leaving it empties the status line.
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(button, &enter);
            QCOMPARE(Status(window), button->toolTip());
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
                    QVERIFY(qAlpha(pixel) == 0 || (qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)));
                }
        }
        QCOMPARE(CompareWithGolden("app/menus_and_tool_bar.txt", dump), std::string());

        for (QAction* item : items) {
            // Chosen, the item runs its handler: each leaves a trace on the stand-ins without blocking.
            TestWindow run("trigger", SampleRecord(0));
            TAboutBox about;
            run.Form.SetAboutBox(&about);
            run.Form.show();
            bool aboutShown = false;
            QTimer::singleShot(0, &about, [&] {
                aboutShown = about.isVisible();
                about.accept();
            });
            const QByteArray handler = item->property("handler").toByteArray();
            run.Form.findChild<QAction*>(item->objectName())->trigger();
            const FakeDialogs& d = run.Dialogs;
            const size_t trace = run.FrontEnd.Repaints + run.FrontEnd.Messages.size() + run.Launcher.Started.size() +
                                 run.Opener.Opened.size() + d.PrintDialogRuns + d.PrintSetupRuns + d.SaveDialogRuns + d.FolderDialogRuns +
                                 d.Messages.size() + (run.Form.isVisible() ? 0 : 1) + (aboutShown ? 1 : 0);
            QVERIFY2(trace > 0, handler + " does nothing");
            QCOMPARE(d.PrintSetupRuns, handler == "FilePrintSetup" ? 1 : 0);
        }
    }

    void titleGeometryAndStatusLine()
    {
        TestWindow window("title", SampleRecord(0));
        TMainForm& form = window.Form;
        QVERIFY(form.windowState() & Qt::WindowMaximized);
        QCOMPARE(form.SpeedBar->geometry(), QRect(0, 0, form.SpeedBar->width(), 33));
        QCOMPARE(form.StatusLine->height(), 23);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.SpeedBar->width(), form.ClientArea->width());
        QCOMPARE(form.ClientArea->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(Status(window), QString());  // empty at start
        // The working folder stands in the status line while no hint hides it.
        QCOMPARE(form.FolderLabel->text(), QString::fromStdString("Katalog roboczy: " + window.Dir));
        QVERIFY(form.FolderLabel->isVisible());
        form.ShowHint(QStringLiteral("Drukuje aktualne wyniki"));
        QVERIFY(!form.FolderLabel->isVisible());
        form.ShowHint(QString());
        QVERIFY(form.FolderLabel->isVisible());
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

    void workingFolder()
    {
        // Chosen from the menu: the report is cleared, the dialogs show the new folder's values,
        // the plots start there and the status line names it.
        const std::string root = ScratchDir("working_folder"), first = root + "/first", second = root + "/second";
        CalcRecord record = SampleRecord(1);
        FakeLauncher launcher;
        FakeOpener opener;
        FakeDialogs dialogs;
        fs::create_directories(second);
        std::ofstream(second + "/dialog33.sav", std::ios::binary) << "2.80\n7\n0.20\n0.25\n2.50\n";
        WindowProgram program(record, first, launcher, {&launcher, &opener, &dialogs});
        QVERIFY(program.Forms->Form22->Edit1->text() != QStringLiteral("2.80"));
        dialogs.FolderAnswer = second;
        program.MainForm.findChild<QAction*>("FileFolderItem")->trigger();
        QCOMPARE(dialogs.FolderDialogRuns, 1);
        QCOMPARE(program.MainForm.Dir(), second);
        QCOMPARE(record.ScreenReportKind, 0);
        QCOMPARE(program.Forms->Form22->Edit1->text(), QStringLiteral("2.80"));
        QVERIFY(fs::exists(second + "/wykresy/koralinex.jpg"));
        QCOMPARE(program.MainForm.FolderLabel->text(), QString::fromStdString("Katalog roboczy: " + second));
        program.FrontEnd.StartPlotter("gif.gnu");
        QCOMPARE(launcher.Directories, std::vector<std::string>{second});

        // From the arguments: none is the current folder; "~/" is the home folder; a missing
        // folder is made; one that cannot be made is refused.
        QDir::setCurrent(QString::fromStdString(root));
        qputenv("HOME", QByteArray::fromStdString(root + "/home"));
        std::ofstream(root + "/file", std::ios::binary) << "";
        const std::pair<QStringList, std::optional<std::string>> rows[] = {
            {{"went_char"}, root},
            {{"went_char", "new/building"}, root + "/new/building"},
            {{"went_char", "~/projects"}, root + "/home/projects"},
            {{"went_char", "file/building"}, std::nullopt},
        };
        for (const auto& [arguments, folder] : rows) {
            QCOMPARE(WorkingFolderFromArguments(arguments), folder);
            QVERIFY(!folder || fs::is_directory(*folder));
        }
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
