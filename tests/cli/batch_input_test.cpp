// The batch input parser: what a line gives, what is skipped, and every error with its line.
#include "cli/batch_input.h"

#include <gtest/gtest.h>

TEST(batch_input, values_lines_and_skipped_lines)
{
    const BatchInputResult result = ParseBatchInput(
        "# a comment\n"
        "\n"
        "   \t\n"
        "  # an indented comment = not a key\n"
        "density = 1.2\n"
        "\tstoreys\t=\t10  \r\n"
        "grille = LUMA 75/80\n"
        "variant = Wentylator z podstawą tłumiącą\n"
        "loss_coefficient = 4,6\n"
        "fan=19");
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_EQ(result.Input.Values, (std::map<std::string, std::string>{
        {"density", "1.2"}, {"storeys", "10"}, {"grille", "LUMA 75/80"}, {"variant", "Wentylator z podstawą tłumiącą"},
        {"loss_coefficient", "4,6"}, {"fan", "19"}}));
    EXPECT_EQ(result.Input.LineOf, (std::map<std::string, int>{
        {"density", 5}, {"storeys", 6}, {"grille", 7}, {"variant", 8}, {"loss_coefficient", 9}, {"fan", 10}}));
}

TEST(batch_input, one_line_gives_its_value_or_an_error_naming_the_line)
{
    // Rows with `ok` give one value; the others give an error naming the line.
    struct Row { const char* name; const char* text; bool ok; const char* expected; };
    const Row rows[] = {
        {"second_equals_kept", "grille = a = b\n", true, "a = b"},
        {"empty_value", "density =\n", true, ""},
        {"blank_value", "density =   \t \n", true, ""},
        {"carriage_return_dropped", "density = 1.2\r\n", true, "1.2"},
        {"inner_blanks_kept", "grille =  LUMA  125 \n", true, "LUMA  125"},
        {"hash_inside_value", "grille = #1\n", true, "#1"},
        {"byte_order_mark_skipped", "\xEF\xBB\xBF" "fan = 3\n", true, "3"},
        {"no_equals", "fan = 3\n\ndensity 1.2\n", false, "wiersz 3: brak znaku „=” w „density 1.2”"},
        {"unknown_key", "# x\nfan = 3\ndensty = 1.2\n", false, "wiersz 3: nieznany klucz „densty”"},
        {"empty_key", "= 1.2\n", false, "wiersz 1: nieznany klucz „”"},
        {"key_case_matters", "FAN = 3\n", false, "wiersz 1: nieznany klucz „FAN”"},
        {"twice", "fan = 3\ndensity = 1.2\n fan=4\n", false, "wiersz 3: klucz „fan” podany drugi raz (pierwszy raz w wierszu 1)"},
        {"crlf_lines_counted", "fan = 3\r\n\r\nfoo = 1\r\n", false, "wiersz 3: nieznany klucz „foo”"},
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
