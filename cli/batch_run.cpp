// The batch front end's run: the input's keys turned into the answers of every dialog, a dry run
// of the dialogs on a copy of the record, then the commands of the main window with the screen
// report after each.
#include "cli/batch_run.h"

#include <charconv>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <span>
#include <sstream>
#include <vector>

#include "cli/plotter.h"
#include "cli/storey_run.h"
#include "model/fan_catalogue.h"
#include "model/operating_point.h"
#include "model/regulation.h"
#include "output/quoted_input.h"
#include "output/storage/folder_lock.h"
#include "model/installation_kinds.h"
#include "model/materials.h"
#include "output/report.h"
#include "output/storage/text_file.h"
#include "output/storage/working_dir.h"
#include "dialogs/building_file.h"

namespace {

// A dialog named in a message: its form name and caption.
std::string NameOf(DialogId dialog)
{
    const DialogFacts& facts = FactsOf(dialog);
    return std::string(facts.FormName) + " („" + facts.Caption + "”)";
}

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

// "NAME: wiersz N", the file and line of a key: the input's, or the building file's.
std::string WhereIs(const BatchInput& input, const std::string& key, const std::string& inputName)
{
    const auto file = input.FromFile.find(key);
    return (file == input.FromFile.end() ? inputName : "„" + file->second + "”") + ": wiersz " +
           std::to_string(input.LineOf.at(key));
}

// The input with the answers of the building file of `dir` for the keys it lacks; "" or why the
// building file cannot be used. Lines of the building file that cannot be read go to `notice`.
std::string AddBuildingAnswers(BatchInput& input, const std::string& dir, std::string& notice)
{
    const BuildingFile building = ReadBuildingFile(dir);
    const std::string path = JoinPath(dir, kBuildingFileName);
    if (building.State == BuildingFileState::Unreadable)
        return "nie można odczytać pliku budynku „" + path + "”";
    for (const std::string& problem : building.Problems)
        notice += "„" + path + "”: " + problem + " (wiersz pominięty)\n";
    for (const auto& [key, value] : building.Answers) {
        if (input.Values.count(key))
            continue;
        input.Values[key] = value;
        input.LineOf[key] = building.LineOf.at(key);
        input.FromFile[key] = path;
    }
    return "";
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
        Fail(key, "„" + QuotedInput(*value) + "” nie jest żadną z wartości: " + list);
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
            Fail(key, "„" + QuotedInput(*value) + "” nie jest liczbą od " + std::to_string(first) + " do " +
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
            Fail("fan", "„" + QuotedInput(*value) + "” nie jest numerem wentylatora z przyciskiem w oknie wyboru");
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
        Fail("variant", "„" + QuotedInput(*value) + "” nie jest żadną z wartości: " + list);
        return -1;
    }

    // A key whose value its edit box refuses, with the box's message.
    void Refuse(const char* key, const std::string& message) { Fail(key, message); }

    const std::string& Error() const { return error_; }

private:
    void Fail(const char* key, const std::string& what)
    {
        if (!error_.empty())
            return;  // the first error is the one reported
        error_ = WhereIs(input_, key, inputName_) + ": " + key + ": " + what;
    }

    const BatchInput& input_;
    const std::string& inputName_;
    std::string error_;
};

}  // namespace

std::string RefusalText(const BatchInput& input, DialogId dialog, const DialogOutcome& outcome)
{
    const std::span<const EditBox> boxes = FactsOf(dialog).Boxes;
    if (outcome.Box < 0 || static_cast<size_t>(outcome.Box) >= boxes.size())
        return "okno " + NameOf(dialog) + " nie przyjmuje danych: " + outcome.Message;
    const char* key = boxes[static_cast<size_t>(outcome.Box)].BatchKey;
    if (!input.LineOf.count(key))
        return std::string("brak klucza „") + key + "” (okno " + NameOf(dialog) + "): " + outcome.Message;
    if (input.FromFile.count(key))
        return WhereIs(input, key, "") + ": " + key + ": " + outcome.Message;
    return "wiersz " + std::to_string(input.LineOf.at(key)) + ": " + key + ": " + outcome.Message;
}

DialogAnswersResult BuildDialogAnswers(const BatchInput& given, const std::string& dir,
                                       const std::string& inputName)
{
    DialogAnswersResult result;
    DialogAnswers& answers = result.Answers;
    // A value file that exists but cannot be read is never overwritten by a batch run.
    for (DialogId unreadable : DialogsWithUnreadableValueFiles(dir)) {
        result.Error = "nie można odczytać pliku „" + QuotedInput(JoinPath(dir, FactsOf(unreadable).ValueFile)) +
                       "” z zapamiętanymi wartościami okna " + NameOf(unreadable);
        return result;
    }
    // A key the input lacks takes the building file's answer, then the value file's line.
    result.Input = given;
    const BatchInput& input = result.Input;
    if (const std::string error = AddBuildingAnswers(result.Input, dir, result.Notice); !error.empty()) {
        result.Error = error;
        return result;
    }
    AnswerBuilder builder(input, inputName);
    for (const DialogFacts& facts : AllDialogs()) {
        DialogInput& dialog = answers.Inputs[facts.Id];
        dialog.Edits = EditTextsAtCreation(facts.Id, dir);
        const std::vector<std::string>& items = ComboItems(facts.Id);
        if (!items.empty())
            dialog.ComboText = items.front();  // every combo box starts showing its first item
        // Each edit box takes its key's value; a key refused by its box is refused here, whether
        // its dialog is shown in this run or not.
        for (size_t box = 0; box < facts.Boxes.size(); ++box) {
            const char* key = facts.Boxes[box].BatchKey;
            if (const std::string* value = ValueOf(input, key)) {
                dialog.Edits[box] = *value;
                const DialogOutcome check = CheckEditText(facts.Id, box, *value);
                if (!check.Accepted)
                    builder.Refuse(key, check.Message);
            }
        }
    }

    // Radio dialogs answer with the 0-based button; the defaults are the buttons checked initially.
    answers.Inputs[DialogId::OKBottomDlg3].Choice = builder.Word("density_source", {"computed", "typed"}, 1);
    answers.Inputs[DialogId::OKBottomDlg333].Choice = builder.Word("duct_shape", {"rectangular", "round"}, 0);
    answers.Inputs[DialogId::OKBottomDlg33333].Choice =
        builder.Number("material", 1, static_cast<int>(std::size(kMaterials)), 1) - 1;
    answers.Inputs[DialogId::OKBottomDlg3333].Choice =
        builder.Number("installation", 1, static_cast<int>(std::size(kInstallationKinds)), 1) - 1;
    // The key "grille" answers the combo box of every building dialog (those without one ignore it).
    if (const std::string* grille = ValueOf(input, "grille"))
        for (const InstallationKindRow& kind : kInstallationKinds)
            if (const std::optional<DialogId> building = BuildingDialogOf(kind.Kind))
                answers.Inputs[*building].ComboText = *grille;
    DialogInput& variant = answers.Inputs[DialogId::OKBottomDlg2];
    variant.ComboIndex = builder.Variant();
    if (variant.ComboIndex >= 0)
        variant.ComboText = ComboItems(DialogId::OKBottomDlg2)[static_cast<size_t>(variant.ComboIndex)];
    answers.Inputs[DialogId::OKBottomDlg_wyw].Choice = builder.Fan();
    answers.Inputs[DialogId::OKBottomDlg7].Choice = builder.Word("balanced", {"no", "yes"}, 0);
    // The commissioning settings come from the building file or the input, checked alike.
    for (const char* key : {"commission_speed", "commission_turns"})
        if (const std::string* value = ValueOf(input, key))
            if (const std::string problem = BuildingAnswerProblem(key, *value); !problem.empty())
                builder.Refuse(key, problem.substr(std::string(key).size() + 2));

    result.Error = builder.Error();
    result.Ok = result.Error.empty();
    return result;
}

namespace {

// Confirms the dialogs the wizard shows without writing a value file, and stops at the chooser,
// so that neither the fan selection's files nor any other writer runs. The regulations are then
// computed on the record alone.
class DryRunFrontEnd final : public FrontEnd {
public:
    DryRunFrontEnd(const DialogAnswers& answers, const BatchInput& input, CalcRecord& record, const std::string& dir)
        : answers_(answers), input_(input), record_(record), dir_(dir) {}

    bool ShowDialog(DialogId dialog) override
    {
        if (dialog == DialogId::OKBottomDlg_wyw) {
            reachedChooser_ = true;
            return false;
        }
        return Confirm(dialog);
    }
    void ShowMessage(const std::string&, const std::string&) override {}
    bool StartPlotter(const std::string&) override { return false; }
    void Repaint() override {}

    bool Confirm(DialogId dialog)
    {
        FileProblems ignored;
        const DialogOutcome outcome =
            ConfirmDialog(dialog, answers_.For(dialog), record_, ValueFileTarget{dir_, false}, ignored);
        if (!outcome.Accepted)
            Fail(RefusalText(input_, dialog, outcome));
        return outcome.Accepted;
    }

    // The calculation of a regulation command on the record, which then holds an operating point.
    bool Regulate(RegulationOutcome (*compute)(CalcRecord&), const char* command)
    {
        if (!HasOperatingPoint(record_))
            return true;  // the command refuses with its message; the fan's status says why
        const RegulationOutcome outcome = compute(record_);
        if (!outcome.Accepted)
            Fail(std::string("polecenie „") + command + "” nie przyjmuje danych: " + outcome.Message);
        return outcome.Accepted;
    }

    void Fail(const std::string& error)
    {
        if (error_.empty())
            error_ = error;
    }

    bool ReachedChooser() const { return reachedChooser_; }
    const std::string& Error() const { return error_; }

private:
    const DialogAnswers& answers_;
    const BatchInput& input_;
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
    DryRunFrontEnd ui(answers, input, copy, dir);
    Session session{copy, dir, ui, {}};
    commands::NewCalculation(session);
    if (!ui.Error().empty())
        return ui.Error();
    if (!ui.ReachedChooser())
        return "kreator „Nowe obliczenia” nie doszedł do wyboru wentylatora";
    // The fan selection's calculation, without its files, so that the regulations are checked on
    // the operating point the run will have.
    if (!ui.Confirm(DialogId::OKBottomDlg_wyw))
        return ui.Error();
    SelectFan(copy);
    if (GivenInInput(input, "regulated_flow") &&
        !(ui.Confirm(DialogId::OKBottomDlg1) && ui.Regulate(ComputeRegulatedSpeed, "Obroty regulowane")))
        return ui.Error();
    if (GivenInInput(input, "variant_flow") &&
        !(ui.Confirm(DialogId::OKBottomDlg2) &&
          ui.Regulate(ComputeVariantRegulatedSpeed, "Obroty regulowane z tłumikami")))
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

bool CliFrontEnd::StartPlotter(const std::string& scriptName)
{
    // Once the plotter is known to be missing it is not looked for again; every picture it
    // would have made is still judged, and named as not made.
    if (plotterMissing_)
        return true;
    const PlotterRun run = RunPlotter(options_.Plotter, options_.Dir, scriptName, options_.PlotTimeout);
    const std::string program = EscapedText(options_.Plotter);
    switch (run.Status) {
    case PlotterStatus::Finished:
        if (run.ExitCode != 0)
            err_ << "program " << program << " zakończył pracę nad „" << scriptName << "” z kodem " << run.ExitCode
                 << "\n";
        break;
    case PlotterStatus::TimedOut:
        err_ << "program " << program << " nie skończył pracy nad „" << scriptName << "” w ciągu "
             << options_.PlotTimeout.count() / 1000.0 << " s i został zatrzymany\n";
        break;
    case PlotterStatus::Killed:
        err_ << "program " << program << " został zakończony sygnałem " << run.Error << " podczas pracy nad „"
             << scriptName << "”\n";
        break;
    case PlotterStatus::NotFound:
        plotterMissing_ = true;
        err_ << "nie znaleziono programu " << program << ": wykresy GIF nie powstały\n";
        break;
    case PlotterStatus::Failed:
        err_ << "nie udało się uruchomić programu " << program << " dla „" << scriptName << "”: " << run.Error
             << "\n";
        break;
    }
    err_.flush();
    return true;  // whatever happened, the picture is judged: one not made is named
}

int BatchFolder::Open(std::ostream& err)
{
    std::error_code error;
    existed_ = std::filesystem::exists(dir_, error);
    // The longest name the run writes there, with the suffix of its temporary.
    constexpr size_t kLongestInside = sizeof "wykresy/wykresy_reg_tl.html.0123456789abcdef.tmp~";
    constexpr size_t kLongestPath = 4096;  // PATH_MAX on Linux, with its closing NUL
    if (error == std::errc::filename_too_long || dir_.size() + kLongestInside >= kLongestPath) {
        err << "nazwa katalogu roboczego „" << QuotedInput(dir_) << "” jest za długa\n";
        return kExitBadInput;
    }
    if (existed_ && !std::filesystem::is_directory(dir_, error)) {
        err << "katalog roboczy „" << QuotedInput(dir_) << "” nie jest katalogiem\n";
        return kExitBadInput;
    }
    if (existed_ && !lock_.emplace(dir_).Held()) {
        err << lock_->BusyMessage() << "\n";
        return kExitNotWritten;
    }
    return kExitOk;
}

int BatchFolder::Make(std::ostream& err)
{
    // Another run started at the same time may have made the folder first.
    if (!existed_ && !MakeFolder(dir_)) {
        err << "nie można utworzyć katalogu roboczego „" << QuotedInput(dir_) << "”\n";
        return kExitBadInput;
    }
    if (!lock_ && !lock_.emplace(dir_).Held()) {
        err << lock_->BusyMessage() << "\n";
        return kExitNotWritten;
    }
    return kExitOk;
}

int RunBatch(const BatchInput& input, const BatchOptions& options, std::ostream& out, std::ostream& err)
{
    // The whole run holds the folder, so that its files all come from this run's input.
    BatchFolder folder(options.Dir);
    if (const int status = folder.Open(err); status != kExitOk)
        return status;

    // Everything is checked before the first file is touched.
    DialogAnswersResult answers = BuildDialogAnswers(input, options.Dir, options.InputName);
    if (!answers.Ok) {
        err << answers.Error << "\n";
        return kExitBadInput;
    }
    err << answers.Notice;
    CalcRecord record;
    ResetCalcRecord(record);
    LayCommissionSettings(ValueOf(answers.Input, "commission_speed"), ValueOf(answers.Input, "commission_turns"),
                          record);
    std::string refusal = DryRunDialogs(answers.Answers, answers.Input, options.Dir, record);
    if (refusal.empty() && options.Storeys) {
        AnswerStoreyDialog(answers.Answers, options, answers.Input);
        refusal = DryRunStoreyDialog(answers.Answers, record);
    }
    if (refusal.empty() && options.Commission) {
        AnswerCommissioningDialog(answers.Answers, options);
        refusal = DryRunCommissioningDialog(answers.Answers, record);
    }
    if (!refusal.empty()) {
        err << options.InputName << ": " << refusal << "\n";
        return kExitBadInput;
    }

    // A working directory that does not exist yet is made, once the input is known to be good.
    if (const int status = folder.Make(err); status != kExitOk)
        return status;
    FileProblems preparation;
    PrepareWorkingDirectory(options.Dir, preparation);
    if (!preparation.Empty())
        err << preparation.Message() << "\n";

    CliFrontEnd ui(answers.Answers, options, err);
    Session session{record, options.Dir, ui, {}};
    ui.Attach(session);

    int status = kExitOk;
    // With the CSV the storey or settings table alone goes to standard output.
    std::ostringstream discarded;
    std::ostream& reports = options.StoreysCsv || options.CommissionCsv ? discarded : out;
    const CommandResult wizard = commands::NewCalculation(session);
    PrintScreenReport(record, reports);
    if (wizard == CommandResult::FanUnsuitable)
        status = kExitFanUnsuitable;
    else if (wizard != CommandResult::Done)
        return kExitBadInput;

    // A refused regulation is a failed run, unless the fan's own status already says so.
    if (GivenInInput(input, "regulated_flow")) {
        if (commands::RegulateSpeed(session) == CommandResult::Refused && status == kExitOk)
            status = kExitBadInput;
        PrintScreenReport(record, reports);
    }
    if (GivenInInput(input, "variant_flow")) {
        if (commands::RegulateVariantSpeed(session) == CommandResult::Refused && status == kExitOk)
            status = kExitBadInput;
        PrintScreenReport(record, reports);
    }
    if (options.Storeys)
        status = RunStoreyFlows(session, options, out, status);
    if (options.Commission)
        status = RunCommissioning(session, options, out, status);
    if (!preparation.Empty() || session.Problems.AnyEver())
        return kExitNotWritten;
    return status;
}
