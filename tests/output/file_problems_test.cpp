// The list of files that could not be written and its Polish message.
#include "output/file_problems.h"

#include <gtest/gtest.h>

TEST(file_problems, empty_list_has_no_message)
{
    FileProblems problems;
    EXPECT_TRUE(problems.Empty());
    EXPECT_EQ(problems.Message(), "");
}

TEST(file_problems, one_file_is_named_in_the_singular)
{
    FileProblems problems;
    problems.Add("dir/1.gnu");
    EXPECT_FALSE(problems.Empty());
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\ndir/1.gnu");
}

TEST(file_problems, several_files_are_listed_once_each_in_order)
{
    FileProblems problems;
    problems.Add("dir/1.gnu");
    problems.Add("dir/wykresy/wykresy.html");
    problems.Add("dir/1.gnu");
    ASSERT_EQ(problems.Paths().size(), 2u);
    EXPECT_EQ(problems.Message(), "Nie można zapisać plików:\ndir/1.gnu\ndir/wykresy/wykresy.html");
    problems.Clear();
    EXPECT_TRUE(problems.Empty());
}
