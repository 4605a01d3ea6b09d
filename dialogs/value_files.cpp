// Reading and writing of the dialog value files. Reading accepts whatever is on disk (CR LF or
// LF line ends, short, empty or over-long lines, binary junk) and never fails: what cannot be read
// leaves the edit box with its initial text.
#include "dialogs/value_files.h"

#include <cstddef>

#include "output/text_file.h"

std::vector<std::optional<std::string>> LoadValueFile(const std::string& path, const std::vector<int>& widths)
{
    std::vector<std::optional<std::string>> lines(widths.size());
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        return lines;

    const std::string& text = *bytes;
    size_t pos = 0;
    for (size_t i = 0; i < widths.size() && pos < text.size(); ++i) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();  // a last line without a line end still counts
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;

        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // The dialogs read into a zero-filled buffer, so a NUL byte ends the text.
        size_t nul = line.find('\0');
        if (nul != std::string::npos)
            line.resize(nul);
        size_t width = widths[i] > 0 ? static_cast<size_t>(widths[i]) : 0;
        if (line.size() > width)
            line.resize(width);  // the rest of an over-long line is skipped up to its line end
        lines[i] = std::move(line);
    }
    return lines;
}

bool SaveValueFile(const std::string& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += '\n';
    }
    return WriteFileAtomically(path, bytes, WriteMode::UserInput);
}
