// Code page 1250 conversion of the program's texts.
#include "output/cp1250.h"

#include <gtest/gtest.h>

#include <set>

TEST(cp1250, polish_letters_both_ways)
{
    const std::string utf8 = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    const std::string bytes = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    EXPECT_EQ(Utf8ToCp1250(utf8), bytes);
    EXPECT_EQ(Cp1250ToUtf8(bytes), utf8);
    EXPECT_EQ(Utf8ToCp1250("pause -1 'Koniec wyświetlania wykresów' \n"),
              "pause -1 'Koniec wy\x9cwietlania wykres\xf3w' \n");
}

TEST(cp1250, every_defined_byte_survives_a_round_trip)
{
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
    struct Row {
        const char* Name;
        std::string Utf8;
        std::string Expected;
    };
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
