// Widths and padding of UTF-8 texts for the aligned text tables: a column is as wide as its
// widest text in characters, not bytes.
#pragma once

#include <cstddef>
#include <string>

// Characters of a UTF-8 text (continuation bytes are not counted).
size_t Width(const std::string& text);

// The text with blanks before (PadLeft) or after it (PadRight) up to `width` characters; a wider
// text as it is.
std::string PadLeft(const std::string& text, size_t width);
std::string PadRight(const std::string& text, size_t width);
