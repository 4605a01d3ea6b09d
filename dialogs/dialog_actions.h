// What each dialog does when the user presses OK, without any window code: convert the texts of
// its controls, store the values in the record and save its value file. The Qt forms and the
// batch front end both call ConfirmDialog and nothing else.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/building_file.h"
#include "dialogs/dialog_table.h"
#include "dialogs/value_files.h"
#include "model/calc_record.h"
#include "output/storage/file_problems.h"

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
    int Box = -1;          // the edit box (value-file order) the refusal is about, -1 for none
};

// Where a confirmed dialog saves its value file and its answers in the building file. Write
// false: a dry run that saves nothing. The commands confirm dialogs under the folder lock.
struct ValueFileTarget {
    std::string Dir;
    bool Write = true;
};

// The dialog's value file layout, or nullptr for dialogs without edit boxes.
const ValueFileLayout* ValueFileOf(DialogId dialog);

// The texts a dialog shows when it is created, in value-file order: the answers of the building
// file in `dir`, else the lines of its value file there; a box without either (no file yet, a
// short or unreadable file) starts with its start text, nearly always empty.
std::vector<std::string> EditTextsAtCreation(DialogId dialog, const std::string& dir);
std::vector<std::string> EditTextsAtCreation(DialogId dialog, const std::string& dir, const BuildingFile& building);

// What the controls of a dialog hold at creation, as its OK would pass them: the texts above, the
// checked button and the combo box's text or item, from the building file or as the form starts.
DialogInput InputAtCreation(DialogId dialog, const std::string& dir, const BuildingFile& building);

// The dialogs whose value file in `dir` exists but cannot be read (not a regular file, no
// permission). Their boxes start empty; the file is rewritten only by the dialog's own OK.
std::vector<DialogId> DialogsWithUnreadableValueFiles(const std::string& dir);

// One message naming each such value file and its dialog, "" when there is none.
std::string UnreadableValueFilesMessage(const std::string& dir);

// The OK of a dialog. Every edit box must hold one whole number of its kind, finite, whose saved
// line fits its width, and every value the dialog stores must be finite; otherwise the dialog
// refuses with a message naming the box. Accepted, the value file is written and the building
// file rewritten with the dialog's answers; a file that cannot be written goes into `problems`,
// and the values are stored all the same.
DialogOutcome ConfirmDialog(DialogId dialog, const DialogInput& input, CalcRecord& record,
                            const ValueFileTarget& files, FileProblems& problems);

// The storey-flow dialog's edit text after its boxes: when not empty, the outside temperature of
// the one condition asked for instead of still air, winter and summer (never saved).
constexpr size_t kOneConditionEdit = 4;

// True when another dialog asks for the same answer in a box of its own; the building file holds
// it once, so a form shows the box's text afresh each time it is shown.
bool IsSharedAnswer(DialogId dialog, size_t box);

// The check ConfirmDialog makes of the text of one edit box (its index in value-file order):
// accepted, or refused with the message naming the box.
DialogOutcome CheckEditText(DialogId dialog, size_t box, std::string_view text);

// Combo items of the dialogs that have one (empty for the others), in list order.
const std::vector<std::string>& ComboItems(DialogId dialog);

// Radio captions of the choice dialogs (empty for the others), top to bottom.
const std::vector<std::string>& RadioCaptions(DialogId dialog);

// The building dialog that asks for the storeys and the grille of an InstallationKind value;
// nothing for a value that names no kind.
std::optional<DialogId> BuildingDialogOf(int32_t installationKind);

// The item a combo text names: its index, or 0 (the first item) when it names none.
int ComboItemForText(DialogId dialog, const std::string& text);
