// Density source: the density is computed from the air state or typed by the user.
#pragma once

#include "dialogs/forms/modal_form.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class TOKBottomDlg3 : public ModalForm {
    Q_OBJECT

public:
    explicit TOKBottomDlg3(const DialogContext& context);

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;  // "Niech program obliczy wartość Ro"
    QRadioButton* RadioButton2;  // "Podać wartość Ro z klawiatuy", chosen initially
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void OKBtnClick();
};
