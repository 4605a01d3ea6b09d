// Whole-file writing through a temporary file renamed into place, and whole-file reading.
// Files are opened in binary mode: the bytes handed in are the bytes on disk ("\n" line ends).
#include "output/text_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// The temporary lies in the target's own directory, so the final rename never crosses file
// systems and replaces the old file in one step.
std::string TemporaryPathFor(const std::string& path)
{
    return path + ".tmp~";
}

}  // namespace

std::string JoinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty())
        return name;
    if (dir.back() == '/')
        return dir + name;
    return dir + "/" + name;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string temporary = TemporaryPathFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
    written = std::ferror(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    if (written) {
        std::filesystem::rename(temporary, path, error);
        if (!error)
            return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return std::nullopt;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return bytes;
}
