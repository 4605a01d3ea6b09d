// The building file "budynek.txt": every answer the dialogs of one working folder have been
// confirmed with, as "key = value" lines in the batch front end's input format, so that both
// programs reopen a folder where its building was left. Box texts are kept as typed; choices by
// the names the batch front end gives them.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/dialog_table.h"

struct CalcRecord;
struct Commissioning;
struct DialogInput;

extern const char kBuildingFileName[];  // "budynek.txt"

// A building file is a few hundred bytes; a larger one is not read.
constexpr size_t kBuildingFileReadLimit = size_t{64} << 10;  // bytes

// What a key of the building file answers.
enum class AnswerKind {
    Box,          // every edit box of the dialog table whose batch key it is: its text as typed
    Word,         // a radio dialog: the word of the checked button
    Number,       // a radio dialog: the checked button, counted from 1 at the top
    GrilleItem,   // the combo box of the building dialog whose list holds the item
    Fan,          // the fan chooser: FanIndex of the checked button
    VariantItem,  // OKBottomDlg2: the item text of the selected variant (its number, from 0, is read too)
    Setting,      // a commissioning setting, written by "Nastawy regulacyjne" rather than by a dialog
};

struct BuildingKey {
    const char* Key;  // the batch input key
    AnswerKind Kind;
    DialogId Dialog;                     // the dialog of a choice; for Box rows the first dialog with the key
    std::span<const char* const> Words;  // Word rows: the buttons' words, top to bottom
};

// Every key of the building file, in the order of its lines.
std::span<const BuildingKey> BuildingKeys();

// One "key = value" line of an input or building file: blanks around key and value removed.
struct KeyValueLine {
    int Line = 0;  // 1-based
    bool HasEquals = false;
    std::string Content;  // the whole line without its outer blanks (for a message)
    std::string Key;
    std::string Value;
};

// The lines of a "key = value" text (UTF-8, an optional byte order mark, LF, CR LF or lone CR line ends),
// without blank lines and lines whose first non-blank character is '#'.
std::vector<KeyValueLine> ParseKeyValueLines(std::string_view text);

// Why the building file cannot take `value` for `key`, "" when it can.
std::string BuildingAnswerProblem(const std::string& key, const std::string& value);

enum class BuildingFileState {
    Missing,  // no building file: everything as the value files and the forms say
    Read,
    Unreadable,  // something stands under the name that cannot be read as a whole
};

struct BuildingFile {
    BuildingFileState State = BuildingFileState::Missing;
    std::map<std::string, std::string> Answers;  // the lines that can be read, key -> value
    std::map<std::string, int> LineOf;           // key -> its line
    std::vector<std::string> Problems;           // "wiersz N: ..." for each line that cannot be read

    const std::string* Answer(const std::string& key) const;
};

BuildingFile ReadBuildingFile(const std::string& dir);

// One message about the building file of `dir`: the lines that cannot be read, or the whole
// file; "" when there is nothing to say.
std::string BuildingFileMessage(const std::string& dir);

// What a dialog shows at creation, taken from the building file where it has an answer.
// The radio dialogs: the checked button (from 0; the forms' initial button without an answer);
// the chooser: the FanIndex of its checked button; OKBottomDlg2: the selected variant, or -1.
int ChoiceAtCreation(DialogId dialog, const BuildingFile& building);
// The grille combo box of a building dialog: the item the building file names, when the list holds it.
std::optional<std::string> ComboTextAtCreation(DialogId dialog, const BuildingFile& building);
// The edit box texts a dialog shows at creation: the building file's answers laid over `texts`.
void LayBuildingTexts(DialogId dialog, const BuildingFile& building, std::vector<std::string>& texts);

// The answers a confirmed dialog gives, key by key; nullopt removes the key (no variant selected).
using BuildingAnswers = std::vector<std::pair<std::string, std::optional<std::string>>>;
BuildingAnswers AnswersOfDialog(DialogId dialog, const DialogInput& input);

// The building file of `dir` rewritten atomically with `answers` laid over the answers it holds;
// its lines that cannot be read are dropped. False when it cannot be written.
bool SaveBuildingAnswers(const std::string& dir, const BuildingAnswers& answers);

// The commissioning settings as building answers: the speed, and the turns of adjustable grilles
// (removed for the other kinds, so that no turns of an earlier building stay).
BuildingAnswers AnswersOfCommissioning(const Commissioning& commissioning);
// The settings of a building (its answers "commission_speed" and "commission_turns", either
// missing) laid into the record; what is missing or cannot be read holds no settings.
void LayCommissionSettings(const std::string* speed, const std::string* turns, CalcRecord& record);

// The text of a building file holding `answers`, in the order of BuildingKeys.
std::string BuildingFileText(const std::map<std::string, std::string>& answers);
