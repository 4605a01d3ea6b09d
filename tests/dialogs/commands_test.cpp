// The main window's commands driven by a scripted front end that records every call: each
// scenario's calls, results, report kinds and files are compared with its golden transcript.
#include "commands/commands.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <vector>

#include "dialogs/building_file.h"
#include "model/regulation.h"
#include "output/storage/text_file.h"
#include "output/storage/working_dir.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

using D = DialogId;
using Command = CommandResult (*)(Session&);

std::string NameOf(DialogId dialog) { return FactsOf(dialog).FormName; }

// A ten-storey block, round duct, rectangular grilles; CORVA-4 at 730 1/min (entry 19) has an
// operating point and both silencer variants intersect the network.
std::map<DialogId, DialogInput> BlockAnswers(int32_t fan = 19)
{
    return {{D::OKBottomDlg3, {{}, 1, "", -1}}, {D::OKBottomDlg, {{"1.2"}, 0, "", -1}},
            {D::OKBottomDlg333, {{}, 1, "", -1}}, {D::Form4, {{"0.315"}, 0, "", -1}}, {D::OKBottomDlg33333, {}},
            {D::OKBottomDlg3333, {}}, {D::Form22, {{"3", "10", "0.2", "0.25", "2.5"}, 0, "", -1}},
            {D::OKBottomDlg_wyw, {{}, fan, "", -1}}, {D::OKBottomDlg1, {{"0.6"}, 0, "", -1}},
            {D::OKBottomDlg2, {{"0.5"}, 0, "Wentylator z podstawą tłumiącą", 1}}, {D::OKBottomDlg6, {{"50"}, 0, "", -1}},
            {D::OKBottomDlg7, {{"50", "-20", "30", "0"}, 0, "", -1}}};
}

// A fresh record and working directory; logs every call as a line of text, each plot with the
// files present when it starts.
class Harness final : public FrontEnd {
public:
    explicit Harness(const std::string& name, std::map<DialogId, DialogInput> answers = BlockAnswers())
        : dir(ScratchDir(name)), session{record, dir, *this, {}}, answers_(std::move(answers))
    {
        ResetCalcRecord(record);
        FileProblems problems;
        PrepareWorkingDirectory(dir, problems);
    }

    bool ShowDialog(DialogId dialog) override
    {
        Log += (cancelAt == dialog ? "cancel " : "dialog ") + NameOf(dialog) + "\n";
        if (cancelAt == dialog)
            return false;
        const DialogOutcome outcome =
            ConfirmDialog(dialog, answers_[dialog], record, ValueFileTarget{dir, true}, session.Problems);
        EXPECT_TRUE(outcome.Accepted) << NameOf(dialog) << " refused: " << outcome.Message;
        return outcome.Accepted;
    }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        Log += "message " + caption + ": " + text + "\n";
    }
    bool StartPlotter(const std::string& scriptName) override
    {
        Log += "plot " + scriptName + " among " + Joined(FileNamesBelow(dir), " ") + "\n";
        return false;
    }
    void Repaint() override { Log += "repaint\n"; }
    std::optional<size_t> ChooseRankedRow(const std::vector<RankedConfiguration>& rows, double required) override
    {
        Log += "table " + std::to_string(rows.size()) + " for " + std::to_string(required) + "\n";
        for (size_t i = 0; i < rows.size(); ++i)
            if (chooseRow && rows[i].FanIndex == chooseRow->first && rows[i].Configuration == chooseRow->second)
                return i;
        return std::nullopt;
    }
    void CheckChooserButton(int32_t fanIndex) override { Log += "check " + std::to_string(fanIndex) + "\n"; }

    // Runs the command and logs its calls, result, report kinds and the files it leaves.
    CommandResult Run(const std::string& name, Command command)
    {
        static const char* const kResults[] = {"done", "cancelled", "refused", "fan unsuitable"};
        Log += "== " + name + "\n";
        const CommandResult result = command(session);
        Log += std::string("-> ") + kResults[static_cast<int>(result)] + ", report kinds " +
               std::to_string(record.ScreenReportKind) + "/" + std::to_string(record.PrintReportKind) + ", files " +
               Joined(FileNamesBelow(dir), " ") + "\n";
        return result;
    }
    // The log with the working directory written as <dir>.
    std::string Transcript() const
    {
        std::string text = Log;
        for (size_t at; (at = text.find(dir)) != std::string::npos;)
            text.replace(at, dir.size(), "<dir>");
        return text;
    }

    CalcRecord record;
    std::string dir;
    Session session;
    std::optional<DialogId> cancelAt;
    std::optional<std::pair<int32_t, FanConfiguration>> chooseRow;  // none: the table is cancelled
    std::string Log;

private:
    std::map<DialogId, DialogInput> answers_;
};

}  // namespace

// Each plot starts after its files, under the folder's lock, and before its HTML report. CORVA-4
// runs near the end of its curve, so the storey flows are refused; grilles of more loss give them.
TEST(commands, every_command_after_the_wizard)
{
    Harness f("wizard_full");
    f.record.ScreenReportKind = 3;
    const std::pair<const char*, Command> steps[] = {
        {"Nowe obliczenia", commands::NewCalculation},
        {"Obroty regulowane", commands::RegulateSpeed},
        {"Parametry z tłumikami", commands::ShowSilencerVariants},
        {"Obroty regulowane z tłumikami", commands::RegulateVariantSpeed},
        {"Parametry z tłumikami", commands::ShowSilencerVariants},
        {"Wybierz tylko wentylator", commands::SelectFanOnly},
        {"Rozkład przepływu", commands::StoreyFlowDistribution},
    };
    for (const auto& [name, command] : steps)
        f.Run(name, command);
    EXPECT_EQ(CompareWithGolden("dialogs/commands_every_command.txt", f.Transcript()), "");

    std::map<DialogId, DialogInput> answers = BlockAnswers();
    answers[D::Form22].Edits = {"3", "10", "0.15", "0.15", "15"};
    Harness storeys("storey_flows", answers);
    storeys.Run("Nowe obliczenia", commands::NewCalculation);
    storeys.Run("Rozkład przepływu", commands::StoreyFlowDistribution);
    EXPECT_EQ(storeys.record.SummerTemperature, 30.0);
    storeys.cancelAt = D::OKBottomDlg7;
    storeys.Run("Rozkład przepływu", commands::StoreyFlowDistribution);
    EXPECT_EQ(CompareWithGolden("dialogs/commands_storey_flows.txt", storeys.Transcript()), "");
}

// Before any fan: the regulations and storey flows are refused without their dialog, the
// catalogue without a network; a cancelled chooser changes nothing.
TEST(commands, refusals_and_cancels_before_any_fan)
{
    const std::pair<const char*, Command> rows[] = {
        {"Obroty regulowane", commands::RegulateSpeed},
        {"Obroty regulowane z tłumikami", commands::RegulateVariantSpeed},
        {"Rozkład przepływu", commands::StoreyFlowDistribution},
        {"Dobór z katalogu", commands::SelectFromCatalogue},
        {"Wybierz tylko wentylator", commands::SelectFanOnly},
    };
    std::string transcript;
    for (const auto& [name, command] : rows) {
        Harness f(std::string("before_fan ") + name);
        f.record.FanIndex = 7;
        SetReportKind(f.record, 2);
        f.cancelAt = D::OKBottomDlg_wyw;
        f.Run(name, command);
        EXPECT_EQ(f.record.FanIndex, 7);
        transcript += f.Transcript();
    }
    EXPECT_EQ(CompareWithGolden("dialogs/commands_before_any_fan.txt", transcript), "");
}

// An unsuitable fan keeps the plain fan's files of an earlier run and rewrites the variants';
// files that cannot be written (directories in their place) are reported once per command.
TEST(commands, unsuitable_fan_and_unwritable_files)
{
    Harness f("unsuitable", BlockAnswers(9));  // CORVA-1 at 980 1/min: no operating point here
    // Files of an earlier run: kept (true) or rewritten (false) by the unsuitable fan.
    const std::pair<const char*, bool> files[] = {
        {"pstr.txt", true}, {"1.gnu", true}, {"siec.gnu", true}, {"wykres.gnu", true}, {"gif.gnu", true},
        {"tmp1.gnu", true}, {"wykresy/wykresy.html", true}, {"pt.gnu", false}, {"tc.gnu", false},
        {"wykres_tl.gnu", false}, {"gif_tl.gnu", false}, {"tmp2.gnu", false}, {"wykresy/wykresy_tl.html", false}};
    for (const auto& [name, kept] : files)
        ASSERT_TRUE(WriteFileAtomically(JoinPath(f.dir, name), "earlier run\n"));
    SetReportKind(f.record, 1);
    f.Run("Nowe obliczenia", commands::NewCalculation);
    for (const auto& [name, kept] : files)
        EXPECT_EQ(ReadFileForTest(JoinPath(f.dir, name)) == "earlier run\n", kept) << name << " kept: " << kept;

    Harness problems("problems");
    for (const char* name : {"pstr.txt", "dialog.sav", "reg.gnu"})
        fs::create_directory(JoinPath(problems.dir, name));
    problems.Run("Nowe obliczenia", commands::NewCalculation);
    EXPECT_TRUE(problems.session.Problems.Empty());
    problems.Run("Obroty regulowane", commands::RegulateSpeed);
    problems.Run("Parametry z tłumikami", commands::ShowSilencerVariants);
    EXPECT_EQ(CompareWithGolden("dialogs/commands_unsuitable_fan.txt", f.Transcript() + problems.Transcript()), "");
}

// A row chosen in the table runs the fan selection exactly as the chooser's OK for that entry does:
// same record, same files; a silencer row then shows the silencer-variant report.
TEST(commands, selection_from_the_catalogue)
{
    Harness f("catalogue");
    f.cancelAt = D::OKBottomDlg_wyw;  // the wizard's inputs only
    f.Run("Nowe obliczenia", commands::NewCalculation);
    f.cancelAt = D::OKBottomDlg6;
    f.Run("Dobór z katalogu, Qi cancelled", commands::SelectFromCatalogue);
    f.cancelAt.reset();
    f.Run("Dobór z katalogu, table cancelled", commands::SelectFromCatalogue);
    EXPECT_EQ(f.record.FanIndex, 0);

    const std::pair<int32_t, FanConfiguration> rows[] = {{17, FanConfiguration::Fan}, {19, FanConfiguration::Base},
                                                         {1, FanConfiguration::Silencer}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        // The same entry chosen in the chooser, on the record and files as they were before.
        Harness chooser("catalogue_chooser_" + std::to_string(row.first), BlockAnswers(row.first));
        chooser.record = f.record;
        fs::copy(f.dir, chooser.dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        f.chooseRow = row;
        const CommandResult result =
            f.Run("Dobór z katalogu, entry " + std::to_string(row.first), commands::SelectFromCatalogue);
        EXPECT_EQ(commands::SelectFanOnly(chooser.session), result);
        if (row.second != FanConfiguration::Fan)
            commands::ShowSilencerVariants(chooser.session);
        EXPECT_EQ(std::memcmp(&chooser.record, &f.record, sizeof f.record), 0);
        EXPECT_EQ(DifferentFiles(chooser.dir, f.dir), "");
    }
    EXPECT_EQ(CompareWithGolden("dialogs/commands_selection_from_the_catalogue.txt", f.Transcript()), "");
}

// The storey-flow dialog's answers of the building file are in the record from the start, with or
// without a fan; a set the dialog refuses leaves the usual conditions.
TEST(commands, restore_takes_the_storey_answers)
{
    struct Row {
        const char* Name;
        const char* Building;
        double Winter, Summer, Qi;  // °C, °C, m3/h
    };
    const Row rows[] = {
        {"no fan", "required_flow = 35\nwinter_temp = -8\nsummer_temp = 24\n", -8, 24, 35},
        {"one key", "summer_temp = 21\n", kDefaultWinterTemperature, 21, 50},
        {"refused", "winter_temp = -80\nsummer_temp = 24\n", kDefaultWinterTemperature, kDefaultSummerTemperature, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string dir = ScratchDir(std::string("restore_storey_") + row.Name);
        std::ofstream(JoinPath(dir, kBuildingFileName), std::ios::binary) << row.Building;
        CalcRecord record;
        ResetCalcRecord(record);
        EXPECT_FALSE(RestoreBuilding(record, dir));
        EXPECT_EQ(record.WinterTemperature, row.Winter);
        EXPECT_EQ(record.SummerTemperature, row.Summer);
        EXPECT_EQ(record.RequiredGrilleFlowHourly, row.Qi);
    }
}
