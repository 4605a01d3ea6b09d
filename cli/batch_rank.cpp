// The ranking run of the batch front end: the wizard's dialogs confirmed from the input file with
// the fan chooser cancelled, so that no calculation file is written, then the Qi dialog and the
// ranking of the catalogue on the record the dialogs filled.
#include "cli/batch_rank.h"

#include <filesystem>
#include <optional>

#include "model/catalogue_ranking.h"
#include "model/fan_catalogue.h"
#include "output/catalogue_table.h"
#include "output/storage/folder_lock.h"
#include "output/quoted_input.h"

namespace {

// Confirms every dialog with its answer and cancels the fan chooser.
class RankFrontEnd final : public FrontEnd {
public:
    RankFrontEnd(const DialogAnswers& answers, const BatchInput& input, const DialogInput& requiredFlow,
                 const ValueFileTarget& files, std::ostream& err)
        : answers_(answers), input_(input), requiredFlow_(requiredFlow), files_(files), err_(err) {}

    void Attach(Session& session) { session_ = &session; }

    bool ShowDialog(DialogId dialog) override
    {
        if (dialog == DialogId::OKBottomDlg_wyw)
            return false;
        const DialogInput& input = dialog == DialogId::OKBottomDlg6 ? requiredFlow_ : answers_.For(dialog);
        const DialogOutcome outcome = ConfirmDialog(dialog, input, session_->Record, files_, session_->Problems);
        // The Qi dialog's box is answered by --rank, the others by keys of the input.
        if (!outcome.Accepted && message_.empty())
            message_ = dialog == DialogId::OKBottomDlg6 ? outcome.Message : RefusalText(input_, dialog, outcome);
        return outcome.Accepted;
    }
    void ShowMessage(const std::string& text, const std::string&) override { err_ << text << "\n"; }
    bool StartPlotter(const std::string&) override { return false; }
    void Repaint() override {}

    // The design temperatures of the storey-flow dialog, which the ranking judges the worst
    // flats at, when the input or the building file gives one: the dialog confirmed with the
    // Qi of --rank and the catalogue speed (every configuration runs at its own), writing nothing.
    bool TakeDesignTemperatures()
    {
        if (!input_.Values.count("winter_temp") && !input_.Values.count("summer_temp"))
            return true;
        DialogInput storey = answers_.For(DialogId::OKBottomDlg7);
        storey.Edits.at(0) = requiredFlow_.Edits.at(0);
        storey.Edits.at(3) = std::string(1, '0');  // the catalogue speed
        storey.Choice = 0;                          // the grilles as entered, not as commissioned
        FileProblems none;
        const DialogOutcome outcome = ConfirmDialog(DialogId::OKBottomDlg7, storey, session_->Record,
                                                    ValueFileTarget{files_.Dir, false}, none);
        if (!outcome.Accepted && message_.empty())
            message_ = RefusalText(input_, DialogId::OKBottomDlg7, outcome);
        return outcome.Accepted;
    }

    const std::string& Message() const { return message_; }

private:
    const DialogAnswers& answers_;
    const BatchInput& input_;
    const DialogInput& requiredFlow_;
    ValueFileTarget files_;
    std::ostream& err_;
    Session* session_ = nullptr;
    std::string message_;
};

// The wizard's dialogs and the Qi dialog on `record`; "" when all take their answers.
std::string ConfirmAll(RankFrontEnd& ui, Session& session)
{
    ui.Attach(session);
    commands::NewCalculation(session);  // ends at the cancelled chooser
    if (!ui.Message().empty())
        return ui.Message();
    if (!ui.TakeDesignTemperatures())
        return ui.Message();
    if (!ui.ShowDialog(DialogId::OKBottomDlg6))
        return "Qi: " + ui.Message();
    return "";
}

}  // namespace

int RunRanking(const BatchInput& input, const RankOptions& rank, const BatchOptions& options, std::ostream& out,
               std::ostream& err)
{
    // The value files are written under the folder's lock, like every command's files.
    BatchFolder folder(options.Dir);
    if (const int status = folder.Open(err); status != kExitOk)
        return status;

    // The chooser is never shown here: its key is answered with the first entry that has a
    // button, whatever the input says, and the regulation keys are left out.
    BatchInput wizardInput = input;
    for (const char* key : {"fan", "regulated_flow", "variant_flow", "variant"}) {
        wizardInput.Values.erase(key);
        wizardInput.LineOf.erase(key);
    }
    for (int i = 0; i < kFanCount; ++i)
        if (FanCatalogue()[i].ChooserCaption) {
            wizardInput.Values["fan"] = std::to_string(FanCatalogue()[i].FanIndex);
            break;
        }
    const DialogAnswersResult answers = BuildDialogAnswers(wizardInput, options.Dir, options.InputName);
    if (!answers.Ok) {
        err << answers.Error << "\n";
        return kExitBadInput;
    }
    err << answers.Notice;
    DialogInput requiredFlow;
    requiredFlow.Edits = {rank.RequiredFlow};

    // Everything is checked on a copy of the record before the first file is touched.
    {
        CalcRecord record;
        ResetCalcRecord(record);
        RankFrontEnd dry(answers.Answers, answers.Input, requiredFlow, ValueFileTarget{options.Dir, false}, err);
        Session session{record, options.Dir, dry, {}};
        const std::string refusal = ConfirmAll(dry, session);
        if (!refusal.empty()) {
            err << options.InputName << ": " << refusal << "\n";
            return kExitBadInput;
        }
        if (!HasNetworkInputs(record)) {
            err << options.InputName << ": " << kNoNetworkMessage << "\n";
            return kExitBadInput;
        }
    }

    if (const int status = folder.Make(err); status != kExitOk)
        return status;
    CalcRecord record;
    ResetCalcRecord(record);
    RankFrontEnd ui(answers.Answers, answers.Input, requiredFlow, ValueFileTarget{options.Dir, true}, err);
    Session session{record, options.Dir, ui, {}};
    ConfirmAll(ui, session);
    const bool notWritten = session.Problems.AnyEver();
    if (!session.Problems.Empty())
        err << session.Problems.Message() << "\n";

    const double required = record.RequiredGrilleFlowHourly;
    const std::vector<RankedConfiguration> rows = RankCatalogue(record, required);
    out << (rank.Csv ? RankingCsv(rows) : RankingText(rows, required));
    out.flush();
    return notWritten ? kExitNotWritten : kExitOk;
}
