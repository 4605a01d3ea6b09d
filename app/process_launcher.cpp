// The real launchers: QProcess for gnuplot, QDesktopServices for the browser. Neither result is
// examined: a missing program stays silent, as a chart that is simply not shown.
#include "app/process_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

const char kPlotterProgram[] = "gnuplot";

void QtProcessLauncher::StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                                      const std::string& workingDirectory)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(list);
    process.setWorkingDirectory(QString::fromStdString(workingDirectory));
    process.setStandardInputFile(QProcess::nullDevice());
    process.startDetached();
}

void DesktopUrlOpener::OpenFile(const std::string& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
