// The building file: what a confirmed dialog leaves in it and what the dialogs show from it at
// creation, and a file with lines that cannot be read.
#include "dialogs/building_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/dialog_actions.h"
#include "output/storage/text_file.h"
#include "support/test_support.h"

namespace {

using D = DialogId;

// Confirms the dialog in `dir` with `input`, as its form's OK does.
void Confirm(D dialog, const DialogInput& input, const std::string& dir)
{
    CalcRecord record;
    ResetCalcRecord(record);
    record.FanSpeed = 1400;  // the storey-flow dialog's speed must not exceed it
    FileProblems problems;
    const DialogOutcome outcome = ConfirmDialog(dialog, input, record, ValueFileTarget{dir}, problems);
    ASSERT_TRUE(outcome.Accepted) << outcome.Message;
    ASSERT_TRUE(problems.Empty());
}

DialogInput Texts(std::vector<std::string> edits, std::string combo = "")
{
    DialogInput input;
    input.Edits = std::move(edits);
    input.ComboText = std::move(combo);
    return input;
}

DialogInput Choice(int choice)
{
    DialogInput input;
    input.Choice = choice;
    return input;
}

}  // namespace

// Each row: a dialog confirmed in a fresh folder, the building file it leaves (after the opening
// comment), then what the dialog shows when created there: its box texts and its choice.
TEST(building_file, a_confirmed_dialog_comes_back_as_typed_and_chosen)
{
    DialogInput variant = Texts({"0.5"});
    variant.ComboIndex = 2;
    const struct {
        const char* Name;
        D Dialog;
        DialogInput Input;
        std::string Lines;
        std::vector<std::string> Shown;
        int ChoiceShown;
    } rows[] = {
        {"typed_texts_trimmed",
         D::Form22,
         Texts({" 2.875 ", "10", "0.222", "0.25", "2.125\t"}),
         "storey_height = 2.875\nstoreys = 10\ngrille_height = 0.222\ngrille_width = 0.25\nloss_coefficient = 2.125\n",
         {"2.875", "10", "0.222", "0.25", "2.125"},
         0},
        {"density_source_word", D::OKBottomDlg3, Choice(0), "density_source = computed\n", {}, 0},
        {"duct_shape_word", D::OKBottomDlg333, Choice(1), "duct_shape = round\n", {}, 1},
        {"material_number", D::OKBottomDlg33333, Choice(5), "material = 6\n", {}, 5},
        {"kind_number", D::OKBottomDlg3333, Choice(2), "installation = 3\n", {}, 2},
        {"no_button_checked_keeps_no_line", D::OKBottomDlg3333, Choice(-1), "", {}, 0},
        {"grille_item",
         D::Form2222,
         Texts({"3", "5", "25"}, "LUMA 100"),
         "storey_height = 3\nstoreys = 5\ngrille = LUMA 100\nturns = 25\n",
         {"3", "5", "25"},
         0},
        // A text naming no item counts as the first, and is kept as that item.
        {"grille_text_naming_none",
         D::Form222222,
         Texts({"3", "5", "40"}, "NEVA-7"),
         "storey_height = 3\nstoreys = 5\ngrille = NEVA-20\nconstant_flow = 40\n",
         {"3", "5", "40"},
         0},
        {"fan", D::OKBottomDlg_wyw, Choice(19), "fan = 19\n", {}, 19},
        {"variant_item",
         D::OKBottomDlg2,
         variant,
         "variant_flow = 0.5\nvariant = Wentylator z tłumikiem cylindrycznym\n",
         {"0.5"},
         2},
        {"required_flow", D::OKBottomDlg6, Texts({"47.25"}), "required_flow = 47.25\n", {"47.25"}, 0},
        {"storey_flows",
         D::OKBottomDlg7,
         Texts({"55", "-18.5", "31", "0"}),
         "required_flow = 55\nwinter_temp = -18.5\nsummer_temp = 31\nspeed = 0\n",
         {"55", "-18.5", "31", "0"},
         0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::string dir = ScratchDir(std::string("building_") + row.Name);
        Confirm(row.Dialog, row.Input, dir);
        const std::string text = ReadFileForTest(JoinPath(dir, kBuildingFileName));
        EXPECT_EQ(text, row.Lines.empty() ? "" : BuildingFileText({}) + row.Lines);
        const BuildingFile building = ReadBuildingFile(dir);
        EXPECT_TRUE(building.Problems.empty()) << Joined(building.Problems);
        if (!row.Shown.empty()) {
            EXPECT_EQ(EditTextsAtCreation(row.Dialog, dir), row.Shown);
        }
        EXPECT_EQ(ChoiceAtCreation(row.Dialog, building), row.ChoiceShown);
    }

    // The value file keeps its format; a later dialog keeps the answers of the earlier ones.
    const std::string dir = JoinPath(WENT_TEST_TMP, "building_typed_texts_trimmed");
    EXPECT_EQ(ReadFileForTest(JoinPath(dir, "dialog33.sav")), "2.88\n10\n0.22\n0.25\n2.12\n");
    Confirm(D::OKBottomDlg3, Choice(1), dir);
    EXPECT_EQ(ReadBuildingFile(dir).Answers.size(), 6u);
    // A combo box shows the building's grille only where its list holds it.
    const std::string grille = JoinPath(WENT_TEST_TMP, "building_grille_item");
    EXPECT_EQ(ComboTextAtCreation(D::Form2222, ReadBuildingFile(grille)), "LUMA 100");
    EXPECT_EQ(ComboTextAtCreation(D::Form22222, ReadBuildingFile(grille)), std::nullopt);

    // A box key answers a box of its dialog, under the dialog table's batch key.
    for (const BuildingKey& key : BuildingKeys()) {
        size_t boxes = 0;
        for (const EditBox& box : FactsOf(key.Dialog).Boxes)
            boxes += std::string(box.BatchKey) == key.Key;
        EXPECT_EQ(boxes, key.Kind == AnswerKind::Box ? 1u : 0u) << key.Key;
    }
}

TEST(building_file, lines_that_cannot_be_read_are_named_and_the_others_used)
{
    const std::string dir = ScratchDir("building_bad_lines");
    const std::string path = JoinPath(dir, kBuildingFileName);
    const std::string bytes =
        "# comment\r\n"
        "storeys = 12\r\n"
        "storey_height 3\n"
        "colour = red\n"
        "storeys = 13\n"
        "duct_shape = Round\n"
        "material = 7\n"
        "fan = 21\n"
        "density = 1,2\n"
        "grille = LUMA 300\n"
        "variant = 3\n"
        "commission_turns = 20 21\n"
        "\xEF\xBB\xBFgrille_height = 0.222\n"
        "duct_diameter = 0.315";
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    const BuildingFile building = ReadBuildingFile(dir);
    EXPECT_EQ(building.Answers, (std::map<std::string, std::string>{{"storeys", "12"}, {"duct_diameter", "0.315"}}));
    EXPECT_EQ(BuildingFileMessage(dir),
              "W pliku budynku „" + path +
                  "” nie można odczytać:\n"
                  "wiersz 3: brak znaku „=” w „storey_height 3”\n"
                  "wiersz 4: nieznany klucz „colour”\n"
                  "wiersz 5: klucz „storeys” podany drugi raz (pierwszy raz w wierszu 2)\n"
                  "wiersz 6: duct_shape: „Round” nie jest żadną z wartości: rectangular, round\n"
                  "wiersz 7: material: „7” nie jest liczbą od 1 do 6\n"
                  "wiersz 8: fan: „21” nie jest numerem wentylatora z przyciskiem w oknie wyboru\n"
                  "wiersz 9: density: W polu „Gęstość Ro [kg/m3]” musi być liczba, a jest „1,2”.\n"
                  "Użyj kropki dziesiętnej: 1.2\n"
                  "wiersz 10: grille: „LUMA 300” nie jest kratką z żadnej listy\n"
                  "wiersz 11: variant: „3” nie jest żadnym z wariantów\n"
                  "wiersz 12: commission_turns: „20 21” nie jest listą liczb całkowitych od 0 do 20 (jedna na "
                  "kondygnację)\n"
                  "wiersz 13: nieznany klucz „\xEF\xBB\xBFgrille_height”\n"
                  "Pozostałe wiersze zostały użyte; plik zostanie zapisany na nowo dopiero po zatwierdzeniu okna "
                  "przyciskiem OK.");
    EXPECT_EQ(EditTextsAtCreation(D::Form4, dir), std::vector<std::string>{"0.315"});
    EXPECT_EQ(ReadFileForTest(path), bytes) << "reading never rewrites";

    // A dialog's OK rewrites it with the lines that can be read and its own.
    Confirm(D::Form4, Texts({"0.25"}), dir);
    EXPECT_EQ(ReadFileForTest(path), BuildingFileText({}) + "duct_diameter = 0.25\nstoreys = 12\n");
    EXPECT_EQ(BuildingFileMessage(dir), "");

    // A folder in its place cannot be read at all; a folder without one has nothing to say.
    const std::string blocked = ScratchDir("building_blocked");
    std::filesystem::create_directory(JoinPath(blocked, kBuildingFileName));
    EXPECT_EQ(ReadBuildingFile(blocked).State, BuildingFileState::Unreadable);
    EXPECT_NE(BuildingFileMessage(blocked).find("Nie można odczytać pliku budynku"), std::string::npos);
    EXPECT_EQ(BuildingFileMessage(ScratchDir("building_none")), "");
}
