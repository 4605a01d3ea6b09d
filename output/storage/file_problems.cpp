// The list of files a command could not write and the Polish message that names them.
#include "output/storage/file_problems.h"

#include <algorithm>

#include "output/quoted_input.h"

void FileProblems::Add(const std::string& path)
{
    anyEver_ = true;
    if (std::find(paths_.begin(), paths_.end(), path) == paths_.end())
        paths_.push_back(path);
}

std::string FileProblems::Message() const
{
    if (paths_.empty())
        return "";
    std::string text = paths_.size() == 1 ? "Nie można zapisać pliku:" : "Nie można zapisać plików:";
    for (const std::string& path : paths_)
        text += "\n" + EscapedText(path);  // a folder name may hold anything but "/" and NUL
    return text;
}
