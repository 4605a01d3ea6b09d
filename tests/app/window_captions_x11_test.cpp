// The captions as the window system gets them (the _NET_WM_NAME property of each X window): the
// main window, the about box, every dialog form and the message box carry exactly their own
// caption, with nothing added by the toolkit. Runs on a real X server (under xvfb-run).
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "app/system_dialogs.h"
#include "app/window_program.h"
#include "window_fakes.h"

namespace {

// The caption the X server holds for `window`, as xprop reads it.
QString WindowSystemCaption(QWidget* window)
{
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window->winId()), "-notype", "_NET_WM_NAME"});
    if (!xprop.waitForFinished(10000))
        return "xprop did not finish";
    // _NET_WM_NAME = "caption"
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    return line.section('"', 1, -2);
}

// Shows `window`, reads its caption from the window system and hides it again.
QString ShownCaption(QWidget* window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return "not exposed";
    QString caption;
    for (int attempt = 0; attempt < 50 && caption != window->windowTitle(); ++attempt) {
        QTest::qWait(20);
        caption = WindowSystemCaption(window);
    }
    window->hide();
    return caption;
}

}  // namespace

class WindowCaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowShowsItsOwnCaption()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        const std::string dir = ScratchDir("captions");
        CalcRecord record;
        ResetCalcRecord(record);
        FakeLauncher launcher;
        WindowProgram program(record, dir, launcher);

        program.MainForm.setWindowState(Qt::WindowNoState);
        QCOMPARE(ShownCaption(&program.MainForm), QStringLiteral("Program doboru wentylatorów dachowych firmy KORALINEX"));
        program.MainForm.show();
        QCOMPARE(ShownCaption(&program.AboutBox), QStringLiteral("About"));
        for (int i = 0; i <= int(DialogId::OKBottomDlg2); ++i) {
            QDialog* form = program.Forms->Form(static_cast<DialogId>(i));
            QVERIFY(!form->windowTitle().isEmpty());
            QCOMPARE(ShownCaption(form), form->windowTitle());
        }

        QString boxCaption;
        QTimer::singleShot(0, [&boxCaption] {
            QWidget* box = QApplication::activeModalWidget();
            for (int attempt = 0; box && attempt < 50 && boxCaption != box->windowTitle(); ++attempt) {
                QTest::qWait(20);
                boxCaption = WindowSystemCaption(box);
            }
            if (!box)
                return;
            // Wide enough that a window manager shows the caption whole.
            QFont title = QApplication::font();
            title.setBold(true);
            if (box->width() < QFontMetrics(title).horizontalAdvance(box->windowTitle()) + 60)
                boxCaption = "box narrower than its caption";
            box->close();
        });
        ShowPlainMessage("Krótko.", kMessageCaption);
        QCOMPARE(boxCaption, QString::fromUtf8(kMessageCaption));
    }
};

QTEST_MAIN(WindowCaptionsTest)
#include "window_captions_x11_test.moc"
