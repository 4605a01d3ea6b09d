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
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

#ifdef _WIN32

PlotterRun RunPlotter(const std::string& program, const std::string& dir, const std::string& script)
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

PlotterRun RunPlotter(const std::string& program, const std::string& dir, const std::string& script)
{
    PlotterRun run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);

    std::string programArg = program;
    std::string scriptArg = script;
    char* argv[] = {programArg.data(), scriptArg.data(), nullptr};
    pid_t pid = 0;
    const int spawnError = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) {
        run.Status = spawnError == ENOENT ? PlotterStatus::NotFound : PlotterStatus::Failed;
        run.Error = std::strerror(spawnError);
        return run;
    }

    int status = 0;
    while (waitpid(pid, &status, 0) == -1) {
        if (errno != EINTR) {
            run.Error = std::strerror(errno);
            return run;
        }
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
