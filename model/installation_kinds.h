// The installation kinds: the grille on every storey, as the installation kind dialog offers them
// and as the reports describe the grille. A new kind is a new row here plus its building dialog
// (a row of the building-dialog table in dialogs/dialog_actions.cpp and its form).
#pragma once

#include <cstdint>

#include "model/calc_record.h"

// How a report describes the grille: its two sides, or its diameter.
enum class GrilleOutline { Rectangular, Round };

struct InstallationKindRow {
    InstallationKindCode Kind;   // InstallationKind of the record
    const char* Caption;         // radio caption of the installation kind dialog, top to bottom
    GrilleOutline ReportGrille;  // grille line of the results report
    GrilleOutline HtmlGrille;    // grille row of the HTML reports
    bool ConstantFlow;           // the grille keeps a set flow (GrilleSetFlowHourly) whatever the pressure
};

// The HTML reports have always shown the constant-flow rectangular grille by its diameter row
// (GrilleSizeA, 0.1 m), while the results report shows its two sides.
// clang-format off
// Columns: kind, dialog caption, results report grille, HTML grille, constant flow.
inline constexpr InstallationKindRow kInstallationKinds[] = {
    {kRectangularGrille,             "Budynek wielokondygnacyjny - kratka prostokątna",                   GrilleOutline::Rectangular, GrilleOutline::Rectangular, false},
    {kRoundGrille,                   "Budynek wielokondygnacyjny - kratka okrągła nieregulowana",         GrilleOutline::Round,       GrilleOutline::Round,       false},
    {kAdjustableRoundGrille,         "Budynek wielokondygnacyjny - kratka okrągła regulowana",            GrilleOutline::Round,       GrilleOutline::Round,       false},
    {kConstantFlowRoundGrille,       "Budynek wielokondygnacyjny - kratka okrągła stałej wydajności",     GrilleOutline::Round,       GrilleOutline::Round,       true},
    {kConstantFlowRectangularGrille, "Budynek wielokondygnacyjny - kratka prostokątna stałej wydajności", GrilleOutline::Rectangular, GrilleOutline::Round,       true},
};
// clang-format on

// The row of an InstallationKind value, or nullptr for a value without one (0: never chosen).
inline const InstallationKindRow* FindInstallationKind(int32_t kind)
{
    for (const InstallationKindRow& row : kInstallationKinds) {
        if (row.Kind == kind)
            return &row;
    }
    return nullptr;
}

// The grille outline a report shows for `kind`; a value without a row counts as a round grille.
inline GrilleOutline ReportGrilleOf(int32_t kind)
{
    const InstallationKindRow* row = FindInstallationKind(kind);
    return row ? row->ReportGrille : GrilleOutline::Round;
}
inline GrilleOutline HtmlGrilleOf(int32_t kind)
{
    const InstallationKindRow* row = FindInstallationKind(kind);
    return row ? row->HtmlGrille : GrilleOutline::Round;
}

// Whether the grilles of `kind` keep a set flow; false for a value without a row.
inline bool IsConstantFlowKind(int32_t kind)
{
    const InstallationKindRow* row = FindInstallationKind(kind);
    return row && row->ConstantFlow;
}
