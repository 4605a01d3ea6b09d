// Preparation of "wykresy" and the logo in the working directory.
#include "output/working_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "output/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

TEST(working_dir, logo_is_a_jpeg)
{
    const std::string_view logo = LogoJpeg();
    ASSERT_GT(logo.size(), 4u);
    EXPECT_EQ(logo.substr(0, 3), std::string_view("\xff\xd8\xff", 3)) << "JPEG start marker";
    EXPECT_EQ(logo.substr(logo.size() - 2), std::string_view("\xff\xd9", 2)) << "JPEG end marker";
}

TEST(working_dir, creates_wykresy_and_the_logo)
{
    const std::string dir = ScratchDir("fresh");
    FileProblems problems;
    PrepareWorkingDirectory(dir, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_TRUE(fs::is_directory(JoinPath(dir, "wykresy")));
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "wykresy/koralinex.jpg")), std::string(LogoJpeg()));
}

TEST(working_dir, keeps_an_existing_logo)
{
    const std::string dir = ScratchDir("existing");
    fs::create_directories(JoinPath(dir, "wykresy"));
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "wykresy/koralinex.jpg"), "the user's own logo"));
    FileProblems problems;
    PrepareWorkingDirectory(dir, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "wykresy/koralinex.jpg")), "the user's own logo");
}

TEST(working_dir, a_file_named_wykresy_is_reported)
{
    const std::string dir = ScratchDir("blocked");
    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "wykresy"), "not a directory"));
    FileProblems problems;
    PrepareWorkingDirectory(dir, problems);
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\n" + JoinPath(dir, "wykresy"));
}

TEST(working_dir, an_unwritable_logo_is_reported)
{
    const std::string dir = ScratchDir("logo_blocked");
    fs::create_directories(JoinPath(dir, "wykresy/koralinex.jpg.tmp~/occupied"));
    FileProblems problems;
    PrepareWorkingDirectory(dir, problems);
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\n" + JoinPath(dir, "wykresy/koralinex.jpg"));
}
