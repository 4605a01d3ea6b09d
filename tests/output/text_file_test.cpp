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

namespace {

long EntriesIn(const std::string& dir)
{
    return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}

}  // namespace

TEST(text_file, join_path)
{
    EXPECT_EQ(JoinPath("", "1.gnu"), "1.gnu");
    EXPECT_EQ(JoinPath("/tmp/w", "1.gnu"), "/tmp/w/1.gnu");
    EXPECT_EQ(JoinPath("/tmp/w/", "1.gnu"), "/tmp/w/1.gnu");
    EXPECT_EQ(JoinPath(".", "wykresy/wykresy.html"), "./wykresy/wykresy.html");
}

TEST(text_file, writes_bytes_unchanged_and_replaces_the_old_file)
{
    const std::string dir = ScratchDir("roundtrip");
    const std::string path = JoinPath(dir, "a.txt");
    const std::string bytes = std::string("line\nno cr\r\n\x9c\xf3", 15) + std::string(1, '\0') + "end";
    ASSERT_TRUE(WriteFileAtomically(path, "a much longer old content\n"));
    for (const std::string& content : {bytes, std::string()}) {
        ASSERT_TRUE(WriteFileAtomically(path, content));
        EXPECT_EQ(ReadWholeFile(path), content);
        EXPECT_EQ(fs::file_size(path), content.size());
    }
    EXPECT_EQ(EntriesIn(dir), 1) << "no temporary file is left";
}

TEST(text_file, a_missing_directory_or_a_directory_in_the_way_fails)
{
    const std::string dir = ScratchDir("fails");
    EXPECT_FALSE(WriteFileAtomically(JoinPath(dir, "wykresy/wykresy.html"), "x"));
    EXPECT_FALSE(fs::exists(JoinPath(dir, "wykresy")));

    const std::string path = JoinPath(dir, "1.gnu");
    fs::create_directories(JoinPath(path, "inside"));
    EXPECT_FALSE(WriteFileAtomically(path, "0.000000  0.000000\n"));
    EXPECT_TRUE(fs::is_directory(JoinPath(path, "inside")));
    EXPECT_EQ(EntriesIn(dir), 1) << "the temporary file was not removed";

    EXPECT_FALSE(ReadWholeFile(JoinPath(dir, "tmp1.gnu")).has_value());
    EXPECT_FALSE(ReadWholeFile(dir).has_value());
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
    EXPECT_EQ(EntriesIn(dir), 1) << "the temporary file was not removed";
}
#endif
