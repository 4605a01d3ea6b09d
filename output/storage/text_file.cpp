// Whole-file writing through a temporary file renamed into place, and whole-file reading.
// Files are opened in binary mode: the bytes handed in are the bytes on disk ("\n" line ends).
#include "output/storage/text_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "output/storage/leftovers.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryAttempts = 100;

#ifdef _WIN32
int OpenExclusive(const std::string& name) { return _open(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE); }
bool WriteAll(int fd, std::string_view bytes) { return _write(fd, bytes.data(), static_cast<unsigned>(bytes.size())) == static_cast<int>(bytes.size()); }
bool Flush(int fd) { return _commit(fd) == 0; }
bool CloseFile(int fd) { return _close(fd) == 0; }
void KeepMode(int, const std::string&) {}
int DuplicateFile(int) { return -1; }
void FlushFolder(const std::string&) {}
#else
int OpenExclusive(const std::string& name)
{
    // O_EXCL fails on any existing name, a dangling link included; O_NOFOLLOW says so twice.
    return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    return true;
}

bool Flush(int fd) { return ::fsync(fd) == 0; }
int DuplicateFile(int fd) { return ::fcntl(fd, F_DUPFD_CLOEXEC, 0); }
bool CloseFile(int fd) { return ::close(fd) == 0; }

// The new file takes the permission bits of the file it replaces; a new name gets the
// default bits the process's file-creation mask leaves.
void KeepMode(int fd, const std::string& path)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
}

// The rename itself reaches the disk only with its folder.
void FlushFolder(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
#endif

// Where the bytes finally go: `path` itself, or for user input behind a link the file the link
// leads to (so the link stays and its target receives the new content). A link is followed only
// when it and its folder belong to this user: in a folder another user controls, a link planted
// under a value file's name would make the program overwrite any file the user may write.
// nullopt for such a link: the file is then not written.
std::optional<std::string> FinalPath(const std::string& path, WriteMode mode)
{
    std::error_code error;
    if (mode != WriteMode::UserInput || !fs::is_symlink(path, error))
        return path;
#ifndef _WIN32
    struct stat link {};
    struct stat folder {};
    const std::string parent = fs::path(path).parent_path().string();
    if (::lstat(path.c_str(), &link) != 0 || ::stat(parent.empty() ? "." : parent.c_str(), &folder) != 0 ||
        link.st_uid != ::geteuid() || folder.st_uid != ::geteuid())
        return std::nullopt;
#endif
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target.string();
}

// A fresh temporary beside `path`, in the target's own folder so that the final rename never
// crosses file systems and replaces the old file in one step. -1 when none can be made.
int CreateTemporary(const std::string& path, std::string& name)
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
        name = path + "." + suffix + ".tmp~";
        const int fd = OpenExclusive(name);
        if (fd >= 0 || errno != EEXIST) {
#ifndef _WIN32
            if (fd >= 0)
                ::flock(fd, LOCK_EX | LOCK_NB);  // a fresh file: held at once, the mark of a live writer
#endif
            return fd;
        }
    }
    return -1;
}

}  // namespace

std::string JoinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty())
        return name;
    if (dir.back() == '/')
        return dir + name;
    return dir + "/" + name;
}

bool MakeFolder(const std::string& path)
{
    std::error_code error;
    fs::create_directories(path, error);  // false, without an error, when it makes nothing
    return fs::is_directory(path, error);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, WriteMode mode)
{
    const std::optional<std::string> final = FinalPath(path, mode);
    if (!final)
        return false;
    const std::string& target = *final;
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return false;
    // A signal removes the temporary; a kill leaves it to the next command in the folder, which
    // removes it once no writer holds it. A second descriptor keeps it held until it is renamed.
    PendingFile pending(temporary);
    const int hold = DuplicateFile(fd);
    KeepMode(fd, target);
    bool written = WriteAll(fd, bytes);
    if (mode == WriteMode::UserInput)
        written = Flush(fd) && written;
    written = CloseFile(fd) && written;
    std::error_code error;
    if (written) {
        fs::rename(temporary, target, error);
        if (!error) {
            pending.Release();
            LetGo(hold);
            if (mode == WriteMode::UserInput)
                FlushFolder(fs::path(target).parent_path().string());
            return true;
        }
    }
    fs::remove(temporary, error);
    pending.Release();
    LetGo(hold);
    return false;
}

FileRead ReadDescriptor(int fd, size_t limit, bool head)
{
    FileRead result;
    // One byte past the limit tells a file of exactly `limit` bytes from a longer one.
    const size_t wanted = head ? limit : limit + 1;
    std::string bytes(wanted, '\0');
    size_t size = 0;
    while (size < wanted) {
#ifdef _WIN32
        const int got = _read(fd, bytes.data() + size, static_cast<unsigned>(wanted - size));
#else
        const ssize_t got = ::read(fd, bytes.data() + size, wanted - size);
        if (got < 0 && errno == EINTR)
            continue;
#endif
        if (got < 0)
            return result;
        if (got == 0)
            break;
        size += static_cast<size_t>(got);
    }
    bytes.resize(size);
    result.State = size > limit ? FileReadState::TooLarge : FileReadState::Read;
    if (result.State == FileReadState::Read)
        result.Bytes = std::move(bytes);
    return result;
}

FileRead ReadRegularFile(const std::string& path, size_t limit, bool head)
{
    FileRead result;
#ifdef _WIN32
    std::error_code error;
    if (!fs::exists(path, error)) {
        result.State = FileReadState::Missing;
        return result;
    }
    if (!fs::is_regular_file(path, error)) {
        result.State = FileReadState::NotRegular;
        return result;
    }
    const int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
    if (fd < 0)
        return result;
#else
    // Opened without waiting (a pipe with no writer would block) and read only when it is a
    // regular file: a device such as /dev/zero never ends.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.State = errno == ENOENT ? FileReadState::Missing : FileReadState::Failed;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.State = FileReadState::NotRegular;
        return result;
    }
#endif
    result = ReadDescriptor(fd, limit, head);
#ifdef _WIN32
    _close(fd);
#else
    ::close(fd);
#endif
    return result;
}

std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit)
{
    FileRead read = ReadRegularFile(path, limit);
    if (read.State != FileReadState::Read)
        return std::nullopt;
    return std::move(read.Bytes);
}
