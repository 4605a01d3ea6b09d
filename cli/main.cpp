// went_char_cli: the batch front end. Reads the answers to every dialog from an input file, runs
// the commands of the main window without a window and prints the results report. This file
// handles the command line only; cli/batch_run.cpp does the work.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <exception>
#include <iostream>
#include <chrono>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_rank.h"
#include "cli/batch_run.h"
#include "cli/plotter.h"
#include "output/number_format.h"
#include "output/quoted_input.h"
#include "output/storage/leftovers.h"
#include "output/storage/text_file.h"

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
    text << "Użycie: went_char_cli [--dir KATALOG] [--no-plot] [--plot-timeout S] WEJŚCIE\n"
            "       went_char_cli [--dir KATALOG] [--no-plot] [--plot-timeout S]\n"
            "                     --storeys [--qi QI] [--winter T] [--summer T] [--outside-temp T]\n"
            "                     [--speed N] [--csv] WEJŚCIE\n"
            "       went_char_cli [--dir KATALOG] --rank QI [--csv] WEJŚCIE\n"
            "       went_char_cli [--dir KATALOG] [--no-plot] [--plot-timeout S]\n"
            "                     --commission QI [--csv] WEJŚCIE\n"
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
            "  --rank QI      dobór z katalogu: zamiast obliczeń dla jednego wentylatora tabela\n"
            "                 wszystkich wentylatorów z okna wyboru, każdy bez tłumika, z podstawą\n"
            "                 tłumiącą i z tłumikiem cylindrycznym, dla wymaganej wydajności kratki\n"
            "                 QI [m3/h]; najpierw te, które ją osiągają (najmniejszy nadmiar), potem\n"
            "                 pozostałe (największa wydajność). Klucze fan, regulated_flow,\n"
            "                 variant_flow i variant są pomijane; zapisywane są tylko pliki dialog*.sav\n"
            "  --plot-timeout S\n"
            "                 najdłuższy czas oczekiwania na program gnuplot, w sekundach (domyślnie\n"
            "                 60); po nim program jest zatrzymywany, a praca idzie dalej\n"
            "  --storeys      potem „Rozkład przepływu na kondygnacjach” z wybranym wentylatorem: bez\n"
            "                 efektu kominowego, zimą i latem tabela kondygnacji: przepływ przez kratkę\n"
            "                 [m3/h], udział w Qi [%], różnica ciśnień na kratce [Pa], podciśnienie\n"
            "                 w kanale [Pa], uwagi; wentylator w każdych warunkach obok wyniku przy\n"
            "                 równym podziale (domyślnie bez tego polecenia)\n"
            "  --qi QI        wymagana wydajność kratki QI [m3/h] (domyślnie wartość zapamiętana\n"
            "                 w dialog7.sav, bez niej 50; tylko z --storeys)\n"
            "  --winter T     temperatura zewnętrzna zimą T [°C], od -60 do 60 (domyślnie zapamiętana\n"
            "                 w dialog7.sav, bez niej -20; tylko z --storeys)\n"
            "  --summer T     temperatura zewnętrzna latem T [°C], od -60 do 60 (domyślnie zapamiętana\n"
            "                 w dialog7.sav, bez niej 30; tylko z --storeys)\n"
            "  --outside-temp T\n"
            "                 zamiast trzech warunków tylko efekt kominowy przy temperaturze\n"
            "                 zewnętrznej T [°C], od -60 do 60 (tylko z --storeys)\n"
            "  --speed N      wentylator przy obrotach regulowanych N [1/min], nie większych od obrotów\n"
            "                 z katalogu (domyślnie obroty z katalogu; tylko z --storeys)\n"
            "  --commission QI\n"
            "                 potem „Nastawy regulacyjne” dla wymaganej wydajności kratki QI [m3/h]:\n"
            "                 najmniejsze obroty wentylatora i otwarcie kratek (rodzaj 3), przy których\n"
            "                 każda kondygnacja dostaje co najmniej QI, tabela kondygnacji i te same\n"
            "                 nastawy zimą i latem (domyślnie bez tego polecenia)\n"
            "  --csv          z --rank, --storeys albo --commission: na standardowym wyjściu tylko\n"
            "                 tabela jako CSV (kropka dziesiętna, przecinki, UTF-8, jeden wiersz\n"
            "                 nagłówka z jednostkami; przy --storeys i --commission wiersz na kondygnację)\n"
            "  --help         ten tekst\n"
            "\n"
            "Plik WEJŚCIE: wiersze „klucz = wartość”; puste wiersze i wiersze zaczynające się od „#”\n"
            "są pomijane. Wartość to tekst wpisany w pole okna: jedna liczba rodzaju pola (liczba\n"
            "całkowita albo dziesiętna z kropką, np. 0.25); inny tekst, także „0,25”, jest odrzucany.\n"
            "Klucz, którego brak w pliku WEJŚCIE, ma odpowiedź z pliku budynek.txt katalogu roboczego\n"
            "(zapisywanego po każdym OK okna), potem z pliku okna dialog*.sav, potem domyślną; brak\n"
            "klucza liczby bez żadnej z nich jest błędem. „fan” można pominąć, gdy podaje go budynek.txt.\n"
            "Klucze regulated_flow, variant_flow i speed działają tylko z pliku WEJŚCIE.\n"
            "Klucze [jednostka] (domyślnie: ...):\n";
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
            "przepływu na kondygnacjach lub nastaw regulacyjnych; 4 nie udało się zapisać któregoś pliku (wymienionego na\n"
            "standardowym wyjściu błędów; poprzedni rysunek GIF zostaje, gdy nowy nie powstał w całości)\n"
            "albo katalog roboczy był zajęty przez inny program went_char.\n";
    return text.str();
}

int UsageError(const std::string& problem)
{
    std::cerr << "went_char_cli: " << problem << "\n\n" << UsageText();
    return kExitBadInput;
}

// An input file is a few hundred bytes; anything near this is not one.
constexpr size_t kInputLimit = size_t{1} << 20;  // bytes

// Reads the input: standard input for "-", otherwise a regular file (a directory, a device or a
// pipe is refused without waiting for it). "" when read, otherwise what went wrong.
std::string ReadInput(const std::string& name, std::string& text)
{
    FileRead read = name == "-" ? ReadDescriptor(STDIN_FILENO, kInputLimit) : ReadRegularFile(name, kInputLimit);
    switch (read.State) {
    case FileReadState::Read: text = std::move(read.Bytes); return "";
    case FileReadState::NotRegular: return "„" + QuotedInput(name) + "” nie jest zwykłym plikiem";
    case FileReadState::TooLarge:
        return "plik „" + QuotedInput(name) + "” jest większy niż 1 MiB: to nie jest plik wejściowy";
    case FileReadState::Missing:
    case FileReadState::Failed: break;
    }
    return "nie można odczytać pliku „" + QuotedInput(name) + "”";
}

// A number of seconds from a millisecond to a day; nullopt for anything else (a shorter time
// would be waited for as 0 s).
std::optional<std::chrono::milliseconds> ParseSeconds(const std::string& text)
{
    constexpr double kShortest = 0.001;
    constexpr double kLongest = 86400.0;
    double seconds = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
    if (text.empty() || error != std::errc() || stop != end || !(seconds >= kShortest) || seconds > kLongest)
        return std::nullopt;
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0 + 0.5));
}

// A required flow QI that the Qi dialog keeps with one decimal as 0.0, which it refuses when the
// value file is read again: refused here before anything is written.
bool SavedAsZero(const std::string& text)
{
    double flow = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, flow);
    return error == std::errc() && stop == end && flow > 0.0 && FormatNumber("%1.1f", flow) == "0.0";
}

// SIGTERM, SIGINT and SIGHUP end the run as they would, but first the plotter goes and the run's
// temporaries, its lock file and any picture moved aside are cleared or put back.
extern "C" void EndOnSignal(int signal)
{
    KillRunningPlotter();
    CleanUpPendingFiles();
    _exit(128 + signal);
}

void HandleSignals()
{
    struct sigaction action {};
    action.sa_handler = EndOnSignal;
    sigfillset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    // A file-size limit makes the write that crosses it fail (EFBIG), so that the file is named
    // and the run ends with status 4, instead of the signal ending the run mid-write.
    signal(SIGXFSZ, SIG_IGN);
}

// The options that take a value, given as "--name V" or "--name=V", and what is missing when V is not.
struct ValueOption {
    const char* Name;
    const char* Missing;
};
// clang-format off
// Columns: option, what is missing without its value.
constexpr ValueOption kValueOptions[] = {
    {"--outside-temp", "temperatury"},
    {"--winter",       "temperatury"},
    {"--summer",       "temperatury"},
    {"--qi",           "wydajności QI"},
    {"--speed",        "obrotów"},
    {"--dir",          "katalogu"},
    {"--rank",         "wydajności QI"},
    {"--commission",   "wydajności QI"},
    {"--plot-timeout", "liczby sekund"},
};
// clang-format on

const ValueOption* FindValueOption(const std::string& arg)
{
    for (const ValueOption& option : kValueOptions)
        if (arg == option.Name)
            return &option;
    return nullptr;
}

// True when `arg` is "name=V", with V in `value`.
bool Given(const std::string& arg, const char* name, std::string& value)
{
    const size_t length = std::strlen(name);
    if (arg.compare(0, length, name) != 0 || arg.size() <= length || arg[length] != '=')
        return false;
    value = arg.substr(length + 1);
    return true;
}

int Run(int argc, char** argv)
{
    BatchOptions options;
    RankOptions rank;
    bool ranking = false;
    bool csv = false;  // --csv: the table of --rank or of --storeys as CSV
    std::string inputName;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string value;
        // "--name V" is read as "--name=V".
        if (const ValueOption* option = optionsEnded ? nullptr : FindValueOption(arg)) {
            if (i + 1 >= argc)
                return UsageError(std::string("po ") + option->Name + " brak " + option->Missing);
            arg += "=" + std::string(argv[++i]);
        }
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::cout << UsageText();
            return kExitOk;
        }
        if (!optionsEnded && arg == "--no-plot") {
            options.Plot = false;
        } else if (!optionsEnded && arg == "--storeys") {
            options.Storeys = true;
        } else if (!optionsEnded && arg == "--csv") {
            csv = true;
        } else if (!optionsEnded && Given(arg, "--outside-temp", value)) {
            options.OutsideTemperature = value;
        } else if (!optionsEnded && Given(arg, "--winter", value)) {
            options.WinterTemperature = value;
        } else if (!optionsEnded && Given(arg, "--summer", value)) {
            options.SummerTemperature = value;
        } else if (!optionsEnded && Given(arg, "--qi", value)) {
            options.RequiredFlow = value;
        } else if (!optionsEnded && Given(arg, "--speed", value)) {
            options.FanSpeed = value;
        } else if (!optionsEnded && Given(arg, "--dir", value)) {
            options.Dir = value;
        } else if (!optionsEnded && Given(arg, "--commission", value)) {
            options.Commission = value;
        } else if (!optionsEnded && Given(arg, "--rank", value)) {
            ranking = true;
            rank.RequiredFlow = value;
            if (SavedAsZero(value))
                return UsageError("wydajność QI „" + QuotedInput(value) +
                                  "” po --rank jest mniejsza niż 0.05 m3/h: zapisana z jednym miejscem po kropce byłaby 0.0");
        } else if (!optionsEnded && Given(arg, "--plot-timeout", value)) {
            const std::optional<std::chrono::milliseconds> limit = ParseSeconds(value);
            if (!limit)
                return UsageError("„" + QuotedInput(value) + "” po --plot-timeout nie jest liczbą sekund od 0.001 do 86400");
            options.PlotTimeout = *limit;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return UsageError("nieznana opcja „" + QuotedInput(arg) + "”");
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
    if (csv && !ranking && !options.Storeys && !options.Commission)
        return UsageError("--csv działa tylko z --rank, --storeys albo --commission");
    if ((options.OutsideTemperature || options.FanSpeed || options.WinterTemperature || options.SummerTemperature ||
         options.RequiredFlow) &&
        !options.Storeys)
        return UsageError("--qi, --winter, --summer, --outside-temp i --speed tylko z --storeys");
    if (ranking && options.Storeys)
        return UsageError("--rank i --storeys nie razem");
    if (options.Commission && (ranking || options.Storeys))
        return UsageError("--commission nie razem z --rank ani z --storeys");
    rank.Csv = csv;
    options.StoreysCsv = csv && options.Storeys;
    options.CommissionCsv = csv && options.Commission;

    std::string text;
    if (const std::string problem = ReadInput(inputName, text); !problem.empty()) {
        std::cerr << "went_char_cli: " << problem << "\n";
        return kExitBadInput;
    }
    options.InputName = QuotedInput(inputName);
    const BatchInputResult parsed = ParseBatchInput(text);
    if (!parsed.Ok) {
        std::cerr << options.InputName << ": " << parsed.Error << "\n";
        return kExitBadInput;
    }
    if (ranking)
        return RunRanking(parsed.Input, rank, options, std::cout, std::cerr);
    return RunBatch(parsed.Input, options, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv)
{
    // Nothing may end the program without a word: whatever escapes the run is reported.
    HandleSignals();
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "went_char_cli: błąd: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "went_char_cli: nieznany błąd\n";
    }
    return kExitBadInput;
}
