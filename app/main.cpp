// went_char: the window program. Empties the calculation record, creates every window once in
// the fixed order, prepares the working directory (the current directory) and runs the window.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "app/about_box.h"
#include "app/main_form.h"
#include "app/process_launcher.h"
#include "app/qt_front_end.h"
#include "dialogs/forms/dialog_forms.h"
#include "model/calc_record.h"
#include "output/working_dir.h"

namespace {

CalcRecord Record;  // the program's one calculation record

// WENT_CHAR_STARTUP_PROBE=1: print the milliseconds from entering main to the first paint of the
// report area, then quit (scripts/measure_startup.sh).
bool StartupProbeWanted()
{
    const char* probe = std::getenv("WENT_CHAR_STARTUP_PROBE");
    return probe && std::string(probe) == "1";
}

}  // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer startup;
    startup.start();

    ResetCalcRecord(Record);
    QApplication application(argc, argv);
    // Qt sets the user's locale; the printf conversions of every output must keep the point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
    QApplication::setWindowIcon(ProgramPicture());

    try {
        const std::string dir = QDir::currentPath().toStdString();
        QtProcessLauncher launcher;
        QtFrontEnd frontEnd(launcher, dir);

        TMainForm MainForm(Record, dir, frontEnd, WindowServices{&launcher});
        TAboutBox AboutBox(&MainForm);
        MainForm.SetAboutBox(&AboutBox);
        DialogForms Forms(DialogContext{&Record, dir, &MainForm.Problems()});
        frontEnd.SetMainForm(&MainForm);
        frontEnd.SetDialogForms(&Forms);

        PrepareWorkingDirectory(dir, MainForm.Problems());
        if (!MainForm.Problems().Empty()) {
            // Said once the window is up, so that the message has the program behind it.
            QTimer::singleShot(0, &MainForm, [&frontEnd, &MainForm] {
                frontEnd.ShowMessage(MainForm.Problems().Message(), kMessageCaption);
                MainForm.Problems().Clear();
            });
        }
        // Value files the dialogs found but could not read, said once.
        if (const std::string unreadable = UnreadableValueFilesMessage(dir); !unreadable.empty())
            QTimer::singleShot(0, &MainForm,
                               [&frontEnd, unreadable] { frontEnd.ShowMessage(unreadable, kMessageCaption); });
        if (StartupProbeWanted()) {
            MainForm.SetFirstPaintHook([&startup] {
                std::printf("first paint after %lld ms\n", static_cast<long long>(startup.elapsed()));
                std::fflush(stdout);
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            });
        }

        MainForm.show();
        application.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QString::fromUtf8(kApplicationTitle), QString::fromUtf8(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QString::fromUtf8(kApplicationTitle), QStringLiteral("Nieznany błąd programu."));
    }
    return 0;
}
