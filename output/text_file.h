// Whole-file writing and reading. A file is written beside its final name and renamed into
// place, so a failed write never leaves a truncated file behind.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Joins a directory and a relative name with the platform's separator ("" dir: name alone).
std::string JoinPath(const std::string& dir, const std::string& name);

// Writes `bytes` exactly (no line-end translation). False when the file cannot be written.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The whole file, or nullopt when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);
