// What a command leaves in the working folder only while it works: temporaries being written, a
// picture moved aside, the lock file. A signal that ends the program has them removed (or the
// picture put back) by CleanUpPendingFiles; a program killed outright leaves them, and the next
// command that takes the folder's lock clears them with RecoverLeftovers. Each is held with an
// flock on its own descriptor while its owner lives, so that nothing still in use is touched.
#pragma once

#include <string>

// Registers `path` for the signal clean-up: removed, or renamed back to `restoreTo` when that is
// given. Unregistered when the object goes; Release() unregisters earlier. A path that does not
// fit a slot, or one more than the slots hold, is simply not registered.
class PendingFile {
public:
    explicit PendingFile(const std::string& path, const std::string& restoreTo = "");
    ~PendingFile() { Release(); }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    void Release();

private:
    int slot_ = -1;
};

// Removes or puts back every registered file. Only async-signal-safe calls: for signal handlers.
void CleanUpPendingFiles();

// Opens `path` (never through a link) and takes an exclusive flock on it without waiting: the
// mark of a live owner. The descriptor, or -1 when it cannot be opened or another holds it.
int HoldFile(const std::string& path);
void LetGo(int fd);

// In `folder` and its "wykresy": puts back every picture left aside ("<name>.gif.old~") over a
// picture that is missing or not whole, or drops it beside a whole one, and removes the
// temporaries of the atomic writes ("<name>.<16 hex digits>.tmp~"); only what no live owner holds.
void RecoverLeftovers(const std::string& folder);
