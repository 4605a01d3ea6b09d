// The batch input parser: what a line gives, what is skipped, and every error with its line.
#include "cli/batch_input.h"

#include <gtest/gtest.h>

TEST(batch_input, one_line_gives_its_value_or_an_error_naming_the_line)
{
    // Rows with `ok` give one value; the others give an error naming the line.
    struct Row { const char* name; const char* text; bool ok; const char* expected; };
    const Row rows[] = {
        {"comments_and_blank_lines_skipped", "# a comment\n\n   \t\n  # indented = not a key\nfan=19", true, "19"},
        {"tabs_around_key_and_value", "\tstoreys\t=\t10  \r\n", true, "10"},
        {"second_equals_kept", "grille = a = b\n", true, "a = b"},
        {"empty_value", "density =\n", true, ""},
        {"inner_blanks_kept", "grille =  LUMA  125 \n", true, "LUMA  125"},
        {"hash_inside_value", "grille = #1\n", true, "#1"},
        {"byte_order_mark_skipped", "\xEF\xBB\xBF" "fan = 3\n", true, "3"},
        {"no_equals", "fan = 3\n\ndensity 1.2\n", false, "wiersz 3: brak znaku „=” w „density 1.2”"},
        {"unknown_key", "# x\nfan = 3\ndensty = 1.2\n", false, "wiersz 3: nieznany klucz „densty”"},
        {"empty_key", "= 1.2\n", false, "wiersz 1: nieznany klucz „”"},
        {"key_case_matters", "FAN = 3\n", false, "wiersz 1: nieznany klucz „FAN”"},
        {"twice", "fan = 3\ndensity = 1.2\n fan=4\n", false, "wiersz 3: klucz „fan” podany drugi raz (pierwszy raz w wierszu 1)"},
        {"crlf_lines_counted", "fan = 3\r\n\r\nfoo = 1\r\n", false, "wiersz 3: nieznany klucz „foo”"},
        {"cr_alone_ends_a_line", "# x\rfan = 3\r\rfoo = 1\r", false, "wiersz 4: nieznany klucz „foo”"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BatchInputResult result = ParseBatchInput(row.text);
        ASSERT_EQ(result.Ok, row.ok) << result.Error;
        if (!row.ok) {
            EXPECT_EQ(result.Error, row.expected);
            continue;
        }
        ASSERT_EQ(result.Input.Values.size(), 1u);
        EXPECT_EQ(result.Input.Values.begin()->second, row.expected);
    }
    EXPECT_TRUE(ParseBatchInput("").Ok);
}
