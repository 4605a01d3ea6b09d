# Turns a binary file into a C++ source defining LogoJpeg()'s bytes.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(([^,]*,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n#include <string_view>\nnamespace { const char kLogo[${size}] = {\n${bytes}\n}; }\nstd::string_view LogoJpeg() { return std::string_view(kLogo, sizeof kLogo); }\n")
