// The program's own Polish manual, an HTML file installed beside the program or in its share
// directory, opened in the default browser by "&Spis tresci".
#pragma once

#include <optional>
#include <string>

extern const char kManualName[];       // "went_char_pl.html"
extern const char kNoManualMessage[];  // shown when the manual cannot be found

// The manual's full path: beside the program first, then ../share/doc/went_char/ from it.
std::optional<std::string> FindManual(const std::string& programDir);
