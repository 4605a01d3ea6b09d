// Preparation of "wykresy" and the logo in the working directory.
#include "output/working_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "output/text_file.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

TEST(working_dir, creates_wykresy_and_the_logo_once)
{
    const std::string_view logo = LogoJpeg();
    ASSERT_GT(logo.size(), 4u);
    EXPECT_EQ(logo.substr(0, 3), std::string_view("\xff\xd8\xff", 3)) << "JPEG start marker";
    EXPECT_EQ(logo.substr(logo.size() - 2), std::string_view("\xff\xd9", 2)) << "JPEG end marker";

    const std::string dir = ScratchDir("fresh");
    FileProblems problems;
    PrepareWorkingDirectory(dir, problems);
    EXPECT_TRUE(fs::is_directory(JoinPath(dir, "wykresy")));
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "wykresy/koralinex.jpg")), std::string(logo));

    ASSERT_TRUE(WriteFileAtomically(JoinPath(dir, "wykresy/koralinex.jpg"), "the user's own logo"));
    PrepareWorkingDirectory(dir, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "wykresy/koralinex.jpg")), "the user's own logo");
}

TEST(working_dir, what_cannot_be_written_is_reported)
{
    const std::string blocked = ScratchDir("blocked");
    ASSERT_TRUE(WriteFileAtomically(JoinPath(blocked, "wykresy"), "not a directory"));
    FileProblems problems;
    PrepareWorkingDirectory(blocked, problems);
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\n" + JoinPath(blocked, "wykresy"));

    const std::string logo = ScratchDir("logo_blocked");
    fs::create_directories(JoinPath(logo, "wykresy/koralinex.jpg.tmp~/occupied"));
    FileProblems logoProblems;
    PrepareWorkingDirectory(logo, logoProblems);
    EXPECT_EQ(logoProblems.Message(), "Nie można zapisać pliku:\n" + JoinPath(logo, "wykresy/koralinex.jpg"));
}
