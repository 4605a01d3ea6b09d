// Where the manual lies: the build copies it next to the executable, "cmake --install" puts it
// under share/doc/went_char beside bin/.
#include "app/help_manual.h"

#include <filesystem>

const char kManualName[] = "went_char_pl.html";
const char kNoManualMessage[] = "Nie znaleziono pliku pomocy went_char_pl.html.\n"
                                "Powinien leżeć obok programu lub w katalogu share/doc/went_char.";

std::optional<std::string> FindManual(const std::string& programDir)
{
    const std::filesystem::path program(programDir);
    const std::filesystem::path candidates[] = {
        program / kManualName,
        program / ".." / "share" / "doc" / "went_char" / kManualName,
    };
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(candidate, error))
            continue;
        const std::filesystem::path tidy = std::filesystem::weakly_canonical(candidate, error);
        return (error ? candidate : tidy).generic_string();
    }
    return std::nullopt;
}
