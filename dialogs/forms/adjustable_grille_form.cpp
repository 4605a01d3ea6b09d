// Building dialog of kind 3 (adjustable round grille); value file "dialog3333.sav".
#include "dialogs/forms/adjustable_grille_form.h"

TForm2222::TForm2222(const DialogContext& context)
    : GrilleListForm(context, DialogId::Form2222, QSize(326, 232), "Otwarcie kratki", "LUMA 75/80",
                     "(ilosc obrotow tarczy kratki 0-20)")
{
}
