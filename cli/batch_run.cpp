// The batch front end's run: the input's keys turned into the answers of every dialog, a dry run
// of the dialogs on a copy of the record, then the commands of the main window with the screen
// report after each.
#include "cli/batch_run.h"

#include <charconv>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <vector>

#include "cli/plotter.h"
#include "cli/storey_run.h"
#include "model/fan_catalogue.h"
#include "output/report.h"
#include "output/working_dir.h"

namespace {

// Form names and captions, to name a dialog in a message.
struct DialogName {
    DialogId Dialog;
    const char* Name;
    const char* Caption;
};

// Columns: dialog, form name, caption.
constexpr DialogName kDialogNames[] = {
    {DialogId::OKBottomDlg3,     "OKBottomDlg3",     "Wprowadzanie Ro"},
    {DialogId::OKBottomDlg,      "OKBottomDlg",      "Dobór parametrów"},
    {DialogId::Form3,            "Form3",            "Dobór parametrów"},
    {DialogId::OKBottomDlg333,   "OKBottomDlg333",   "Wybór kanału"},
    {DialogId::Form1,            "Form1",            "Parametry kanału"},
    {DialogId::Form4,            "Form4",            "Parametry kanału"},
    {DialogId::OKBottomDlg33333, "OKBottomDlg33333", "Wybór współczynnika chropowatości"},
    {DialogId::OKBottomDlg3333,  "OKBottomDlg3333",  "Wybór typu instalacji"},
    {DialogId::Form22,           "Form22",           "Parametry budynku"},
    {DialogId::Form222,          "Form222",          "Parametry budynku"},
    {DialogId::Form2222,         "Form2222",         "Parametry budynku"},
    {DialogId::Form22222,        "Form22222",        "Parametry budynku"},
    {DialogId::Form222222,       "Form222222",       "Parametry budynku"},
    {DialogId::OKBottomDlg_wyw,  "OKBottomDlg_wyw",  "Wybór wentylatora"},
    {DialogId::OKBottomDlg1,     "OKBottomDlg1",     "Podaj parametry"},
    {DialogId::OKBottomDlg2,     "OKBottomDlg2",     "Podaj parametry"},
    {DialogId::OKBottomDlg7,     "OKBottomDlg7",     "Rozkład przepływu na kondygnacjach"},
};

std::string NameOf(DialogId dialog)
{
    for (const DialogName& entry : kDialogNames)
        if (entry.Dialog == dialog)
            return std::string(entry.Name) + " („" + entry.Caption + "”)";
    return "?";
}

// Which edit box a key fills: the index is the box's place in its value file.
struct EditKey {
    const char* Key;
    DialogId Dialog;
    size_t Edit;
};

// Columns: key, dialog, edit box in value-file order.
constexpr EditKey kEditKeys[] = {
    {"density",          DialogId::OKBottomDlg,  0},
    {"temperature",      DialogId::Form3,        0},
    {"pressure",         DialogId::Form3,        1},
    {"humidity",         DialogId::Form3,        2},
    {"duct_length",      DialogId::Form1,        0},
    {"duct_width",       DialogId::Form1,        1},
    {"duct_diameter",    DialogId::Form4,        0},
    {"storey_height",    DialogId::Form22,       0},
    {"storey_height",    DialogId::Form222,      0},
    {"storey_height",    DialogId::Form2222,     0},
    {"storey_height",    DialogId::Form22222,    0},
    {"storey_height",    DialogId::Form222222,   0},
    {"storeys",          DialogId::Form22,       1},
    {"storeys",          DialogId::Form222,      1},
    {"storeys",          DialogId::Form2222,     1},
    {"storeys",          DialogId::Form22222,    1},
    {"storeys",          DialogId::Form222222,   1},
    {"grille_height",    DialogId::Form22,       2},
    {"grille_width",     DialogId::Form22,       3},
    {"loss_coefficient", DialogId::Form22,       4},
    {"grille_diameter",  DialogId::Form222,      2},
    {"loss_coefficient", DialogId::Form222,      3},
    {"turns",            DialogId::Form2222,     2},
    {"constant_flow",    DialogId::Form22222,    2},
    {"constant_flow",    DialogId::Form222222,   2},
    {"regulated_flow",   DialogId::OKBottomDlg1, 0},
    {"variant_flow",     DialogId::OKBottomDlg2, 0},
};

// The building dialogs, whose combo box (kinds 3..5) the key "grille" answers.
constexpr DialogId kComboBuildingDialogs[] = {DialogId::Form2222, DialogId::Form22222,
                                              DialogId::Form222222};

std::optional<int> ParseWholeNumber(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty())
        return std::nullopt;
    return value;
}

const std::string* ValueOf(const BatchInput& input, const char* key)
{
    const auto found = input.Values.find(key);
    return found == input.Values.end() ? nullptr : &found->second;
}

class AnswerBuilder {
public:
    AnswerBuilder(const BatchInput& input, const std::string& inputName)
        : input_(input), inputName_(inputName) {}

    // A choice given as one of `words`; returns the 0-based index, `fallback` when missing.
    int Word(const char* key, std::initializer_list<const char*> words, int fallback)
    {
        const std::string* value = ValueOf(input_, key);
        if (!value)
            return fallback;
        int index = 0;
        std::string list;
        for (const char* word : words) {
            if (*value == word)
                return index;
            list += (index++ ? ", " : "") + std::string(word);
        }
        Fail(key, "„" + *value + "” nie jest żadną z wartości: " + list);
        return fallback;
    }

    // A choice given as a number first..last; returns the number, `fallback` when missing.
    int Number(const char* key, int first, int last, int fallback)
    {
        const std::string* value = ValueOf(input_, key);
        if (!value)
            return fallback;
        const std::optional<int> number = ParseWholeNumber(*value);
        if (!number || *number < first || *number > last) {
            Fail(key, "„" + *value + "” nie jest liczbą od " + std::to_string(first) + " do " +
                          std::to_string(last));
            return fallback;
        }
        return *number;
    }

    int Fan()
    {
        const std::string* value = ValueOf(input_, "fan");
        if (!value) {
            if (error_.empty())
                error_ = inputName_ + ": brak klucza „fan” (numer wentylatora w katalogu)";
            return 0;
        }
        const std::optional<int> index = ParseWholeNumber(*value);
        const FanEntry* entry = index ? LookupFan(*index) : nullptr;
        if (!entry || !entry->ChooserCaption) {
            Fail("fan", "„" + *value + "” nie jest numerem wentylatora z przyciskiem w oknie wyboru");
            return 0;
        }
        return *index;
    }

    // The variant of OKBottomDlg2: its number or its item text; -1 (nothing selected) when missing.
    int Variant()
    {
        const std::string* value = ValueOf(input_, "variant");
        if (!value)
            return -1;
        const std::vector<std::string>& items = ComboItems(DialogId::OKBottomDlg2);
        for (size_t i = 0; i < items.size(); ++i)
            if (*value == items[i] || *value == std::to_string(i))
                return static_cast<int>(i);
        std::string list;
        for (size_t i = 0; i < items.size(); ++i)
            list += (i ? ", " : "") + std::to_string(i) + " („" + items[i] + "”)";
        Fail("variant", "„" + *value + "” nie jest żadną z wartości: " + list);
        return -1;
    }

    const std::string& Error() const { return error_; }

private:
    void Fail(const char* key, const std::string& what)
    {
        if (!error_.empty())
            return;  // the first error is the one reported
        error_ = inputName_ + ": wiersz " + std::to_string(input_.LineOf.at(key)) + ": " + key + ": " + what;
    }

    const BatchInput& input_;
    const std::string& inputName_;
    std::string error_;
};

}  // namespace

DialogAnswersResult BuildDialogAnswers(const BatchInput& input, const std::string& dir,
                                       const std::string& inputName)
{
    DialogAnswersResult result;
    DialogAnswers& answers = result.Answers;
    for (const DialogName& entry : kDialogNames) {
        DialogInput& dialog = answers.Inputs[entry.Dialog];
        dialog.Edits = EditTextsAtCreation(entry.Dialog, dir);
        const std::vector<std::string>& items = ComboItems(entry.Dialog);
        if (!items.empty())
            dialog.ComboText = items.front();  // every combo box starts showing its first item
    }
    for (const EditKey& key : kEditKeys) {
        const std::string* value = ValueOf(input, key.Key);
        std::vector<std::string>& edits = answers.Inputs[key.Dialog].Edits;
        if (value && key.Edit < edits.size())
            edits[key.Edit] = *value;
    }

    AnswerBuilder builder(input, inputName);
    // Radio dialogs answer with the 0-based button; the defaults are the buttons checked initially.
    answers.Inputs[DialogId::OKBottomDlg3].Choice = builder.Word("density_source", {"computed", "typed"}, 1);
    answers.Inputs[DialogId::OKBottomDlg333].Choice = builder.Word("duct_shape", {"rectangular", "round"}, 0);
    answers.Inputs[DialogId::OKBottomDlg33333].Choice = builder.Number("material", 1, 6, 1) - 1;
    answers.Inputs[DialogId::OKBottomDlg3333].Choice = builder.Number("installation", 1, 5, 1) - 1;
    if (const std::string* grille = ValueOf(input, "grille"))
        for (DialogId dialog : kComboBuildingDialogs)
            answers.Inputs[dialog].ComboText = *grille;
    DialogInput& variant = answers.Inputs[DialogId::OKBottomDlg2];
    variant.ComboIndex = builder.Variant();
    if (variant.ComboIndex >= 0)
        variant.ComboText = ComboItems(DialogId::OKBottomDlg2)[static_cast<size_t>(variant.ComboIndex)];
    answers.Inputs[DialogId::OKBottomDlg_wyw].Choice = builder.Fan();

    result.Error = builder.Error();
    result.Ok = result.Error.empty();
    return result;
}

namespace {

// Confirms the dialogs the wizard shows without writing a value file, and stops at the chooser,
// so that neither the fan selection nor any writer runs.
class DryRunFrontEnd final : public FrontEnd {
public:
    DryRunFrontEnd(const DialogAnswers& answers, CalcRecord& record, const std::string& dir)
        : answers_(answers), record_(record), dir_(dir) {}

    bool ShowDialog(DialogId dialog) override
    {
        if (dialog == DialogId::OKBottomDlg_wyw) {
            reachedChooser_ = true;
            return false;
        }
        return Confirm(dialog);
    }
    void ShowMessage(const std::string&, const std::string&) override {}
    void StartPlotter(const std::string&) override {}
    void Repaint() override {}

    bool Confirm(DialogId dialog)
    {
        FileProblems ignored;
        const DialogOutcome outcome =
            ConfirmDialog(dialog, answers_.For(dialog), record_, ValueFileTarget{dir_, false}, ignored);
        if (!outcome.Accepted && error_.empty())
            error_ = "okno " + NameOf(dialog) + " nie przyjmuje danych: " + outcome.Message;
        return outcome.Accepted;
    }

    bool ReachedChooser() const { return reachedChooser_; }
    const std::string& Error() const { return error_; }

private:
    const DialogAnswers& answers_;
    CalcRecord& record_;
    const std::string& dir_;
    bool reachedChooser_ = false;
    std::string error_;
};

void PrintScreenReport(const CalcRecord& record, std::ostream& out)
{
    out << RenderReportText(BuildResultsReport(record, ReportRendering::Screen));
    out.flush();
}

}  // namespace

std::string DryRunDialogs(const DialogAnswers& answers, const BatchInput& input,
                          const std::string& dir, const CalcRecord& record)
{
    CalcRecord copy = record;
    DryRunFrontEnd ui(answers, copy, dir);
    Session session{copy, dir, ui, {}};
    commands::FileNew(session);
    if (!ui.Error().empty())
        return ui.Error();
    if (!ui.ReachedChooser())
        return "kreator „Nowe obliczenia” nie doszedł do wyboru wentylatora";
    if (ValueOf(input, "regulated_flow") && !ui.Confirm(DialogId::OKBottomDlg1))
        return ui.Error();
    if (ValueOf(input, "variant_flow") && !ui.Confirm(DialogId::OKBottomDlg2))
        return ui.Error();
    return "";
}

CliFrontEnd::CliFrontEnd(const DialogAnswers& answers, const BatchOptions& options, std::ostream& err)
    : answers_(answers), options_(options), err_(err) {}

bool CliFrontEnd::ShowDialog(DialogId dialog)
{
    const DialogOutcome outcome = ConfirmDialog(dialog, answers_.For(dialog), session_->Record,
                                                ValueFileTarget{options_.Dir, true}, session_->Problems);
    if (!outcome.Accepted)  // the dry run makes this unreachable; a refusal still ends the command
        err_ << "okno " << NameOf(dialog) << " nie przyjmuje danych: " << outcome.Message << "\n";
    return outcome.Accepted;
}

void CliFrontEnd::ShowMessage(const std::string& text, const std::string&)
{
    err_ << text << "\n";
    err_.flush();
}

void CliFrontEnd::StartPlotter(const std::string& scriptName)
{
    if (!options_.Plot || plotterMissing_)
        return;
    const PlotterRun run = RunPlotter(options_.Plotter, options_.Dir, scriptName);
    switch (run.Status) {
    case PlotterStatus::Finished:
        if (run.ExitCode != 0)
            err_ << "program " << options_.Plotter << " zakończył pracę nad „" << scriptName
                 << "” z kodem " << run.ExitCode << "\n";
        break;
    case PlotterStatus::NotFound:
        plotterMissing_ = true;
        err_ << "nie znaleziono programu " << options_.Plotter << ": wykresy GIF nie powstały\n";
        break;
    case PlotterStatus::Failed:
        err_ << "nie udało się uruchomić programu " << options_.Plotter << " dla „" << scriptName
             << "”: " << run.Error << "\n";
        break;
    }
}

int RunBatch(const BatchInput& input, const BatchOptions& options, std::ostream& out, std::ostream& err)
{
    std::error_code error;
    const bool dirExists = std::filesystem::exists(options.Dir, error);
    if (dirExists && !std::filesystem::is_directory(options.Dir, error)) {
        err << "katalog roboczy „" << options.Dir << "” nie jest katalogiem\n";
        return kExitBadInput;
    }

    // Everything is checked before the first file is touched.
    DialogAnswersResult answers = BuildDialogAnswers(input, options.Dir, options.InputName);
    if (!answers.Ok) {
        err << answers.Error << "\n";
        return kExitBadInput;
    }
    CalcRecord record;
    ResetCalcRecord(record);
    std::string refusal = DryRunDialogs(answers.Answers, input, options.Dir, record);
    if (refusal.empty() && options.Storeys) {
        AnswerStoreyDialog(answers.Answers, options);
        refusal = DryRunStoreyDialog(answers.Answers, record);
    }
    if (!refusal.empty()) {
        err << options.InputName << ": " << refusal << "\n";
        return kExitBadInput;
    }

    // A working directory that does not exist yet is made, once the input is known to be good.
    if (!dirExists && !std::filesystem::create_directories(options.Dir, error)) {
        err << "nie można utworzyć katalogu roboczego „" << options.Dir << "”\n";
        return kExitBadInput;
    }
    FileProblems preparation;
    PrepareWorkingDirectory(options.Dir, preparation);
    if (!preparation.Empty())
        err << preparation.Message() << "\n";

    CliFrontEnd ui(answers.Answers, options, err);
    Session session{record, options.Dir, ui, {}};
    ui.Attach(session);

    int status = kExitOk;
    // With the CSV the storey table alone goes to standard output.
    std::ostringstream discarded;
    std::ostream& reports = options.StoreysCsv ? discarded : out;
    const CommandResult wizard = commands::FileNew(session);
    PrintScreenReport(record, reports);
    if (wizard == CommandResult::FanUnsuitable)
        status = kExitFanUnsuitable;
    else if (wizard != CommandResult::Done)
        return kExitBadInput;

    if (ValueOf(input, "regulated_flow")) {
        commands::obr_reg(session);
        PrintScreenReport(record, reports);
    }
    if (ValueOf(input, "variant_flow")) {
        commands::par_reg_tlumika(session);
        PrintScreenReport(record, reports);
    }
    if (options.Storeys)
        status = RunStoreyFlows(session, options, out, status);
    return status;
}
