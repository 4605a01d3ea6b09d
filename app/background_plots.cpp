// Each plot holds its picture's guard and its running plotter; the plot ends when the plotter
// does, and only then is the picture judged.
#include "app/background_plots.h"

#include <QApplication>
#include <QCursor>
#include <algorithm>

#include "app/process_launcher.h"
#include "output/storage/file_problems.h"
#include "output/storage/picture_guard.h"

struct BackgroundPlots::Plot {
    std::string Picture;
    std::unique_ptr<PictureGuard> Guard;
    std::unique_ptr<RunningProgram> Program;
    bool Stopped = false;  // replaced by a newer plot of the same picture: nothing to report
};

BackgroundPlots::BackgroundPlots(ProcessLauncher& launcher) : launcher_(launcher) {}

BackgroundPlots::~BackgroundPlots()
{
    // Plots still running are ended; their guards put the previous pictures back.
    for (const std::unique_ptr<Plot>& plot : plots_)
        plot->Stopped = true;
    while (!plots_.empty()) {
        const Plot* first = plots_.front().get();
        first->Program->Stop();
        if (!plots_.empty() && plots_.front().get() == first)
            plots_.erase(plots_.begin());  // a stop that announced nothing
    }
}

void BackgroundPlots::Start(const std::string& script, const std::string& picture, const std::string& dir)
{
    for (const std::unique_ptr<Plot>& plot : plots_) {
        if (plot->Picture == picture) {
            plot->Stopped = true;
            plot->Program->Stop();
            break;
        }
    }
    Bury();
    auto plot = std::make_unique<Plot>();
    plot->Picture = picture;
    plot->Guard = std::make_unique<PictureGuard>(picture);
    Plot& started = *plot;
    plots_.push_back(std::move(plot));
    started.Program = launcher_.Start(kPlotterProgram, {script}, dir, kPlotterWait, [this, &started](const ProcessRun& run) {
        Ended(started, run.Started);
    });
}

bool BackgroundPlots::Drawing(const std::string& picture) const
{
    return std::any_of(plots_.begin(), plots_.end(),
                       [&picture](const std::unique_ptr<Plot>& plot) { return plot->Picture == picture; });
}

void BackgroundPlots::WaitFor(const std::string& picture)
{
    if (!Drawing(picture))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (auto plot = plots_.begin(); plot != plots_.end(); ++plot) {
        if ((*plot)->Picture == picture) {
            (*plot)->Program->Wait();
            break;
        }
    }
    QApplication::restoreOverrideCursor();
    Bury();
}

void BackgroundPlots::WaitForAll()
{
    while (!plots_.empty())
        WaitFor(plots_.front()->Picture);
}

void BackgroundPlots::Ended(Plot& plot, bool started)
{
    std::string message;
    if (!started && !plot.Stopped && !plotterMissingReported_) {
        plotterMissingReported_ = true;  // once per program run, not once per picture
        message = kNoPlotterMessage;
    } else if (started && !plot.Stopped && !plot.Guard->Settle()) {
        FileProblems problems;
        problems.Add(plot.Picture);
        message = problems.Message();
    }
    // An unsettled guard puts the previous picture back as it goes.
    plot.Guard.reset();
    const auto at = std::find_if(plots_.begin(), plots_.end(),
                                 [&plot](const std::unique_ptr<Plot>& p) { return p.get() == &plot; });
    ended_.push_back(std::move(plot.Program));
    plots_.erase(at);
    if (!message.empty() && report_) {
        ++reporting_;  // the message box runs the event loop: a chart command may come meanwhile
        report_(message);
        --reporting_;
    }
}

void BackgroundPlots::Bury()
{
    // A program is never deleted while its own end is still being announced.
    if (reporting_ == 0)
        ended_.clear();
}
