// Texts from outside (typed, read from a file, given on the command line) made safe to quote in a
// message: nothing in them can break the message's lines or its encoding, and a long text cannot
// flood it.
#pragma once

#include <string>
#include <string_view>

// The longest quotation, in characters.
constexpr size_t kMaxQuotedCharacters = 80;

// `text` with control bytes (C0, DEL, the C1 controls, the marks and overrides that turn the
// writing direction, the line and paragraph separators) and bytes that are not part of a UTF-8
// character written as \xNN, one escape per byte; nothing is cut. For paths, which must stay whole.
std::string EscapedText(std::string_view text);

// EscapedText cut to at most kMaxQuotedCharacters characters; a cut text ends in "…".
std::string QuotedInput(std::string_view text);
