// Helpers shared by the tests: a fresh scratch directory per test and golden-file comparison.
#pragma once

#include <string>
#include <vector>

// An empty directory for this test (created anew; under the build tree).
std::string ScratchDir(const std::string& name);

// "" when `actual` equals the committed file tests/golden/<relative>; otherwise it is left beside
// that as <relative>.actual and the message says where. WENT_UPDATE_GOLDEN=1 rewrites the file.
std::string CompareWithGolden(const std::string& relative, const std::string& actual);

// The whole file, or "" when missing.
std::string ReadFileForTest(const std::string& path);

// Relative names (with / between folders) of every file below `dir`, sorted.
std::vector<std::string> FileNamesBelow(const std::string& dir);

// The items with `separator` between them.
std::string Joined(const std::vector<std::string>& items, const std::string& separator = "; ");

// How many times `part` stands in `text` (overlapping occurrences counted).
int CountOf(const std::string& text, const std::string& part);

// "" when both directories hold the same files with the same bytes; otherwise the names of the
// files that differ, or both lists of names where these differ.
std::string DifferentFiles(const std::string& dir, const std::string& other);

// The lines of `base` that `text` replaces, after "was:", and the lines that replace them, after
// "now:"; found by setting aside the whole lines both share at their start and at their end.
std::string ChangedLines(const std::string& base, const std::string& text);
