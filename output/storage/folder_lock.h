// One writer per working folder at a time: every command that writes into the folder holds an
// exclusive lock on a lock file there, so that two programs (windows or batch runs) working in
// one folder never mix their files.
#pragma once

#include <chrono>
#include <string>

// The lock file in every working folder.
extern const char kFolderLockName[];

// How long a command waits for another program's command to end before it gives up.
constexpr std::chrono::milliseconds kFolderLockWait{5000};

// Takes the folder's lock for the object's lifetime. Within one program the lock is shared:
// a command run inside another one (or a whole batch run holding it) takes it again at once.
class FolderLock {
public:
    explicit FolderLock(const std::string& dir, std::chrono::milliseconds wait = kFolderLockWait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another program held the lock for the whole wait, or at once when something
    // stands under the lock file's name that cannot even be opened for reading. A folder where
    // no lock file exists and none can be made (missing or read-only) is not locked, and the
    // command goes on: what it cannot write there it reports itself.
    bool Held() const { return held_; }

    // The refusal when the lock was not held, naming the folder and why.
    std::string BusyMessage() const;

private:
    std::string dir_;
    std::string key_;  // the folder's canonical name while this object counts on the lock
    bool held_ = false;
    bool unlockable_ = false;  // refused at once: the lock file cannot be opened
};
