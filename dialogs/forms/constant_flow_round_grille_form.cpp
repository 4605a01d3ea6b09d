// Building dialog of kind 4 (constant-flow round grille); value file "dialog33333.sav".
#include "dialogs/forms/constant_flow_round_grille_form.h"

TForm22222::TForm22222(const DialogContext& context)
    : GrilleListForm(context, DialogId::Form22222, QSize(326, 232), "Stała wydajność Qs [m3/h]",
                     "100 mm", "(liczba z zakresu 15 do 90)")
{
}
