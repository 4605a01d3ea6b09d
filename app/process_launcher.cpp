// The real launchers: QProcess for gnuplot, QDesktopServices for the browser.
#include "app/process_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

const char kPlotterProgram[] = "gnuplot";
const char kNoPlotterMessage[] =
    "Nie znaleziono programu gnuplot, który rysuje charakterystyki.\n"
    "Proszę go zainstalować (w Debianie: pakiet gnuplot) i powtórzyć polecenie.";

namespace {

void SetUp(QProcess& process, const std::string& program, const std::vector<std::string>& arguments,
           const std::string& workingDirectory)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    process.setProgram(QString::fromStdString(program));
    process.setArguments(list);
    process.setWorkingDirectory(QString::fromStdString(workingDirectory));
    process.setStandardInputFile(QProcess::nullDevice());
}

}  // namespace

bool QtProcessLauncher::StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                                      const std::string& workingDirectory)
{
    QProcess process;
    SetUp(process, program, arguments, workingDirectory);
    return process.startDetached();
}

ProcessRun QtProcessLauncher::RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                         const std::string& workingDirectory, std::chrono::milliseconds limit)
{
    ProcessRun run;
    QProcess process;
    SetUp(process, program, arguments, workingDirectory);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start();
    if (!process.waitForStarted())
        return run;
    run.Started = true;
    run.Finished = process.waitForFinished(static_cast<int>(limit.count()));
    if (!run.Finished) {
        process.kill();
        process.waitForFinished();
    }
    run.ExitCode = process.exitCode();
    run.Output = process.readAll().toStdString();
    return run;
}

bool DesktopUrlOpener::OpenFile(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
