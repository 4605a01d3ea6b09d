// The pictures of the chart sets, drawn by the plotting program while the window goes on: the
// report is painted as soon as a calculation ends, and the chart sets are drawn side by side.
// A chart command on a picture still being drawn waits for it; a picture that did not come out
// whole is reported when its plot ends.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class PictureGuard;
class ProcessLauncher;
class RunningProgram;

class BackgroundPlots {
public:
    explicit BackgroundPlots(ProcessLauncher& launcher);
    ~BackgroundPlots();
    BackgroundPlots(const BackgroundPlots&) = delete;
    BackgroundPlots& operator=(const BackgroundPlots&) = delete;

    // Called with a message to show: the picture not made whole, or the plotter not found.
    void SetReporter(std::function<void(const std::string&)> report) { report_ = std::move(report); }

    // Starts the plotter on `script` in `dir`, which writes `picture` (a full path). The previous
    // picture stays until the new one is whole. A plot of the same picture still running is
    // stopped first: its picture would be replaced anyway.
    void Start(const std::string& script, const std::string& picture, const std::string& dir);
    // Waits, with a busy cursor, until the picture is drawn or its time is up; at once when it
    // is not being drawn.
    void WaitFor(const std::string& picture);
    void WaitForAll();
    bool Drawing(const std::string& picture) const;

private:
    struct Plot;
    void Ended(Plot& plot, bool started);
    void Bury();

    ProcessLauncher& launcher_;
    std::vector<std::unique_ptr<Plot>> plots_;
    std::vector<std::unique_ptr<RunningProgram>> ended_;  // deleted outside their own end signal
    std::function<void(const std::string&)> report_;
    bool plotterMissingReported_ = false;
    int reporting_ = 0;  // messages of ended plots being shown
};
