// Building dialog of kind 5 (constant-flow rectangular grille); value file "dialog333333.sav".
#include "dialogs/forms/constant_flow_rectangular_grille_form.h"

#include <algorithm>

#include <QLabel>

TForm222222::TForm222222(const DialogContext& context)
    : GrilleListForm(context, DialogId::Form222222, QSize(326, 255), "Stała wydajność Qs [m3/h]",
                     "NEVA-20", "liczba z zakresu ")
{
    const int noteTop = RowTop(4) + 4;  // the first note's top
    Label7 = MakeLabel("Label7", "dla kratki NEVA-20 od 5 do 23", 16, noteTop + 18);
    Label9 = MakeLabel("Label9", "dla kratki NEVA-30 od 5 do 35", 16, noteTop + 36);
    // The second column starts near the middle, or just past the wider note of the first.
    const int secondColumn = std::max({Label7->x() + Label7->width(), Label9->x() + Label9->width()}) + 6;
    Label8 = MakeLabel("Label8", "dla kratki NEVA-50 od 5 do 60", std::max(secondColumn, 164), noteTop + 18);
    Label10 = MakeLabel("Label10", "dla kratki NEVA-70 od 10 do 80", std::max(secondColumn, 164), noteTop + 36);
}
