// The calculation commands of the main window, written once against FrontEnd: the wizard, the
// fan selection with its files, the silencer view and the two regulation commands. Each command
// reports the files it could not write in one message at its end and repaints last.
#include "commands/commands.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>

#include "model/commissioning.h"
#include "model/operating_point.h"
#include "model/regulation.h"
#include "model/storey_flows.h"
#include "output/charts.h"
#include "output/commissioning_charts.h"
#include "output/commissioning_report.h"
#include "output/html_reports.h"
#include "output/storage/picture_guard.h"
#include "output/storey_charts.h"
#include "output/storage/text_file.h"

const char kUnsuitableFanMessage[] =
    "Dla założonej sieci wybrany wentylator jest nieodpowiedni.\nProszę wybrać inny wentylator!!!";
const char kNoNetworkMessage[] =
    "Brak danych sieci.\nProszę najpierw wykonać nowe obliczenia.";
const char kNoFanSelectedMessage[] =
    "Najpierw wybierz wentylator.\nProszę wykonać polecenie „Nowe obliczenia”\n"
    "albo „Wybierz tylko wentylator” z menu „Obliczenia”.";

// A picture the plotter did not complete counts as a file that could not be written; so does one
// whose previous version cannot be moved aside, which is then not plotted over.
void FrontEnd::PlotPicture(const std::string& scriptName, const std::string& picture, FileProblems& problems)
{
    if (!PlotsPictures())
        return;
    PictureGuard guard(picture);
    if (!guard.Ready() || (StartPlotter(scriptName) && !guard.Settle()))
        problems.Add(picture);
}

CommandLock::CommandLock(Session& session) : lock_(session.Dir)
{
    if (!lock_.Held())
        session.Ui.ShowMessage(lock_.BusyMessage(), kMessageCaption);
}

namespace {

// One message for all the files this command could not write, then the list starts afresh.
void ReportFileProblems(Session& session)
{
    if (session.Problems.Empty())
        return;
    session.Ui.ShowMessage(session.Problems.Message(), kMessageCaption);
    session.Problems.Clear();
}

// Reports the files of the command and repaints: the common end of every command.
CommandResult Finish(Session& session, CommandResult result)
{
    ReportFileProblems(session);
    session.Ui.Repaint();
    return result;
}

// Whether a file the set's GIF script reads could not be written during this command.
bool AnyFileNotWritten(const Session& session, ChartSet set)
{
    const ChartFiles& files = FilesOf(set);
    const std::vector<std::string>& failed = session.Problems.Paths();
    const auto failedOne = [&](const char* name) {
        return name && std::find(failed.begin(), failed.end(), JoinPath(session.Dir, name)) != failed.end();
    };
    return failedOne(files.GifScript) || std::any_of(std::begin(files.PointFiles), std::end(files.PointFiles), failedOne);
}

// Plots the GIF picture of a chart set through the front end. A set with a file this command
// could not write is not plotted (it would draw old and new data together): the previous
// picture stays, named among the files not written.
void PlotPicture(Session& session, ChartSet set)
{
    const std::string picture = JoinPath(session.Dir, FilesOf(set).Picture);
    if (AnyFileNotWritten(session, set)) {
        if (session.Ui.PlotsPictures())
            session.Problems.Add(picture);
        return;
    }
    session.Ui.PlotPicture(FilesOf(set).GifScript, picture, session.Problems);
}

// The fan selection without its end: chooser, calculation, files and plotting program. The
// wizard runs it as its last step and reports once for both.
CommandResult SelectChosenFanWithFiles(Session& session, FanConfiguration chosen = FanConfiguration::Fan);

CommandResult SelectFanWithFiles(Session& session)
{
    if (!session.Ui.ShowDialog(DialogId::OKBottomDlg_wyw))
        return CommandResult::Cancelled;
    return SelectChosenFanWithFiles(session);
}

// The flow of a configuration of the selected fan as the record holds it, 0 without point.
double ConfigurationFlow(const CalcRecord& record, FanConfiguration configuration)
{
    switch (configuration) {
    case FanConfiguration::Fan: return record.FanFlow;
    case FanConfiguration::Base: return record.BaseFlow;
    case FanConfiguration::Silencer: return record.SilencerFlow;
    }
    return 0.0;
}

// The fan selection for the FanIndex the chooser's OK left in the record. `chosen` is the
// configuration the user asked for: a silencer variant with its own point is a suitable choice
// even where the plain fan has none.
CommandResult SelectChosenFanWithFiles(Session& session, FanConfiguration chosen)
{
    CalcRecord& record = session.Record;
    const FanSelection selection = SelectFan(record);
    const bool suitable = selection.Found || ConfigurationFlow(record, chosen) != 0.0;
    if (selection.Found) {
        const std::string tracePath = JoinPath(session.Dir, "pstr.txt");
        if (!WriteFileAtomically(tracePath, selection.Trace))
            session.Problems.Add(tracePath);
        WriteFanCharts(session.Dir, record, selection.Entry, selection.OperatingFlowCoefficient,
                       session.Problems);
        PlotPicture(session, ChartSet::Fan);
        WriteHtmlReport(session.Dir, ChartSet::Fan, record, session.Problems);
    } else if (!suitable) {
        // The plain-fan files of the previous selection stay as they were.
        session.Ui.ShowMessage(kUnsuitableFanMessage, kMessageCaption);
    }

    // The variants are evaluated and written whatever the plain fan gave.
    WriteSilencerCharts(session.Dir, record, selection.Entry, session.Problems);
    PlotPicture(session, ChartSet::Silencers);
    WriteHtmlReport(session.Dir, ChartSet::Silencers, record, session.Problems);
    return suitable ? CommandResult::Done : CommandResult::FanUnsuitable;
}

// The start of the commands that work on the network's operating point: refused with a message
// before any operating point exists, instead of the undefined ratios of their calculations; then
// the folder lock, held to the end, and the command's dialog. `body` does the rest once the
// dialog is confirmed.
template <typename Body>
CommandResult RunOnOperatingPoint(Session& session, DialogId dialog, Body body)
{
    if (!HasOperatingPoint(session.Record)) {
        session.Ui.ShowMessage(kNoOperatingPointMessage, kMessageCaption);
        return Finish(session, CommandResult::Refused);
    }
    const CommandLock lock(session);
    if (!lock.Held())
        return Finish(session, CommandResult::Refused);
    if (!session.Ui.ShowDialog(dialog))
        return Finish(session, CommandResult::Cancelled);
    return Finish(session, body());
}

// A chart set just written: its plot and HTML report, then the report kind that shows it.
CommandResult ShowChartSet(Session& session, ChartSet charts, ReportKindCode reportKind)
{
    PlotPicture(session, charts);
    WriteHtmlReport(session.Dir, charts, session.Record, session.Problems);
    SetReportKind(session.Record, reportKind);
    return CommandResult::Done;
}

// One regulation command: its flow dialog, the regulated speed, its charts, plot and HTML
// report, then its report kind.
CommandResult Regulate(Session& session, DialogId flowDialog, RegulationOutcome (*compute)(CalcRecord&),
                       void (*writeCharts)(const std::string&, const CalcRecord&, FileProblems&),
                       ChartSet charts, ReportKindCode reportKind)
{
    return RunOnOperatingPoint(session, flowDialog, [&] {
        CalcRecord& record = session.Record;
        const RegulationOutcome outcome = compute(record);
        if (!outcome.Accepted) {
            session.Ui.ShowMessage(outcome.Message, kMessageCaption);
            return CommandResult::Refused;
        }
        writeCharts(session.Dir, record, session.Problems);
        return ShowChartSet(session, charts, reportKind);
    });
}

// The input dialogs of the wizard in their order, each chosen by what the one before stored;
// false at the first that `confirm` does not confirm.
template <typename Confirm>
bool ConfirmWizardDialogs(const CalcRecord& record, Confirm confirm)
{
    if (!confirm(DialogId::OKBottomDlg3) ||
        !confirm(record.DensitySource != kDensityComputed ? DialogId::OKBottomDlg : DialogId::Form3) ||
        !confirm(DialogId::OKBottomDlg333) ||
        !confirm(record.DuctShape != kRectangularDuct ? DialogId::Form4 : DialogId::Form1) ||
        !confirm(DialogId::OKBottomDlg33333) || !confirm(DialogId::OKBottomDlg3333))
        return false;
    // The installation kind selects the building dialog; a value without one ends the chain quietly.
    const std::optional<DialogId> building = BuildingDialogOf(record.InstallationKind);
    return building && confirm(*building);
}

// Settings found become answers of the building: the record holds them for the storey flows and
// the building file keeps them, rewritten like on a dialog's OK (the command holds the folder lock).
void KeepCommissionSettings(Session& session, const Commissioning& commissioning)
{
    const BuildingAnswers answers = AnswersOfCommissioning(commissioning);
    std::map<std::string, std::string> held;
    for (const auto& [key, value] : answers)
        if (value)
            held[key] = *value;
    const auto answer = [&](const char* key) { return held.count(key) ? &held.at(key) : nullptr; };
    LayCommissionSettings(answer("commission_speed"), answer("commission_turns"), session.Record);
    if (!SaveBuildingAnswers(session.Dir, answers))
        session.Problems.Add(JoinPath(session.Dir, kBuildingFileName));
}

}  // namespace

// The storey-flow dialog's answers (Qi, the design temperatures, the speed), when the building
// file holds any of them: confirmed on a copy after the fan (its speed bounds the storey speed),
// kept only when the dialog takes them all.
void RestoreStoreyAnswers(CalcRecord& record, const std::string& dir, const BuildingFile& building)
{
    const std::span<const EditBox> boxes = FactsOf(DialogId::OKBottomDlg7).Boxes;
    if (std::none_of(boxes.begin(), boxes.end(), [&](const EditBox& box) { return building.Answer(box.BatchKey); }))
        return;
    CalcRecord restored = record;
    FileProblems none;  // nothing is written
    if (ConfirmDialog(DialogId::OKBottomDlg7, InputAtCreation(DialogId::OKBottomDlg7, dir, building), restored,
                      ValueFileTarget{dir, false}, none)
            .Accepted)
        record = restored;
}

// The wizard's answers and the fan of the building file; true when the fan suits.
bool RestoreWizardAndFan(CalcRecord& record, const std::string& dir, const BuildingFile& building)
{
    // Worked out on a copy: a dialog that refuses what it shows leaves the record as it was.
    CalcRecord restored = record;
    FileProblems none;  // nothing is written
    const auto confirm = [&](DialogId dialog) {
        return ConfirmDialog(dialog, InputAtCreation(dialog, dir, building), restored, ValueFileTarget{dir, false},
                             none)
            .Accepted;
    };
    if (!ConfirmWizardDialogs(restored, confirm))
        return false;
    record = restored;
    if (!building.Answer("fan") || !confirm(DialogId::OKBottomDlg_wyw))
        return false;
    record = restored;
    // The fan selection's calculation alone, which sets the report kinds when the fan suits.
    return SelectFan(record).Found;
}

bool RestoreBuilding(CalcRecord& record, const std::string& dir)
{
    const BuildingFile building = ReadBuildingFile(dir);
    // The settings first (none without a building file, so no other folder's stay): the storey
    // dialog takes its check box only when the building holds them.
    LayCommissionSettings(building.Answer("commission_speed"), building.Answer("commission_turns"), record);
    if (building.State != BuildingFileState::Read)
        return false;
    const bool fanSuits = RestoreWizardAndFan(record, dir, building);
    RestoreStoreyAnswers(record, dir, building);
    return fanSuits;
}

namespace commands {

CommandResult NewCalculation(Session& session)
{
    CalcRecord& record = session.Record;
    FrontEnd& ui = session.Ui;
    const CommandLock lock(session);
    if (!lock.Held())
        return Finish(session, CommandResult::Refused);
    SetReportKind(record, kNoReport);

    if (!ConfirmWizardDialogs(record, [&ui](DialogId dialog) { return ui.ShowDialog(dialog); }))
        return Finish(session, CommandResult::Cancelled);
    return Finish(session, SelectFanWithFiles(session));
}

CommandResult SelectFanOnly(Session& session)
{
    // Without a network no fan can be judged; the inputs are what is missing, not the fan.
    if (!HasNetworkInputs(session.Record)) {
        session.Ui.ShowMessage(kNoNetworkMessage, kMessageCaption);
        return Finish(session, CommandResult::Refused);
    }
    const CommandLock lock(session);
    if (!lock.Held())
        return Finish(session, CommandResult::Refused);
    return Finish(session, SelectFanWithFiles(session));
}

CommandResult RegulateSpeed(Session& session)
{
    return Regulate(session, DialogId::OKBottomDlg1, ComputeRegulatedSpeed, WriteRegulatedCharts,
                    ChartSet::Regulated, kRegulatedSpeedReport);
}

CommandResult ShowSilencerVariants(Session& session)
{
    // Without a selected fan the variants' report would show nothing but zeros.
    if (!session.Record.FanDesignation || !*session.Record.FanDesignation) {
        session.Ui.ShowMessage(kNoFanSelectedMessage, kMessageCaption);
        return Finish(session, CommandResult::Refused);
    }
    SetReportKind(session.Record, kSilencerVariantsReport);
    return Finish(session, CommandResult::Done);
}

CommandResult RegulateVariantSpeed(Session& session)
{
    return Regulate(session, DialogId::OKBottomDlg2, ComputeVariantRegulatedSpeed, WriteRegulatedSilencerCharts,
                    ChartSet::RegulatedSilencers, kRegulatedVariantReport);
}

CommandResult SelectFromCatalogue(Session& session)
{
    CalcRecord& record = session.Record;
    if (!HasNetworkInputs(record)) {
        session.Ui.ShowMessage(kNoNetworkMessage, kMessageCaption);
        return Finish(session, CommandResult::Refused);
    }
    const CommandLock lock(session);
    if (!lock.Held())
        return Finish(session, CommandResult::Refused);
    if (!session.Ui.ShowDialog(DialogId::OKBottomDlg6))
        return Finish(session, CommandResult::Cancelled);

    const double required = record.RequiredGrilleFlowHourly;
    const std::vector<RankedConfiguration> rows = RankCatalogue(record, required);
    const std::optional<size_t> chosen = session.Ui.ChooseRankedRow(rows, required);
    if (!chosen || *chosen >= rows.size())
        return Finish(session, CommandResult::Cancelled);

    // The chosen entry goes through the chooser as if the user had checked it there and pressed OK.
    const RankedConfiguration& row = rows[*chosen];
    session.Ui.CheckChooserButton(row.FanIndex);
    DialogInput chooser;
    chooser.Choice = row.FanIndex;
    ConfirmDialog(DialogId::OKBottomDlg_wyw, chooser, record, ValueFileTarget{session.Dir, true}, session.Problems);
    const CommandResult result = SelectChosenFanWithFiles(session, row.Configuration);
    // A silencer configuration is shown in the silencer-variant report.
    if (row.Configuration != FanConfiguration::Fan)
        SetReportKind(record, kSilencerVariantsReport);
    return Finish(session, result);
}

// The flow of every storey's grille with the selected fan: refused before any operating point,
// like the regulation commands; then the storey-flow dialog, the solve of its conditions, their
// chart set, plot and HTML report, and the storey-flow report. When no condition has flows the
// previous report stays.
CommandResult StoreyFlowDistribution(Session& session)
{
    return RunOnOperatingPoint(session, DialogId::OKBottomDlg7, [&] {
        CalcRecord& record = session.Record;
        const std::vector<StoreyConditionFlows> conditions = SolveStoreyConditions(record);
        const bool anyRows = std::any_of(conditions.begin(), conditions.end(),
                                         [](const StoreyConditionFlows& c) { return HasStoreyRows(c.Flows); });
        if (!anyRows) {
            const StoreyFlows& first = conditions.front().Flows;
            session.Ui.ShowMessage(StoreyFlowStatusMessage(first), kMessageCaption);
            return CommandResult::Refused;
        }
        WriteStoreyFlowCharts(session.Dir, record, conditions, session.Problems);
        return ShowChartSet(session, ChartSet::StoreyFlows, kStoreyFlowsReport);
    });
}

// The turns of every storey's grille and the fan's speed that give every flat its required flow:
// refused before any operating point, like the regulation commands; then the required flow per
// grille (the dialog of the selection from the catalogue, whose value it shares), the settings,
// their chart set, plot and HTML report, and their report.
CommandResult CommissioningSettings(Session& session)
{
    return RunOnOperatingPoint(session, DialogId::OKBottomDlg6, [&] {
        CalcRecord& record = session.Record;
        const Commissioning commissioning = ComputeCommissioning(record, CommissioningConditionsOf(record));
        if (commissioning.Status == CommissioningStatus::NoNetwork || commissioning.Storeys.empty()) {
            session.Ui.ShowMessage(kCommissioningNoNetworkMessage, kMessageCaption);
            return CommandResult::Refused;
        }
        if (commissioning.Status == CommissioningStatus::Balanced)
            KeepCommissionSettings(session, commissioning);
        WriteCommissioningCharts(session.Dir, record, commissioning, session.Problems);
        return ShowChartSet(session, ChartSet::Commissioning, kCommissioningReport);
    });
}

}  // namespace commands
