// Starting the programs that lie outside went_char: gnuplot on a script and the user's browser on
// an HTML file. Tests put fakes in their place to see what would have been started.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// How a program run to its end went.
struct ProcessRun {
    bool Started = false;   // false: the program was not found or could not be started
    bool Finished = false;  // it ended within the time allowed (otherwise it was ended)
    int ExitCode = 0;
    std::string Output;     // what it wrote to its standard output and error
};

// A program started to run on while the window goes on.
class RunningProgram {
public:
    virtual ~RunningProgram() = default;
    // Waits for its end, at most until its time is up (then it is ended); the end has been
    // announced when this returns.
    virtual void Wait() = 0;
    // Ends it at once; the end has been announced when this returns.
    virtual void Stop() = 0;
};

// Called once with how the run went, when the program has ended, was ended or did not start.
using ProgramEnded = std::function<void(const ProcessRun&)>;

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts without waiting and without keeping a handle. False when it could not be started.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& workingDirectory) = 0;
    // Runs and waits at most `limit`; a program still running then is ended.
    virtual ProcessRun RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                  const std::string& workingDirectory, std::chrono::milliseconds limit) = 0;
    // Starts without waiting; a program still running after `limit` is ended. `ended` runs from
    // the event loop, or from Wait() or Stop().
    virtual std::unique_ptr<RunningProgram> Start(const std::string& program, const std::vector<std::string>& arguments,
                                                  const std::string& workingDirectory, std::chrono::milliseconds limit,
                                                  ProgramEnded ended) = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Opens a local file in the desktop's default application for it (the browser for HTML).
    // False when no application could be started.
    virtual bool OpenFile(const std::string& path) = 0;
};

// QProcess with standard input from the null device, so that a script's "pause -1" ends at once
// instead of waiting on the terminal the program was started from.
class QtProcessLauncher : public ProcessLauncher {
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDirectory) override;
    ProcessRun RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingDirectory, std::chrono::milliseconds limit) override;
    std::unique_ptr<RunningProgram> Start(const std::string& program, const std::vector<std::string>& arguments,
                                          const std::string& workingDirectory, std::chrono::milliseconds limit,
                                          ProgramEnded ended) override;
};

// QDesktopServices::openUrl on the file's URL.
class DesktopUrlOpener : public UrlOpener {
public:
    bool OpenFile(const std::string& path) override;
};

// The plotting program, found on the search path.
extern const char kPlotterProgram[];

// How long the window waits for the plotting program to write a picture.
constexpr std::chrono::milliseconds kPlotterWait{30000};

// The message when the plotting program is not on the search path.
extern const char kNoPlotterMessage[];
