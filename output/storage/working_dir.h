// Preparation of the working directory: the "wykresy" subdirectory with the maker's logo that the
// HTML reports show.
#pragma once

#include <string>

#include "output/storage/file_problems.h"

// Creates DIR/wykresy and DIR/wykresy/koralinex.jpg when missing; existing files are kept.
void PrepareWorkingDirectory(const std::string& dir, FileProblems& problems);

// The logo's JPEG bytes, compiled into the program.
std::string_view LogoJpeg();
