// The building file: its table of keys, the reading that keeps every line it can use and names
// the others, the answers of a confirmed dialog and the atomic rewrite on every OK.
#include "dialogs/building_file.h"

#include <charconv>
#include <iterator>

#include "dialogs/dialog_actions.h"
#include "model/adjustable_grilles.h"
#include "model/calc_record.h"
#include "model/commissioning.h"
#include "model/fan_catalogue.h"
#include "model/installation_kinds.h"
#include "output/quoted_input.h"
#include "output/storage/text_file.h"

const char kBuildingFileName[] = "budynek.txt";

namespace {

using D = DialogId;
using enum AnswerKind;

constexpr const char* kDensitySourceWords[] = {"computed", "typed"};  // DensitySourceCode order
constexpr const char* kDuctShapeWords[] = {"rectangular", "round"};   // DuctShapeCode order
constexpr const char* kBalancedWords[] = {"no", "yes"};               // the storey dialog's check box

// clang-format off
// Columns: key, what it answers, its dialog (Box: the first dialog with a box of that key;
// GrilleItem: the first with a grille list), the words of a Word row's buttons.
// Keys shared by several dialogs (the storeys of every building dialog, the loss coefficient of
// two of them, ...) hold one answer for the building: the one confirmed last.
constexpr BuildingKey kBuildingKeys[] = {
    {"density_source",   Word,        D::OKBottomDlg3,     kDensitySourceWords},
    {"density",          Box,         D::OKBottomDlg,      {}},
    {"temperature",      Box,         D::Form3,            {}},
    {"pressure",         Box,         D::Form3,            {}},
    {"humidity",         Box,         D::Form3,            {}},
    {"duct_shape",       Word,        D::OKBottomDlg333,   kDuctShapeWords},
    {"duct_length",      Box,         D::Form1,            {}},
    {"duct_width",       Box,         D::Form1,            {}},
    {"duct_diameter",    Box,         D::Form4,            {}},
    {"material",         Number,      D::OKBottomDlg33333, {}},
    {"installation",     Number,      D::OKBottomDlg3333,  {}},
    {"storey_height",    Box,         D::Form22,           {}},
    {"storeys",          Box,         D::Form22,           {}},
    {"grille_height",    Box,         D::Form22,           {}},
    {"grille_width",     Box,         D::Form22,           {}},
    {"grille_diameter",  Box,         D::Form222,          {}},
    {"loss_coefficient", Box,         D::Form22,           {}},
    {"grille",           GrilleItem,  D::Form2222,         {}},
    {"turns",            Box,         D::Form2222,         {}},
    {"constant_flow",    Box,         D::Form22222,        {}},
    {"fan",              Fan,         D::OKBottomDlg_wyw,  {}},
    {"regulated_flow",   Box,         D::OKBottomDlg1,     {}},
    {"variant_flow",     Box,         D::OKBottomDlg2,     {}},
    {"variant",          VariantItem, D::OKBottomDlg2,     {}},
    {"required_flow",    Box,         D::OKBottomDlg6,     {}},
    {"winter_temp",      Box,         D::OKBottomDlg7,     {}},
    {"summer_temp",      Box,         D::OKBottomDlg7,     {}},
    {"speed",            Box,         D::OKBottomDlg7,     {}},
    {"balanced",         Word,        D::OKBottomDlg7,     kBalancedWords},
    {"commission_speed", Setting,     D::OKBottomDlg6,     {}},
    {"commission_turns", Setting,     D::OKBottomDlg6,     {}},
};
// clang-format on

const BuildingKey* FindKey(std::string_view key)
{
    for (const BuildingKey& row : kBuildingKeys)
        if (key == row.Key)
            return &row;
    return nullptr;
}

// The blanks around a key, a value and a typed text: what the batch front end always trimmed.
constexpr char kBlanks[] = " \t";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::optional<int> WholeNumber(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// The building dialogs whose grille is chosen from a list.
bool IsGrilleDialog(DialogId dialog)
{
    for (const InstallationKindRow& kind : kInstallationKinds)
        if (BuildingDialogOf(kind.Kind) == dialog)
            return !ComboItems(dialog).empty();
    return false;
}

bool IsGrilleItem(DialogId dialog, const std::string& text)
{
    for (const std::string& item : ComboItems(dialog))
        if (item == text)
            return true;
    return false;
}

// The variant a text names: its number or its item text; nullopt for neither.
std::optional<int> VariantOf(const std::string& text)
{
    const std::vector<std::string>& items = ComboItems(D::OKBottomDlg2);
    for (size_t i = 0; i < items.size(); ++i)
        if (text == items[i] || text == std::to_string(i))
            return static_cast<int>(i);
    return std::nullopt;
}

// The radio buttons of a Word or Number row.
size_t ButtonCount(const BuildingKey& row)
{
    return row.Kind == Word ? row.Words.size() : RadioCaptions(row.Dialog).size();
}

// The 0-based button a Word or Number answer names, nullopt when it names none.
std::optional<int> ButtonOf(const BuildingKey& row, const std::string& value)
{
    if (row.Kind == Word) {
        for (size_t i = 0; i < row.Words.size(); ++i)
            if (value == row.Words[i])
                return static_cast<int>(i);
        return std::nullopt;
    }
    const std::optional<int> number = WholeNumber(value);
    if (!number || *number < 1 || static_cast<size_t>(*number) > ButtonCount(row))
        return std::nullopt;
    return *number - 1;
}

// The box of `dialog` whose batch key is `key`, or nullopt.
std::optional<size_t> BoxOf(DialogId dialog, std::string_view key)
{
    const std::span<const EditBox> boxes = FactsOf(dialog).Boxes;
    for (size_t i = 0; i < boxes.size(); ++i)
        if (key == boxes[i].BatchKey)
            return i;
    return std::nullopt;
}

// The turns of a "commission_turns" answer: whole numbers 0..20 between blanks, one per storey.
std::optional<std::vector<int32_t>> TurnsOf(const std::string& text)
{
    std::vector<int32_t> turns;
    std::string_view rest = text;
    while (!(rest = Trim(rest)).empty()) {
        const size_t blank = rest.find_first_of(kBlanks);
        const std::optional<int> turn = WholeNumber(std::string(rest.substr(0, blank)));
        if (!turn || *turn < 0 || *turn > kMaxTurns)
            return std::nullopt;
        turns.push_back(*turn);
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank);
    }
    if (turns.empty() || turns.size() > static_cast<size_t>(kMaxStoreyCount))
        return std::nullopt;
    return turns;
}

// The speed of a "commission_speed" answer: a whole number of 1/min above 0.
std::optional<int> SpeedOf(const std::string& text)
{
    const std::optional<int> speed = WholeNumber(text);
    return speed && *speed > 0 ? speed : std::nullopt;
}

std::string LineProblem(int line, const std::string& what) { return "wiersz " + std::to_string(line) + ": " + what; }

}  // namespace

std::span<const BuildingKey> BuildingKeys() { return kBuildingKeys; }

std::vector<KeyValueLine> ParseKeyValueLines(std::string_view text)
{
    std::vector<KeyValueLine> lines;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")  // a byte order mark some editors put first
        text.remove_prefix(3);
    int number = 0;
    while (!text.empty()) {
        ++number;
        // A line ends in LF, CR LF or a lone CR (as some older editors save).
        const size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        const size_t ending = end == std::string_view::npos ? 0 : text.substr(end, 2) == "\r\n" ? 2 : 1;
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + ending);
        const std::string_view content = Trim(line);
        if (content.empty() || content.front() == '#')
            continue;
        KeyValueLine parsed;
        parsed.Line = number;
        parsed.Content = content;
        const size_t equals = content.find('=');
        parsed.HasEquals = equals != std::string_view::npos;
        if (parsed.HasEquals) {
            parsed.Key = Trim(content.substr(0, equals));
            parsed.Value = Trim(content.substr(equals + 1));
        }
        lines.push_back(std::move(parsed));
    }
    return lines;
}

std::string BuildingAnswerProblem(const std::string& key, const std::string& value)
{
    const BuildingKey* row = FindKey(key);
    if (!row)
        return "nieznany klucz „" + QuotedInput(key) + "”";
    const std::string quoted = "„" + QuotedInput(value) + "”";
    switch (row->Kind) {
    case Box: {
        const DialogOutcome check = CheckEditText(row->Dialog, BoxOf(row->Dialog, key).value_or(0), value);
        return check.Accepted ? "" : key + ": " + check.Message;
    }
    case Word:
    case Number:
        if (ButtonOf(*row, value))
            return "";
        if (row->Kind == Number)
            return key + ": " + quoted + " nie jest liczbą od 1 do " + std::to_string(ButtonCount(*row));
        return key + ": " + quoted + " nie jest żadną z wartości: " + row->Words[0] + ", " + row->Words[1];
    case GrilleItem:
        for (const InstallationKindRow& kind : kInstallationKinds)
            if (const std::optional<DialogId> dialog = BuildingDialogOf(kind.Kind);
                dialog && IsGrilleDialog(*dialog) && IsGrilleItem(*dialog, value))
                return "";
        return key + ": " + quoted + " nie jest kratką z żadnej listy";
    case Fan: {
        const std::optional<int> index = WholeNumber(value);
        const FanEntry* entry = index ? LookupFan(*index) : nullptr;
        return entry && entry->ChooserCaption
                   ? ""
                   : key + ": " + quoted + " nie jest numerem wentylatora z przyciskiem w oknie wyboru";
    }
    case VariantItem: return VariantOf(value) ? "" : key + ": " + quoted + " nie jest żadnym z wariantów";
    case Setting:
        if (key == "commission_speed")
            return SpeedOf(value) ? "" : key + ": " + quoted + " nie jest liczbą całkowitą obrotów większą od 0";
        return TurnsOf(value) ? ""
                              : key + ": " + quoted + " nie jest listą liczb całkowitych od 0 do " +
                                    std::to_string(kMaxTurns) + " (jedna na kondygnację)";
    }
    return "";
}

const std::string* BuildingFile::Answer(const std::string& key) const
{
    const auto found = Answers.find(key);
    return found == Answers.end() ? nullptr : &found->second;
}

BuildingFile ReadBuildingFile(const std::string& dir)
{
    BuildingFile building;
    const FileRead read = ReadRegularFile(JoinPath(dir, kBuildingFileName), kBuildingFileReadLimit);
    if (read.State == FileReadState::Missing)
        return building;
    if (read.State != FileReadState::Read) {
        building.State = BuildingFileState::Unreadable;
        return building;
    }
    building.State = BuildingFileState::Read;
    for (const KeyValueLine& line : ParseKeyValueLines(read.Bytes)) {
        std::string problem;
        if (!line.HasEquals)
            problem = "brak znaku „=” w „" + QuotedInput(line.Content) + "”";
        else if (const auto earlier = building.LineOf.find(line.Key); earlier != building.LineOf.end())
            problem = "klucz „" + QuotedInput(line.Key) + "” podany drugi raz (pierwszy raz w wierszu " +
                      std::to_string(earlier->second) + ")";
        else
            problem = BuildingAnswerProblem(line.Key, line.Value);
        if (!problem.empty()) {
            building.Problems.push_back(LineProblem(line.Line, problem));
            continue;
        }
        building.Answers[line.Key] = line.Value;
        building.LineOf[line.Key] = line.Line;
    }
    return building;
}

std::string BuildingFileMessage(const std::string& dir)
{
    const BuildingFile building = ReadBuildingFile(dir);
    const std::string path = JoinPath(dir, kBuildingFileName);
    if (building.State == BuildingFileState::Unreadable)
        return "Nie można odczytać pliku budynku „" + path +
               "”.\nOkna pokazują wartości zapamiętane w plikach dialog*.sav; plik budynku zostanie "
               "zastąpiony dopiero po zatwierdzeniu okna przyciskiem OK.";
    if (building.Problems.empty())
        return "";
    std::string lines;
    for (const std::string& problem : building.Problems)
        lines += "\n" + problem;
    return "W pliku budynku „" + path + "” nie można odczytać:" + lines +
           "\nPozostałe wiersze zostały użyte; plik zostanie zapisany na nowo dopiero po zatwierdzeniu "
           "okna przyciskiem OK.";
}

int ChoiceAtCreation(DialogId dialog, const BuildingFile& building)
{
    for (const BuildingKey& row : kBuildingKeys) {
        const std::string* answer = row.Dialog == dialog ? building.Answer(row.Key) : nullptr;
        if (!answer)
            continue;
        switch (row.Kind) {
        case Word:
        case Number:
            if (const std::optional<int> button = ButtonOf(row, *answer))
                return *button;
            break;
        case Fan: return *WholeNumber(*answer);  // checked when read
        case VariantItem: return *VariantOf(*answer);
        default: break;
        }
    }
    // The buttons the forms check initially: the typed density, the first button, fan 1.
    switch (dialog) {
    case D::OKBottomDlg3: return 1;
    case D::OKBottomDlg_wyw: return 1;
    case D::OKBottomDlg2: return -1;
    default: return 0;
    }
}

std::optional<std::string> ComboTextAtCreation(DialogId dialog, const BuildingFile& building)
{
    const std::string* grille = building.Answer("grille");
    if (grille && IsGrilleDialog(dialog) && IsGrilleItem(dialog, *grille))
        return *grille;
    return std::nullopt;
}

void LayBuildingTexts(DialogId dialog, const BuildingFile& building, std::vector<std::string>& texts)
{
    const std::span<const EditBox> boxes = FactsOf(dialog).Boxes;
    for (size_t i = 0; i < boxes.size() && i < texts.size(); ++i) {
        const BuildingKey* row = FindKey(boxes[i].BatchKey);
        if (row && row->Kind == Box)
            if (const std::string* answer = building.Answer(row->Key))
                texts[i] = *answer;
    }
}

BuildingAnswers AnswersOfDialog(DialogId dialog, const DialogInput& input)
{
    BuildingAnswers answers;
    const std::span<const EditBox> boxes = FactsOf(dialog).Boxes;
    for (size_t i = 0; i < boxes.size() && i < input.Edits.size(); ++i) {
        const BuildingKey* row = FindKey(boxes[i].BatchKey);
        if (row && row->Kind == Box)
            answers.emplace_back(row->Key, std::string(Trim(input.Edits[i])));
    }
    for (const BuildingKey& row : kBuildingKeys) {
        if (row.Kind == GrilleItem) {
            // The item the dialog used: a text naming none counts as the first.
            if (IsGrilleDialog(dialog))
                answers.emplace_back(
                    row.Key, ComboItems(dialog)[static_cast<size_t>(ComboItemForText(dialog, input.ComboText))]);
            continue;
        }
        if (row.Dialog != dialog)
            continue;
        switch (row.Kind) {
        case Word:
        case Number:
            // The storey dialog's box unticked leaves no line, so that the building file reads as before.
            if (row.Words.data() == kBalancedWords && input.Choice == 0) {
                answers.emplace_back(row.Key, std::nullopt);
                break;
            }
            // No button checked: the record keeps its value, and so does the building file.
            if (input.Choice >= 0 && static_cast<size_t>(input.Choice) < ButtonCount(row))
                answers.emplace_back(row.Key, row.Kind == Word
                                                  ? std::string(row.Words[static_cast<size_t>(input.Choice)])
                                                  : std::to_string(input.Choice + 1));
            break;
        case Fan:
            if (const FanEntry* entry = LookupFan(input.Choice); entry && entry->ChooserCaption)
                answers.emplace_back(row.Key, std::to_string(input.Choice));
            break;
        case VariantItem: {
            const std::vector<std::string>& items = ComboItems(dialog);
            if (input.ComboIndex >= 0 && static_cast<size_t>(input.ComboIndex) < items.size())
                answers.emplace_back(row.Key, items[static_cast<size_t>(input.ComboIndex)]);
            else
                answers.emplace_back(row.Key, std::nullopt);
            break;
        }
        default: break;
        }
    }
    return answers;
}

BuildingAnswers AnswersOfCommissioning(const Commissioning& commissioning)
{
    BuildingAnswers answers{{"commission_speed", std::to_string(commissioning.Speed)}};
    std::string turns;
    for (const CommissioningStorey& storey : commissioning.Storeys)
        turns += (turns.empty() ? "" : " ") + std::to_string(storey.Turns);
    if (commissioning.Rule == CommissioningRule::Turns && !turns.empty())
        answers.emplace_back("commission_turns", turns);
    else
        answers.emplace_back("commission_turns", std::nullopt);
    return answers;
}

void LayCommissionSettings(const std::string* speed, const std::string* turns, CalcRecord& record)
{
    const std::optional<int> rpm = speed ? SpeedOf(*speed) : std::nullopt;
    const std::optional<std::vector<int32_t>> opening = turns ? TurnsOf(*turns) : std::nullopt;
    record.CommissionSpeed = rpm.value_or(0);
    record.CommissionTurnCount = rpm && opening ? static_cast<int32_t>(opening->size()) : 0;
    for (int32_t storey = 0; storey < record.CommissionTurnCount; ++storey)
        record.CommissionTurns[storey] = (*opening)[static_cast<size_t>(storey)];
}

std::string BuildingFileText(const std::map<std::string, std::string>& answers)
{
    std::string text =
        "# Plik budynku programu went_char: odpowiedzi zatwierdzone w oknach dla budynku tego\n"
        "# katalogu roboczego. Program zapisuje go na nowo po każdym OK okna i czyta przy starcie\n"
        "# oraz po zmianie katalogu. Czyta go też went_char_cli jako plik wejściowy:\n"
        "#   went_char_cli --dir NOWY_KATALOG budynek.txt\n";
    for (const BuildingKey& row : kBuildingKeys)
        if (const auto found = answers.find(row.Key); found != answers.end())
            text += std::string(row.Key) + " = " + found->second + "\n";
    return text;
}

bool SaveBuildingAnswers(const std::string& dir, const BuildingAnswers& answers)
{
    BuildingFile building = ReadBuildingFile(dir);
    for (const auto& [key, value] : answers) {
        if (value)
            building.Answers[key] = *value;
        else
            building.Answers.erase(key);
    }
    return WriteFileAtomically(JoinPath(dir, kBuildingFileName), BuildingFileText(building.Answers),
                               WriteMode::UserInput);
}
