// Pending files in fixed slots that a signal handler can read without allocating or locking, and
// the recovery of what a killed program left behind.
#include "output/storage/leftovers.h"

#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "output/storage/picture_guard.h"
#include "output/storage/text_file.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr size_t kSlotCount = 32;      // a few pending files per thread at most
constexpr size_t kSlotPathBytes = 4096;  // PATH_MAX on Linux

enum SlotState : int { kFree = 0, kFilling = 1, kPending = 2 };

struct Slot {
    std::atomic<int> State{kFree};
    char Path[kSlotPathBytes] = {};
    char RestoreTo[kSlotPathBytes] = {};
};
std::array<Slot, kSlotCount> gSlots;

bool CopyInto(char (&buffer)[kSlotPathBytes], const std::string& text)
{
    if (text.size() >= kSlotPathBytes)
        return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

constexpr std::string_view kAsideEnd = ".gif.old~";
constexpr std::string_view kTemporaryEnd = ".tmp~";
constexpr size_t kTemporaryDigits = 16;

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// "<name>.<16 hex digits>.tmp~", the names WriteFileAtomically gives its temporaries.
bool IsTemporaryName(std::string_view name)
{
    if (!EndsWith(name, kTemporaryEnd) || name.size() < kTemporaryEnd.size() + kTemporaryDigits + 2)
        return false;
    const std::string_view digits = name.substr(name.size() - kTemporaryEnd.size() - kTemporaryDigits, kTemporaryDigits);
    return name[name.size() - kTemporaryEnd.size() - kTemporaryDigits - 1] == '.' &&
           digits.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

#ifndef _WIN32
// Whether `fd` is still the file under `path`.
bool StillNamed(int fd, const std::string& path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}
#endif

void RecoverIn(const std::string& dir)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator entry(dir, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const bool aside = EndsWith(name, kAsideEnd);
        if (!aside && !IsTemporaryName(name))
            continue;
        const std::string path = entry->path().string();
        const int fd = HoldFile(path);
        if (fd < 0)
            continue;  // its owner still works with it, or it is not ours to open
#ifndef _WIN32
        if (StillNamed(fd, path)) {
            if (!aside) {
                ::unlink(path.c_str());
            } else {
                // The picture a killed plotter was writing is kept only when it came out whole.
                const std::string picture = path.substr(0, path.size() - std::string_view(".old~").size());
                const std::optional<std::string> bytes = ReadWholeFile(picture);
                if (bytes && IsWholeGif(*bytes))
                    ::unlink(path.c_str());
                else
                    ::rename(path.c_str(), picture.c_str());
            }
        }
#endif
        LetGo(fd);
    }
}

}  // namespace

PendingFile::PendingFile(const std::string& path, const std::string& restoreTo)
{
    for (size_t i = 0; i < kSlotCount; ++i) {
        int expected = kFree;
        if (!gSlots[i].State.compare_exchange_strong(expected, kFilling))
            continue;
        if (CopyInto(gSlots[i].Path, path) && CopyInto(gSlots[i].RestoreTo, restoreTo)) {
            gSlots[i].State.store(kPending);
            slot_ = static_cast<int>(i);
        } else {
            gSlots[i].State.store(kFree);
        }
        return;
    }
}

void PendingFile::Release()
{
    if (slot_ >= 0)
        gSlots[static_cast<size_t>(slot_)].State.store(kFree);
    slot_ = -1;
}

void CleanUpPendingFiles()
{
#ifndef _WIN32
    for (Slot& slot : gSlots) {
        if (slot.State.load() != kPending)
            continue;
        if (slot.RestoreTo[0])
            ::rename(slot.Path, slot.RestoreTo);
        else
            ::unlink(slot.Path);
    }
#endif
}

#ifdef _WIN32
int HoldFile(const std::string&) { return -1; }
void LetGo(int) {}
#else
int HoldFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        ::close(fd);
        return -1;
    }
    return fd;
}

void LetGo(int fd)
{
    if (fd >= 0)
        ::close(fd);
}
#endif

void RecoverLeftovers(const std::string& folder)
{
    RecoverIn(folder);
    RecoverIn(JoinPath(folder, "wykresy"));
}
