// Reading and writing of the dialog value files. Reading accepts whatever a regular file holds
// (CR LF or LF line ends, short, empty or over-long lines, binary junk); a directory, a device or
// a pipe under the file's name is never read, and never waited for.
#include "dialogs/value_files.h"

#include <cstddef>

#include "output/storage/text_file.h"

namespace {

// The first kValueFileReadLimit bytes of a regular file, or the reason there are none.
ValueFileState ReadHead(const std::string& path, std::string& bytes)
{
    FileRead read = ReadRegularFile(path, kValueFileReadLimit, true);
    switch (read.State) {
    case FileReadState::Read:
        bytes = std::move(read.Bytes);
        return ValueFileState::Read;
    case FileReadState::Missing: return ValueFileState::Missing;
    case FileReadState::NotRegular:
    case FileReadState::Failed:
    case FileReadState::TooLarge: return ValueFileState::Unreadable;
    }
    return ValueFileState::Unreadable;
}

}  // namespace

ValueFileContents LoadValueFile(const std::string& path, const std::vector<int>& widths)
{
    ValueFileContents contents;
    contents.Lines.resize(widths.size());
    std::string text;
    contents.State = ReadHead(path, text);
    if (contents.State != ValueFileState::Read)
        return contents;

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
        contents.Lines[i] = std::move(line);
    }
    return contents;
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
