// Building with a rectangular grille whose loss coefficient the user types; a table of example
// grilles helps the choice.
#pragma once

#include <vector>

#include "dialogs/forms/building_form.h"

class TForm22 : public BuildingForm {
    Q_OBJECT

public:
    explicit TForm22(const DialogContext& context);

    QLabel* Label4;  // "Wysokość kratki [m]"
    QLabel* Label5;  // "Szerokość kratki [m]"
    QLabel* Label6;  // "Współczynnik strat kratki"
    QLabel* Label7;  // "Przykładowe wartości współczynnika strat kratek"
    QLineEdit* Edit3;  // grille height [m]
    QLineEdit* Edit4;  // grille width [m]
    QLineEdit* Edit5;  // loss coefficient
    std::vector<QLabel*> ExampleLabels;  // Label8..Label31: description, value; left column, then right

public slots:
    void Button1Click();
};
