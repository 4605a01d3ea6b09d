// What the twelve chart menu commands do with the files the last calculation of their kind
// left behind: show the chart with gnuplot, open the HTML report in the browser, or save the
// chart as a GIF file of the user's choosing. A chart set that does not exist yet, or that
// belongs to an earlier fan selection, is refused with a message saying what to run first.
#pragma once

#include <string>

#include "output/charts.h"
#include "output/storage/file_problems.h"

class ProcessLauncher;
class SystemDialogs;
class UrlOpener;

enum class SaveOutcome {
    Saved,       // the save script is written and gnuplot wrote a whole GIF
    Cancelled,   // the user cancelled the save dialog
    NoChart,     // no calculation of this kind yet, or one for an earlier fan selection
    NotWritten,  // the save script or the picture could not be written (reported)
};

extern const char kNoChartMessage[];

// The message when no browser could be started on `path`.
std::string NoBrowserMessage(const std::string& path);

// gnuplot -persist <display script>, started in `dir`; the chart window stays until closed.
void DisplayChart(ChartSet set, const std::string& dir, ProcessLauncher& launcher, SystemDialogs& dialogs);

// The set's HTML report, dir + "/wykresy/wykresy*.html", opened in the default browser.
void OpenChartReport(ChartSet set, const std::string& dir, UrlOpener& opener, SystemDialogs& dialogs);

// Asks for a file name (".gif" added unless the name holds it), writes the save script from the
// set's copy script, runs gnuplot on it and waits for the picture; a picture not made is
// reported with gnuplot's own error line, and a file of that name from before is kept. A set
// never calculated gives kNoChartMessage without asking for a name.
SaveOutcome SaveChart(ChartSet set, const std::string& dir, SystemDialogs& dialogs,
                      ProcessLauncher& launcher, FileProblems& problems);
