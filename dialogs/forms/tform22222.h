// Building with constant-flow round grilles: the grille size and its constant flow, from which
// the loss coefficient follows.
#pragma once

#include "dialogs/forms/building_form.h"

class TForm22222 : public BuildingForm {
    Q_OBJECT

public:
    explicit TForm22222(const DialogContext& context);

    QLabel* Label4;  // "Wybierz kratke"
    QLabel* Label5;  // "Stała wydajność Qs [m3/h]"
    QLabel* Label6;  // "(liczba z zakresu 15 do 90)"
    QComboBox* ComboBox1;  // grille sizes, initial text "100 mm"
    QLineEdit* Edit4;      // constant flow [m3/h], integer

public slots:
    void Button1Click();
};
