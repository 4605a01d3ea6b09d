// Conversion of the program's UTF-8 texts to code page 1250, the encoding of the HTML reports
// and the display scripts.
#pragma once

#include <string>
#include <string_view>

// Characters without a code page 1250 form become '?'.
std::string Utf8ToCp1250(std::string_view utf8);
std::string Cp1250ToUtf8(std::string_view cp1250);
