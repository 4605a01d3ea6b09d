// Starting the plotting program on a script in the working directory and waiting for it, for the
// batch front end (the pictures must exist when a command ends). Never through a shell.
#pragma once

#include <chrono>
#include <string>

enum class PlotterStatus {
    Finished,  // the program ran; ExitCode holds its exit status
    NotFound,  // no such program on the search path
    Failed,    // it could not be started; Error says why
    Killed,    // it was ended by a signal; Error names the signal
    TimedOut,  // it did not end within the time allowed and was ended
};

struct PlotterRun {
    PlotterStatus Status = PlotterStatus::Failed;
    int ExitCode = 0;
    std::string Error;
};

// Runs `program` (looked up on PATH unless it holds a '/') with the single argument `script`,
// in directory `dir`, and waits for it at most `limit`; a program still running then is ended
// (with everything it started). Its standard input is the null device, so that nothing waits on
// the terminal; its standard output goes to standard error, so that the batch front end's
// standard output carries the reports only.
// The program starts with the default action of the signals this program ignores or catches.
PlotterRun RunPlotter(const std::string& program, const std::string& dir, const std::string& script,
                      std::chrono::milliseconds limit);

// Kills the plotter running now, with all it started. Async-signal-safe: for signal handlers.
void KillRunningPlotter();
