// The chart commands on the files of a chart set. None of them computes anything or reads the
// calculation record.
#include "app/chart_commands.h"

#include <filesystem>
#include <optional>

#include "app/process_launcher.h"
#include "app/system_dialogs.h"
#include "dialogs/commands.h"
#include "output/text_file.h"

const char kNoChartMessage[] = "Brak charakterystyki do zapisania.\nProszę najpierw wykonać obliczenia.";

void DisplayChart(ChartSet set, const std::string& dir, ProcessLauncher& launcher)
{
    // The display script ends in "pause -1"; with its input at end of file gnuplot returns from
    // the pause at once, and "-persist" keeps the chart window open until the user closes it.
    launcher.StartDetached(kPlotterProgram, {"-persist", FilesOf(set).DisplayScript}, dir);
}

void OpenChartReport(ChartSet set, const std::string& dir, UrlOpener& opener)
{
    opener.OpenFile(JoinPath(dir, FilesOf(set).HtmlReport));
}

SaveOutcome SaveChart(ChartSet set, const std::string& dir, SystemDialogs& dialogs,
                      ProcessLauncher& launcher, FileProblems& problems)
{
    const ChartFiles& files = FilesOf(set);
    std::error_code error;
    // Asking for a name first would be in vain when there is nothing to save.
    if (!std::filesystem::exists(JoinPath(dir, files.CopyScript), error)) {
        dialogs.ShowMessage(kNoChartMessage, kMessageCaption);
        return SaveOutcome::NoChart;
    }
    const std::optional<std::string> chosen = dialogs.RunSaveDialog();
    if (!chosen)
        return SaveOutcome::Cancelled;

    const bool copied = WriteSaveScript(dir, set, SaveNameWithGif(*chosen), problems);
    if (!problems.Empty()) {
        dialogs.ShowMessage(problems.Message(), kMessageCaption);
        problems.Clear();
        return SaveOutcome::NotWritten;
    }
    if (!copied) {  // the copy script went away while the dialog was open
        dialogs.ShowMessage(kNoChartMessage, kMessageCaption);
        return SaveOutcome::NoChart;
    }
    launcher.StartDetached(kPlotterProgram, {files.SaveScript}, dir);
    return SaveOutcome::Saved;
}
