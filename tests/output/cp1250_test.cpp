// Code page 1250 conversion of the program's texts.
#include "output/cp1250.h"

#include <gtest/gtest.h>

TEST(cp1250, polish_letters)
{
    struct Row {
        const char* Utf8;
        unsigned char Byte;
    };
    const Row rows[] = {
        {"ą", 0xB9}, {"ć", 0xE6}, {"ę", 0xEA}, {"ł", 0xB3}, {"ń", 0xF1}, {"ó", 0xF3}, {"ś", 0x9C},
        {"ź", 0x9F}, {"ż", 0xBF}, {"Ą", 0xA5}, {"Ć", 0xC6}, {"Ę", 0xCA}, {"Ł", 0xA3}, {"Ń", 0xD1},
        {"Ó", 0xD3}, {"Ś", 0x8C}, {"Ź", 0x8F}, {"Ż", 0xAF},
    };
    for (const Row& row : rows) {
        const std::string byte(1, static_cast<char>(row.Byte));
        EXPECT_EQ(Utf8ToCp1250(row.Utf8), byte) << row.Utf8;
        EXPECT_EQ(Cp1250ToUtf8(byte), row.Utf8) << row.Utf8;
    }
}

TEST(cp1250, line_of_a_display_script)
{
    EXPECT_EQ(Utf8ToCp1250("pause -1 'Koniec wyświetlania wykresów' \n"),
              "pause -1 'Koniec wy\x9cwietlania wykres\xf3w' \n");
}

TEST(cp1250, every_defined_byte_survives_a_round_trip)
{
    const unsigned char undefined[] = {0x81, 0x83, 0x88, 0x90, 0x98};
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text(1, static_cast<char>(byte));
        bool isUndefined = false;
        for (unsigned char u : undefined)
            isUndefined = isUndefined || u == byte;
        if (isUndefined) {
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
        {"ascii unchanged", "set grid\n", "set grid\n"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Utf8ToCp1250(row.Utf8), row.Expected) << row.Name;
}
