// Starting the programs that lie outside went_char: gnuplot on a script and the user's browser on
// an HTML file. Both start without waiting; the window never keeps a handle to them. Tests put
// fakes in their place to see what would have been started.
#pragma once

#include <string>
#include <vector>

class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual void StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& workingDirectory) = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Opens a local file in the desktop's default application for it (the browser for HTML).
    virtual void OpenFile(const std::string& path) = 0;
};

// QProcess::startDetached with standard input from the null device, so that a script's
// "pause -1" ends at once instead of waiting on the terminal the program was started from.
class QtProcessLauncher : public ProcessLauncher {
public:
    void StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDirectory) override;
};

// QDesktopServices::openUrl on the file's URL.
class DesktopUrlOpener : public UrlOpener {
public:
    void OpenFile(const std::string& path) override;
};

// The plotting program, found on the search path.
extern const char kPlotterProgram[];
