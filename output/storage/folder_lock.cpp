// The folder lock: flock on DIR/.went_char.lock, polled until the wait runs out. The holder
// removes the lock file when it lets go, so nothing is left in the folder; a waiter that then
// holds the removed file sees that it is no longer the folder's lock file and starts again. A lock
// file this user cannot write (another user's, left by a killed run) or a folder under its name is
// locked through a read-only descriptor, which flock needs no more than, and left in place.
#include "output/storage/folder_lock.h"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "output/quoted_input.h"
#include "output/storage/leftovers.h"
#include "output/storage/text_file.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

const char kFolderLockName[] = ".went_char.lock";

namespace {

constexpr std::chrono::milliseconds kPollInterval{50};

// Locks this program holds: folder → (lock file descriptor, holders).
struct Holding {
    int Fd = -1;
    int Count = 0;
    std::string Path;  // the lock file, "" when it is not ours to remove
    std::unique_ptr<PendingFile> Pending;  // the lock file, removed should a signal end the program
};
std::mutex gHoldingsMutex;
std::map<std::string, Holding> gHoldings;

enum class Attempt {
    Locked,      // fd holds the lock; `own` when the lock file is ours to remove
    Busy,        // another program holds it
    NoLockFile,  // none exists and none can be made (a missing or read-only folder)
    Unlockable,  // something stands under the name that cannot even be read
};

#ifdef _WIN32
Attempt TryLock(const std::string&, int& fd, bool& own) { fd = -1; own = false; return Attempt::NoLockFile; }
void Unlock(int, const std::string&) {}
#else
// Whether the locked descriptor is still the file under the lock file's name.
bool StillTheLockFile(int fd, const std::string& lockPath)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(lockPath.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

Attempt TryLock(const std::string& lockPath, int& fd, bool& own)
{
    for (;;) {
        fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        own = fd >= 0;
        // A link planted under the lock's name is removed (its target stays as it is) and the
        // folder locked with a file of its own, rather than run without the lock.
        if (fd < 0 && errno == ELOOP && ::unlink(lockPath.c_str()) == 0)
            continue;
        if (fd < 0) {
            // Another user's lock file, or a folder under the name: read-only is enough for flock.
            fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            if (fd < 0)
                return errno == ENOENT ? Attempt::NoLockFile : Attempt::Unlockable;
        }
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR)
                continue;
            const bool busy = errno == EWOULDBLOCK;
            ::close(fd);
            fd = -1;
            return busy ? Attempt::Busy : Attempt::Unlockable;
        }
        if (StillTheLockFile(fd, lockPath))
            return Attempt::Locked;
        ::close(fd);  // its holder removed it meanwhile: lock the folder's new lock file
    }
}

void Unlock(int fd, const std::string& lockPath)
{
    if (fd < 0)
        return;
    if (!lockPath.empty())
        ::unlink(lockPath.c_str());  // still locked: nobody can take the removed file for the lock
    ::close(fd);                 // closing the only descriptor releases the lock
}
#endif

}  // namespace

FolderLock::FolderLock(const std::string& dir, std::chrono::milliseconds wait) : dir_(dir)
{
    std::error_code error;
    const std::string key = std::filesystem::canonical(dir.empty() ? "." : dir, error).string();
    if (error) {
        held_ = true;  // no folder, no lock file: nothing to serialise
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        {
            const std::lock_guard<std::mutex> guard(gHoldingsMutex);
            Holding& holding = gHoldings[key];
            if (holding.Count > 0) {
                ++holding.Count;
                key_ = key;
                held_ = true;
                return;
            }
            int fd = -1;
            bool own = false;
            const std::string lockPath = JoinPath(key, kFolderLockName);
            const Attempt attempt = TryLock(lockPath, fd, own);
            if (attempt == Attempt::Locked) {
                holding.Fd = fd;
                holding.Count = 1;
                holding.Path = own ? lockPath : "";
                if (own)
                    holding.Pending = std::make_unique<PendingFile>(lockPath);
                key_ = key;
                held_ = true;
                // Alone in the folder now: what a killed command left there is cleared first.
                RecoverLeftovers(key);
                return;
            }
            gHoldings.erase(key);
            if (attempt == Attempt::NoLockFile) {
                held_ = true;
                return;
            }
            if (attempt == Attempt::Unlockable) {
                unlockable_ = true;
                return;
            }
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(kPollInterval);
    }
}

FolderLock::~FolderLock()
{
    if (key_.empty())
        return;
    const std::lock_guard<std::mutex> guard(gHoldingsMutex);
    const auto found = gHoldings.find(key_);
    if (found == gHoldings.end() || --found->second.Count > 0)
        return;
    Unlock(found->second.Fd, found->second.Path);
    gHoldings.erase(found);
}

std::string FolderLock::BusyMessage() const
{
    if (unlockable_)
        return "Katalog roboczy „" + QuotedInput(dir_) + "” nie może być zablokowany dla innych programów went_char:\n"
               "nie można otworzyć pliku „" + std::string(kFolderLockName) + "” w nim.\n"
               "Proszę usunąć ten plik albo pracować w innym katalogu.";
    return "Katalog roboczy „" + QuotedInput(dir_) +
           "” jest zajęty: inny program went_char zapisuje w nim wyniki.\n"
           "Proszę poczekać, aż skończy, i powtórzyć polecenie.";
}
