// Parser of the batch front end's input file and the table of its keys.
#include "cli/batch_input.h"

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/building_file.h"
#include "dialogs/dialog_actions.h"
#include "output/quoted_input.h"
#include "model/installation_kinds.h"
#include "model/materials.h"

namespace {

// "<what> 1..N<note>: 1 <first>, 2 <second>, ..." with the texts of a choice table's rows.
template <typename Row, size_t N>
std::string NumberedChoices(const char* what, const char* note, const Row (&rows)[N], std::string (*text)(const Row&))
{
    std::string meaning = std::string(what) + " 1.." + std::to_string(N) + note + ":";
    for (size_t i = 0; i < N; ++i)
        meaning += (i ? ", " : " ") + std::to_string(i + 1) + " " + text(rows[i]);
    return meaning;
}

// The material as the report names it, without its full stop.
std::string MaterialName(const Material& material)
{
    const std::string_view text = material.ReportText;
    return std::string(text.substr(0, text.rfind('.')));
}

// The installation kind's caption after its common "Budynek wielokondygnacyjny - ".
std::string KindName(const InstallationKindRow& kind)
{
    const std::string_view caption = kind.Caption;
    return std::string(caption.substr(caption.find(" - ") + 3));
}

// Items joined by ", ".
std::string ListOf(const std::vector<std::string>& items)
{
    std::string list;
    for (const std::string& item : items)
        list += (list.empty() ? "" : ", ") + item;
    return list;
}

// The grille list of every installation kind whose building dialog has one.
std::string GrilleMeaning()
{
    std::string kinds;
    for (size_t i = 0; i < std::size(kInstallationKinds); ++i) {
        const std::optional<DialogId> building = BuildingDialogOf(kInstallationKinds[i].Kind);
        const std::vector<std::string> grilles = building ? ComboItems(*building) : std::vector<std::string>();
        if (!grilles.empty())
            kinds += (kinds.empty() ? "" : "; ") + ("rodzaj " + std::to_string(i + 1)) + ": " + ListOf(grilles);
    }
    return "kratka z listy (" + kinds + "); tekst spoza listy to pierwsza pozycja";
}

// The variants by number and by item text.
std::string VariantMeaning()
{
    const std::vector<std::string>& items = ComboItems(DialogId::OKBottomDlg2);
    std::string numbers;
    for (size_t i = 0; i < items.size(); ++i)
        numbers += (i ? ", " : "") + std::to_string(i);
    return "wariant " + numbers + " albo tekst pozycji: " + ListOf(items);
}

const std::string kMaterialMeaning =
    NumberedChoices("materiał kanału", " (przyciski od góry)", kMaterials, MaterialName);
const std::string kInstallationMeaning = NumberedChoices("rodzaj instalacji", "", kInstallationKinds, KindName);
const std::string kGrilleMeaning = GrilleMeaning();
const std::string kVariantMeaning = VariantMeaning();

// clang-format off
// Columns: key, unit, default when the key is missing, the box or choice it answers.
const BatchKey kKeys[] = {
    {"density_source",   "",      "typed",                          "skąd gęstość powietrza: computed (z temperatury, ciśnienia i wilgotności) albo typed (podana)"},
    {"density",          "kg/m3", "wiersz dialog.sav, bez niego wymagany",  "gęstość powietrza (typed)"},
    {"temperature",      "°C",    "wiersz dialog1.sav, bez niego wymagany", "temperatura powietrza, liczba całkowita (computed)"},
    {"pressure",         "hPa",   "wiersz dialog1.sav, bez niego wymagany", "ciśnienie baryczne, liczba całkowita (computed)"},
    {"humidity",         "%",     "wiersz dialog1.sav, bez niego wymagany", "wilgotność względna, liczba całkowita (computed)"},
    {"duct_shape",       "",      "rectangular",                    "kształt kanału: rectangular (prostokątny) albo round (okrągły)"},
    {"duct_length",      "m",     "wiersz dialog2.sav, bez niego wymagany", "długość boku kanału prostokątnego"},
    {"duct_width",       "m",     "wiersz dialog2.sav, bez niego wymagany", "szerokość boku kanału prostokątnego"},
    {"duct_diameter",    "m",     "wiersz dialog22.sav, bez niego wymagany", "średnica kanału okrągłego"},
    {"material",         "",      "1",                              kMaterialMeaning.c_str()},
    {"installation",     "",      "1",                              kInstallationMeaning.c_str()},
    {"storey_height",    "m",     "wiersz pliku okna budynku, bez niego wymagany", "wysokość jednej kondygnacji"},
    {"storeys",          "",      "wiersz pliku okna budynku, bez niego wymagany", "ilość kondygnacji, liczba całkowita"},
    {"grille_height",    "m",     "wiersz dialog33.sav, bez niego wymagany", "wysokość kratki (rodzaj 1)"},
    {"grille_width",     "m",     "wiersz dialog33.sav, bez niego wymagany", "szerokość kratki (rodzaj 1)"},
    {"grille_diameter",  "m",     "wiersz dialog333.sav, bez niego wymagany", "średnica kratki (rodzaj 2)"},
    {"loss_coefficient", "",      "wiersz pliku okna budynku, bez niego wymagany", "współczynnik strat kratki (rodzaje 1 i 2)"},
    {"grille",           "",      "pierwsza pozycja listy",         kGrilleMeaning.c_str()},
    {"turns",            "",      "wiersz dialog3333.sav, bez niego wymagany", "otwarcie kratki w obrotach tarczy 0..20, liczba całkowita (rodzaj 3)"},
    {"constant_flow",    "m3/h",  "wiersz pliku okna budynku, bez niego wymagany", "stała wydajność kratki Qs, liczba całkowita (rodzaje 4 i 5)"},
    {"fan",              "",      "brak: klucz wymagany",           "numer wentylatora w katalogu (1..58, tylko z przyciskiem w oknie wyboru)"},
    {"regulated_flow",   "m3/s",  "brak: bez obrotów regulowanych", "wydajność regulowana Qr; uruchamia „Obroty regulowane”"},
    {"variant_flow",     "m3/s",  "brak: bez obrotów regulowanych z tłumikami", "wydajność regulowana wariantu; uruchamia „Obroty regulowane z tłumikami”"},
    {"variant",          "",      "żaden wybrany (jak 0)",          kVariantMeaning.c_str()},
    {"required_flow",    "m3/h",  "wiersz dialog6.sav albo dialog7.sav, bez nich 50 przy --storeys", "wymagana wydajność kratki Qi „Doboru z katalogu” i rozkładu przepływu na kondygnacjach; w wywołaniu podają ją --rank i --qi"},
    {"winter_temp",      "°C",    "wiersz dialog7.sav, bez niego -20", "temperatura zewnętrzna zimą rozkładu przepływu na kondygnacjach; w wywołaniu podaje ją --winter"},
    {"summer_temp",      "°C",    "wiersz dialog7.sav, bez niego 30", "temperatura zewnętrzna latem rozkładu przepływu na kondygnacjach; w wywołaniu podaje ją --summer"},
    {"speed",            "1/min", "0 (obroty z katalogu)",          "obroty wentylatora przy rozkładzie przepływu na kondygnacjach; w wywołaniu podaje je --speed"},
    {"balanced",         "",      "no",                             "yes: rozkład przepływu na kondygnacjach z nastawami regulacyjnymi budynku"},
    {"commission_speed", "1/min", "brak: bez nastaw",               "obroty znalezione przez „Nastawy regulacyjne” (zapisuje je --commission)"},
    {"commission_turns", "",      "brak: bez nastaw",               "otwarcie kratki każdej kondygnacji od najniższej, liczby 0..20 (rodzaj 3)"},
};
// clang-format on

bool IsKnownKey(std::string_view key)
{
    for (const BatchKey& known : kKeys)
        if (key == known.Name)
            return true;
    return false;
}

std::string LineError(int line, const std::string& what)
{
    return "wiersz " + std::to_string(line) + ": " + what;
}

}  // namespace

const BatchKey* BatchKeys() { return kKeys; }

bool GivenInInput(const BatchInput& input, const std::string& key)
{
    return input.Values.count(key) && !input.FromFile.count(key);
}
int BatchKeyCount() { return static_cast<int>(std::size(kKeys)); }

BatchInputResult ParseBatchInput(const std::string& text)
{
    BatchInputResult result;
    for (const KeyValueLine& line : ParseKeyValueLines(text)) {
        if (!line.HasEquals) {
            result.Error = LineError(line.Line, "brak znaku „=” w „" + QuotedInput(line.Content) + "”");
            return result;
        }
        if (!IsKnownKey(line.Key)) {
            result.Error = LineError(line.Line, "nieznany klucz „" + QuotedInput(line.Key) + "”");
            return result;
        }
        if (const auto earlier = result.Input.LineOf.find(line.Key); earlier != result.Input.LineOf.end()) {
            result.Error = LineError(line.Line, "klucz „" + line.Key + "” podany drugi raz (pierwszy raz w wierszu " +
                                                    std::to_string(earlier->second) + ")");
            return result;
        }
        result.Input.Values[line.Key] = line.Value;
        result.Input.LineOf[line.Key] = line.Line;
    }
    result.Ok = true;
    return result;
}
