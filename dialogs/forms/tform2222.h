// Building with adjustable round grilles: the grille size and the opening in turns of its disc,
// from which the loss coefficient follows.
#pragma once

#include "dialogs/forms/building_form.h"

class TForm2222 : public BuildingForm {
    Q_OBJECT

public:
    explicit TForm2222(const DialogContext& context);

    QLabel* Label4;  // "Wybierz kratke"
    QLabel* Label5;  // "Otwarcie kratki"
    QLabel* Label6;  // "(ilosc obrotow tarczy kratki 0-20)"
    QComboBox* ComboBox1;  // grille sizes, initial text "LUMA 75/80"
    QLineEdit* Edit4;      // turns, integer

public slots:
    void Button1Click();
};
