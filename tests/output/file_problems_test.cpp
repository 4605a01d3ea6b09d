// The list of files that could not be written and its Polish message.
#include "output/file_problems.h"

#include <gtest/gtest.h>

TEST(file_problems, message_names_each_file_once_in_order)
{
    FileProblems problems;
    EXPECT_TRUE(problems.Empty());
    EXPECT_EQ(problems.Message(), "");
    problems.Add("dir/1.gnu");
    EXPECT_FALSE(problems.Empty());
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\ndir/1.gnu");
    problems.Add("dir/wykresy/wykresy.html");
    problems.Add("dir/1.gnu");
    EXPECT_EQ(problems.Message(), "Nie można zapisać plików:\ndir/1.gnu\ndir/wykresy/wykresy.html");
    problems.Clear();
    EXPECT_TRUE(problems.Empty());
}
