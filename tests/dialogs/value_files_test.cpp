// Reading and writing the dialog value files, including whatever may lie on disk.
#include "dialogs/value_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "output/storage/text_file.h"
#include "support/test_support.h"

using Lines = std::vector<std::optional<std::string>>;

TEST(value_files, loads_whatever_is_on_disk)
{
    const std::string dir = ScratchDir("load");
    const std::optional<std::string> none;
    struct Row { const char* Name; std::string Bytes; std::vector<int> Widths; Lines Expected; };
    const Row rows[] = {
        {"LF", "1.200\n2\n", {29, 19}, {"1.200", "2"}},
        {"CR LF", "1.200\r\n2\r\n", {29, 19}, {"1.200", "2"}},
        {"empty file", "", {19, 19}, {none, none}},
        {"truncated after the first line", "2.80\n", {19, 19, 19}, {"2.80", none, none}},
        {"last line without line end", "2.80\n12", {19, 19, 19}, {"2.80", "12", none}},
        {"empty lines count", "\n\n", {19, 19, 19}, {"", "", none}},
        {"over-long line cut, rest skipped", "123456789012345678901234\n7\n", {19, 19}, {"1234567890123456789", "7"}},
        {"NUL ends the text", std::string("1.5\0junk\n3\n", 11), {19, 19}, {"1.5", "3"}},
        {"binary junk", std::string("\xff\xfe\x01\n\x80", 5), {19, 19}, {"\xff\xfe\x01", "\x80"}},
        {"carriage return inside a line stays", "1\r2\n", {19}, {"1\r2"}},
        {"lone carriage return at the end", "5\r", {19}, {"5"}},
    };
    const std::string path = JoinPath(dir, "dialog.sav");
    for (const Row& row : rows) {
        std::ofstream(path, std::ios::binary) << row.Bytes;
        const ValueFileContents contents = LoadValueFile(path, row.Widths);
        EXPECT_EQ(contents.State, ValueFileState::Read) << row.Name;
        EXPECT_EQ(contents.Lines, row.Expected) << row.Name;
    }
}

TEST(value_files, only_regular_files_are_read_and_only_their_head)
{
    const std::string dir = ScratchDir("kinds");
    const std::string fifo = JoinPath(dir, "fifo.sav");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(LoadValueFile(JoinPath(dir, "dialog1.sav"), {29, 19}).State, ValueFileState::Missing);
    const ValueFileContents fromFifo = LoadValueFile(fifo, {29, 19});
    EXPECT_EQ(fromFifo.State, ValueFileState::Unreadable) << "a FIFO without writer is not waited for";
    EXPECT_EQ(fromFifo.Lines, Lines(2));

    // Lines past the read limit do not exist.
    const std::string path = JoinPath(dir, "long.sav");
    std::ofstream(path, std::ios::binary) << std::string(kValueFileReadLimit - 2, 'x') << "\n7\n8\n";
    EXPECT_EQ(LoadValueFile(path, {19, 19, 19}).Lines, (Lines{std::string(19, 'x'), "7", std::nullopt}));
}
