// What each dialog does when the user presses OK, without any window code: convert the texts of
// its controls, store the values in the record and save its value file. The Qt forms and the
// batch front end both call ConfirmDialog and nothing else.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/value_files.h"
#include "model/calc_record.h"
#include "output/file_problems.h"

enum class DialogId {
    OKBottomDlg3,      // density source
    OKBottomDlg,       // typed density
    Form3,             // density from temperature, pressure, humidity
    OKBottomDlg333,    // duct shape
    Form1,             // rectangular duct
    Form4,             // round duct
    OKBottomDlg33333,  // duct material
    OKBottomDlg3333,   // installation kind
    Form22,            // building, rectangular grille
    Form222,           // building, round grille
    Form2222,          // building, adjustable round grille
    Form22222,         // building, constant-flow round grille
    Form222222,        // building, constant-flow rectangular grille
    OKBottomDlg_wyw,   // fan chooser
    OKBottomDlg1,      // requested flow, regulated speed
    OKBottomDlg2,      // requested flow and variant, regulated speed with silencers
    OKBottomDlg7,      // stack effect, outside temperature and fan speed of the storey flows
};

// What the controls of a dialog hold when OK is pressed.
struct DialogInput {
    std::vector<std::string> Edits;  // edit box texts in value-file order (UTF-8)
    int Choice = 0;          // radio dialogs: 0-based checked button; chooser: FanIndex of the checked button (0 none)
    std::string ComboText;   // building dialogs of kinds 3..5: the combo box text
    int ComboIndex = -1;     // OKBottomDlg2: selected item, -1 when none is selected
};

struct DialogOutcome {
    bool Accepted = true;  // false: refused; nothing stored or saved, the dialog stays open
    std::string Message;   // why it was refused (Polish, UTF-8)
};

// Where a confirmed dialog saves its value file. Write false: a dry run that saves nothing.
struct ValueFileTarget {
    std::string Dir;
    bool Write = true;
};

// The dialog's value file layout, or nullptr for dialogs without edit boxes.
const ValueFileLayout* ValueFileOf(DialogId dialog);

// Initial texts of the dialog's edit boxes ("Edit1", ...), in value-file order.
std::vector<std::string> InitialEditTexts(DialogId dialog);

// The texts a dialog shows when it is created: its initial texts, replaced line by line from its
// value file in `dir`.
std::vector<std::string> EditTextsAtCreation(DialogId dialog, const std::string& dir);

// The OK of a dialog. A value file that cannot be written goes into `problems`; the values are
// stored all the same.
DialogOutcome ConfirmDialog(DialogId dialog, const DialogInput& input, CalcRecord& record,
                            const ValueFileTarget& files, FileProblems& problems);

// Combo items of the dialogs that have one (empty for the others), in list order.
const std::vector<std::string>& ComboItems(DialogId dialog);

// Radio captions of the choice dialogs (empty for the others), top to bottom.
const std::vector<std::string>& RadioCaptions(DialogId dialog);

// The item a combo text names: its index, or 0 (the first item) when it names none.
int ComboItemForText(DialogId dialog, const std::string& text);
