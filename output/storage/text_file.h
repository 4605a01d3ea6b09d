// Whole-file writing and reading. A file is written beside its final name and renamed into
// place, so a failed write never leaves a truncated file behind.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Joins a directory and a relative name with the platform's separator ("" dir: name alone).
std::string JoinPath(const std::string& dir, const std::string& name);

// Makes the folder `path` with any missing parents; true when it is a folder afterwards, also when
// it stood there already or another program made it meanwhile.
bool MakeFolder(const std::string& path);

// How careful a write is with what already stands under the name.
enum class WriteMode {
    Replace,    // a link under the name is replaced by the new file; no flush to disk
    UserInput,  // the user's own inputs: a link is written through to its target, and the
                // data reach the disk before the rename
};

// Writes `bytes` exactly (no line-end translation) through a fresh temporary file in the same
// folder, created exclusively (an existing file or link under a temporary name is never
// touched), then renamed over `path`. An existing file keeps its permission bits. False when
// the file cannot be written; the old file is then unchanged.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, WriteMode mode = WriteMode::Replace);

// What reading a file found.
enum class FileReadState {
    Read,
    Missing,     // nothing under the name
    NotRegular,  // a folder, a device or a pipe: never read, never waited for
    Failed,      // it could not be opened or read
    TooLarge,    // longer than the limit
};

struct FileRead {
    FileReadState State = FileReadState::Failed;
    std::string Bytes;  // the bytes read; with `head`, at most the first `limit`
};

// Reads the regular file at `path`, at most `limit` bytes. A longer file is TooLarge, or, with
// `head`, Read holding its first `limit` bytes.
FileRead ReadRegularFile(const std::string& path, size_t limit, bool head = false);

// Reads an open descriptor (standard input) to its end in the same way; it is not closed.
FileRead ReadDescriptor(int fd, size_t limit, bool head = false);

// Files of the program are far smaller; a larger one is not read.
constexpr size_t kReadWholeFileLimit = size_t{64} << 20;  // bytes

// The whole file, or nullopt when it cannot be opened, is not a regular file (a folder, a device
// or a pipe is never read) or is longer than `limit` bytes.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit = kReadWholeFileLimit);
