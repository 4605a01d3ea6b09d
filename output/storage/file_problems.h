// Collects the files a command could not write, so that the front end reports them once per
// command while the command itself goes on.
#pragma once

#include <string>
#include <vector>

class FileProblems {
public:
    void Add(const std::string& path);  // each path is listed once
    bool Empty() const { return paths_.empty(); }
    const std::vector<std::string>& Paths() const { return paths_; }
    // Polish text naming every file, for a message box or standard error.
    std::string Message() const;
    void Clear() { paths_.clear(); }
    // Whether any file was added since the list was made, whatever was cleared since.
    bool AnyEver() const { return anyEver_; }

private:
    std::vector<std::string> paths_;
    bool anyEver_ = false;
};
