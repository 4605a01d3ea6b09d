// The main window's commands driven by a scripted front end that records every call.
#include "commands/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "model/regulation.h"
#include "model/storey_flows.h"
#include "output/text_file.h"
#include "output/working_dir.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

using D = DialogId;
using Texts = std::vector<std::string>;

std::string NameOf(DialogId dialog) { return FactsOf(dialog).FormName; }

// A ten-storey block, round duct, rectangular grilles; CORVA-4 at 730 1/min (entry 19) has an
// operating point and both silencer variants intersect the network.
std::map<DialogId, DialogInput> BlockAnswers()
{
    return {{D::OKBottomDlg3, {{}, 1, "", -1}},          {D::OKBottomDlg, {{"1.2"}, 0, "", -1}},
            {D::OKBottomDlg333, {{}, 1, "", -1}},          {D::Form4, {{"0.315"}, 0, "", -1}},
            {D::OKBottomDlg33333, {{}, 0, "", -1}},        {D::OKBottomDlg3333, {{}, 0, "", -1}},
            {D::Form22, {{"3", "10", "0.2", "0.25", "2.5"}, 0, "", -1}},
            {D::OKBottomDlg_wyw, {{}, 19, "", -1}},        {D::OKBottomDlg1, {{"0.6"}, 0, "", -1}},
            {D::OKBottomDlg2, {{"0.5"}, 0, "Wentylator z podstawą tłumiącą", 1}},
            {D::OKBottomDlg6, {{"50"}, 0, "", -1}},
            {D::OKBottomDlg7, {{"1", "-20", "0"}, 0, "", -1}}};
}

// A fresh record and working directory; records every call as text ("dialog X", "cancel X",
// "message <caption>: <text>", "plot X", "repaint") and the files present at each plot.
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
        Calls.push_back((cancelAt == dialog ? "cancel " : "dialog ") + NameOf(dialog));
        if (cancelAt == dialog)
            return false;
        const DialogOutcome outcome =
            ConfirmDialog(dialog, answers_[dialog], record, ValueFileTarget{dir, true}, session.Problems);
        EXPECT_TRUE(outcome.Accepted) << NameOf(dialog) << " refused: " << outcome.Message;
        return outcome.Accepted;
    }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        Calls.push_back("message " + caption + ": " + text);
    }
    bool StartPlotter(const std::string& scriptName) override
    {
        Calls.push_back("plot " + scriptName);
        FilesAtPlot[scriptName] = FileNamesBelow(dir);
        return false;
    }
    void Repaint() override { Calls.push_back("repaint"); }
    std::optional<size_t> ChooseRankedRow(const std::vector<RankedConfiguration>& rows, double required) override
    {
        Calls.push_back("table " + std::to_string(rows.size()) + " for " + std::to_string(required));
        for (size_t i = 0; i < rows.size(); ++i)
            if (chooseRow && rows[i].FanIndex == chooseRow->first && rows[i].Configuration == chooseRow->second)
                return i;
        return std::nullopt;
    }
    void CheckChooserButton(int32_t fanIndex) override { Calls.push_back("check " + std::to_string(fanIndex)); }

    std::string File(const std::string& name) const { return ReadFileForTest(JoinPath(dir, name)); }
    bool Exists(const std::string& name) const { return fs::exists(JoinPath(dir, name)); }

    CalcRecord record;
    std::string dir;
    Session session;
    std::optional<DialogId> cancelAt;
    std::optional<std::pair<int32_t, FanConfiguration>> chooseRow;  // none: the table is cancelled
    Texts Calls;
    std::map<std::string, Texts> FilesAtPlot;

private:
    std::map<DialogId, DialogInput> answers_;
};

std::string Message(const std::string& text) { return std::string("message ") + kMessageCaption + ": " + text; }

const Texts kFanEnd = {"dialog OKBottomDlg_wyw", "plot gif.gnu", "plot gif_tl.gnu", "repaint"};

}  // namespace

TEST(commands, wizard_then_every_other_command)
{
    Harness f("wizard_full");
    f.record.ScreenReportKind = 3;
    EXPECT_EQ(commands::NewCalculation(f.session), CommandResult::Done);
    EXPECT_EQ(f.record.ScreenReportKind, 1);
    EXPECT_EQ(f.record.PrintReportKind, 1);
    // Each plot starts after its files and before its HTML report; the variants come after the fan.
    // The command holds the folder's lock meanwhile.
    EXPECT_EQ(f.FilesAtPlot["gif.gnu"], (Texts{".went_char.lock", "1.gnu", "dialog.sav", "dialog22.sav", "dialog33.sav", "gif.gnu",
                                               "pstr.txt", "siec.gnu", "tmp1.gnu", "wykres.gnu",
                                               "wykresy/koralinex.jpg"}));
    EXPECT_EQ(f.FilesAtPlot["gif_tl.gnu"],
              (Texts{".went_char.lock", "1.gnu", "dialog.sav", "dialog22.sav", "dialog33.sav", "gif.gnu", "gif_tl.gnu", "pstr.txt",
                     "pt.gnu", "siec.gnu", "tc.gnu", "tmp1.gnu", "tmp2.gnu", "wykres.gnu", "wykres_tl.gnu",
                     "wykresy/koralinex.jpg", "wykresy/wykresy.html"}));
    EXPECT_TRUE(f.Exists("wykresy/wykresy_tl.html"));

    struct Step { const char* name; CommandResult (*command)(Session&); int32_t kind; Texts calls; };
    const Step steps[] = {
        {"obr_reg", commands::RegulateSpeed, 2, {"dialog OKBottomDlg1", "plot gif_reg.gnu", "repaint"}},
        {"par_tlumika", commands::ShowSilencerVariants, 3, {"repaint"}},
        {"par_reg_tlumika", commands::RegulateVariantSpeed, 4, {"dialog OKBottomDlg2", "plot gif_reg_tl.gnu", "repaint"}},
        {"par_tlumika again", commands::ShowSilencerVariants, 3, {"repaint"}},
        {"Wentylator", commands::SelectFanOnly, 1, kFanEnd},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        f.Calls.clear();
        EXPECT_EQ(step.command(f.session), CommandResult::Done);
        EXPECT_EQ(f.record.ScreenReportKind, step.kind);
        EXPECT_EQ(f.record.PrintReportKind, step.kind);
        EXPECT_EQ(f.Calls, step.calls);
    }

    // With equal flows CORVA-4 runs near the end of its curve; the upper storeys' larger share
    // takes it past, so there are no storey flows and the report stays.
    f.Calls.clear();
    EXPECT_EQ(commands::StoreyFlowDistribution(f.session), CommandResult::Refused);
    EXPECT_EQ(f.Calls, (Texts{"dialog OKBottomDlg7", Message(kStoreyFlowNoSolutionMessage), "repaint"}));
    EXPECT_EQ(f.record.ScreenReportKind, 1);
    EXPECT_FALSE(f.Exists("kond.gnu"));
}

TEST(commands, storey_flows_with_their_files)
{
    std::map<DialogId, DialogInput> answers = BlockAnswers();
    answers[D::Form22].Edits = {"3", "10", "0.15", "0.15", "15"};  // grilles of more loss
    Harness f("storey_flows", answers);
    EXPECT_EQ(commands::NewCalculation(f.session), CommandResult::Done);
    f.Calls.clear();
    EXPECT_EQ(commands::StoreyFlowDistribution(f.session), CommandResult::Done);
    EXPECT_EQ(f.Calls, (Texts{"dialog OKBottomDlg7", "plot gif_kond.gnu", "repaint"}));
    EXPECT_EQ(f.record.ScreenReportKind, 5);
    EXPECT_EQ(f.record.PrintReportKind, 5);
    EXPECT_EQ(f.record.StoreyStackEffect, 1);
    for (const char* name : {"kond.gnu", "kond_r.gnu", "gif_kond.gnu"})
        EXPECT_TRUE(std::count(f.FilesAtPlot["gif_kond.gnu"].begin(), f.FilesAtPlot["gif_kond.gnu"].end(), name))
            << name << " is written before the plot";
    EXPECT_TRUE(f.Exists("wykresy/wykresy_kond.html"));

    f.Calls.clear();
    f.cancelAt = D::OKBottomDlg7;
    EXPECT_EQ(commands::StoreyFlowDistribution(f.session), CommandResult::Cancelled);
    EXPECT_EQ(f.Calls, (Texts{"cancel OKBottomDlg7", "repaint"}));
}

// Cancelled in the chooser, a fan selection changes nothing.
TEST(commands, cancelled_chooser_changes_nothing)
{
    Harness f("chooser_cancel");
    f.record.FanIndex = 7;
    SetReportKind(f.record, 2);
    f.cancelAt = D::OKBottomDlg_wyw;
    EXPECT_EQ(commands::SelectFanOnly(f.session), CommandResult::Cancelled);
    EXPECT_EQ(f.Calls, (Texts{"cancel OKBottomDlg_wyw", "repaint"}));
    EXPECT_EQ(f.record.FanIndex, 7);
    EXPECT_EQ(f.record.ScreenReportKind, 2);
    EXPECT_EQ(FileNamesBelow(f.dir), (Texts{"wykresy/koralinex.jpg"}));
}

TEST(commands, unsuitable_fan_keeps_the_plain_fan_files_and_rewrites_the_variants)
{
    std::map<DialogId, DialogInput> answers = BlockAnswers();
    answers[D::OKBottomDlg_wyw].Choice = 9;  // CORVA-1 at 980 1/min: no operating point here
    Harness f("unsuitable", answers);
    const Texts kept = {"pstr.txt", "1.gnu", "siec.gnu", "wykres.gnu", "gif.gnu", "tmp1.gnu", "wykresy/wykresy.html"};
    const Texts rewritten = {"pt.gnu", "tc.gnu", "wykres_tl.gnu", "gif_tl.gnu", "tmp2.gnu", "wykresy/wykresy_tl.html"};
    for (const Texts* names : {&kept, &rewritten})
        for (const std::string& name : *names)
            ASSERT_TRUE(WriteFileAtomically(JoinPath(f.dir, name), "earlier run\n"));
    SetReportKind(f.record, 1);

    EXPECT_EQ(commands::NewCalculation(f.session), CommandResult::FanUnsuitable);
    EXPECT_EQ(Texts(f.Calls.end() - 4, f.Calls.end()),
              (Texts{"dialog OKBottomDlg_wyw", Message(kUnsuitableFanMessage), "plot gif_tl.gnu", "repaint"}));
    EXPECT_EQ(f.record.ScreenReportKind, 0);
    for (const std::string& name : kept)
        EXPECT_EQ(f.File(name), "earlier run\n") << name << " must keep the earlier run";
    for (const std::string& name : rewritten)
        EXPECT_NE(f.File(name), "earlier run\n") << name << " must be rewritten";
}

TEST(commands, regulation_is_refused_before_any_fan)
{
    for (const auto& [command, valueFile, pointFile] :
         {std::tuple{&commands::RegulateSpeed, "dialog4.sav", "reg.gnu"},
          std::tuple{&commands::RegulateVariantSpeed, "dialog5.sav", "reg_tl.gnu"},
          std::tuple{&commands::StoreyFlowDistribution, "dialog7.sav", "kond.gnu"}}) {
        SCOPED_TRACE(valueFile);
        Harness f(std::string("refused_") + valueFile);
        EXPECT_EQ(command(f.session), CommandResult::Refused);
        EXPECT_EQ(f.Calls, (Texts{Message(kNoOperatingPointMessage), "repaint"})) << "no flow dialog";
        EXPECT_FALSE(f.Exists(valueFile));
        EXPECT_FALSE(f.Exists(pointFile));
        EXPECT_EQ(f.record.ScreenReportKind, 0);
    }
}

TEST(commands, unwritable_files_are_reported_once_per_command)
{
    Harness f("problems");
    for (const char* name : {"pstr.txt", "dialog.sav", "reg.gnu"})  // directories in their place
        fs::create_directory(JoinPath(f.dir, name));
    const auto messages = [&f] {
        return std::count_if(f.Calls.begin(), f.Calls.end(), [](const std::string& c) { return c.find("message ") == 0; });
    };

    EXPECT_EQ(commands::NewCalculation(f.session), CommandResult::Done);
    ASSERT_EQ(messages(), 1) << "one message for the wizard and its fan selection";
    EXPECT_EQ(f.Calls[f.Calls.size() - 2], Message("Nie można zapisać plików:\n" + JoinPath(f.dir, "dialog.sav") +
                                                           "\n" + JoinPath(f.dir, "pstr.txt")));
    EXPECT_EQ(f.Calls.back(), "repaint");
    EXPECT_TRUE(f.session.Problems.Empty());

    f.Calls.clear();
    EXPECT_EQ(commands::RegulateSpeed(f.session), CommandResult::Done);
    ASSERT_EQ(messages(), 1);
    EXPECT_EQ(f.Calls[f.Calls.size() - 2], Message("Nie można zapisać pliku:\n" + JoinPath(f.dir, "reg.gnu")));

    f.Calls.clear();
    EXPECT_EQ(commands::ShowSilencerVariants(f.session), CommandResult::Done);
    EXPECT_EQ(messages(), 0) << "problems of an earlier command are not reported again";
}

// A row chosen in the table runs the fan selection exactly as the chooser's OK for that entry does:
// same record, same files; a silencer row then shows the silencer-variant report.
TEST(commands, selection_from_the_catalogue)
{
    Harness f("catalogue");
    EXPECT_EQ(commands::SelectFromCatalogue(f.session), CommandResult::Refused);
    EXPECT_EQ(f.Calls, (Texts{Message(kNoNetworkMessage), "repaint"})) << "no network before any calculation";

    f.cancelAt = D::OKBottomDlg_wyw;  // the wizard's inputs only
    commands::NewCalculation(f.session);
    f.cancelAt.reset();
    const Texts wizardFiles = FileNamesBelow(f.dir);
    struct Step { const char* name; std::optional<DialogId> cancelAt; Texts calls; };
    const Step cancels[] = {
        {"Qi cancelled", D::OKBottomDlg6, {"cancel OKBottomDlg6", "repaint"}},
        {"table cancelled", std::nullopt, {"dialog OKBottomDlg6", "table 165 for 50.000000", "repaint"}},
    };
    for (const Step& step : cancels) {
        SCOPED_TRACE(step.name);
        f.Calls.clear();
        f.cancelAt = step.cancelAt;
        EXPECT_EQ(commands::SelectFromCatalogue(f.session), CommandResult::Cancelled);
        EXPECT_EQ(f.Calls, step.calls);
        EXPECT_EQ(f.record.FanIndex, 0);
    }
    f.cancelAt.reset();
    EXPECT_EQ(f.File("dialog6.sav"), "50.0\n");

    const std::pair<int32_t, FanConfiguration> rows[] = {{17, FanConfiguration::Fan}, {19, FanConfiguration::Base},
                                                         {1, FanConfiguration::Silencer}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        // The same entry chosen in the chooser, on the record and files as they were before.
        Harness chooser("catalogue_chooser_" + std::to_string(row.first),
                        [&] { auto a = BlockAnswers(); a[D::OKBottomDlg_wyw].Choice = row.first; return a; }());
        chooser.record = f.record;
        fs::copy(f.dir, chooser.dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        f.Calls.clear();
        f.chooseRow = row;
        const CommandResult result = commands::SelectFromCatalogue(f.session);
        const Texts calls = f.Calls;
        const CalcRecord chosen = f.record;

        EXPECT_EQ(commands::SelectFanOnly(chooser.session), result);
        if (row.second != FanConfiguration::Fan)
            commands::ShowSilencerVariants(chooser.session);
        EXPECT_EQ(std::memcmp(&chooser.record, &chosen, sizeof chosen), 0);
        EXPECT_EQ(DifferentFiles(chooser.dir, f.dir), "");
        const std::string plainFan =
            result == CommandResult::FanUnsuitable ? Message(kUnsuitableFanMessage) : "plot gif.gnu";
        EXPECT_EQ(calls, (Texts{"dialog OKBottomDlg6", "table 165 for 50.000000", "check " + std::to_string(row.first),
                                plainFan, "plot gif_tl.gnu", "repaint"}));
        EXPECT_EQ(chosen.ScreenReportKind, row.second != FanConfiguration::Fan ? 3 : 1);
    }
}
