// The calculation commands of the main window, written once for both front ends: the
// new-calculation wizard, the fan selection, the silencer view and the two regulation commands.
// What differs between the window and the batch front end is behind FrontEnd.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_actions.h"
#include "model/calc_record.h"
#include "model/catalogue_ranking.h"
#include "output/storage/file_problems.h"
#include "output/storage/folder_lock.h"

class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    // Shows a dialog modally. On OK the dialog has already passed its controls to ConfirmDialog
    // (record and value file updated) and true is returned; false on cancel.
    virtual bool ShowDialog(DialogId dialog) = 0;
    // A message box without owner and icon, with an OK button (UTF-8 texts).
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // Runs the plotting program on a GIF script in the working directory and waits for it (within
    // a limit). True when the program ran and ended, so that its picture can be judged.
    virtual bool StartPlotter(const std::string& scriptName) = 0;
    // Whether this front end plots the GIF pictures at all (the batch front end's --no-plot does
    // not): only then is a picture that could not be plotted named among the files not written.
    virtual bool PlotsPictures() const { return true; }
    // Has the plotting program draw `picture` (a full path) from the GIF script `scriptName`. The
    // previous picture stays until the new one is whole. By default the plotter is waited for
    // and a picture not completed is added to `problems`; the window draws in the background
    // and reports such a picture itself when its plot ends.
    virtual void PlotPicture(const std::string& scriptName, const std::string& picture, FileProblems& problems);
    // Asks the main window to repaint the report from the record.
    virtual void Repaint() = 0;
    // Shows the ranked configurations for the required flow per grille [m3/h] modally; the index
    // of the chosen row on OK, nothing on cancel. Without a table: cancel.
    virtual std::optional<size_t> ChooseRankedRow(const std::vector<RankedConfiguration>& /*rows*/,
                                                  double /*requiredFlow*/)
    {
        return std::nullopt;
    }
    // Checks the fan chooser's button of the entry, as the user does before the chooser's OK.
    virtual void CheckChooserButton(int32_t /*fanIndex*/) {}
};

struct Session {
    CalcRecord& Record;
    std::string Dir;  // working directory of all value, chart and report files
    FrontEnd& Ui;
    FileProblems Problems;  // files that could not be written during the current command
};

enum class CommandResult {
    Done,           // ran to its end
    Cancelled,      // a dialog was cancelled
    Refused,        // refused with a message (no operating point to regulate, no storey flows)
    FanUnsuitable,  // the fan selection found no operating point
};

extern const char kUnsuitableFanMessage[];
extern const char kNoNetworkMessage[];
extern const char kNoFanSelectedMessage[];

// Taken first by every command that writes into the working folder and held to its end: a
// command of another program writing in the same folder is waited for, and when it does not
// end in time the refusal naming the folder is shown and Held() is false.
class CommandLock {
public:
    explicit CommandLock(Session& session);
    bool Held() const { return lock_.Held(); }

private:
    FolderLock lock_;
};

// Puts the building file of `dir` into the record as the wizard would, each dialog confirmed with
// what it shows at creation, without showing, writing or plotting anything; when the file names a
// fan, that fan's selection is computed and the report kinds show it. Without a building file, or
// when a dialog refuses what it shows, the record keeps its inputs. True when the fan suits.
bool RestoreBuilding(CalcRecord& record, const std::string& dir);

namespace commands {

// Each runs the menu item named beside it; the main window's slot of that item calls it.
CommandResult NewCalculation(Session& session);          // "&Nowe obliczenia"
CommandResult SelectFanOnly(Session& session);           // "&Wybierz tylko wentylator"
CommandResult RegulateSpeed(Session& session);           // "&Obroty regulowane"
CommandResult ShowSilencerVariants(Session& session);    // "&Parametry z tłumikami"
CommandResult RegulateVariantSpeed(Session& session);    // "&Obroty regulowane z tłumikami"
CommandResult SelectFromCatalogue(Session& session);     // "&Dobór z katalogu"
CommandResult StoreyFlowDistribution(Session& session);  // "Rozkład &przepływu na kondygnacjach"
CommandResult CommissioningSettings(Session& session);   // "N&astawy regulacyjne"

}  // namespace commands
