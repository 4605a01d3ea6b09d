// The captions as the window system gets them (the _NET_WM_NAME property of each X window): the
// main window, the about box, every dialog form and the message box carry exactly their own
// caption, with nothing added by the toolkit. Runs on a real X server (under xvfb-run).
#include <QFontMetrics>
#include <QProcess>

#include "app/window_program.h"
#include "window_fakes.h"

namespace {

// The caption the X server holds for `window`, as xprop reads it ("_NET_WM_NAME = "caption""),
// once it is the window's own title or after a second.
QString WindowSystemCaption(QWidget* window)
{
    QString caption;
    for (int attempt = 0; attempt < 50 && caption != window->windowTitle(); ++attempt) {
        QTest::qWait(20);
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(window->winId()), "-notype", "_NET_WM_NAME"});
        xprop.waitForFinished(10000);
        caption = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed().section('"', 1, -2);
    }
    return caption;
}

// Shows `window`, reads its caption from the window system and hides it again.
QString ShownCaption(QWidget* window)
{
    window->show();
    const QString caption = QTest::qWaitForWindowExposed(window) ? WindowSystemCaption(window) : "not exposed";
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
        CalcRecord record = EmptyRecord();
        FakeLauncher launcher;
        WindowProgram program(record, ScratchDir("captions"), launcher);
        program.MainForm.setWindowState(Qt::WindowNoState);
        QCOMPARE(ShownCaption(&program.MainForm), QStringLiteral("Program doboru wentylatorów dachowych firmy KORALINEX"));
        program.MainForm.show();
        QCOMPARE(ShownCaption(&program.AboutBox), QStringLiteral("About"));
        for (int i = 0; i <= int(DialogId::OKBottomDlg2); ++i) {
            QDialog* form = program.Forms->Form(static_cast<DialogId>(i));
            QVERIFY(!form->windowTitle().isEmpty());
            QCOMPARE(ShownCaption(form), form->windowTitle());
        }

        // The message box is wide enough that a window manager shows the caption whole.
        QString boxCaption;
        QTimer::singleShot(0, [&boxCaption] {
            QWidget* box = QApplication::activeModalWidget();
            QFont title = QApplication::font();
            title.setBold(true);
            boxCaption = box->width() < QFontMetrics(title).horizontalAdvance(box->windowTitle()) + 60
                             ? "box narrower than its caption"
                             : WindowSystemCaption(box);
            box->close();
        });
        ShowPlainMessage("Krótko.", kMessageCaption);
        QCOMPARE(boxCaption, QString::fromUtf8(kMessageCaption));
    }
};

QTEST_MAIN(WindowCaptionsTest)
#include "window_captions_x11_test.moc"
