// Chart point files and gnuplot scripts of the chart sets, and the save scripts built from
// the copy scripts. Every file goes into the working directory; the GIF pictures into "wykresy".
#pragma once

#include <string>

#include "model/calc_record.h"
#include "model/fan_catalogue.h"
#include "output/storage/file_problems.h"

enum class ChartSet { Fan = 1, Silencers = 2, Regulated = 3, RegulatedSilencers = 4, StoreyFlows = 5, Commissioning = 6 };

struct ChartFiles {
    const char* DisplayScript;  // "wykres.gnu", ...
    const char* GifScript;      // "gif.gnu", ...
    const char* CopyScript;     // "tmp1.gnu", ...
    const char* SaveScript;     // "gifd1.gnu", ...
    const char* Picture;        // "wykresy/wykres.gif", ...
    const char* HtmlReport;     // "wykresy/wykresy.html", ...
    const char* PointFiles[5];  // what the GIF script plots: "1.gnu", "siec.gnu", ...; nullptr after the last
};

const ChartFiles& FilesOf(ChartSet set);

// Fan set: "1.gnu", "siec.gnu" (network up to phi* + 0.01, with record.NetworkCoefficient),
// then the three scripts. Written only after a successful search.
void WriteFanCharts(const std::string& dir, const CalcRecord& record, const FanEntry& entry,
                    double operatingFlowCoefficient, FileProblems& problems);

// Silencer set: "pt.gnu", "tc.gnu", then the three scripts.
void WriteSilencerCharts(const std::string& dir, const CalcRecord& record, const FanEntry& entry,
                         FileProblems& problems);

// Regulated set: "reg.gnu" (RegulatedFlow, RegulatedPressure), then the scripts with title T3.
void WriteRegulatedCharts(const std::string& dir, const CalcRecord& record, FileProblems& problems);

// Regulated set with silencers: "reg_tl.gnu", then the scripts with T3, or T2 when
// VariantRegulatedSpeed is 0.0.
void WriteRegulatedSilencerCharts(const std::string& dir, const CalcRecord& record, FileProblems& problems);

// The three scripts of a set, in the order display, GIF, copy: `body` (labels, grid, plot line)
// after the display title and before the pause in the display script, after the picture's name,
// the terminal and `title` in the GIF script, after `title` alone in the copy script.
void WriteChartScripts(const std::string& dir, ChartSet set, const std::string& displayTitle,
                       const std::string& title, const std::string& body, FileProblems& problems);

// The save script of a set: "set terminal gif", "set output '<absolute path>'" (a quote in the
// path doubled) and the copy script byte for byte. False (nothing written) when the copy script
// does not exist.
bool WriteSaveScript(const std::string& dir, ChartSet set, const std::string& pictureFullPath,
                     FileProblems& problems);

// Whether a regulated set (3 or 4) was calculated for an earlier fan selection: its point file
// is older than a file the latest fan selection wrote. Such a chart would draw the old point over
// the new curves. A set without its point file is not stale, only missing.
bool IsStale(const std::string& dir, ChartSet set);

// The chosen save name with ".gif" appended unless it contains ".gif" anywhere (case-sensitive).
std::string SaveNameWithGif(const std::string& chosen);
