// Building with constant-flow rectangular grilles: the grille type and its constant flow in m3/h
// (Edit4), from which the loss coefficient follows; notes give each type's usual range.
#pragma once

#include "dialogs/forms/building_form.h"

class TForm222222 : public GrilleListForm {
    Q_OBJECT

public:
    explicit TForm222222(const DialogContext& context);

    QLabel* Label7;   // "dla kratki NEVA-20 od 5 do 23"
    QLabel* Label8;   // "dla kratki NEVA-50 od 5 do 60"
    QLabel* Label9;   // "dla kratki NEVA-30 od 5 do 35"
    QLabel* Label10;  // "dla kratki NEVA-70 od 10 do 80"
};
