// Fuzz target of the value-file reader: the fuzz bytes, after a small header that chooses the
// widths, are written to a temporary file and loaded. Every line read keeps to its width, holds
// no line feed and no NUL, and the lines present form an unbroken run from the first.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "dialogs/value_files.h"

namespace {

char tempPath[64];  // "" until created; removed at exit

void RemoveTempFile() { unlink(tempPath); }

// One file per fuzzing process, rewritten for every input; in memory where the system offers a
// memory file system, which runs the target a hundred times faster.
const char* TempPath()
{
    if (tempPath[0])
        return tempPath;
    for (const char* dir : {"/dev/shm", "/tmp"}) {
        std::snprintf(tempPath, sizeof tempPath, "%s/went_fuzz_value_file_XXXXXX", dir);
        const int fd = mkstemp(tempPath);
        if (fd >= 0) {
            close(fd);
            std::atexit(RemoveTempFile);
            return tempPath;
        }
    }
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // Header: the number of lines (1..6), then one byte per width (0..39).
    const size_t count = 1 + data[0] % 6;
    if (size < 1 + count)
        return 0;
    std::vector<int> widths;
    for (size_t i = 0; i < count; ++i)
        widths.push_back(data[1 + i] % 40);
    const std::string content(reinterpret_cast<const char*>(data) + 1 + count, size - 1 - count);

    FILE* file = std::fopen(TempPath(), "wb");
    if (!file)
        std::abort();
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);

    const std::vector<std::optional<std::string>> lines = LoadValueFile(TempPath(), widths).Lines;
    if (lines.size() != widths.size())
        std::abort();
    bool ended = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i]) {
            ended = true;
            continue;
        }
        if (ended)
            std::abort();  // a line after a missing one
        const std::string& line = *lines[i];
        if (line.size() > static_cast<size_t>(widths[i]) || line.find('\n') != std::string::npos ||
            line.find('\0') != std::string::npos)
            std::abort();
    }
    return 0;
}
