// Building with constant-flow round grilles: the grille size and its constant flow in m3/h
// (Edit4), from which the loss coefficient follows.
#pragma once

#include "dialogs/forms/building_form.h"

class TForm22222 : public GrilleListForm {
    Q_OBJECT

public:
    explicit TForm22222(const DialogContext& context);
};
