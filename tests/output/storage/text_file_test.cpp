// Files on disk: atomic whole-file writes, "wykresy" and the logo.
#include "output/storage/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#ifdef __unix__
#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "output/storage/file_problems.h"
#include "output/storage/folder_lock.h"
#include "output/storage/leftovers.h"
#include "output/storage/working_dir.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

long EntriesIn(const std::string& dir) { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }

#ifdef __unix__
constexpr uid_t kNobody = 65534;

// Runs `body` in a child process, as user nobody when this one is root (root opens every file), and
// returns its exit status.
int InChild(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}
#endif

}  // namespace

TEST(text_file, writes_bytes_unchanged_replaces_the_old_file_or_fails_cleanly)
{
    const std::string dir = ScratchDir("roundtrip");
    const std::string path = JoinPath(dir, "a.txt");
    const std::string bytes = std::string("line\nno cr\r\n\x9c\xf3", 15) + std::string(1, '\0') + "end";
    ASSERT_TRUE(WriteFileAtomically(path, "a much longer old content\n"));
    for (const std::string& content : {bytes, std::string()}) {
        ASSERT_TRUE(WriteFileAtomically(path, content));
        EXPECT_EQ(ReadWholeFile(path), content);
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
    EXPECT_FALSE(ReadWholeFile("/dev/zero").has_value()) << "a device is never read";
    ASSERT_TRUE(WriteFileAtomically(path, "abc"));
    EXPECT_EQ(ReadWholeFile(path, 2), std::nullopt) << "longer than the limit";
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

// The temporary is made fresh and exclusively, so a link planted under a temporary-looking name
// is never followed; a rewrite keeps the permission bits; the user's inputs behind a link reach
// the link's target, while other files replace the link.
TEST(text_file, temporaries_never_follow_links_and_rewrites_keep_what_is_there)
{
    const std::string dir = ScratchDir("links");
    const std::string victim = JoinPath(dir, "victim");
    ASSERT_TRUE(WriteFileAtomically(victim, "victim\n"));
    const std::string path = JoinPath(dir, "dialog.sav");
    for (const char* planted : {"dialog.sav.tmp~", "dialog.sav.0000000000000000.tmp~", ".dialog.sav.tmp"})
        fs::create_symlink(victim, JoinPath(dir, planted));
    ASSERT_TRUE(WriteFileAtomically(path, "1\n", WriteMode::UserInput));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    for (int round = 0; round < 50; ++round)
        ASSERT_TRUE(WriteFileAtomically(path, std::to_string(round) + "\n", WriteMode::UserInput));
    EXPECT_EQ(ReadFileForTest(victim), "victim\n");
    EXPECT_EQ(ReadFileForTest(path), "49\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntriesIn(dir), 5) << "no temporary file is left";

    const std::string elsewhere = ScratchDir("link_target");
    const std::string target = JoinPath(elsewhere, "dialog33.sav");
    ASSERT_TRUE(WriteFileAtomically(target, "old\n"));
    const std::string link = JoinPath(dir, "dialog33.sav");
    fs::create_symlink(target, link);
    ASSERT_TRUE(WriteFileAtomically(link, "new\n", WriteMode::UserInput));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileForTest(target), "new\n");
    ASSERT_TRUE(WriteFileAtomically(link, "report\n"));
    EXPECT_FALSE(fs::is_symlink(link)) << "an output file replaces a link";
    EXPECT_EQ(ReadFileForTest(target), "new\n");

    // A link planted under the lock's name is not followed and does not leave the folder unlocked.
    const std::string lockName = JoinPath(dir, ".went_char.lock");
    fs::create_symlink(victim, lockName);
    {
        const FolderLock lock(dir);
        EXPECT_TRUE(lock.Held());
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(lockName))) << "locked with a file of its own";
    }
    EXPECT_EQ(ReadFileForTest(victim), "victim\n");
}

// A value file that is a link is followed only when the link and its folder are the user's own:
// in another user's folder the link is refused and its target left alone.
TEST(text_file, links_of_another_user_are_not_written_through)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "making files of another user needs root";
    const std::string dir = ScratchDir("foreign_links");
    const std::string victim = JoinPath(dir, "victim");
    ASSERT_TRUE(WriteFileAtomically(victim, "victim\n"));
    for (const char* owner : {"folder", "link"}) {
        SCOPED_TRACE(owner);
        const std::string folder = JoinPath(dir, owner);
        fs::create_directory(folder);
        const std::string link = JoinPath(folder, "dialog.sav");
        fs::create_symlink(victim, link);
        ASSERT_EQ(owner == std::string("folder") ? chown(folder.c_str(), kNobody, kNobody)
                                                  : lchown(link.c_str(), kNobody, kNobody), 0);
        EXPECT_FALSE(WriteFileAtomically(link, "1\n", WriteMode::UserInput));
        EXPECT_EQ(ReadFileForTest(victim), "victim\n");
        EXPECT_EQ(EntriesIn(folder), 1);
    }
}

// Whatever stands under the lock file's name, the folder is locked or the command refused: a
// folder there, a lock file this user may only read (another user's), or one nobody may read.
TEST(folder_lock, locks_through_a_lock_file_it_cannot_write_or_refuses)
{
    struct Row { const char* name; bool directory; fs::perms perms; bool held; };
    const Row rows[] = {
        {"folder under the name", true, fs::perms::all, true},
        {"read-only lock file", false, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, true},
        {"unreadable lock file", false, fs::perms::none, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = ScratchDir("lock_" + std::to_string(&row - rows));
        fs::permissions(dir, fs::perms::all);
        const std::string lock = JoinPath(dir, ".went_char.lock");
        if (row.directory)
            fs::create_directory(lock);
        else
            ASSERT_TRUE(WriteFileAtomically(lock, ""));
        fs::permissions(lock, row.perms);
        // Another program holds it: the lock is waited for and not taken.
        const int holder = open(lock.c_str(), O_RDONLY);
        ASSERT_GE(holder, 0);
        ASSERT_EQ(flock(holder, LOCK_EX), 0);
        EXPECT_EQ(InChild([&] { return FolderLock(dir, std::chrono::milliseconds(100)).Held() ? 0 : 1; }), 1);
        close(holder);
        EXPECT_EQ(InChild([&] {
            const FolderLock folder(dir, std::chrono::milliseconds(100));
            return folder.Held() ? 0 : folder.BusyMessage().find("nie może być zablokowany") != std::string::npos ? 2 : 1;
        }), row.held ? 0 : 2);
        EXPECT_TRUE(fs::exists(lock)) << "another user's lock file is left in place";
    }
}

// A command killed outright leaves a picture aside and temporaries behind; the next one that
// takes the folder puts the picture back over a torn one and removes the temporaries no live
// writer holds. (What a signal clears at once: the batch front end's test.)
TEST(leftovers, are_cleared_by_the_next_command)
{
    const std::string dir = ScratchDir("leftovers");
    const std::string pictures = JoinPath(dir, "wykresy");
    fs::create_directory(pictures);
    const std::string torn = JoinPath(pictures, "wykres.gif");
    const std::string whole = JoinPath(pictures, "wykres_tl.gif");
    for (const std::string& picture : {torn, whole})
        ASSERT_TRUE(WriteFileAtomically(picture + ".old~", "GIF89a1234567;"));
    ASSERT_TRUE(WriteFileAtomically(torn, "GIF89a12"));
    ASSERT_TRUE(WriteFileAtomically(whole, "GIF89a7654321;"));
    const std::string stale = JoinPath(dir, "1.gnu.0123456789abcdef.tmp~");
    const std::string live = JoinPath(pictures, "wykresy.html.fedcba9876543210.tmp~");
    const std::string user = JoinPath(dir, "notes.tmp~");
    for (const std::string& temporary : {stale, live, user})
        ASSERT_TRUE(WriteFileAtomically(temporary, "x"));
    const int writer = HoldFile(live);
    ASSERT_GE(writer, 0);
    { const FolderLock lock(dir); }
    LetGo(writer);
    EXPECT_EQ(ReadFileForTest(torn), "GIF89a1234567;");
    EXPECT_EQ(ReadFileForTest(whole), "GIF89a7654321;");
    EXPECT_EQ(FileNamesBelow(dir), (std::vector<std::string>{"notes.tmp~", "wykresy/wykres.gif", "wykresy/wykres_tl.gif",
                                                              "wykresy/wykresy.html.fedcba9876543210.tmp~"}));
}
#endif

// "wykresy" and the logo are made once, the user's own logo kept; a file in the folder's place is reported.
TEST(working_dir, creates_wykresy_and_the_logo_once_or_reports_them)
{
    const std::string_view logo = LogoJpeg();
    EXPECT_EQ(logo.substr(0, 3), std::string_view("\xff\xd8\xff", 3)) << "JPEG start marker";
    EXPECT_EQ(logo.substr(logo.size() - 2), std::string_view("\xff\xd9", 2)) << "JPEG end marker";
    const std::string dir = ScratchDir("fresh");
    const std::string logoPath = JoinPath(dir, "wykresy/koralinex.jpg");
    FileProblems problems;
    PrepareWorkingDirectory(dir, problems);
    EXPECT_EQ(ReadFileForTest(logoPath), std::string(logo));
    ASSERT_TRUE(WriteFileAtomically(logoPath, "the user's own logo"));
    PrepareWorkingDirectory(dir, problems);
    EXPECT_TRUE(problems.Empty()) << problems.Message();
    EXPECT_EQ(ReadFileForTest(logoPath), "the user's own logo");

    const std::string blocked = ScratchDir("blocked");
    ASSERT_TRUE(WriteFileAtomically(JoinPath(blocked, "wykresy"), "not a directory"));
    PrepareWorkingDirectory(blocked, problems);
    EXPECT_EQ(problems.Message(), "Nie można zapisać pliku:\n" + JoinPath(blocked, "wykresy"));
    problems.Add("/tmp/a\x1b]0;b\x07\u202Ec/wykresy");
    EXPECT_EQ(problems.Paths().size(), 2u);
    EXPECT_NE(problems.Message().find("\n/tmp/a\\x1B]0;b\\x07\\xE2\\x80\\xAEc/wykresy"), std::string::npos) << "escaped";
}
