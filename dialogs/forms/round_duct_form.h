// Round duct: its diameter.
#pragma once

#include "dialogs/forms/modal_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm4 : public ModalForm {
    Q_OBJECT

public:
    explicit TForm4(const DialogContext& context);

    QLabel* Label1;  // "Proszę podać parametry kanału"
    QLabel* Label2;  // "Średnica kanału [m]"
    QLineEdit* Edit1;
    QPushButton* Button1;  // "OK", first in tab order: Enter accepts the diameter shown
    QPushButton* Button2;  // "Anuluj"

public slots:
    void Button1Click();
};
