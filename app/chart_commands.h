// What the twelve chart menu commands do with the files the last calculation of their kind
// left behind: show the chart with gnuplot, open the HTML report in the browser, or save the
// chart as a GIF file of the user's choosing.
#pragma once

#include <string>

#include "output/charts.h"
#include "output/file_problems.h"

class ProcessLauncher;
class SystemDialogs;
class UrlOpener;

enum class SaveOutcome {
    Saved,       // the save script is written and gnuplot started on it
    Cancelled,   // the user cancelled the save dialog
    NoChart,     // no calculation of this kind yet: nothing to copy
    NotWritten,  // the save script could not be written (reported)
};

extern const char kNoChartMessage[];

// gnuplot -persist <display script>, started in `dir`; the chart window stays until closed.
void DisplayChart(ChartSet set, const std::string& dir, ProcessLauncher& launcher);

// The set's HTML report, dir + "/wykresy/wykresy*.html", opened in the default browser.
void OpenChartReport(ChartSet set, const std::string& dir, UrlOpener& opener);

// Asks for a file name (".gif" added unless the name holds it), writes the save script from the
// set's copy script and starts gnuplot on it. A set never calculated gives kNoChartMessage
// without asking for a name.
SaveOutcome SaveChart(ChartSet set, const std::string& dir, SystemDialogs& dialogs,
                      ProcessLauncher& launcher, FileProblems& problems);
