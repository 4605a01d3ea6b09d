// The chart commands on the files of a chart set. None of them computes anything or reads the
// calculation record.
#include "app/chart_commands.h"

#include <filesystem>
#include <iterator>
#include <optional>

#include "app/process_launcher.h"
#include "app/system_dialogs.h"
#include "commands/commands.h"
#include "output/storage/folder_lock.h"
#include "output/storage/picture_guard.h"
#include "output/storage/text_file.h"

const char kNoChartMessage[] = "Brak charakterystyki do zapisania.\nProszę najpierw wykonać obliczenia.";

namespace {

// Columns: the command that makes the set ("" for the calculations), and the set's name in the
// refusal of a stale chart (only the regulated sets can be stale).
struct SetTexts {
    const char* Command;
    const char* Chart;
};
constexpr SetTexts kSetTexts[] = {
    {"", ""},
    {"", ""},
    {"Obroty regulowane", "Charakterystyka obrotów regulowanych"},
    {"Obroty regulowane z tłumikami", "Charakterystyka obrotów regulowanych z tłumikami"},
    {"Rozkład przepływu na kondygnacjach", ""},
    {"Nastawy regulacyjne", ""},
};
static_assert(std::size(kSetTexts) == static_cast<size_t>(ChartSet::Commissioning), "one row per chart set");

// Whether the command may use the set: `needed` (the file it works on) exists and the set is not
// left from an earlier fan selection; otherwise the reason is shown. `missing` starts the message
// for a set not made yet ("Brak charakterystyki do ...").
bool Usable(ChartSet set, const std::string& dir, const char* needed, const std::string& missing,
            SystemDialogs& dialogs)
{
    const SetTexts& texts = kSetTexts[static_cast<int>(set) - 1];
    const std::string command = texts.Command;
    std::error_code error;
    if (!std::filesystem::exists(JoinPath(dir, needed), error)) {
        dialogs.ShowMessage(missing + "\n" +
                                (command.empty() ? "Proszę najpierw wykonać obliczenia."
                                                 : "Proszę najpierw wykonać polecenie „" + command + "”."),
                            kMessageCaption);
        return false;
    }
    if (IsStale(dir, set)) {
        dialogs.ShowMessage(std::string(texts.Chart) + "\npochodzi z poprzedniego doboru wentylatora.\n" +
                                "Proszę ponownie wykonać polecenie „" + command + "”.",
                            kMessageCaption);
        return false;
    }
    return true;
}

// gnuplot's own error lines ("<script>" line N: ..., and a system error after it); failing
// those, the last line of its output that says something.
std::string ErrorLines(const std::string& output)
{
    std::string errors;
    std::string last;
    std::string::size_type start = 0;
    while (start < output.size()) {
        std::string::size_type end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        const std::string line = output.substr(start, end - start);
        if (line.find("\" line ") != std::string::npos || line.rfind("system error", 0) == 0)
            errors += (errors.empty() ? "" : "\n") + line;
        if (line.find_first_not_of(" \t\r^") != std::string::npos)
            last = line;
        start = end + 1;
    }
    return errors.empty() ? last : errors;
}

bool HasControlCharacter(const std::string& name)
{
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

}  // namespace

std::string NoBrowserMessage(const std::string& path)
{
    return "Nie można uruchomić przeglądarki, aby otworzyć plik:\n" + path +
           "\nProszę otworzyć go w przeglądarce samodzielnie.";
}

void DisplayChart(ChartSet set, const std::string& dir, ProcessLauncher& launcher, SystemDialogs& dialogs)
{
    const char* script = FilesOf(set).DisplayScript;
    if (!Usable(set, dir, script, "Brak charakterystyki do wyświetlenia.", dialogs))
        return;
    // The display script ends in "pause -1"; with its input at end of file gnuplot returns from
    // the pause at once, and "-persist" keeps the chart window open until the user closes it.
    if (!launcher.StartDetached(kPlotterProgram, {"-persist", script}, dir))
        dialogs.ShowMessage(kNoPlotterMessage, kMessageCaption);
}

void OpenChartReport(ChartSet set, const std::string& dir, UrlOpener& opener, SystemDialogs& dialogs)
{
    const char* report = FilesOf(set).HtmlReport;
    if (!Usable(set, dir, report, "Brak charakterystyki do wydruku.", dialogs))
        return;
    const std::string path = JoinPath(dir, report);
    if (!opener.OpenFile(path))
        dialogs.ShowMessage(NoBrowserMessage(path), kMessageCaption);
}

SaveOutcome SaveChart(ChartSet set, const std::string& dir, SystemDialogs& dialogs,
                      ProcessLauncher& launcher, FileProblems& problems)
{
    const ChartFiles& files = FilesOf(set);
    // Asking for a name first would be in vain when there is nothing to save.
    if (!Usable(set, dir, files.CopyScript, "Brak charakterystyki do zapisania.", dialogs))
        return SaveOutcome::NoChart;
    const std::optional<std::string> chosen = dialogs.RunSaveDialog();
    if (!chosen)
        return SaveOutcome::Cancelled;
    // The dialog may answer relative to the current folder; messages and gnuplot get the full path.
    std::error_code error;
    std::string picture = SaveNameWithGif(*chosen);
    if (const std::filesystem::path full = std::filesystem::absolute(picture, error); !error)
        picture = full.lexically_normal().string();
    // A line break in the name would end the script's output line and start a command of its own.
    if (HasControlCharacter(picture)) {
        dialogs.ShowMessage("Nazwa pliku zawiera znaki sterujące; proszę wybrać inną nazwę.", kMessageCaption);
        return SaveOutcome::NotWritten;
    }

    const FolderLock lock(dir);
    if (!lock.Held()) {
        dialogs.ShowMessage(lock.BusyMessage(), kMessageCaption);
        return SaveOutcome::NotWritten;
    }
    const bool copied = WriteSaveScript(dir, set, picture, problems);
    if (!problems.Empty()) {
        dialogs.ShowMessage(problems.Message(), kMessageCaption);
        problems.Clear();
        return SaveOutcome::NotWritten;
    }
    if (!copied) {  // the copy script went away while the dialog was open
        dialogs.ShowMessage(kNoChartMessage, kMessageCaption);
        return SaveOutcome::NoChart;
    }

    PictureGuard guard(picture);
    if (!guard.Ready()) {  // the file there cannot be moved aside, so it is not written over
        FileProblems kept;
        kept.Add(picture);
        dialogs.ShowMessage(kept.Message(), kMessageCaption);
        return SaveOutcome::NotWritten;
    }
    const ProcessRun run = launcher.RunAndWait(kPlotterProgram, {files.SaveScript}, dir, kPlotterWait);
    if (!run.Started) {
        dialogs.ShowMessage(kNoPlotterMessage, kMessageCaption);
        return SaveOutcome::NotWritten;
    }
    if (guard.Settle())
        return SaveOutcome::Saved;
    std::string message = "Nie udało się zapisać charakterystyki w pliku:\n" + picture;
    if (!run.Finished)
        message += "\nProgram gnuplot nie skończył pracy w ciągu " + std::to_string(kPlotterWait.count() / 1000) + " s.";
    else if (const std::string lines = ErrorLines(run.Output); !lines.empty())
        message += "\nProgram gnuplot: " + lines;
    dialogs.ShowMessage(message, kMessageCaption);
    return SaveOutcome::NotWritten;
}
