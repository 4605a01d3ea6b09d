// Escaping and cutting of quoted input: the input is split into pieces, each one whole UTF-8
// character or one escape of four characters, and a cut falls between pieces.
#include "output/quoted_input.h"

#include <cstdio>
#include <vector>

namespace {

// Length of the UTF-8 character starting at `pos`, or 0 when the bytes there are not one.
size_t Utf8Length(std::string_view text, size_t pos)
{
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (pos + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

}  // namespace

std::string QuotedInput(std::string_view text)
{
    std::vector<std::string> pieces;
    for (size_t pos = 0; pos < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        if (byte >= 0x20 && byte < 0x7F) {
            pieces.emplace_back(1, text[pos]);
            ++pos;
        } else if (const size_t length = byte >= 0x80 ? Utf8Length(text, pos) : 0) {
            pieces.emplace_back(text.substr(pos, length));
            pos += length;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            pieces.emplace_back(escape);
            ++pos;
        }
    }
    // An escape is as wide as its four characters; any other piece is one character.
    auto width = [](const std::string& piece) { return piece[0] == '\\' && piece.size() == 4 ? size_t{4} : size_t{1}; };
    size_t total = 0;
    for (const std::string& piece : pieces)
        total += width(piece);
    const size_t room = total > kMaxQuotedCharacters ? kMaxQuotedCharacters - 1 : total;  // 1 for "…"
    std::string quoted;
    size_t used = 0;
    for (const std::string& piece : pieces) {
        if (used + width(piece) > room)
            break;
        quoted += piece;
        used += width(piece);
    }
    if (total > kMaxQuotedCharacters)
        quoted += "…";
    return quoted;
}
