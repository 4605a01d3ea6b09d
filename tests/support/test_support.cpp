// Scratch directories and golden files for the tests.
#include "support/test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string ScratchDir(const std::string& name)
{
    fs::path dir = fs::path(WENT_TEST_TMP) / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string ReadFileForTest(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string CompareWithGolden(const std::string& relative, const std::string& actual)
{
    const fs::path golden = fs::path(WENT_GOLDEN_DIR) / relative;
    const fs::path actualPath = golden.string() + ".actual";
    const char* update = std::getenv("WENT_UPDATE_GOLDEN");
    fs::remove(actualPath);
    if (update && std::string(update) == "1") {
        fs::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << actual;
    }
    if (fs::exists(golden) && ReadFileForTest(golden.string()) == actual)
        return "";
    fs::create_directories(actualPath.parent_path());
    std::ofstream(actualPath, std::ios::binary) << actual;
    return "output differs from " + golden.string() + "; actual output left in " + actualPath.string();
}

std::vector<std::string> FileNamesBelow(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file())
            names.push_back(fs::relative(entry.path(), dir).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::string Joined(const std::vector<std::string>& items, const std::string& separator)
{
    std::string text;
    for (const std::string& item : items)
        text += (&item == items.data() ? "" : separator) + item;
    return text;
}

std::string DifferentFiles(const std::string& dir, const std::string& other)
{
    const std::vector<std::string> names = FileNamesBelow(dir), otherNames = FileNamesBelow(other);
    if (names != otherNames)
        return Joined(names) + " | " + Joined(otherNames);
    std::vector<std::string> differ;
    for (const std::string& name : names)
        if (ReadFileForTest(dir + "/" + name) != ReadFileForTest(other + "/" + name))
            differ.push_back(name);
    return Joined(differ);
}

std::string ChangedLines(const std::string& base, const std::string& text)
{
    // The head and the tail both share, each made of whole lines.
    size_t head = std::mismatch(base.begin(), base.end(), text.begin(), text.end()).first - base.begin();
    head = head == 0 ? 0 : base.rfind('\n', head - 1) + 1;
    size_t tail = std::mismatch(base.rbegin(), base.rend() - head, text.rbegin(), text.rend() - head).first -
                  base.rbegin();
    const auto lineStart = [head](const std::string& s, size_t at) { return at == head || s[at - 1] == '\n'; };
    while (tail > 0 && !(lineStart(base, base.size() - tail) && lineStart(text, text.size() - tail)))
        --tail;
    return "was:\n" + base.substr(head, base.size() - tail - head) + "now:\n" +
           text.substr(head, text.size() - tail - head);
}
