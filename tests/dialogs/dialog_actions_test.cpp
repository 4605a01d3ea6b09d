// Every dialog's OK: values stored and kept, lines saved, refusals, unreadable value files.
#include "dialogs/dialog_actions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "output/number_format.h"
#include "output/storage/text_file.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using D = DialogId;
using R = CalcRecord;

// The fields the dialogs write, by name; a marked record holds 7 in each, to see which ones a dialog writes.
#define WENT_FIELD(name) std::pair{#name, &R::name}
constexpr std::pair<const char*, double R::*> kMarkedDoubles[] = {
    WENT_FIELD(AirDensity), WENT_FIELD(DuctRoughness), WENT_FIELD(DuctArea), WENT_FIELD(DuctDiameter),
    WENT_FIELD(GrilleArea), WENT_FIELD(DuctSideA), WENT_FIELD(DuctSideB), WENT_FIELD(GrilleSizeA),
    WENT_FIELD(GrilleSizeB), WENT_FIELD(StoreyHeight), WENT_FIELD(RegulatedFlow), WENT_FIELD(VariantRegulatedFlow),
    WENT_FIELD(GrilleLossCoefficient), WENT_FIELD(AirTemperature), WENT_FIELD(GrilleSetFlowHourly),
    WENT_FIELD(OutsideTemperature), WENT_FIELD(StoreyFanSpeed), WENT_FIELD(RequiredGrilleFlowHourly),
    WENT_FIELD(WinterTemperature), WENT_FIELD(SummerTemperature)};
constexpr std::pair<const char*, int32_t R::*> kMarkedInts[] = {
    WENT_FIELD(DensitySource), WENT_FIELD(DuctShape), WENT_FIELD(InstallationKind), WENT_FIELD(FanIndex),
    WENT_FIELD(StoreyCount), WENT_FIELD(RegulationVariant), WENT_FIELD(StoreyOneCondition)};
#undef WENT_FIELD

CalcRecord MarkedRecord()
{
    CalcRecord record;
    ResetCalcRecord(record);
    for (auto [name, field] : kMarkedDoubles)
        record.*field = 7.0;
    for (auto [name, field] : kMarkedInts)
        record.*field = 7;
    return record;
}

// " Field=value" of every marked field that is no longer 7.
std::string Written(const CalcRecord& record)
{
    std::string text;
    for (auto [name, field] : kMarkedDoubles)
        text += record.*field != 7.0 ? Printf(" %s=%.10g", name, record.*field) : "";
    for (auto [name, field] : kMarkedInts)
        text += record.*field != 7 ? Printf(" %s=%d", name, record.*field) : "";
    return text;
}

DialogInput Edits(std::vector<std::string> edits, std::string combo = "", int comboIndex = -1)
{
    return {std::move(edits), 0, std::move(combo), comboIndex};
}

// The marked record after the dialog's OK, which must accept; the value file is saved into `dir` if given.
CalcRecord Confirmed(DialogId dialog, const DialogInput& input, const std::string& dir = "")
{
    CalcRecord record = MarkedRecord();
    FileProblems problems;
    const DialogOutcome outcome = ConfirmDialog(dialog, input, record, ValueFileTarget{dir, !dir.empty()}, problems);
    EXPECT_TRUE(outcome.Accepted && outcome.Message.empty() && problems.Empty()) << outcome.Message;
    return record;
}

}  // namespace

// What each OK stores (every changed field of a marked record) and saves (the value file's name,
// the widths of its lines and its bytes), against dialogs/stored_values.txt; fields not named
// there keep their 7.
TEST(dialog_actions, stored_and_kept_values)
{
    struct Row { const char* Name; DialogId Dialog; DialogInput Input; };
    const Row rows[] = {
        {"air state", D::Form3, Edits({"20", "1013", "50"})},
        {"dry air: R is exactly 287.04", D::Form3, Edits({"20", "1013", "0"})},
        {"the circle of the equivalent diameter, not a x b", D::Form1, Edits({"0.2", "0.3"})},
        {"round duct keeps the sides", D::Form4, Edits({"0.2"})},
        {"rectangular grille, blanks aside", D::Form22, Edits({"2.8", "4", "0.2", "0.25", " 4.6\t"})},
        {"round grille keeps the width", D::Form222, Edits({"3", "+20", "0.1", "1.6"})},
        {"1 storey", D::Form22, Edits({"3", "1", "0.2", "0.2", "2"})},
        {"99 storeys", D::Form22, Edits({"3", "99", "0.2", "0.2", "2"})},
        {"LUMA 75/80 10 turns", D::Form2222, Edits({"3", "5", "10"}, "LUMA 75/80")},
        {"25 turns are 20", D::Form2222, Edits({"3", "5", "25"}, "LUMA 75/80")},
        {"-3 turns are 0", D::Form2222, Edits({"3", "5", "-3"}, "LUMA 125")},
        {"LUMA 200 closed", D::Form2222, Edits({"3", "5", "0"}, "LUMA 200")},
        {"LUMA 160, terms in their order", D::Form2222, Edits({"3", "5", "13"}, "LUMA 160")},
        {"Qs 10 is 15", D::Form22222, Edits({"3", "5", "10"}, "100 mm")},
        {"Qs 120 is 90", D::Form22222, Edits({"3", "5", "120"}, "100 mm")},
        {"116 mm at 30", D::Form22222, Edits({"3", "5", "30"}, "116 mm")},
        {"125 mm at 47, in its order", D::Form22222, Edits({"3", "5", "47"}, "125 mm")},
        {"NEVA-70 at 10", D::Form222222, Edits({"3", "5", "10"}, "NEVA-70")},
        {"unknown text is the first type", D::Form222222, Edits({"3", "5", "60"}, "NEVA-99")},
        {"the longest storey height line", D::Form22222, Edits({"1e15", "5", "30"})},
        {"the longest density line", D::OKBottomDlg, Edits({"8e24"})},
        {"regulated flow: every digit kept, three saved", D::OKBottomDlg1, Edits({"0.12345"})},
        {"variant flow without a selected item", D::OKBottomDlg2, Edits({"1.0"})},
        {"variant 1 keeps the other request", D::OKBottomDlg2, Edits({"1.0"}, "", 1)},
        {"required flow: every digit kept, one decimal saved", D::OKBottomDlg6, Edits({"52.47"})},
        {"storey flows: required flow, winter, summer", D::OKBottomDlg7, Edits({"52.47", "-20.5", "35", "0"})},
        {"storey flows: the one condition is not saved", D::OKBottomDlg7, Edits({"50", "-20", "30", "0", "-5"})},
    };
    // Radio dialogs: a choice without a button keeps the 7; fan entry 20 has none.
    const std::pair<DialogId, std::vector<int>> radios[] = {
        {D::OKBottomDlg3, {0, 1, 2}}, {D::OKBottomDlg333, {0, 1, -1}}, {D::OKBottomDlg3333, {0, 4, 5}},
        {D::OKBottomDlg33333, {0, 1, 2, 3, 4, 5, 6}}, {D::OKBottomDlg_wyw, {1, 58, 36, 20, 0, 59, -1}}};
    std::string dump;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string dir = ScratchDir("stored");
        dump += row.Name + (":" + Written(Confirmed(row.Dialog, row.Input, dir))) + "\n";
        if (const ValueFileLayout* file = ValueFileOf(row.Dialog)) {
            dump += std::string("  ") + file->FileName + ",";
            for (int width : file->Widths)
                dump += " " + std::to_string(width);
            dump += ":\n" + ReadFileForTest(JoinPath(dir, file->FileName));
        }
    }
    for (const auto& [dialog, buttons] : radios)
        for (int button : buttons)
            dump += FactsOf(dialog).FormName + (" button " + std::to_string(button)) + ":" +
                    Written(Confirmed(dialog, DialogInput{{}, button, "", -1})) + "\n";
    EXPECT_EQ(CompareWithGolden("dialogs/stored_values.txt", dump), "");
    EXPECT_TRUE(std::isfinite(Confirmed(D::Form3, Edits({"3000000000", "5000000000", "10"})).AirDensity))
        << "huge values stay finite in 64-bit arithmetic";
    EXPECT_EQ(ComboItemForText(D::Form22222, "125mm"), 0) << "exact match only";
}

// A value file that cannot be read: empty boxes, and one message naming it and its dialog.
TEST(dialog_actions, an_unreadable_value_file_gives_empty_boxes_and_one_message)
{
    const std::string dir = ScratchDir("creation");
    EXPECT_EQ(UnreadableValueFilesMessage(dir), "");
    fs::create_directory(JoinPath(dir, "dialog3333.sav"));
    EXPECT_EQ(EditTextsAtCreation(D::Form2222, dir), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(DialogsWithUnreadableValueFiles(dir), std::vector<DialogId>{D::Form2222});
    EXPECT_EQ(UnreadableValueFilesMessage(dir),
              "Nie można odczytać zapamiętanych wartości z plików:\n„dialog3333.sav” (okno „Parametry budynku”)\n"
              "Pola tych okien są puste; każdy z tych plików zostanie zastąpiony dopiero po zatwierdzeniu jego "
              "okna przyciskiem OK.");
}

// Every refusal's message, one case after another, is in dialogs/refusals.txt.
TEST(dialog_actions, refusals_store_and_save_nothing)
{
    struct Row { const char* Name; DialogId Dialog; DialogInput Input; };
    const Row rows[] = {
        {"pressure 0", D::Form3, Edits({"20", "0", "50"})},
        {"temperature -273", D::Form3, Edits({"-273", "1013", "50"})},
        {"pressure below 0: a density below 0", D::Form3, Edits({"20", "-1000", "50"})},
        {"a negative side", D::Form1, Edits({"0.5", "-0.5"})},
        {"density 0", D::OKBottomDlg, Edits({"0"})},
        {"duct diameter 0", D::Form4, Edits({"0.000"})},
        {"duct length 0", D::Form1, Edits({"0", "0.2"})},
        {"0 storeys", D::Form22, Edits({"3", "0", "0.2", "0.2", "2"})},
        {"storey height 0", D::Form2222, Edits({"0", "5", "10"}, "LUMA 125")},
        {"grille height below 0", D::Form22, Edits({"3", "10", "-0.2", "0.25", "2.5"})},
        {"grille width 0", D::Form22, Edits({"3", "10", "0.2", "0", "2.5"})},
        {"rectangular grille's loss below 0", D::Form22, Edits({"3", "10", "0.2", "0.25", "-2.5"})},
        {"grille diameter 0", D::Form222, Edits({"3", "10", "0", "1.6"})},
        {"round grille's loss 0", D::Form222, Edits({"3", "10", "0.1", "0"})},
        {"sides too large", D::Form1, Edits({"1e300", "1e300"})},
        {"-1 storeys", D::Form22, Edits({"3", "-1", "0.2", "0.2", "2"})},
        {"100 storeys", D::Form222, Edits({"3", "100", "0.1", "2"})},
        {"storeys above 32 bits", D::Form22222, Edits({"3", "4294967297", "30"})},
        {"flow 0", D::OKBottomDlg1, Edits({"0"})},
        {"a decimal comma", D::Form4, Edits({"0,25"})},
        {"a decimal comma between blanks", D::Form22, Edits({"2.8", "4", "0.2", "0.25", " 4,6 "})},
        {"two commas", D::Form1, Edits({"0.2", "1,2,3"})},
        {"the control's name", D::OKBottomDlg, Edits({"Edit1"})},
        {"an empty box", D::OKBottomDlg1, Edits({" "})},
        {"a box not passed", D::Form22, Edits({"3"})},
        {"a fraction in an integer box", D::Form222, Edits({"3", "20.5", "0.1", "1.6"})},
        {"an infinite flow", D::OKBottomDlg1, Edits({"1e400"})},
        {"a density line longer than 29", D::OKBottomDlg, Edits({"1e25"})},
        {"negative flow", D::OKBottomDlg2, Edits({"-1"}, "", 1)},
        {"required flow 0", D::OKBottomDlg6, Edits({"0"})},
        {"storeys' required flow 0", D::OKBottomDlg7, Edits({"0", "-20", "30", "0"})},
        {"winter -61", D::OKBottomDlg7, Edits({"50", "-61", "30", "0"})},
        {"summer 61", D::OKBottomDlg7, Edits({"50", "-20", "61", "0"})},
        {"faster than the catalogue", D::OKBottomDlg7, Edits({"50", "-20", "30", "1"})},
        {"negative speed", D::OKBottomDlg7, Edits({"50", "-20", "30", "-1"})},
        {"the one condition at -61", D::OKBottomDlg7, Edits({"50", "-20", "30", "0", "-61"})},
        {"the one condition not a number", D::OKBottomDlg7, Edits({"50", "-20", "30", "0", "x"})},
    };
    const std::string dir = ScratchDir("refusals");
    std::string messages;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string path = JoinPath(dir, ValueFileOf(row.Dialog)->FileName);
        std::ofstream(path, std::ios::binary) << "old\n";
        CalcRecord record = MarkedRecord();
        FileProblems problems;
        const DialogOutcome outcome =
            ConfirmDialog(row.Dialog, row.Input, record, ValueFileTarget{dir, true}, problems);
        EXPECT_FALSE(outcome.Accepted);
        messages += std::string(row.Name) + ": " + outcome.Message + "\n";
        EXPECT_EQ(ReadFileForTest(path), "old\n") << "file untouched";
        EXPECT_EQ(Written(record), "") << "nothing stored";
    }
    EXPECT_EQ(CompareWithGolden("dialogs/refusals.txt", messages), "");
}

// The required flow per grille is one answer of the building: confirmed in either dialog, the
// other shows it.
TEST(dialog_actions, the_required_flow_is_shared_by_the_catalogue_and_the_storey_flows)
{
    const std::string dir = ScratchDir("shared");
    CalcRecord record = MarkedRecord();
    FileProblems problems;
    ASSERT_TRUE(ConfirmDialog(D::OKBottomDlg6, Edits({"65"}), record, ValueFileTarget{dir, true}, problems).Accepted);
    EXPECT_EQ(EditTextsAtCreation(D::OKBottomDlg7, dir), (std::vector<std::string>{"65", "-20.0", "30.0", "0"}));
    ASSERT_TRUE(ConfirmDialog(D::OKBottomDlg7, Edits({"40", "-25", "28", "0"}), record, ValueFileTarget{dir, true},
                              problems)
                    .Accepted);
    EXPECT_EQ(EditTextsAtCreation(D::OKBottomDlg6, dir), std::vector<std::string>{"40"});
    EXPECT_EQ(record.RequiredGrilleFlowHourly, 40.0);
    EXPECT_TRUE(IsSharedAnswer(D::OKBottomDlg7, 0));
    EXPECT_FALSE(IsSharedAnswer(D::OKBottomDlg7, 1));
    EXPECT_TRUE(problems.Empty());
}

// A folder of the earlier storey dialog (stack-effect flag, outside temperature, speed) opens with
// its temperature as the winter one and its speed, and its first OK is taken.
TEST(dialog_actions, an_earlier_storey_value_file_keeps_its_meaning)
{
    const std::string dir = ScratchDir("storey_three_lines");
    std::ofstream(JoinPath(dir, "dialog7.sav"), std::ios::binary) << "1\n-15.0\n600.0\n";
    const std::vector<std::string> texts = EditTextsAtCreation(D::OKBottomDlg7, dir);
    EXPECT_EQ(texts, (std::vector<std::string>{"50.0", "-15.0", "30.0", "600.0"}));
    CalcRecord record = MarkedRecord();
    record.FanSpeed = 730;  // 1/min
    FileProblems problems;
    EXPECT_TRUE(ConfirmDialog(D::OKBottomDlg7, Edits(texts), record, ValueFileTarget{dir, true}, problems).Accepted);
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog7.sav")), "50.0\n-15.0\n30.0\n600.0\n");
}

// Once a fan has its operating point, the two regulation dialogs refuse a flow their
// configuration cannot reach by slowing down (the limits are the regulation's own), and store and
// save nothing; the flow the report shows is taken.
TEST(dialog_actions, regulation_requests_beyond_the_operating_point)
{
    CalcRecord selected = MarkedRecord();
    selected.FanFlow = 0.4216;  // shown as 0.422
    selected.FanPressure = 54.2;
    selected.BaseFlow = 0.0;
    struct Row { const char* Name; DialogId Dialog; DialogInput Input; const char* Message; };
    const Row rows[] = {
        {"the flow shown", D::OKBottomDlg1, Edits({"0.422"}), ""},
        {"one more in the last digit", D::OKBottomDlg1, Edits({"0.423"}),
         "Wydajność regulowana nie może być większa od wydajności wentylatora Q = 0.422 [m3/s]."},
        {"5 m3/s", D::OKBottomDlg1, Edits({"5"}),
         "Wydajność regulowana nie może być większa od wydajności wentylatora Q = 0.422 [m3/s]."},
        {"fan alone with silencers", D::OKBottomDlg2, Edits({"0.5"}, "", 0),
         "Wydajność regulowana nie może być większa od wydajności wentylatora Q = 0.422 [m3/s]."},
        {"a base without point", D::OKBottomDlg2, Edits({"0.1"}, "", 1),
         "Wentylator z podstawą tłumiącą nie ma punktu pracy w tej sieci."},
    };
    const std::string dir = ScratchDir("regulation_limits");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        CalcRecord record = selected;
        FileProblems problems;
        const DialogOutcome outcome = ConfirmDialog(row.Dialog, row.Input, record, ValueFileTarget{dir, false}, problems);
        EXPECT_EQ(outcome.Message, row.Message);
        EXPECT_EQ(outcome.Accepted, *row.Message == '\0');
        if (!outcome.Accepted) {
            EXPECT_EQ(outcome.Box, 0);
            EXPECT_EQ(Written(record), "") << "nothing stored";
        }
    }
}

TEST(dialog_actions, the_required_flow_dialog_has_a_caption_of_its_own)
{
    const std::string caption = FactsOf(DialogId::OKBottomDlg6).Caption;
    for (int id = 0; id <= static_cast<int>(DialogId::OKBottomDlg7); ++id) {
        const DialogId dialog = static_cast<DialogId>(id);
        if (dialog != DialogId::OKBottomDlg6) {
            EXPECT_NE(FactsOf(dialog).Caption, caption) << FactsOf(dialog).FormName;
        }
    }
}
