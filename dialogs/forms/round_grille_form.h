// Building with a round grille whose loss coefficient the user types, with example values of
// fully open adjustable round grilles.
#pragma once

#include <vector>

#include "dialogs/forms/building_form.h"

class TForm222 : public BuildingForm {
    Q_OBJECT

public:
    explicit TForm222(const DialogContext& context);

    QLabel* Label4;  // "Średnica kratki [m]"
    QLabel* Label5;  // "Współczynnik strat kratki"
    QLabel* Label6;  // "Przykładowe wartości współczynnika strat kratek"
    QLineEdit* Edit3;  // grille diameter [m]
    QLineEdit* Edit4;  // loss coefficient
    std::vector<QLabel*> ExampleLabels;  // Label7..Label16: description, value, row by row

public slots:
    void Button1Click();
};
