// Air density from the air state: temperature, barometric pressure and relative humidity.
#pragma once

#include "dialogs/forms/modal_form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public ModalForm {
    Q_OBJECT

public:
    explicit TForm3(const DialogContext& context);

    QFrame* Bevel1;
    QLabel* Label1;  // "Proszę podać parametry do obliczenia gestości Ro"
    QLabel* Label2;  // "Temperatura [°C]"
    QLabel* Label3;  // "Ciśnienie baryczne [hPa]"
    QLabel* Label4;  // "Wilgotność względna [%]"
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QPushButton* Button1;  // "OK"
    QPushButton* Button2;  // "Anuluj"

public slots:
    void Button1Click();
};
