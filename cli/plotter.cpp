// Runs the plotting program in the working directory and waits for it: posix_spawnp with a
// change-of-directory action on POSIX systems, _spawnlp on Windows.
#include "cli/plotter.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#ifdef _WIN32
#include <direct.h>
#include <process.h>
#include <stdlib.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>
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

#else

namespace {

constexpr std::chrono::milliseconds kPollInterval{20};
constexpr std::chrono::milliseconds kGraceAfterTerm{1000};

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

}  // namespace

PlotterRun RunPlotter(const std::string& program, const std::string& dir, const std::string& script,
                      std::chrono::milliseconds limit)
{
    PlotterRun run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    // A process group of its own, so that a hung program is ended with all it started.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    std::string programArg = program;
    std::string scriptArg = script;
    char* argv[] = {programArg.data(), scriptArg.data(), nullptr};
    pid_t pid = 0;
    const int spawnError = posix_spawnp(&pid, program.c_str(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawnError != 0) {
        run.Status = spawnError == ENOENT ? PlotterStatus::NotFound : PlotterStatus::Failed;
        run.Error = std::strerror(spawnError);
        return run;
    }

    int status = 0;
    if (!WaitUntil(pid, std::chrono::steady_clock::now() + limit, status)) {
        kill(-pid, SIGTERM);
        if (!WaitUntil(pid, std::chrono::steady_clock::now() + kGraceAfterTerm, status)) {
            kill(-pid, SIGKILL);
            while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
            }
        }
        run.Status = PlotterStatus::TimedOut;
        return run;
    }
    if (WIFEXITED(status)) {
        run.Status = PlotterStatus::Finished;
        run.ExitCode = WEXITSTATUS(status);
    } else {
        run.Error = "zakończony sygnałem " + std::to_string(WTERMSIG(status));
    }
    return run;
}

#endif
