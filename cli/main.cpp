// went_char_cli: the batch front end. Reads the answers to every dialog from an input file, runs
// the commands of the main window without a window and prints the results report. This file
// handles the command line only; cli/batch_run.cpp does the work.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_run.h"

namespace {

// Characters of a UTF-8 text (continuation bytes are not counted).
size_t Width(const std::string& text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The words of `text` in lines of at most `width` characters, each line indented by `indent`.
std::string Wrapped(const std::string& text, const std::string& indent, size_t width)
{
    std::istringstream words(text);
    std::string result;
    std::string line;
    std::string word;
    while (words >> word) {
        if (!line.empty() && Width(line) + 1 + Width(word) > width) {
            result += indent + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        result += indent + line + "\n";
    return result;
}

std::string UsageText()
{
    std::ostringstream text;
    text << "Użycie: went_char_cli [--dir KATALOG] [--no-plot] [--storeys [--outside-temp T] [--speed N] [--csv]]\n"
            "                     WEJŚCIE\n"
            "\n"
            "Dobór wentylatora dachowego bez okna: odpowiedzi na wszystkie okna dialogowe z pliku\n"
            "WEJŚCIE (UTF-8; „-” to standardowe wejście), potem „Nowe obliczenia”, „Obroty regulowane”\n"
            "(gdy podano regulated_flow) i „Obroty regulowane z tłumikami” (gdy podano variant_flow).\n"
            "Po każdym poleceniu raport wyników na standardowym wyjściu; pliki jak w programie okienkowym.\n"
            "\n"
            "Opcje:\n"
            "  --dir KATALOG  katalog roboczy z plikami dialog*.sav, wykresami i raportami\n"
            "                 (domyślnie bieżący; tworzony, gdy go nie ma)\n"
            "  --no-plot      bez uruchamiania programu gnuplot (domyślnie uruchamiany dla każdego\n"
            "                 skryptu GIF i czeka się na niego)\n"
            "  --storeys      potem „Rozkład przepływu na kondygnacjach” z wybranym wentylatorem i tabela\n"
            "                 kondygnacji: przepływ przez kratkę [m3/h], udział w średniej [%], podciśnienie\n"
            "                 w kanale [Pa], różnica ciśnień na kratce [Pa]; wentylator obok wyniku przy\n"
            "                 równym podziale (domyślnie bez tego polecenia)\n"
            "  --outside-temp T\n"
            "                 z efektem kominowym przy temperaturze zewnętrznej T [°C], od -60 do 60\n"
            "                 (domyślnie bez efektu kominowego; tylko z --storeys)\n"
            "  --speed N      wentylator przy obrotach regulowanych N [1/min], nie większych od obrotów\n"
            "                 z katalogu (domyślnie obroty z katalogu; tylko z --storeys)\n"
            "  --csv          na standardowym wyjściu tylko tabela kondygnacji jako CSV: wiersz nagłówka\n"
            "                 z jednostkami, wiersz na kondygnację, kropka dziesiętna (tylko z --storeys)\n"
            "  --help         ten tekst\n"
            "\n"
            "Plik WEJŚCIE: wiersze „klucz = wartość”; puste wiersze i wiersze zaczynające się od „#”\n"
            "są pomijane. Wartość to tekst wpisany w pole okna, zamieniany jego regułami (kropka\n"
            "dziesiętna; „0,25” daje 0). Klucze [jednostka] (domyślnie: ...):\n";
    for (int i = 0; i < BatchKeyCount(); ++i) {
        const BatchKey& key = BatchKeys()[i];
        std::string name = key.Name;
        if (*key.Unit)
            name += std::string(" [") + key.Unit + "]";
        text << "  " << name << "\n"
             << Wrapped(std::string(key.Meaning) + " (domyślnie: " + key.Default + ")", "      ", 86);
    }
    text << "\n"
            "Kod wyjścia: 0 gotowe; 2 złe wywołanie lub dane (nic nie zapisano); 3 wentylator\n"
            "nieodpowiedni dla sieci (pliki wariantów z tłumikami zapisane) albo bez rozkładu\n"
            "przepływu na kondygnacjach.\n";
    return text.str();
}

int UsageError(const std::string& problem)
{
    std::cerr << "went_char_cli: " << problem << "\n\n" << UsageText();
    return kExitBadInput;
}

bool ReadInput(const std::string& name, std::string& text)
{
    if (name == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream file(name, std::ios::binary);
    if (!file)
        return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

}  // namespace

int main(int argc, char** argv)
{
    BatchOptions options;
    std::string inputName;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::cout << UsageText();
            return kExitOk;
        }
        if (!optionsEnded && arg == "--no-plot") {
            options.Plot = false;
        } else if (!optionsEnded && arg == "--storeys") {
            options.Storeys = true;
        } else if (!optionsEnded && arg == "--csv") {
            options.StoreysCsv = true;
        } else if (!optionsEnded && arg == "--outside-temp") {
            if (i + 1 >= argc)
                return UsageError("po --outside-temp brak temperatury");
            options.OutsideTemperature = argv[++i];
        } else if (!optionsEnded && arg.rfind("--outside-temp=", 0) == 0) {
            options.OutsideTemperature = arg.substr(std::strlen("--outside-temp="));
        } else if (!optionsEnded && arg == "--speed") {
            if (i + 1 >= argc)
                return UsageError("po --speed brak obrotów");
            options.FanSpeed = argv[++i];
        } else if (!optionsEnded && arg.rfind("--speed=", 0) == 0) {
            options.FanSpeed = arg.substr(std::strlen("--speed="));
        } else if (!optionsEnded && arg == "--dir") {
            if (i + 1 >= argc)
                return UsageError("po --dir brak katalogu");
            options.Dir = argv[++i];
        } else if (!optionsEnded && arg.rfind("--dir=", 0) == 0) {
            options.Dir = arg.substr(std::strlen("--dir="));
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return UsageError("nieznana opcja „" + arg + "”");
        } else if (inputName.empty()) {
            inputName = arg;
        } else {
            return UsageError("podano więcej niż jeden plik wejściowy");
        }
    }
    if (inputName.empty())
        return UsageError("brak pliku wejściowego");
    if (options.Dir.empty())
        return UsageError("pusty katalog roboczy");
    if ((options.StoreysCsv || options.OutsideTemperature || options.FanSpeed) && !options.Storeys)
        return UsageError("--csv, --outside-temp i --speed tylko z --storeys");

    std::string text;
    if (!ReadInput(inputName, text)) {
        std::cerr << "went_char_cli: nie można odczytać pliku „" << inputName << "”\n";
        return kExitBadInput;
    }
    options.InputName = inputName;
    const BatchInputResult parsed = ParseBatchInput(text);
    if (!parsed.Ok) {
        std::cerr << inputName << ": " << parsed.Error << "\n";
        return kExitBadInput;
    }
    return RunBatch(parsed.Input, options, std::cout, std::cerr);
}
