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

// Characters that change what a terminal or a text field shows around them, as UTF-8: the C1
// controls are matched by their lead byte alone.
// clang-format off
constexpr std::string_view kInvisibleControls[] = {
    "\xD8\x9C",                                                    // U+061C arabic letter mark
    "\xE2\x80\x8E", "\xE2\x80\x8F",                                // U+200E, U+200F direction marks
    "\xE2\x80\xA8", "\xE2\x80\xA9",                                // U+2028, U+2029 line and paragraph separators
    "\xE2\x80\xAA", "\xE2\x80\xAB", "\xE2\x80\xAC", "\xE2\x80\xAD", "\xE2\x80\xAE",  // U+202A..U+202E embeddings, overrides
    "\xE2\x81\xA6", "\xE2\x81\xA7", "\xE2\x81\xA8", "\xE2\x81\xA9",            // U+2066..U+2069 isolates
};
// clang-format on

bool IsInvisibleControl(std::string_view character)
{
    if (character.size() == 2 && static_cast<unsigned char>(character[0]) == 0xC2 &&
        static_cast<unsigned char>(character[1]) < 0xA0)
        return true;  // U+0080..U+009F
    for (const std::string_view control : kInvisibleControls)
        if (character == control)
            return true;
    return false;
}

void AddEscapes(std::vector<std::string>& pieces, std::string_view bytes)
{
    for (const char c : bytes) {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
        pieces.emplace_back(escape);
    }
}

// One piece per character kept and per escaped byte.
std::vector<std::string> Pieces(std::string_view text)
{
    std::vector<std::string> pieces;
    for (size_t pos = 0; pos < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        const size_t length = byte >= 0x80 ? Utf8Length(text, pos) : 0;
        if (byte >= 0x20 && byte < 0x7F) {
            pieces.emplace_back(1, text[pos]);
            ++pos;
        } else if (length && !IsInvisibleControl(text.substr(pos, length))) {
            pieces.emplace_back(text.substr(pos, length));
            pos += length;
        } else {
            const size_t escaped = length ? length : 1;
            AddEscapes(pieces, text.substr(pos, escaped));
            pos += escaped;
        }
    }
    return pieces;
}

}  // namespace

std::string EscapedText(std::string_view text)
{
    std::string escaped;
    for (const std::string& piece : Pieces(text))
        escaped += piece;
    return escaped;
}

std::string QuotedInput(std::string_view text)
{
    const std::vector<std::string> pieces = Pieces(text);
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
