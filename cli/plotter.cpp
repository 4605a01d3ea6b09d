// Runs the plotting program in the working directory and waits for it: posix_spawn with a
// change-of-directory action on POSIX systems (the program looked up on PATH here, so that a
// failure names its real cause), _spawnlp on Windows.
#include "cli/plotter.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <direct.h>
#include <process.h>
#include <stdlib.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "output/quoted_input.h"
extern char** environ;
#endif

#ifdef _WIN32

PlotterRun RunPlotter(const std::string& program, const std::string& dir, const std::string& script,
                      std::chrono::milliseconds)
{
    PlotterRun run;
    // _spawnlp has no working-directory argument: change into the directory for the call only.
    char previous[_MAX_PATH];
    if (!_getcwd(previous, sizeof previous) || _chdir(dir.c_str()) != 0) {
        run.Error = std::strerror(errno);
        return run;
    }
    const intptr_t status = _spawnlp(_P_WAIT, program.c_str(), program.c_str(), script.c_str(), nullptr);
    const int spawnError = errno;
    _chdir(previous);
    if (status == -1) {
        run.Status = spawnError == ENOENT ? PlotterStatus::NotFound : PlotterStatus::Failed;
        run.Error = std::strerror(spawnError);
        return run;
    }
    run.Status = PlotterStatus::Finished;
    run.ExitCode = static_cast<int>(status);
    return run;
}

void KillRunningPlotter() {}

#else

namespace {

constexpr std::chrono::milliseconds kPollInterval{20};
constexpr std::chrono::milliseconds kGraceAfterTerm{1000};

// The plotter running now (its process group), for a signal that ends this program.
std::atomic<pid_t> gRunning{0};

// Signals this program ignores or catches, back to their default action in the plotter.
constexpr int kDefaultInPlotter[] = {SIGXFSZ, SIGPIPE, SIGINT, SIGTERM, SIGHUP};

// Waits for `pid` until `deadline`; true with its status when it ended.
bool WaitUntil(pid_t pid, std::chrono::steady_clock::time_point deadline, int& status)
{
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return true;
        if (done == -1 && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

// The program to start: `program` itself when it names a path, otherwise the first executable
// regular file of that name in a PATH folder, as the shell finds it. "" with the run's status
// and cause when there is none.
std::string FindProgram(const std::string& program, PlotterRun& run)
{
    if (program.find('/') != std::string::npos)
        return program;
    const char* searchPath = std::getenv("PATH");
    std::string folders = searchPath ? searchPath : "/usr/local/bin:/usr/bin:/bin";
    std::string unusable;  // the first file of that name that cannot be started
    for (size_t start = 0; start <= folders.size();) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0) {
            std::error_code error;  // the program starts in another folder: a relative name would not do
            if (S_ISREG(info.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
                return std::filesystem::absolute(candidate, error).string();
            if (unusable.empty())
                unusable = S_ISDIR(info.st_mode) ? "„" + EscapedText(candidate) + "” jest katalogiem, nie programem"
                                                 : "„" + EscapedText(candidate) + "” nie jest plikiem wykonywalnym";
        }
        start = end + 1;
    }
    run.Status = unusable.empty() ? PlotterStatus::NotFound : PlotterStatus::Failed;
    run.Error = unusable.empty() ? std::strerror(ENOENT) : unusable;
    return "";
}

// The name of a signal ("SIGKILL"), or its number.
std::string SignalName(int signal)
{
    if (const char* name = sigabbrev_np(signal))
        return std::to_string(signal) + " (SIG" + name + ")";
    return std::to_string(signal);
}

}  // namespace

void KillRunningPlotter()
{
    const pid_t pid = gRunning.load();
    if (pid > 0)
        kill(-pid, SIGKILL);
}

PlotterRun RunPlotter(const std::string& program, const std::string& dir, const std::string& script,
                      std::chrono::milliseconds limit)
{
    PlotterRun run;
    const std::string path = FindProgram(program, run);
    if (path.empty())
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    // A process group of its own, so that a hung program is ended with all it started.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int signal : kDefaultInPlotter)
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);

    std::string programArg = program;
    std::string scriptArg = script;
    char* argv[] = {programArg.data(), scriptArg.data(), nullptr};
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, path.c_str(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawnError != 0) {
        std::error_code error;
        run.Status = PlotterStatus::Failed;
        run.Error = std::filesystem::is_directory(dir, error)
                        ? std::string(std::strerror(spawnError))
                        : "katalog roboczy „" + EscapedText(dir) + "” już nie istnieje";
        return run;
    }
    gRunning.store(pid);

    int status = 0;
    if (!WaitUntil(pid, std::chrono::steady_clock::now() + limit, status)) {
        kill(-pid, SIGTERM);
        if (!WaitUntil(pid, std::chrono::steady_clock::now() + kGraceAfterTerm, status)) {
            kill(-pid, SIGKILL);
            while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
            }
        }
        gRunning.store(0);
        run.Status = PlotterStatus::TimedOut;
        return run;
    }
    gRunning.store(0);
    if (WIFEXITED(status)) {
        run.Status = PlotterStatus::Finished;
        run.ExitCode = WEXITSTATUS(status);
    } else {
        run.Status = PlotterStatus::Killed;
        run.Error = SignalName(WTERMSIG(status));
    }
    return run;
}

#endif
