// Rectangular duct: its two sides, from which the equivalent diameter and area follow.
#pragma once

#include "dialogs/forms/modal_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm1 : public ModalForm {
    Q_OBJECT

public:
    explicit TForm1(const DialogContext& context);

    QLabel* Label1;  // "Proszę podać wymiary kanału"
    QLabel* Label2;  // "Długość [m]"
    QLabel* Label3;  // "Szerokość [m]"
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1;  // "OK"
    QPushButton* Button2;  // "Anuluj"

public slots:
    void Button1Click();
};
