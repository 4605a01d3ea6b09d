// went_char: the window program. Empties the calculation record, creates every window once in
// the fixed order in the working folder (the first argument, or the current folder) and runs
// the window.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/main_form.h"
#include "app/process_launcher.h"
#include "app/window_program.h"
#include "dialogs/forms/fan_choice_form.h"
#include "model/calc_record.h"

namespace {

CalcRecord Record;  // the program's one calculation record

const char kNoDisplayMessage[] =
    "went_char: program okienkowy potrzebuje ekranu (X11 lub Wayland), a żadnego nie znaleziono.\n"
    "Bez ekranu uruchom go pod Xvfb: xvfb-run -a went_char [KATALOG]\n"
    "albo licz bez okna programem went_char_cli.\n";

const char kUsage[] =
    "Użycie: went_char [KATALOG]\n"
    "Program okienkowy doboru wentylatorów; pracuje w katalogu KATALOG (tworzonym, gdy go nie ma),\n"
    "a bez argumentu w katalogu bieżącym. Tam zapisuje pliki danych, wykresy i raporty.\n";

// Until the application has its display, Qt's messages are held back: when no display can be
// opened, Qt ends the program from its fatal message, and the user gets the message above in
// place of Qt's advice.
bool StartingUp = true;
std::vector<QString> HeldBack;
QtMessageHandler QtHandler = nullptr;

void StartUpMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && StartingUp) {
        std::fputs(kNoDisplayMessage, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (StartingUp) {
        HeldBack.push_back(qFormatLogMessage(type, context, message));
        return;
    }
    if (QtHandler)
        QtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void StartUpDone()
{
    StartingUp = false;
    for (const QString& message : HeldBack)
        std::fprintf(stderr, "%s\n", qPrintable(message));
    HeldBack.clear();
}

// WENT_CHAR_STARTUP_PROBE=1: print the milliseconds from entering main to the first paint of the
// report area, then quit (scripts/measure_startup.sh).
bool ProbeWanted(const char* name)
{
    const char* probe = std::getenv(name);
    return probe && std::string(probe) == "1";
}

// WENT_CHAR_SELECTION_PROBE=1: print the milliseconds from the fan chooser's OK to the first paint
// that shows a report, then quit (scripts/measure_startup.sh).
void ProbeSelection(WindowProgram& program, const CalcRecord& record)
{
    static QElapsedTimer sinceOk;
    QObject::connect(program.Forms->OKBottomDlg_wyw, &QDialog::accepted, [&program, &record] {
        sinceOk.start();
        static std::function<void()> painted;
        painted = [&program, &record] {
            if (record.ScreenReportKind == 0) {
                program.MainForm.SetFirstPaintHook(painted);  // not the report yet
                return;
            }
            std::printf("report painted %lld ms after the chooser's OK\n", static_cast<long long>(sinceOk.elapsed()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        };
        program.MainForm.SetFirstPaintHook(painted);
    });
}

}  // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer startup;
    startup.start();

    // Said without a display too, so before Qt looks for one.
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    ResetCalcRecord(Record);
    QtHandler = qInstallMessageHandler(StartUpMessages);
    QApplication application(argc, argv);
    StartUpDone();
    // Qt sets the user's locale; the printf conversions of every output must keep the point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(ProgramPicture());
    QTranslator polish;
    InstallQtPolish(polish);

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2 || (arguments.size() == 2 && arguments.at(1).startsWith('-'))) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::optional<std::string> dir = WorkingFolderFromArguments(arguments);
    if (!dir) {
        const QString text = QStringLiteral("Nie można utworzyć katalogu roboczego %1.").arg(arguments.at(1));
        std::fprintf(stderr, "went_char: %s\n", qPrintable(text));
        QMessageBox::critical(nullptr, QString::fromUtf8(kApplicationTitle), text);
        return 1;
    }
    try {
        QDir::setCurrent(QString::fromStdString(*dir));
        QtProcessLauncher launcher;
        WindowProgram program(Record, *dir, launcher, WindowServices{&launcher});
        TMainForm& MainForm = program.MainForm;
        if (!MainForm.Problems().Empty()) {
            // Said once the window is up, so that the message has the program behind it.
            QTimer::singleShot(0, &MainForm, [&program, &MainForm] {
                program.FrontEnd.ShowMessage(MainForm.Problems().Message(), kMessageCaption);
                MainForm.Problems().Clear();
            });
        }
        // Value files the dialogs found but could not read, and lines of the building file that
        // could not be read, said once.
        for (const std::string& message : {UnreadableValueFilesMessage(*dir), BuildingFileMessage(*dir)})
            if (!message.empty())
                QTimer::singleShot(0, &MainForm,
                                   [&program, message] { program.FrontEnd.ShowMessage(message, kMessageCaption); });
        if (ProbeWanted("WENT_CHAR_SELECTION_PROBE"))
            ProbeSelection(program, Record);
        if (ProbeWanted("WENT_CHAR_STARTUP_PROBE")) {
            MainForm.SetFirstPaintHook([&startup] {
                std::printf("first paint after %lld ms\n", static_cast<long long>(startup.elapsed()));
                std::fflush(stdout);
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            });
        }

        MainForm.show();
        return application.exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "went_char: %s\n", error.what());
        QMessageBox::critical(nullptr, QString::fromUtf8(kApplicationTitle), QString::fromUtf8(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QString::fromUtf8(kApplicationTitle), QStringLiteral("Nieznany błąd programu."));
    }
    return 1;
}
