// Widths and padding of UTF-8 texts for the aligned text tables.
#include "output/text_columns.h"

#include <algorithm>

size_t Width(const std::string& text)
{
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string PadLeft(const std::string& text, size_t width)
{
    const size_t w = Width(text);
    return w >= width ? text : std::string(width - w, ' ') + text;
}

std::string PadRight(const std::string& text, size_t width)
{
    const size_t w = Width(text);
    return w >= width ? text : text + std::string(width - w, ' ');
}
