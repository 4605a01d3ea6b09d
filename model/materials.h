// The duct materials: the roughness coefficient the material dialog stores and the texts by which
// the dialog, the results report and the HTML reports name it. A new material is a new row.
#pragma once

#include <cstddef>

struct Material {
    double Roughness;        // - : DuctRoughness; the reports find the row by exact comparison
    const char* Caption;     // radio caption of the material dialog, top to bottom
    const char* ReportText;  // material text of the results report
    const char* HtmlText;    // material cell of the HTML reports
};

// clang-format off
// Columns: roughness, dialog caption, report text, HTML text.
inline constexpr Material kMaterials[] = {
    { 1.8, "Rura stalowa ocynkowana czysta",                     "rura stalowa ocynkowana czysta.",                    "rura stalowa ocynkowana czysta."},
    { 2.5, "Nowa rura odlewana, blacha stalowa, gładki cement ", "nowa rura odlewana, blacha stalowa, gładki cement.", "nowa rura odlewana, blacha stalowa, gładki cement."},
    { 3.0, "Zwyczajnie ocynkowana rura stalowa",                 "zwyczajnie ocynkowana rura stalowa.",                "zwyczajnie ocynkowana rura stalowa. "},
    { 5.0, "Stara rura stalowa zardzewiała",                     "stara rura stalowa zardzewiała.",                    "stara rura stalowa zardzewiała. "},
    { 7.5, "Surowy cement lub deski",                            "surowy cement lub deski.",                           "surowy cement lub deski. "},
    {10.0, "Cegła",                                              "cegła.",                                             "cegła. "},
};
// clang-format on

// The material whose roughness equals `roughness` exactly, or nullptr (0.0 after the reset, or any
// value no dialog stores).
inline const Material* FindMaterial(double roughness)
{
    for (const Material& material : kMaterials) {
        if (material.Roughness == roughness)
            return &material;
    }
    return nullptr;
}
