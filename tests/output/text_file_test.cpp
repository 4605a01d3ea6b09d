// Whole-file writing through a temporary file, reading back, and joining paths.
#include "output/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifdef __unix__
#include <csignal>
#include <sys/resource.h>
#endif

#include "support/test_support.h"

namespace fs = std::filesystem;

TEST(text_file, join_path)
{
    struct Row {
        const char* Name;
        const char* Dir;
        const char* File;
        const char* Expected;
    };
    const Row rows[] = {
        {"empty dir gives the name", "", "1.gnu", "1.gnu"},
        {"plain dir", "/tmp/w", "1.gnu", "/tmp/w/1.gnu"},
        {"dir with separator", "/tmp/w/", "1.gnu", "/tmp/w/1.gnu"},
        {"relative subdirectory", ".", "wykresy/wykresy.html", "./wykresy/wykresy.html"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(JoinPath(row.Dir, row.File), row.Expected) << row.Name;
}

TEST(text_file, writes_bytes_unchanged_and_reads_them_back)
{
    const std::string dir = ScratchDir("roundtrip");
    const std::string path = JoinPath(dir, "a.txt");
    const std::string bytes = std::string("line\nno cr\r\n\x9c\xf3", 15) + std::string(1, '\0') + "end";
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    const std::optional<std::string> back = ReadWholeFile(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, bytes);
    EXPECT_EQ(fs::file_size(path), bytes.size());
}

TEST(text_file, replaces_an_existing_file_and_leaves_no_temporary)
{
    const std::string dir = ScratchDir("replace");
    const std::string path = JoinPath(dir, "a.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "a much longer old content\n"));
    ASSERT_TRUE(WriteFileAtomically(path, "new\n"));
    EXPECT_EQ(ReadFileForTest(path), "new\n");
    int files = 0;
    for (const auto& item : fs::directory_iterator(dir)) {
        ++files;
        EXPECT_EQ(item.path().filename(), "a.txt") << "left behind: " << item.path();
    }
    EXPECT_EQ(files, 1);
}

TEST(text_file, empty_content_gives_an_empty_file)
{
    const std::string dir = ScratchDir("empty");
    const std::string path = JoinPath(dir, "1.gnu");
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST(text_file, missing_directory_fails_without_creating_anything)
{
    const std::string dir = ScratchDir("missing");
    EXPECT_FALSE(WriteFileAtomically(JoinPath(dir, "wykresy/wykresy.html"), "x"));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "wykresy")));
}

TEST(text_file, a_directory_in_the_way_fails_and_stays)
{
    const std::string dir = ScratchDir("directory");
    const std::string path = JoinPath(dir, "1.gnu");
    fs::create_directories(JoinPath(path, "inside"));
    EXPECT_FALSE(WriteFileAtomically(path, "0.000000  0.000000\n"));
    EXPECT_TRUE(fs::is_directory(JoinPath(path, "inside")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "the temporary file was not removed";
}

#ifdef __unix__
// A write that fails half-way (here: the file-size limit of the process is reached) keeps the
// previous content of the file.
TEST(text_file, failed_write_keeps_the_old_file)
{
    const std::string dir = ScratchDir("keep_old");
    const std::string path = JoinPath(dir, "wykresy.html");
    ASSERT_TRUE(WriteFileAtomically(path, "old report\n"));

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(path, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileForTest(path), "old report\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "the temporary file was not removed";
}
#endif

TEST(text_file, reading_a_missing_file_or_a_directory_gives_nothing)
{
    const std::string dir = ScratchDir("read_missing");
    EXPECT_FALSE(ReadWholeFile(JoinPath(dir, "tmp1.gnu")).has_value());
    EXPECT_FALSE(ReadWholeFile(dir).has_value());
}
