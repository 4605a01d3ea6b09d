// Requested flow for the regulated speed of the fan.
#pragma once

#include "dialogs/forms/modal_form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TOKBottomDlg1 : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg1(const DialogContext& context);

    QFrame* Bevel1;
    QLabel* Label2;  // "Proszę podać parametry"
    QLabel* Label1;  // "Wydajność regulowana Qr [m3/s]"
    QLineEdit* Edit1;
    QPushButton* OKBtn;      // first in tab order: Enter accepts the flow shown
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
