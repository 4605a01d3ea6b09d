// Building with adjustable round grilles: the grille size and the opening in turns of its disc
// (Edit4), from which the loss coefficient follows.
#pragma once

#include "dialogs/forms/building_form.h"

class TForm2222 : public GrilleListForm {
    Q_OBJECT

public:
    explicit TForm2222(const DialogContext& context);
};
