// The contents of the main window's menu bar and tool bar. No item has a keyboard shortcut and
// none is ever disabled: every command copes with a record that holds no results. Within each
// menu every item has an access key of its own.
#include "app/menu_table.h"

// clang-format off
// Object name  Caption
const MenuRow kMenus[kMenuCount] = {
    {"FileMenu",  "&Obliczenia"},
    {"CharMenu",  "&Charakterystyki"},
    {"tlumMenu",  "Charakterystyki z &tłumikami"},
    {"HelpMenu",  "&Pomoc"},
};

// Menu  Object name            Caption                                                       Hint                                                          Handler
const MenuItemRow kMenuItems[kMenuItemCount] = {
    {0, "FileNewItem",          "&Nowe obliczenia",                                           "Obliczenia ilości odciąganego powietrza",                     "FileNew"},
    {0, "FileWywietrznikItem",  "&Wybierz tylko wentylator",                                  "Obliczenia dla nowego wentylatora",                           "Wentylator"},
    {0, "dobor_z_katalogu",     "&Dobór z katalogu",                                          "Wybiera wentylatory spełniające wymaganą wydajność",          "dobor_z_katalogu"},
    {0, "FileKondygnacjeItem",  "Rozkład &przepływu na kondygnacjach",                        "Oblicza rzeczywisty przepływ przez kratkę na każdej kondygnacji", "kondygnacje"},
    {0, "FileNastawyItem",      "N&astawy regulacyjne",                                       "Oblicza otwarcie kratek na kondygnacjach i obroty wentylatora dające każdemu mieszkaniu wymaganą wydajność", "nastawy"},
    {0, "",                     "-",                                                          "",                                                            ""},
    {0, "FilePrintItem",        "W&ydruk wyników",                                            "Drukuje aktualne wyniki",                                     "FilePrint"},
    {0, "FilePrintSetupItem",   "&Ustawienia drukarki",                                       "Zmienia ustawienia drukarki",                                 "FilePrintSetup"},
    {0, "FileFolderItem",       "Katalog &roboczy…",                                          "Wybiera katalog z danymi i wynikami budynku",                 "WorkingFolder"},
    {0, "",                     "-",                                                          "",                                                            ""},
    {0, "FileExitItem",         "&Koniec",                                                    "Kończy pracę z programem",                                    "FileExit"},
    {1, "char_wyswietl",        "&Wyświetl charakterystykę",                                  "Wyświetla charakterystykę wentylatora",                       "char_wyswietl"},
    {1, "char_drukuj",          "&Drukuj charakterystykę",                                    "Drukuje charakterystykę",                                     "char_drukuj"},
    {1, "char_zapisz",          "&Zapisz charakterystykę",                                    "Zapisuje charakterystykę",                                    "char_zapisz"},
    {1, "",                     "-",                                                          "",                                                            ""},
    {1, "obr_reg",              "&Obroty regulowane",                                         "Oblicza obroty regulowane",                                   "obr_reg"},
    {1, "obr_reg_wyswietl",     "Wyświetl charakterystykę o&brotow regulowanych",             "Wyświetla charakterystykę obrotow regulowanych",              "obr_reg_wyswietl"},
    {1, "obr_reg_druk",         "Dr&ukuj charakterystykę obrotów regulowanych",               "Drukuje charakterystykę obrotow regulowanych",                "obr_reg_druk"},
    {1, "char_zapisz2",         "Zap&isz charakterystykę obrotów regulowanych",               "Zapisuje charakterystykę obrotów regulowanych",               "char_zapisz2"},
    {1, "",                     "-",                                                          "",                                                            ""},
    {1, "kond_wyswietl",        "W&yświetl wykres przepływu na kondygnacjach",                "Wyświetla wykres przepływu przez kratki na kondygnacjach",    "kond_wyswietl"},
    {1, "kond_druk",            "D&rukuj wykres przepływu na kondygnacjach",                  "Drukuje wykres przepływu przez kratki na kondygnacjach",      "kond_druk"},
    {1, "char_zapisz4",         "Z&apisz wykres przepływu na kondygnacjach",                  "Zapisuje wykres przepływu przez kratki na kondygnacjach",     "char_zapisz4"},
    {1, "",                     "-",                                                          "",                                                            ""},
    {1, "nast_wyswietl",        "Wyświetl wykres &nastaw regulacyjnych",                      "Wyświetla wykres przepływu na kondygnacjach przed i po regulacji", "nast_wyswietl"},
    {1, "nast_druk",            "Dru&kuj wykres nastaw regulacyjnych",                        "Drukuje wykres przepływu na kondygnacjach przed i po regulacji",   "nast_druk"},
    {1, "char_zapisz5",         "Zapi&sz wykres nastaw regulacyjnych",                        "Zapisuje wykres przepływu na kondygnacjach przed i po regulacji",  "char_zapisz5"},
    {2, "par_tlumika",          "&Parametry z tłumikami",                                     "",                                                            "par_tlumika"},
    {2, "char_tlumika",         "&Wyświetl charakterystykę z tłumikami",                      "",                                                            "char_tlumika"},
    {2, "druk_tlumika",         "&Drukuj charakterystykę z tłumikami",                        "",                                                            "druk_tlumika"},
    {2, "char_zapisz1",         "&Zapisz charakterystykę z tłumikami",                        "Zapisuje charakterystykę z tłumikami",                        "char_zapisz1"},
    {2, "",                     "-",                                                          "",                                                            ""},
    {2, "par_reg_tlumika",      "&Obroty regulowane z tłumikami",                             "",                                                            "par_reg_tlumika"},
    {2, "char_reg_tlumika",     "Wyświetl charakterystykę o&brotów regulowanych z tłumikami", "",                                                            "char_reg_tlumika"},
    {2, "druk_reg_tlumika",     "Dr&ukuj charakterystykę obrotów regulowanych z tłumikami",   "",                                                            "druk_reg_tlumika"},
    {2, "char_zapisz3",         "Zap&isz charakterystykę obrotów regulowanych z tłumikami",   "Zapisuje charakterystykę obrotów regulowanych z tłumikami",   "char_zapisz3"},
    {3, "HelpContentsItem",     "&Spis tresci",                                               "Wyświetla okno pomocy",                                       "HelpContents"},
    {3, "",                     "-",                                                          "",                                                            ""},
    {3, "HelpAboutItem",        "&O programie",                                               "",                                                            "HelpAbout"},
};

// Object name     Left  Hint                                       Handler
const SpeedButtonRow kSpeedButtons[kSpeedButtonCount] = {
    {"SpeedButton1",  10, "Wydruk wyników|Wydruk wyników",            "FilePrint"},
    {"SpeedButton2",  35, "Ustawienia drukarki|Ustawienia drukarki",  "FilePrintSetup"},
    {"SpeedButton3",  65, "Pomoc|Pomoc",                              "HelpContents"},
    {"SpeedButton4",  95, "O programie|O programie",                  "HelpAbout"},
    {"SpeedButton5", 120, "Koniec pracy|Koniec pracy",                "FileExit"},
};
// clang-format on

std::string ShortHint(const std::string& hint)
{
    const std::string::size_type bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string LongHint(const std::string& hint)
{
    const std::string::size_type bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}
