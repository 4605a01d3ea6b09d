// The dialog value files: one small text file per input dialog, one value per line, read when the
// dialog is created and rewritten on every OK.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ValueFileLayout {
    const char* FileName;    // "dialog.sav", ...
    std::vector<int> Widths; // longest line each edit box can read back, without the line end
};

// Reads the file line by line: a line ends at "\n" (a "\r" before it is dropped), is cut at its
// width and at a NUL byte. Element i is the text for the i-th edit box, or nullopt when the file
// is missing or ended before that line (the box keeps its initial text). A last line without a
// line end still counts when it holds any character.
std::vector<std::optional<std::string>> LoadValueFile(const std::string& path, const std::vector<int>& widths);

// Writes the lines, each followed by "\n", replacing the file atomically.
bool SaveValueFile(const std::string& path, const std::vector<std::string>& lines);
