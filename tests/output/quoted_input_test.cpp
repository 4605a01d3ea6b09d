// Quoting outside texts in messages: escaped control and stray bytes, cut at 80 characters.
#include "output/quoted_input.h"

#include <gtest/gtest.h>

#include <string>

TEST(quoted_input, escapes_and_cuts)
{
    const std::string long79 = std::string(79, 'a');
    struct Row { const char* Name; std::string Text; std::string Expected; };
    const Row rows[] = {
        {"plain and Polish kept", "0,25 zł „x”", "0,25 zł „x”"},
        {"control bytes", std::string("a\nb\r\x1b\x7f\0", 7), "a\\x0Ab\\x0D\\x1B\\x7F\\x00"},
        {"bytes outside UTF-8", "\xff\xc3", "\\xFF\\xC3"},
        {"C1 controls", "a\u0085b\u009b2J\u00a0", "a\\xC2\\x85b\\xC2\\x9B2J\u00a0"},
        {"direction overrides and isolates", "x\u202Eabc\u2066\u200F", "x\\xE2\\x80\\xAEabc\\xE2\\x81\\xA6\\xE2\\x80\\x8F"},
        {"80 characters stay whole", long79 + "ż", long79 + "ż"},
        {"81 are cut to 79 and the mark", long79 + "żź", long79 + "…"},
        {"an escape is not split by the cut", std::string(77, 'a') + "\n" + "bc", std::string(77, 'a') + "…"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(QuotedInput(row.Text), row.Expected) << row.Name;
    // Paths are escaped the same way but never cut.
    EXPECT_EQ(EscapedText(long79 + "\x1b]0;x\x07" + long79), long79 + "\\x1B]0;x\\x07" + long79);
}
