// Files on disk: atomic whole-file writes, the list of unwritten files, "wykresy" and the logo.
#include "output/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifdef __unix__
#include <csignal>
#include <sys/resource.h>
#endif

#include "output/file_problems.h"
#include "output/working_dir.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

long EntriesIn(const std::string& dir) { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }

}  // namespace

TEST(text_file, writes_bytes_unchanged_replaces_the_old_file_or_fails_cleanly)
{
    EXPECT_EQ(JoinPath("", "1.gnu"), "1.gnu");
    EXPECT_EQ(JoinPath("/tmp/w", "1.gnu"), "/tmp/w/1.gnu");
    EXPECT_EQ(JoinPath("/tmp/w/", "1.gnu"), "/tmp/w/1.gnu");
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
    const std::string fails = ScratchDir("fails");
    EXPECT_FALSE(WriteFileAtomically(JoinPath(fails, "wykresy/wykresy.html"), "x"));
    EXPECT_FALSE(fs::exists(JoinPath(fails, "wykresy")));
    const std::string occupied = JoinPath(fails, "1.gnu");
    fs::create_directories(JoinPath(occupied, "inside"));
    EXPECT_FALSE(WriteFileAtomically(occupied, "0.000000  0.000000\n"));
    EXPECT_TRUE(fs::is_directory(JoinPath(occupied, "inside")));
    EXPECT_EQ(EntriesIn(fails), 1) << "the temporary file was not removed";
    EXPECT_FALSE(ReadWholeFile(JoinPath(fails, "tmp1.gnu")).has_value());
    EXPECT_FALSE(ReadWholeFile(fails).has_value());
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
    const rlimit small = {4096, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteFileAtomically(path, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFileForTest(path), "old report\n");
    EXPECT_EQ(EntriesIn(dir), 1) << "the temporary file was not removed";
}
#endif

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

TEST(working_dir, creates_wykresy_and_the_logo_once)
{
    const std::string_view logo = LogoJpeg();
    ASSERT_GT(logo.size(), 4u);
    EXPECT_EQ(logo.substr(0, 3), std::string_view("\xff\xd8\xff", 3)) << "JPEG start marker";
    EXPECT_EQ(logo.substr(logo.size() - 2), std::string_view("\xff\xd9", 2)) << "JPEG end marker";
    const std::string dir = ScratchDir("fresh");
    const std::string logoPath = JoinPath(dir, "wykresy/koralinex.jpg");
    FileProblems problems;
    PrepareWorkingDirectory(dir, problems);
    EXPECT_TRUE(fs::is_directory(JoinPath(dir, "wykresy")));
    EXPECT_EQ(ReadFileForTest(logoPath), std::string(logo));
    ASSERT_TRUE(WriteFileAtomically(logoPath, "the user's own logo"));
    PrepareWorkingDirectory(dir, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_EQ(ReadFileForTest(logoPath), "the user's own logo");
}

TEST(working_dir, what_cannot_be_written_is_reported)
{
    const std::string blocked = ScratchDir("blocked"), logo = ScratchDir("logo_blocked");
    ASSERT_TRUE(WriteFileAtomically(JoinPath(blocked, "wykresy"), "not a directory"));
    fs::create_directories(JoinPath(logo, "wykresy/koralinex.jpg.tmp~/occupied"));
    for (auto [dir, file] : {std::pair{blocked, "wykresy"}, std::pair{logo, "wykresy/koralinex.jpg"}}) {
        FileProblems problems;
        PrepareWorkingDirectory(dir, problems);
        EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\n" + JoinPath(dir, file));
    }
}
