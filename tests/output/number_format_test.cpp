// Formatting into texts ("-" for values that are not finite), templates, and the code page 1250.
#include "output/number_format.h"

#include <gtest/gtest.h>

#include <set>

#include "output/cp1250.h"

TEST(number_format, printf_and_templates)
{
    const std::string longText(5000, 'z');
    EXPECT_EQ(Printf("<%s>", longText.c_str()), "<" + longText + ">");
    const double zero = 0.0;
    const char* const nothing = nullptr;
    EXPECT_EQ(FormatTemplate("width=\"40%%\" %d%%", {int32_t{7}}), "width=\"40%\" 7%");
    EXPECT_EQ(FormatTemplate("%1.1f[m3/h] %1.1f[m3/h]", {1.0 / zero, 0.0 / zero}), "-[m3/h] -[m3/h]");
    EXPECT_EQ(FormatTemplate("[%s][%s][%s]", {"a<b&c", nothing, std::string("50%")}), "[a<b&c][][50%]");
}

TEST(cp1250, polish_letters_and_every_defined_byte_both_ways)
{
    const std::string utf8 = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    const std::string bytes = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    EXPECT_EQ(Utf8ToCp1250(utf8), bytes);
    EXPECT_EQ(Cp1250ToUtf8(bytes), utf8);
    const std::set<int> undefined = {0x81, 0x83, 0x88, 0x90, 0x98};
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text(1, static_cast<char>(byte));
        if (undefined.count(byte)) {
            EXPECT_EQ(Cp1250ToUtf8(text), "?") << "byte " << byte;
        } else {
            EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(text)), text) << "byte " << byte;
        }
    }
}

TEST(cp1250, characters_outside_the_code_page_become_question_marks)
{
    struct Row { const char* Name; std::string Utf8, Expected; };
    const Row rows[] = {
        {"cyrillic", "ж", "?"},
        {"euro sign is in the code page", "€", "\x80"},
        {"emoji (four bytes)", "a\xF0\x9F\x98\x80" "b", "a?b"},
        {"stray continuation byte", "a\x80" "b", "a?b"},
        {"truncated sequence at the end", "a\xC5", "a?"},
        {"overlong form of a slash", "\xC0\xAF", "??"},
        {"encoded surrogate", "\xED\xA0\x80", "???"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Utf8ToCp1250(row.Utf8), row.Expected) << row.Name;
}
