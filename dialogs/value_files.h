// The dialog value files: one small text file per input dialog, one value per line, read when the
// dialog is created and rewritten on every OK.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct ValueFileLayout {
    const char* FileName;    // "dialog.sav", ...
    std::vector<int> Widths; // longest line each edit box can read back, without the line end
};

// A value file is read no further than this: far beyond the lines of any dialog, and small
// enough that a huge or endless file costs nothing.
constexpr size_t kValueFileReadLimit = 4096;  // bytes

enum class ValueFileState {
    Read,        // a regular file, read (possibly empty)
    Missing,     // no such file: the boxes start empty, nothing to report
    Unreadable,  // there is something, but not a regular file that can be read
};

struct ValueFileContents {
    ValueFileState State = ValueFileState::Missing;
    // Element i is the text for the i-th edit box, or nullopt when the file is missing or
    // unreadable or ended before that line.
    std::vector<std::optional<std::string>> Lines;
};

// Reads the file line by line: a line ends at "\n" (a "\r" before it is dropped), is cut at its
// width and at a NUL byte. A last line without a line end still counts when it holds any
// character. Only the first kValueFileReadLimit bytes are read; a file ends there.
ValueFileContents LoadValueFile(const std::string& path, const std::vector<int>& widths);

// Writes the lines, each followed by "\n", replacing the file atomically.
bool SaveValueFile(const std::string& path, const std::vector<std::string>& lines);
