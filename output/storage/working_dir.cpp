// Makes the working directory ready for the reports: the "wykresy" subdirectory that receives
// the GIF pictures and HTML pages, and the logo the pages show beside them.
#include "output/storage/working_dir.h"

#include <filesystem>
#include <system_error>

#include "output/storage/text_file.h"

void PrepareWorkingDirectory(const std::string& dir, FileProblems& problems)
{
    namespace fs = std::filesystem;
    const std::string pictures = JoinPath(dir, "wykresy");
    if (!MakeFolder(pictures)) {
        problems.Add(pictures);
        return;
    }
    const std::string logo = JoinPath(pictures, "koralinex.jpg");
    std::error_code error;
    if (fs::exists(logo, error))
        return;
    if (!WriteFileAtomically(logo, LogoJpeg()))
        problems.Add(logo);
}
