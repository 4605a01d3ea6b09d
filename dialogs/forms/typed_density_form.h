// Typed air density: the density in kg/m3 as the user knows it.
#pragma once

#include "dialogs/forms/modal_form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TOKBottomDlg : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg(const DialogContext& context);

    QFrame* Bevel1;
    QLabel* Label1;  // "Proszę podać parametry"
    QLabel* Label2;  // "Gęstość Ro [kg/m3]"
    QLineEdit* Edit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
