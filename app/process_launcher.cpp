// The real launchers: QProcess for gnuplot, QDesktopServices for the browser.
#include "app/process_launcher.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <algorithm>

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

// QProcess run on while the event loop goes on; a timer ends it when its time is up.
class QtRunningProgram : public RunningProgram {
public:
    QtRunningProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& workingDirectory, std::chrono::milliseconds limit, ProgramEnded ended)
        : limit_(limit), ended_(std::move(ended))
    {
        SetUp(process_, program, arguments, workingDirectory);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        QObject::connect(&process_, &QProcess::finished, [this] { Announce(true); });
        QObject::connect(&process_, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                Announce(false);
        });
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { End(); });
        clock_.start();
        timer_.start(static_cast<int>(limit.count()));
        process_.start();
    }
    ~QtRunningProgram() override
    {
        // Nothing is announced any more: the owner is going.
        ended_ = nullptr;
        End();
    }

    void Wait() override
    {
        if (announced_)
            return;
        const qint64 left = std::max<qint64>(0, limit_.count() - clock_.elapsed());
        if (!process_.waitForFinished(static_cast<int>(left)) && !announced_)
            End();
    }

    void Stop() override
    {
        if (!announced_)
            End();
    }

private:
    void End()
    {
        timer_.stop();
        if (process_.state() == QProcess::NotRunning) {
            Announce(false);
            return;
        }
        timedOut_ = true;
        process_.kill();
        process_.waitForFinished();
    }

    void Announce(bool started)
    {
        if (announced_)
            return;
        announced_ = true;
        timer_.stop();
        ProcessRun run;
        run.Started = started;
        run.Finished = started && !timedOut_;
        run.ExitCode = process_.exitCode();
        run.Output = process_.readAll().toStdString();
        if (ProgramEnded ended = std::move(ended_))
            ended(run);
    }

    QProcess process_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::chrono::milliseconds limit_;
    ProgramEnded ended_;
    bool announced_ = false;
    bool timedOut_ = false;
};

}  // namespace

std::unique_ptr<RunningProgram> QtProcessLauncher::Start(const std::string& program,
                                                         const std::vector<std::string>& arguments,
                                                         const std::string& workingDirectory,
                                                         std::chrono::milliseconds limit, ProgramEnded ended)
{
    return std::make_unique<QtRunningProgram>(program, arguments, workingDirectory, limit, std::move(ended));
}

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
